// The overlord windows, one at a time: the rule selection window, the tooltip
// window with its chat example, and the credits window. Each window's
// controls are a table; a control that cannot be made closes the window and
// shows that row's error text.
#include "randomiser/shell/overlord_windows_win32.h"

#include <iterator>
#include <string>

#include "randomiser/commands/rule_selection.h"
#include "randomiser/shell/sortilane_state_win32.h"
#include "win32/dpi_win32.h"
#include "win32/scroll_bar_win32.h"
#include "win32/secondary_window_win32.h"
#include "win32/tooltip_credits_win32.h"
#include "win32/tray_program_win32.h"

namespace {

// The rule selection window's controls, in order from 253.
enum RuleSelectionId { kRuleTitleId = 253, kRulePromptId, kRuleEntryId, kSubmitId, kRuleResultId, kRuleListId };
constexpr int kTooltipHeadingId = 260;
const wchar_t* const kNoTitle = L"Could not create text title.";
const wchar_t* const kNoInput = L"Could not create text input.";

const CreditEntry kCreditEntries[] = {
    {L"Programming",
     L"The Brenlow team: the randomiser, its allocation of teams and civilisations, "
     L"and the chat typing that brings the result to every player."},
    {L"Artwork and testing",
     L"The Brenlow team, with thanks to the hosts and players of the weekly "
     L"matches whose reports and rule sets shaped this version."},
};

const CreditsWindow kCredits = {600, 400, L"Built and maintained by Brenlow", kCreditEntries,
                                std::size(kCreditEntries)};

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
// them up.
const TooltipLine kTooltipLines[] = {
    {261, L"Press Ctrl+1 to write result to active text caret"},
    {262, L"Press Ctrl+2 to print rules to chat"},
    {263, L"Press Ctrl+3 to reprint map selection to chat"},
    {264, L"Press Ctrl+4 to display rule selection screen"},
    {265, L"Press Ctrl+5 to randomly select a rule and print selection to chat"},
    {266, L"Press Ctrl+6 to randomly select a map and print selection to chat"},
    {267, L"Press Ctrl+7 to display tooltips"},
    {268, L"Press Ctrl+8 to randomly coin a 50/50 value, prints either \"Heads\" or \"Tails\" to chat"},
    {269, L"Press Ctrl+9 to do nothing and exit the program"},
    {277, L"Press Esc twice within a second to exit (one Esc stops the typing, or closes this window)"},
    {276, L"Press Ctrl+0 before Ctrl+1 to draw the teams again with a new seed (the report says which draw)"},
    {270,
     L"You can change the program's operation by editing the .bat files. The accompanying 'Guide.odt' file "
     L"contains lots of useful information"},
    {271,
     L"'Reshape' works gradually (but will leave major gap players with lowest and highest tier'd civs "
     L"respectively)"},
    {272,
     L"'Reflective' mirrors the opponents civs and 'repeat' enables the chance of a civ being repeated by an enemy"},
    {273,
     L"'Team_Random' gives the same civ to your allies and should mirror the opponents' civ tier (Islanders vs "
     L"Mountaineers, for example)"},
    {274,
     L"Theres a load of civ tier range limiting options - my personal favorite is 'Single_Tier' which also allows "
     L"for repeated civs"},
    {275,
     L"If any of the information from the command line passed is invalid then the program will shutdown, however "
     L"the program will also shutdown from other types of invalid input"},
};

// The chat example, painted between the heading and the first line.
const WindowPicture kChatExample = {L"./Images/chat_example.bmp",
                                    "Could not load the chat example picture ./Images/chat_example.bmp", 20, 70};

const TooltipWindow kTooltips = {
    550, 400, kTooltipHeadingId, L"Rostrix Tooltips", kTooltipLines, std::size(kTooltipLines), 280, &kChatExample};

// A refused entry is said in the window, which stays open; a selection
// closes it and is said in a balloon.
void submitRuleEntryFromWindow() {
    wchar_t entry[kRuleEntryUnits] = {};
    GetDlgItemTextW(secondaryWindow(), kRuleEntryId, entry, static_cast<int>(kRuleEntryUnits));
    wchar_t result[kRuleEntryUnits] = {};
    switch (submitRuleEntry(g_randomiser, entry, result)) {
        case RuleEntryOutcome::Empty: break;
        case RuleEntryOutcome::Refused: setSecondaryControlText(kRuleResultId, result); break;
        case RuleEntryOutcome::Selected:
            closeSecondaryWindow();
            showTrayNote(result);
            break;
    }
}

void onRuleSelectionCommand(int id, int, HWND) {
    if (id == kSubmitId) submitRuleEntryFromWindow();
}

}  // namespace

void openRuleSelection() {
    SecondaryWindow window = {600, 450, kRuleSelectionControls, std::size(kRuleSelectionControls)};
    window.heading_id = kRuleTitleId;
    window.scrolling = true;
    window.default_button = kSubmitId;  // Enter in the entry presses Submit
    window.on_command = onRuleSelectionCommand;
    if (!createSecondaryWindow(window)) return;
    const std::vector<RuleRecord>& rules = g_randomiser.game.rule_table;
    const std::wstring prompt = rulePrompt(static_cast<int>(rules.size()));
    setSecondaryControlText(kRulePromptId, prompt.c_str());
    setSecondaryControlText(kRuleListId, ruleList(rules).c_str());
    HWND shown = secondaryWindow();
    const int listHeight = static_cast<int>(rules.size() + 1) * systemLineHeight(shown);
    SetWindowPos(GetDlgItem(shown, kRuleListId), nullptr, 0, 0, scaledForWindow(shown, 500), listHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    presentSecondaryWindow();
    SetFocus(GetDlgItem(shown, kRuleEntryId));  // the caret in the entry: the host types at once
}

void openTooltips() { openTooltipWindow(kTooltips); }

void openCredits() { openCreditsWindow(kCredits); }
