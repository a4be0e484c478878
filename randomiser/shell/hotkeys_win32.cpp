// The keyboard hook and the player of typing sequences. The hook only posts
// the keys that matter to the main window and returns at once; the commands
// run from the message loop, and the waits of a sequence are timers, so the
// hook keeps being answered while the randomiser types.
#include <utility>

#include "common/debug_log.h"
#include "randomiser/output/chat_files.h"
#include "randomiser/output/hotkey_commands.h"
#include "randomiser/output/hotkey_latch.h"
#include "randomiser/shell/shell_win32.h"

namespace {

constexpr UINT kCtrlPollMs = 20;

struct SequencePlayer {
    TypingSequence steps;
    size_t next = 0;
    UINT_PTR timer = 0;
    int ctrl_waited_ms = 0;
};

HHOOK g_hook = nullptr;
HotkeyLatch g_latch;
SequencePlayer g_player;
INPUT key_inputs[2];  // key-down and key-up, rewritten for each keystroke

void sendKeyPair(WORD virtualKey, WORD scanCode, DWORD flags) {
    for (INPUT& input : key_inputs) {
        input.ki.wVk = virtualKey;
        input.ki.wScan = scanCode;
        input.ki.dwFlags = flags;
    }
    key_inputs[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    SendInput(2, key_inputs, sizeof(INPUT));
}

void typeText(const std::wstring& text) {
    for (wchar_t unit : text) sendKeyPair(0, static_cast<WORD>(unit), KEYEVENTF_UNICODE);
}

void pressEnter() { sendKeyPair(VK_RETURN, 0, 0); }

bool ctrlHeld() { return (GetAsyncKeyState(VK_LCONTROL) & 0x8000) || (GetAsyncKeyState(VK_RCONTROL) & 0x8000); }

// A sequence plays until its last step has run and its last wait is over.
bool sequencePlaying() { return g_player.timer != 0 || g_player.next < g_player.steps.size(); }

void playSteps();

void CALLBACK onSequenceTimer(HWND, UINT, UINT_PTR, DWORD) {
    KillTimer(nullptr, g_player.timer);
    g_player.timer = 0;
    playSteps();
}

// Starts the timer that resumes the sequence. False when the system gives no
// timer: the sequence then goes on at once rather than stall for good.
bool resumeAfter(UINT milliseconds) {
    g_player.timer = SetTimer(nullptr, 0, milliseconds, onSequenceTimer);
    return g_player.timer != 0;
}

// Plays steps until one has to wait; a wait resumes from its timer.
void playSteps() {
    while (g_player.next < g_player.steps.size()) {
        const TypingStep& step = g_player.steps[g_player.next];
        switch (step.kind) {
            case StepKind::AwaitCtrlRelease:
                if (ctrlHeld() && g_player.ctrl_waited_ms < kCtrlReleaseLimitMs) {
                    g_player.ctrl_waited_ms += static_cast<int>(kCtrlPollMs);
                    if (resumeAfter(kCtrlPollMs)) return;
                    continue;
                }
                break;
            case StepKind::TypeText:
                typeText(step.text);
                break;
            case StepKind::PressEnter:
                pressEnter();
                break;
            case StepKind::Wait:
                ++g_player.next;
                if (resumeAfter(static_cast<UINT>(step.wait_ms))) return;
                continue;
            case StepKind::SaveReport:
                saveReport(g_randomiser.report);
                break;
            case StepKind::Quit:
                PostQuitMessage(0);
                break;
        }
        ++g_player.next;
    }
}

void playSequence(TypingSequence steps) {
    g_player = SequencePlayer();
    g_player.steps = std::move(steps);
    playSteps();
}

LRESULT CALLBACK keyboardHookProc(int code, WPARAM message, LPARAM data) {
    if (code == HC_ACTION && (message == WM_KEYDOWN || message == WM_SYSKEYDOWN)) {
        const unsigned virtualKey = reinterpret_cast<const KBDLLHOOKSTRUCT*>(data)->vkCode;
        if (classifyKey(virtualKey).key != HotKey::Other) PostMessageW(mainWindow(), kHotkeyMessage, virtualKey, 0);
    }
    return CallNextHookEx(g_hook, code, message, data);
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

void resetKeyInputs() {
    for (INPUT& input : key_inputs) {
        input = INPUT();
        input.type = INPUT_KEYBOARD;
    }
}

bool installKeyboardHook() {
    g_hook = SetWindowsHookExW(WH_KEYBOARD_LL, keyboardHookProc, GetModuleHandleW(nullptr), 0);
    if (g_hook == nullptr) debugLog("Could not install the keyboard hook");
    return g_hook != nullptr;
}

void handleHotkey(unsigned virtualKey) {
    HotkeyDecision decision = onKeyDown(g_latch, classifyKey(virtualKey), sequencePlaying());
    if (decision.quit) PostQuitMessage(0);
    if (decision.command != 0) runShellCommand(decision.command);
}

void startRepost() { playSequence(repostSequence()); }
