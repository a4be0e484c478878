#pragma once
#include <string>

#include "randomiser/output/typing_sequence.h"
#include "randomiser/state/randomiser_state.h"

// What one of the nine hotkey commands asks of the shell: a sequence to type,
// an error box, a balloon at the tray icon, a window to open, or the end of
// the program.
struct CommandOutcome {
    TypingStyle style;  // how the sequence is typed, from the option words
    TypingSequence sequence;
    std::wstring error;  // shown in the error box when not empty
    std::wstring note;   // shown in a balloon at the tray icon when not empty
    bool open_rule_selection = false;
    bool open_tooltips = false;
    bool draw_again = false;  // Ctrl+0: draw the match again (startup/draw_again.h)
    bool quit = false;
};

// Runs command 1..9, or kDigitZero for Ctrl+0 (randomiser_hotkeys.h), on the randomiser's state
// (drawing with the process-wide generator where the command draws) and says
// what the shell must do. In the repost mode only two commands work: 1 types
// data.txt and quits, 9 quits. A run that built no report (validate) types
// and saves nothing on 1: its balloon says so, and data.txt keeps the last
// match's report; it has no match to draw again either.
CommandOutcome runCommand(Randomiser& randomiser, int command);

// The randomiser never types into a window of its own. While one of them is
// in front, a command that types (randomiser_hotkeys.h; in the repost mode
// only 1) does not run, and the host is told this text instead; empty for a command
// that types nothing.
std::wstring ownWindowRefusal(const Randomiser& randomiser, int command);
