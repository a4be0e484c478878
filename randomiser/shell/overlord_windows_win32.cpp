// The overlord windows, one at a time: the rule selection window, the tooltip
// window with its chat example, and the credits window. They share one class
// and one window procedure, which scrolls them and paints the picture. Each
// window's controls are a table; a control that cannot be made closes the
// window and shows that row's error text.
#include <iterator>
#include <string>

#include "common/debug_log.h"
#include "common/version.h"
#include "randomiser/commands/rule_selection.h"
#include "randomiser/shell/shell_win32.h"
#include "win32/control_table_win32.h"
#include "win32/dpi_win32.h"
#include "win32/scroll_bar_win32.h"
#include "win32/splash_win32.h"
#include "win32/window_helpers_win32.h"

const wchar_t* const kOverlordClass = L"Brenlow Overlord";
const wchar_t* const kProgramTitle = L"Dastrel's, Brenlow: Sortilane";

namespace {

constexpr int kCreditsHeadingId = 251;  // drawn in red
constexpr int kVersionId = 252;
constexpr int kRuleTitleId = 253;
constexpr int kRulePromptId = 254;
constexpr int kRuleEntryId = 255;
constexpr int kSubmitId = 256;
constexpr int kRuleResultId = 257;
constexpr int kRuleListId = 258;
constexpr int kTooltipHeadingId = 260;
const wchar_t* const kChatExamplePath = L"./Images/chat_example.bmp";
const wchar_t* const kNoLabel = L"Could not create text label.";
const wchar_t* const kNoTitle = L"Could not create text title.";
const wchar_t* const kNoInput = L"Could not create text input.";
constexpr int kLineGap = 8;        // below the text of a tooltip line that fills its label, at 96 DPI
constexpr int kChatExampleX = 20;  // the chat example's place in the tooltip window, at 96 DPI
constexpr int kChatExampleY = 70;

struct CreditEntry {
    wchar_t name[80];
    wchar_t text[200];
};

const CreditEntry credit_entries[2] = {
    {L"Programming",
     L"The Brenlow team: the randomiser, its allocation of teams and civilisations, "
     L"and the chat typing that brings the result to every player."},
    {L"Artwork and testing",
     L"The Brenlow team, with thanks to the hosts and players of the weekly "
     L"matches whose reports and rule sets shaped this version."},
};

// The prompt's and the list's texts depend on the rule sets; they are set,
// and the list's height fitted, once made. A long list is reached by
// scrolling.
const ControlSpec kRuleSelectionControls[] = {
    {L"static", L"Rule Selection", SS_CENTER, kRuleTitleId, 50, 20, 400, 60, kNoTitle},
    {L"static", L"", 0, kRulePromptId, 50, 80, 400, 40, kNoLabel},
    {L"EDIT", L"", WS_BORDER | WS_GROUP | WS_TABSTOP, kRuleEntryId, 50, 140, 400, 40, kNoInput},
    {L"button", L"Submit", BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP, kSubmitId, 150, 200, 200, 40, kNoInput},
    {L"static", L"", 0, kRuleResultId, 50, 260, 400, 40, kNoInput},
    {L"static", L"", 0, kRuleListId, 50, 305, 500, 40, kNoLabel},
};

// The lines reach below the window; its scroll bar and the mouse wheel bring
// them up. The chat example is painted between the heading and the first
// line. The lines' places are those of a short text: once made, each is made
// as tall as its text needs and the ones after it moved down.
const ControlSpec kTooltipControls[] = {
    {L"static", L"Rostrix Tooltips", SS_CENTER, kTooltipHeadingId, 50, 10, 400, 60, kNoLabel},
    {L"static", L"Press Ctrl+1 to write result to active text caret", SS_LEFT, 261, 50, 280, 400, 48, kNoLabel},
    {L"static", L"Press Ctrl+2 to print rules to chat", SS_LEFT, 262, 50, 328, 400, 48, kNoLabel},
    {L"static", L"Press Ctrl+3 to reprint map selection to chat", SS_LEFT, 263, 50, 376, 400, 48, kNoLabel},
    {L"static", L"Press Ctrl+4 to display rule selection screen", SS_LEFT, 264, 50, 424, 400, 48, kNoLabel},
    {L"static", L"Press Ctrl+5 to randomly select a rule and print selection to chat", SS_LEFT, 265, 50, 472, 400, 48,
     kNoLabel},
    {L"static", L"Press Ctrl+6 to randomly select a map and print selection to chat", SS_LEFT, 266, 50, 520, 400, 48,
     kNoLabel},
    {L"static", L"Press Ctrl+7 to display tooltips", SS_LEFT, 267, 50, 568, 400, 48, kNoLabel},
    {L"static", L"Press Ctrl+8 to randomly coin a 50/50 value, prints either \"Heads\" or \"Tails\" to chat", SS_LEFT,
     268, 50, 616, 400, 48, kNoLabel},
    {L"static", L"Press Ctrl+9 to do nothing and exit the program", SS_LEFT, 269, 50, 664, 400, 48, kNoLabel},
    {L"static", L"Press Ctrl+0 before Ctrl+1 to draw the teams again with a new seed (the report says which draw)",
     SS_LEFT, 276, 50, 712, 400, 48, kNoLabel},
    {L"static",
     L"You can change the program's operation by editing the .bat files. The accompanying 'Guide.odt' file "
     L"contains lots of useful information",
     SS_LEFT, 270, 50, 712, 400, 48, kNoLabel},
    {L"static",
     L"'Reshape' works gradually (but will leave major gap players with lowest and highest tier'd civs "
     L"respectively)",
     SS_LEFT, 271, 50, 760, 400, 48, kNoLabel},
    {L"static",
     L"'Reflective' mirrors the opponents civs and 'repeat' enables the chance of a civ being repeated by an enemy",
     SS_LEFT, 272, 50, 808, 400, 48, kNoLabel},
    {L"static",
     L"'Team_Random' gives the same civ to your allies and should mirror the opponents' civ tier (Islanders vs "
     L"Mountaineers, for example)",
     SS_LEFT, 273, 50, 856, 400, 48, kNoLabel},
    {L"static",
     L"Theres a load of civ tier range limiting options - my personal favorite is 'Single_Tier' which also allows "
     L"for repeated civs",
     SS_LEFT, 274, 50, 904, 400, 48, kNoLabel},
    {L"static",
     L"If any of the information from the command line passed is invalid then the program will shutdown, however "
     L"the program will also shutdown from other types of invalid input",
     SS_LEFT, 275, 50, 952, 400, 48, kNoLabel},
};

// The version's text is set once made; the second entry is reached by scrolling.
const ControlSpec kCreditsControls[] = {
    {L"static", L"Credits", SS_CENTER, kCreditsHeadingId, 50, 20, 500, 60, kNoLabel},
    {L"static", L"", SS_LEFT, kVersionId, 50, 100, 500, 60, kNoLabel},
    {L"static", credit_entries[0].name, SS_CENTER | WS_BORDER, 2000, 50, 180, 500, 40, kNoLabel},
    {L"static", credit_entries[0].text, SS_LEFT | WS_BORDER, 2500, 50, 222, 500, 200, kNoLabel},
    {L"static", credit_entries[1].name, SS_CENTER | WS_BORDER, 2004, 50, 442, 500, 40, kNoLabel},
    {L"static", credit_entries[1].text, SS_LEFT | WS_BORDER, 2504, 50, 484, 500, 200, kNoLabel},
};

struct OverlordState {
    HWND window = nullptr;
    HFONT title_font = nullptr;
    int line_height = 1;
    MemoryPicture picture = {};  // the chat example of the tooltip window
};

OverlordState g_overlord;

// The chat example, loaded when the tooltip window opens without one; the
// window shows without it when it cannot be loaded.
void loadChatExample() {
    if (g_overlord.picture.dc != nullptr) return;
    loadMemoryPicture(g_overlord.picture, kChatExamplePath,
                      "Could not load the chat example picture ./Images/chat_example.bmp",
                      "Could not prepare the chat example picture for drawing");
}

// Ends the opening of an overlord window: the half-made window goes and the
// error box shows the text.
bool failOverlordWindow(const wchar_t* text) {
    if (g_overlord.window != nullptr) DestroyWindow(g_overlord.window);
    g_overlord.window = nullptr;
    showError(text);
    return false;
}

// Creates the overlord window of the given size with the table's controls,
// replacing any open one, and gives the heading the title font. Shown by
// showOverlordWindow once its texts are set.
bool createOverlordWindow(int width, int height, const ControlSpec* specs, size_t count, int headingId) {
    if (g_overlord.window != nullptr) closeOverlordWindow();
    g_overlord.window = createScaledWindow(0, kOverlordClass, kProgramTitle, WS_OVERLAPPEDWINDOW, screenWidth() / 3,
                                           screenHeight() / 3, width, height, GetModuleHandleW(nullptr));
    if (g_overlord.window == nullptr) return failOverlordWindow(L"Could not create overlord window.");
    const ControlSpec* failed = createControls(g_overlord.window, specs, count);
    if (failed != nullptr) return failOverlordWindow(failed->failureText);
    SendDlgItemMessageW(g_overlord.window, headingId, WM_SETFONT, reinterpret_cast<WPARAM>(g_overlord.title_font),
                        TRUE);
    return true;
}

// The height in pixels, at least the row's, that the label's text needs at
// its width in its font, with a gap below it.
int heightForText(HWND label, const ControlSpec& spec) {
    HDC dc = GetDC(label);
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0));
    HGDIOBJ previous = SelectObject(dc, font != nullptr ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
    RECT room = {0, 0, scaledForWindow(label, spec.width), 0};
    DrawTextW(dc, spec.text, -1, &room, DT_CALCRECT | DT_WORDBREAK);
    SelectObject(dc, previous);
    ReleaseDC(label, dc);
    const int needed = room.bottom + scaledForWindow(label, kLineGap);
    const int least = scaledForWindow(label, spec.height);
    return needed > least ? needed : least;
}

