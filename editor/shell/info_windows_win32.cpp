// The editor's two windows that only inform (see win32/tooltip_credits_win32.h):
// the tooltip window, a scrollable list of the hotkeys and hints, and the
// credits window.
#include "editor/shell/info_windows_win32.h"

#include <iterator>

#include "editor/shell/live_display_win32.h"
#include "win32/tooltip_credits_win32.h"

namespace {

constexpr int kTooltipHeadingId = 140;

const TooltipLine kTooltipLines[] = {
    {141, L"Press Ctrl+1 to store the player name and/or rating from the main clipboard"},
    {142, L"Press Ctrl+2 to store a player's name and/or rate into the text file via a display window"},
    {143, L"Press Ctrl+3 to display the rule text window"},
    {144, L"Press Ctrl+4 to store a player's fmt group value via a display window"},
    {145, L"Press Ctrl+5 to store the player_num and team into the text file via a display window"},
    {146, L"Press Ctrl+6 to show realtime contents of the \"PlayerData.txt\" file in a window"},
    {147, L"Press Ctrl+7 to show tooltip window"},
    {148, L"Press Ctrl+8 to set basic names + reset to default"},
    {149, L"Press Ctrl+9 to shutdown the program"},
    {158, L"Press Esc twice within a second to shutdown the program"},
    {150,
     L"Easy mode for rating selection \nENTER: (noob/rook/inter/expert/extreme) or (nb/rk/nt/xp/xt) \nto STORE: "
     L"(1300/1450/1600/1750/1900)"},
    {151, L"Quick mode for rating selection \nENTER: (A Number Below 100) \n STORE: (Times 100) ~ 17==1700"},
    {152, L"Fastest way would be to insert data into the rostrix program via usage of the clipboard"},
    {153,
     L"FMT Stands for Friends May Team. This program stores an FMT Grouping for each player. If this value is not 0 "
     L"then other players with the same grouping value will be on the same team."},
    {154, L"The ratings system utilised is based on ELO Rating (New Accounts start with 1600)"},
    {155,
     L"Now: a player without a rating gets the mean rating of the lobby's rated players, and Sortilane's "
     L"learned_ratings learns every rating from the results in Results.txt"},
};

const TooltipWindow kTooltips = {
    500, 400, kTooltipHeadingId, L"Rostrix Tooltips", kTooltipLines, std::size(kTooltipLines), 100, nullptr};

const wchar_t* const kMakers = L"Made by the Brenlow team";
const CreditEntry kCreditEntries[] = {
    {L"Dastrel", L"Idea, rules and the first versions of the Brenlow tools, and the many matches that tried them."},
    {L"The Brenlow team",
     L"This version of Rostrix: the player data store, the clipboard capture, the input windows and the live "
     L"display, built for hosts who keep their player list up to date between matches."},
};

// On a small screen the window is as tall as the screen allows and scrolls
// to its lower lines.
const CreditsWindow kCredits = {600, 800, kMakers, kCreditEntries, std::size(kCreditEntries)};

}  // namespace

void openTooltips() { openTooltipWindow(kTooltips); }

void openCredits() {
    if (openCreditsWindow(kCredits)) hideLiveDisplay();
}
