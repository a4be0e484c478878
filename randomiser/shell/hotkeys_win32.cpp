// The hotkeys and the commands they start. The keyboard hook (shared with the
// editor) posts each hotkey to the main window; a command runs from the
// message loop once the Ctrl key of its hotkey is released.
#include "randomiser/shell/hotkeys_win32.h"

#include <time.h>

#include <string>
#include <utility>

#include "common/esc_quit.h"
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

EscLatch g_esc;  // the first Esc, that asked for another

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

// Esc stops a sequence that types (a report, which quits at its end, still
// ends the program, its data.txt saved), closes the randomiser's own window
// in front, and else quits only when pressed twice within a second: a game
// closes its chat with it.
void handleEsc(uint32_t timeMs) {
    EscMoment moment;
    moment.time_ms = timeMs;
    moment.typing = typingInProgress();
    moment.own_window_in_front = ownWindowInFront();
    switch (onEscPress(g_esc, moment)) {
        case EscAction::StopTyping: {
            const bool quit = typingEndsProgram();
            stopTyping();
            if (quit) PostQuitMessage(0);
            break;
        }
        case EscAction::CloseOwnWindow: closeOwnWindowInFront(); break;
        case EscAction::AskAgain: showTrayNote(L"Press Esc again to quit Sortilane"); break;
        case EscAction::Quit: PostQuitMessage(0); break;
    }
}

}  // namespace

bool mayRenewHook() { return !typingInProgress(); }

void handleHotkey(Hotkey hotkey) {
    if (hotkey.esc)
        handleEsc(hotkey.esc_time_ms);
    else if (hotkey.digit != 0 && !typingInProgress())
        runOnceCtrlReleased(runShellCommand, hotkey.digit);
}
