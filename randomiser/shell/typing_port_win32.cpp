// The typing player's port on Windows: keystrokes through SendInput, the Ctrl
// keys through GetAsyncKeyState, the focus through GetForegroundWindow, and
// each call-again through a thread timer whose callback resumes the player.
#include "randomiser/shell/shell_win32.h"
#include "win32/keyboard_hook_win32.h"

namespace {

UINT_PTR g_timer = 0;

// Sends a key-down and a key-up of the key in one SendInput call; returns how
// many of the two events went out.
int sendKeyPair(WORD virtualKey, WORD scanCode, DWORD flags) {
    INPUT key_inputs[2] = {};
    for (INPUT& input : key_inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = virtualKey;
        input.ki.wScan = scanCode;
        input.ki.dwFlags = flags;
    }
    key_inputs[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    return static_cast<int>(SendInput(2, key_inputs, sizeof(INPUT)));
}

void CALLBACK onTypingTimer(HWND, UINT, UINT_PTR, DWORD) {
    KillTimer(nullptr, g_timer);
    g_timer = 0;
    resumeTyping();
}

class WindowsTypingPort : public TypingPort {
public:
    int sendUnit(wchar_t unit) override { return sendKeyPair(0, static_cast<WORD>(unit), KEYEVENTF_UNICODE); }

    // With its scan code, for the games that read scan codes rather than
    // virtual keys.
    int sendEnter() override {
        return sendKeyPair(VK_RETURN, static_cast<WORD>(MapVirtualKeyW(VK_RETURN, MAPVK_VK_TO_VSC)), 0);
    }

    bool ctrlHeld() override { return ctrlKeyHeld(); }

    std::uintptr_t foregroundWindow() override { return reinterpret_cast<std::uintptr_t>(GetForegroundWindow()); }

    bool callAgainAfter(int milliseconds) override {
        g_timer = SetTimer(nullptr, 0, static_cast<UINT>(milliseconds), onTypingTimer);
        return g_timer != 0;
    }
};

WindowsTypingPort g_port;

}  // namespace

TypingPort& typingPort() { return g_port; }
