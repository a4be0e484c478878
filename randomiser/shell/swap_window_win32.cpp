// The swap window: the host picks a player in each list, sees the teams'
// scores (and win chance) the swap would give, and swaps with Enter or the
// Swap button. A refused swap is said in the window, which stays open; a
// swap closes it, and the draw's balloon and tip show the new teams.
#include "randomiser/shell/swap_window_win32.h"

#include <iterator>

#include "randomiser/commands/player_swap.h"
#include "randomiser/shell/sortilane_state_win32.h"
#include "randomiser/shell/tray_notes_win32.h"
#include "win32/secondary_window_win32.h"

namespace {

enum SwapWindowId { kSwapTitleId = 290, kFirstLabelId, kFirstListId, kSecondLabelId, kSecondListId, kSwapId, kAfterId };
const wchar_t* const kNoList = L"Could not create the list of players.";
const wchar_t* const kNoButton = L"Could not create the Swap button.";
constexpr DWORD kListStyle = WS_BORDER | WS_VSCROLL | WS_GROUP | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;

const ControlSpec kSwapControls[] = {
    {L"static", L"Swap two players", SS_CENTER, kSwapTitleId, 20, 15, 460, 45, kNoLabel},
    {L"static", L"Player", 0, kFirstLabelId, 20, 70, 220, 22, kNoLabel},
    {L"LISTBOX", L"", kListStyle, kFirstListId, 20, 95, 220, 160, kNoList},
    {L"static", L"with", 0, kSecondLabelId, 260, 70, 220, 22, kNoLabel},
    {L"LISTBOX", L"", kListStyle, kSecondListId, 260, 95, 220, 160, kNoList},
    {L"button", L"Swap", BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP, kSwapId, 180, 270, 140, 36, kNoButton},
    {L"static", L"", 0, kAfterId, 20, 320, 460, 44, kNoLabel},
};

int selectedPlayer(int listId) {
    return static_cast<int>(SendDlgItemMessageW(secondaryWindow(), listId, LB_GETCURSEL, 0, 0));
}

// The lists hold the players in player order with their teams as they are now.
void fillLists() {
    HWND window = secondaryWindow();
    for (int listId : {kFirstListId, kSecondListId}) {
        SendDlgItemMessageW(window, listId, LB_RESETCONTENT, 0, 0);
        for (int p = 0; p < g_randomiser.players.player_count; ++p) {
            const std::wstring entry = swapListEntry(g_randomiser, p);
            SendDlgItemMessageW(window, listId, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
        }
    }
    // The first player against the first player of another team: a swap the host may make at once.
    int other = 0;
    while (other < g_randomiser.players.player_count &&
           g_randomiser.players.player_teams[other] == g_randomiser.players.player_teams[0])
        ++other;
    SendDlgItemMessageW(window, kFirstListId, LB_SETCURSEL, 0, 0);
    SendDlgItemMessageW(window, kSecondListId, LB_SETCURSEL, other, 0);
}

void showTeamsAfterSwap() {
    const std::wstring text =
        swapPreviewText(g_randomiser, selectedPlayer(kFirstListId), selectedPlayer(kSecondListId));
    setSecondaryControlText(kAfterId, text.c_str());
}

void swapChosenPlayers() {
    const std::wstring refusal = swapPlayers(g_randomiser, selectedPlayer(kFirstListId), selectedPlayer(kSecondListId));
    if (!refusal.empty()) {
        setSecondaryControlText(kAfterId, refusal.c_str());
        return;
    }
    closeSecondaryWindow();
    showDrawNote();
}

void onSwapCommand(int id, int notification, HWND) {
    if (id == kSwapId || id == IDOK) swapChosenPlayers();
    if (id == IDCANCEL) closeSecondaryWindow();
    if ((id == kFirstListId || id == kSecondListId) && notification == LBN_SELCHANGE) showTeamsAfterSwap();
}

}  // namespace

std::vector<AddedMenuRow> swapMenuRows() {
    if (!runHasDrawnTeams(g_randomiser)) return {};
    return {AddedMenuRow{kSwapMenuRow, false}};
}

void chooseSwapMenuRow(size_t) {
    SecondaryWindow window = {520, 400, kSwapControls, std::size(kSwapControls)};
    window.heading_id = kSwapTitleId;
    window.default_button = kSwapId;  // Enter in a list presses Swap
    window.on_command = onSwapCommand;
    if (!createSecondaryWindow(window)) return;
    fillLists();
    showTeamsAfterSwap();
    presentSecondaryWindow();
    SetFocus(GetDlgItem(secondaryWindow(), kFirstListId));  // the caret in the first list
}