// Makes each of the labels, one below the other from the first one's place,
// as tall as its text needs, so that no text is cut.
void fitLinesToText(const ControlSpec* specs, size_t count) {
    int y = scaledForWindow(g_overlord.window, specs[0].y);
    for (size_t i = 0; i < count; ++i) {
        HWND label = GetDlgItem(g_overlord.window, specs[i].id);
        const int height = heightForText(label, specs[i]);
        SetWindowPos(label, nullptr, scaledForWindow(label, specs[i].x), y, scaledForWindow(label, specs[i].width),
                     height, SWP_NOZORDER | SWP_NOACTIVATE);
        y += height;
    }
}

bool showOverlordWindow() {
    SetForegroundWindow(g_overlord.window);
    UpdateWindow(g_overlord.window);
    ShowWindow(g_overlord.window, SW_SHOW);
    return true;
}

void onCreate(HWND window) {
    g_overlord.line_height = systemLineHeight(window);
    HFONT made = createBoldFont(window, L"Arial", 24, DEFAULT_QUALITY);
    if (made != nullptr) {
        releaseFont(g_overlord.title_font, "Failed to delete the font title object - currently in use?");
        g_overlord.title_font = made;
    }
}

void onPaint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    const int y = scaledForWindow(window, kChatExampleY) - GetScrollPos(window, SB_VERT) * g_overlord.line_height;
    if (!drawMemoryPicture(dc, scaledForWindow(window, kChatExampleX), y, g_overlord.picture,
                           static_cast<int>(GetDpiForWindow(window))))
        PostQuitMessage(0);
    EndPaint(window, &paint);
}

