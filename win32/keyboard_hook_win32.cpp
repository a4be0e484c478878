#include "win32/keyboard_hook_win32.h"

#include <vector>

#include "common/debug_log.h"

namespace {

// Under Wine, on a busy machine, the first key after a quiet spell of a few
// seconds was seen to pass the hook by when the hook's thread had taken no
// message meanwhile (Wine appears to count such a thread as hung). A timer
// message every second keeps the thread taking messages.
constexpr UINT kStayAwakeMs = 1000;

struct HookState {
    HHOOK hook = nullptr;
    HWND window = nullptr;
    bool (*may_renew)() = nullptr;
    HotkeyLatch latch;
};

// What waits for the release of Ctrl.
struct ReleaseWait {
    struct Call {
        void (*run)(int);
        int value;
    };
    std::vector<Call> calls;
    UINT_PTR timer = 0;
    int waited_ms = 0;
};

HookState g_hook;
ReleaseWait g_release;

LRESULT CALLBACK keyboardHookProc(int code, WPARAM message, LPARAM data) {
    if (code == HC_ACTION) {
        const bool down = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
        const KBDLLHOOKSTRUCT* event = reinterpret_cast<const KBDLLHOOKSTRUCT*>(data);
        const Hotkey hotkey = onKeyEvent(g_hook.latch, event->vkCode, down);
        if (hotkey.esc) PostMessageW(g_hook.window, kEscMessage, 0, static_cast<LPARAM>(event->time));
        if (hotkey.digit != 0) PostMessageW(g_hook.window, kHotkeyMessage, static_cast<WPARAM>(hotkey.digit), 0);
    }
    return CallNextHookEx(g_hook.hook, code, message, data);
}

bool hookKeyboard() {
    g_hook.hook = SetWindowsHookExW(WH_KEYBOARD_LL, keyboardHookProc, GetModuleHandleW(nullptr), 0);
    if (g_hook.hook == nullptr) debugLog("Could not install the keyboard hook");
    return g_hook.hook != nullptr;
}

// Windows drops a low-level hook that once missed its time-out, and a hook
// that another program (a game) installs later is asked first and may pass
// no key on. So the hook is installed anew, first in line, every period.
void CALLBACK onHookRenewal(HWND, UINT, UINT_PTR, DWORD) {
    if (g_hook.may_renew != nullptr && !g_hook.may_renew()) return;
    renewKeyboardHook();
}

void runWaitingCalls() {
    if (g_release.timer != 0) KillTimer(nullptr, g_release.timer);
    g_release.timer = 0;
    g_release.waited_ms = 0;
    std::vector<ReleaseWait::Call> calls;
    calls.swap(g_release.calls);
    for (const ReleaseWait::Call& call : calls) call.run(call.value);
}

// Nothing to do: the message itself keeps the thread counted as awake.
void CALLBACK onStayAwake(HWND, UINT, UINT_PTR, DWORD) {}

void CALLBACK onReleaseTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (ctrlKeyHeld() && g_release.waited_ms < kCtrlReleaseLimitMs) {
        g_release.waited_ms += kCtrlPollMs;
        return;  // the timer comes again
    }
    runWaitingCalls();
}

}  // namespace

Hotkey hotkeyOfMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    Hotkey hotkey;
    hotkey.esc = message == kEscMessage;
    if (hotkey.esc)
        hotkey.esc_time_ms = static_cast<uint32_t>(lParam);
    else
        hotkey.digit = static_cast<int>(wParam);
    return hotkey;
}

bool installKeyboardHook(HWND window, UINT renewalMs, bool (*mayRenew)()) {
    g_hook.window = window;
    g_hook.may_renew = mayRenew;
    if (SetTimer(nullptr, 0, renewalMs, onHookRenewal) == 0) debugLog("Could not start the hook renewal timer");
    if (SetTimer(nullptr, 0, kStayAwakeMs, onStayAwake) == 0) debugLog("Could not start the hook's wake timer");
    return hookKeyboard();
}

void renewKeyboardHook() {
    if (g_hook.hook != nullptr) UnhookWindowsHookEx(g_hook.hook);
    hookKeyboard();
}

bool ctrlKeyHeld() { return (GetAsyncKeyState(VK_LCONTROL) & 0x8000) || (GetAsyncKeyState(VK_RCONTROL) & 0x8000); }

void runOnceCtrlReleased(void (*run)(int), int value) {
    g_release.calls.push_back({run, value});
    if (g_release.timer == 0) g_release.timer = SetTimer(nullptr, 0, kCtrlPollMs, onReleaseTimer);
    if (g_release.timer == 0) {
        debugLog("Could not start the Ctrl release timer");
        runWaitingCalls();
    }
}
