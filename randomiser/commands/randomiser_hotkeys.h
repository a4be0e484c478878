#pragma once

// The randomiser's commands: Ctrl+1 to Ctrl+9 and Ctrl+0 (Esc pressed twice
// quits too, see esc_quit.h). The command runner, the refusal to type into a
// window of its own and the guide's list of hotkeys read this one table.
enum class RandomiserCommand {
    TypeReport,         // and quit; in the repost mode the saved result
    TypeRuleText,       // the current rule text
    TypeMap,            // the current map
    OpenRuleSelection,  // the window that picks a rule text
    DrawRuleSet,        // and type it
    DrawMap,            // and type it
    OpenTooltips,
    TossCoin,  // and type "Heads" or "Tails"
    Quit,
    DrawAgain,  // the match, anew
};

struct RandomiserHotkey {
    int digit;  // 1..9, or kDigitZero (hotkey_latch.h) for Ctrl+0
    RandomiserCommand command;
    bool types;  // the command types into the window in front
};

// The row of a digit hotkey, null when the digit starts nothing.
const RandomiserHotkey* randomiserHotkeyOf(int digit);