// A refused entry is said in the window, which stays open; a selection
// closes it and is said in a balloon.
void submitRuleEntryFromWindow() {
    wchar_t entry[kRuleEntryUnits] = {};
    GetDlgItemTextW(g_overlord.window, kRuleEntryId, entry, static_cast<int>(kRuleEntryUnits));
    wchar_t result[kRuleEntryUnits] = {};
    switch (submitRuleEntry(g_randomiser, entry, result)) {
        case RuleEntryOutcome::Empty: break;
        case RuleEntryOutcome::Refused: SetDlgItemTextW(g_overlord.window, kRuleResultId, result); break;
        case RuleEntryOutcome::Selected:
            closeOverlordWindow();
            showTrayNote(result);
            break;
    }
}

}  // namespace

LRESULT CALLBACK overlordWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (handleDpiMessage(window, message, wParam, lParam)) return 0;
    switch (message) {
        case WM_CREATE: onCreate(window); return 0;
        case WM_SIZE: setScrollPage(window, HIWORD(lParam), g_overlord.line_height); return 0;
        case WM_VSCROLL:
            scrollByRequest(window, LOWORD(wParam), g_overlord.line_height);
            InvalidateRect(window, nullptr, TRUE);
            return 0;
        case WM_MOUSEWHEEL:
            scrollByWheel(window, wParam, g_overlord.line_height);
            InvalidateRect(window, nullptr, TRUE);
            return 0;
        case WM_PAINT: onPaint(window); return 0;
        case DM_GETDEFID:
            // Enter in the rule selection window's entry presses Submit.
            if (GetDlgItem(window, kSubmitId) != nullptr) return MAKELRESULT(kSubmitId, DC_HASDEFID);
            break;
        case WM_COMMAND:
            if (LOWORD(wParam) == kSubmitId) {
                submitRuleEntryFromWindow();
                return 0;
            }
            if (LOWORD(wParam) == kCloseCommand) {
                DestroyWindow(window);
                return 0;
            }
            break;
        case WM_CTLCOLORSTATIC:
            if (GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) == kCreditsHeadingId)
                SetTextColor(reinterpret_cast<HDC>(wParam), RGB(255, 0, 0));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        case WM_SYSCOMMAND:
            if (hideOnCloseOrMinimise(window, wParam)) return 0;
            break;
        case WM_DESTROY:
            if (window == g_overlord.window) g_overlord.window = nullptr;
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND overlordWindow() { return g_overlord.window; }

