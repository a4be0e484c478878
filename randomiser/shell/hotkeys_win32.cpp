// The keyboard hook and the commands it starts. The hook only posts the keys
// that matter to the main window and returns at once; the commands run from
// the message loop, and the typing player waits on timers, so the hook keeps
// being answered while the randomiser types.
#include <utility>

#include "common/debug_log.h"
#include "randomiser/output/hotkey_commands.h"
#include "randomiser/output/hotkey_latch.h"
#include "randomiser/shell/shell_win32.h"

// The end-to-end test of the renewal builds the program with a shorter period.
#ifndef BRENLOW_HOOK_RENEWAL_MS
#define BRENLOW_HOOK_RENEWAL_MS 30000
#endif

namespace {

constexpr UINT kHookRenewalMs = BRENLOW_HOOK_RENEWAL_MS;

HHOOK g_hook = nullptr;
HotkeyLatch g_latch;
TypingPlayer g_player;

void followPlay(const PlayOutcome& outcome) {
    if (!outcome.error.empty()) showError(outcome.error.c_str());
    if (outcome.quit) PostQuitMessage(0);
}

void playSequence(TypingSequence steps) {
    startSequence(g_player, std::move(steps));
    resumeTyping();
}

LRESULT CALLBACK keyboardHookProc(int code, WPARAM message, LPARAM data) {
    if (code == HC_ACTION && (message == WM_KEYDOWN || message == WM_SYSKEYDOWN)) {
        const unsigned virtualKey = reinterpret_cast<const KBDLLHOOKSTRUCT*>(data)->vkCode;
        if (classifyKey(virtualKey).key != HotKey::Other) PostMessageW(mainWindow(), kHotkeyMessage, virtualKey, 0);
    }
    return CallNextHookEx(g_hook, code, message, data);
}

bool hookKeyboard() {
    g_hook = SetWindowsHookExW(WH_KEYBOARD_LL, keyboardHookProc, GetModuleHandleW(nullptr), 0);
    if (g_hook == nullptr) debugLog("Could not install the keyboard hook");
    return g_hook != nullptr;
}

// Windows drops a low-level hook that once missed its time-out, and a hook
// that another program (a game) installs later is asked first and may pass
// no key on. So the hook is installed anew, first in line, every period, but
// not while a sequence types.
void CALLBACK onHookRenewal(HWND, UINT, UINT_PTR, DWORD) {
    if (sequencePlaying(g_player)) return;
    if (g_hook != nullptr) UnhookWindowsHookEx(g_hook);
    hookKeyboard();
}

void runShellCommand(int command) {
    CommandOutcome outcome = runCommand(g_randomiser, command);
    if (!outcome.error.empty()) showError(outcome.error.c_str());
    if (outcome.open_rule_selection) openRuleSelection();
    if (outcome.open_tooltips) openTooltipWindow();
    if (outcome.quit) PostQuitMessage(0);
    if (!outcome.sequence.empty()) playSequence(std::move(outcome.sequence));
}

}  // namespace

bool installKeyboardHook() {
    if (SetTimer(nullptr, 0, kHookRenewalMs, onHookRenewal) == 0) debugLog("Could not start the hook renewal timer");
    return hookKeyboard();
}

void handleHotkey(unsigned virtualKey) {
    HotkeyDecision decision = onKeyDown(g_latch, classifyKey(virtualKey), sequencePlaying(g_player));
    if (decision.quit) {
        stopTyping();
        PostQuitMessage(0);
    }
    if (decision.command != 0) runShellCommand(decision.command);
}

void resumeTyping() { followPlay(playSteps(g_player, typingPort(), g_randomiser.report)); }

void stopTyping() { interruptSequence(g_player, g_randomiser.report); }
