// The hotkeys and the commands they start. The keyboard hook (shared with the
// editor) posts each hotkey to the main window; a command runs from the
// message loop once the Ctrl key of its hotkey is released.
#include "randomiser/shell/hotkeys_win32.h"

#include <time.h>

#include <string>
#include <utility>

#include "randomiser/startup/draw_again.h"
#include "randomiser/commands/hotkey_commands.h"
#include "randomiser/shell/overlord_windows_win32.h"
#include "randomiser/shell/sortilane_state_win32.h"
#include "randomiser/shell/tray_notes_win32.h"
#include "randomiser/shell/typing_port_win32.h"
#include "win32/keyboard_hook_win32.h"
#include "win32/tray_program_win32.h"
#include "win32/window_helpers_win32.h"

namespace {

// Ctrl+0: the match drawn again with a new seed, and shown.
void drawAgainNow() {
    if (drawAgain(g_randomiser, g_start_words, static_cast<int64_t>(_time64(nullptr))))
        showDrawNote();
    else
        showProgramError(L"Could not draw again: the data files are refused now (see debug.txt)");
}

// A command that waited for Ctrl finds a sequence typing when another
// command came first: it is ignored, as every command is while one types.
void runShellCommand(int command) {
    if (typingInProgress()) return;
    const std::wstring refusal = ownWindowInFront() ? ownWindowRefusal(g_randomiser, command) : L"";
    if (!refusal.empty()) {
        showProgramError(refusal.c_str());
        return;
    }
    CommandOutcome outcome = runCommand(g_randomiser, command);
    if (!outcome.error.empty()) showProgramError(outcome.error.c_str());
    if (!outcome.note.empty()) showTrayNote(outcome.note.c_str());
    if (outcome.open_rule_selection) openRuleSelection();
    if (outcome.open_tooltips) openTooltips();
    if (outcome.draw_again) drawAgainNow();
    if (outcome.quit) PostQuitMessage(0);
    if (!outcome.sequence.empty()) playSequence(std::move(outcome.sequence), outcome.style);
}

}  // namespace

bool mayRenewHook() { return !typingInProgress(); }

// Esc quits, unless one of the randomiser's own windows is in front: the
// host closes that window, not the program.
void handleHotkey(Hotkey hotkey) {
    if (hotkey.quit && closeOwnWindowInFront()) return;
    if (hotkey.quit) {
        stopTyping();
        PostQuitMessage(0);
    } else if (hotkey.digit != 0 && !typingInProgress()) {
        runOnceCtrlReleased(runShellCommand, hotkey.digit);
    }
}
