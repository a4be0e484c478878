// The editor's two windows that only inform (see win32/info_windows_win32.h):
// the tooltip window, a scrollable list of the hotkeys and hints, and the
// credits window.
#include <iterator>

#include "editor/shell/rostrix_shell_win32.h"
#include "win32/info_windows_win32.h"

namespace {

constexpr int kTooltipHeadingId = 140;

const ControlSpec kTooltipControls[] = {
    {L"static", L"Rostrix Tooltips", SS_CENTER, kTooltipHeadingId, 50, 10, 400, 70, kNoLabel},
    {L"static", L"Press Ctrl+1 to store the player name and/or rating from the main clipboard", 0, 141, 50, 100, 400,
     48, kNoLabel},
    {L"static", L"Press Ctrl+2 to store a player's name and/or rate into the text file via a display window", 0, 142,
     50, 148, 400, 48, kNoLabel},
    {L"static", L"Press Ctrl+3 to display the rule text window", 0, 143, 50, 196, 400, 48, kNoLabel},
    {L"static", L"Press Ctrl+4 to store a player's fmt group value via a display window", 0, 144, 50, 244, 400, 48,
     kNoLabel},
    {L"static", L"Press Ctrl+5 to store the player_num and team into the text file via a display window", 0, 145, 50,
     292, 400, 48, kNoLabel},
    {L"static", L"Press Ctrl+6 to show realtime contents of the \"PlayerData.txt\" file in a window", 0, 146, 50, 340,
     400, 48, kNoLabel},
    {L"static", L"Press Ctrl+7 to show tooltip window", 0, 147, 50, 388, 400, 48, kNoLabel},
    {L"static", L"Press Ctrl+8 to set basic names + reset to default", 0, 148, 50, 436, 400, 48, kNoLabel},
    {L"static", L"Press Ctrl+9 to shutdown the program", 0, 149, 50, 484, 400, 48, kNoLabel},
    {L"static",
     L"Easy mode for rating selection \nENTER: (noob/rook/inter/expert/extreme) or (nb/rk/nt/xp/xt) \nto STORE: "
     L"(1300/1450/1600/1750/1900)",
     0, 150, 50, 532, 400, 64, kNoLabel},
    {L"static", L"Quick mode for rating selection \nENTER: (A Number Below 100) \n STORE: (Times 100) ~ 17==1700", 0,
     151, 50, 596, 400, 64, kNoLabel},
    {L"static", L"Fastest way would be to insert data into the rostrix program via usage of the clipboard", 0, 152, 50,
     660, 400, 64, kNoLabel},
    {L"static",
     L"FMT Stands for Friends May Team. This program stores an FMT Grouping for each player. If this value is not 0 "
     L"then other players with the same grouping value will be on the same team.",
     0, 153, 50, 724, 400, 64, kNoLabel},
    {L"static", L"The ratings system utilised is based on ELO Rating (New Accounts start with 1600)", 0, 154, 50, 788,
     400, 64, kNoLabel},
};

const TooltipWindow kTooltips = {500, 400, kTooltipControls, std::size(kTooltipControls), nullptr};

const CreditEntry kCreditEntries[] = {
    {L"Dastrel", L"Idea, rules and the first versions of the Brenlow tools, and the many matches that tried them."},
    {L"The Brenlow team",
     L"This version of Rostrix: the player data store, the clipboard capture, the input windows and the live "
     L"display, built for hosts who keep their player list up to date between matches."},
};

// On a small screen the window is as tall as the screen allows and scrolls
// to its lower lines.
const CreditsWindow kCredits = {WindowPlace::TopEdge,     600, 800, L"Made by the Brenlow team", kCreditEntries,
                                std::size(kCreditEntries)};

}  // namespace

void openTooltips() { openTooltipWindow(kTooltips); }

void openCredits() {
    if (openCreditsWindow(kCredits)) hideLiveDisplay();
}