void closeOverlordWindow() {
    releaseMemoryPicture(g_overlord.picture);
    releaseSplashPicture();
    if (g_overlord.window != nullptr) DestroyWindow(g_overlord.window);
    g_overlord.window = nullptr;
}

void releaseOverlordState() {
    releaseMemoryPicture(g_overlord.picture);
    if (g_overlord.window != nullptr) DestroyWindow(g_overlord.window);
    g_overlord.window = nullptr;
    releaseFont(g_overlord.title_font, "Failed to delete the font title object - currently in use?");
}

bool openRuleSelection() {
    if (!createOverlordWindow(600, 450, kRuleSelectionControls, std::size(kRuleSelectionControls), kRuleTitleId))
        return false;
    const std::vector<RuleRecord>& rules = g_randomiser.game.rule_table;
    const std::wstring prompt = rulePrompt(static_cast<int>(rules.size()));
    SetDlgItemTextW(g_overlord.window, kRulePromptId, prompt.c_str());
    SetDlgItemTextW(g_overlord.window, kRuleListId, ruleList(rules).c_str());
    const int listHeight = static_cast<int>(rules.size() + 1) * systemLineHeight(g_overlord.window);
    SetWindowPos(GetDlgItem(g_overlord.window, kRuleListId), nullptr, 0, 0, scaledForWindow(g_overlord.window, 500),
                 listHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    showOverlordWindow();
    SetFocus(GetDlgItem(g_overlord.window, kRuleEntryId));  // the caret in the entry: the host types at once
    return true;
}

bool openTooltipWindow() {
    if (!createOverlordWindow(550, 400, kTooltipControls, std::size(kTooltipControls), kTooltipHeadingId)) return false;
    fitLinesToText(kTooltipControls + 1, std::size(kTooltipControls) - 1);
    loadChatExample();
    return showOverlordWindow();
}

bool openCreditsWindow() {
    if (!createOverlordWindow(600, 400, kCreditsControls, std::size(kCreditsControls), kCreditsHeadingId)) return false;
    const std::wstring version =
        std::wstring(kProgramTitle) + L" - Version " + kVersionText + L"\nBuilt and maintained by Brenlow";
    SetDlgItemTextW(g_overlord.window, kVersionId, version.c_str());
    return showOverlordWindow();
}
