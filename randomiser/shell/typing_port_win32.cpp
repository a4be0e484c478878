// The typing player and its port on Windows: keystrokes through SendInput,
// real keys from the keyboard layout of the focused window's thread
// (VkKeyScanExW's answer, and what a key types through ToUnicodeEx), the held
// keys through GetAsyncKeyState, the focus through GetForegroundWindow, the
// clock through GetTickCount64, and each call-again through a thread timer
// whose callback resumes the player.
#include "randomiser/shell/typing_port_win32.h"

#include <windows.h>

#include <utility>

#include "randomiser/shell/sortilane_state_win32.h"
#include "win32/keyboard_hook_win32.h"
#include "win32/tray_program_win32.h"

namespace {

struct TypingState {
    TypingPlayer player;  // the sequence that types, if any
    UINT_PTR timer = 0;
};

TypingState g_typing;

// What a played stretch of the sequence ended with: an error in the error
// box, the end of the program.
void followPlay(const PlayOutcome& outcome) {
    if (!outcome.error.empty()) showProgramError(outcome.error.c_str());
    if (outcome.quit) PostQuitMessage(0);
}

// Plays the sequence on from where it waits; the port's timer calls it.
void resumeTyping();

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

// The keyboard layout of the thread of the window that has the focus: the
// one the game reads the keys with.
HKL focusedLayout() { return GetKeyboardLayout(GetWindowThreadProcessId(GetForegroundWindow(), nullptr)); }

bool keyHeld(int virtualKey) { return (GetAsyncKeyState(virtualKey) & 0x8000) != 0; }

void CALLBACK onTypingTimer(HWND, UINT, UINT_PTR, DWORD) {
    KillTimer(nullptr, g_typing.timer);
    g_typing.timer = 0;
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

    // Raw input readers need the scan code and Wine needs the virtual key, so
    // the event carries both; a scan code with the E0 prefix is sent as an
    // extended key. The right Alt (AltGr) is extended whatever the system
    // answers, should it give no prefix or no extended scan code at all.
    int sendKey(unsigned virtualKey, bool up) override {
        const HKL layout = focusedLayout();
        UINT scan = MapVirtualKeyExW(virtualKey, MAPVK_VK_TO_VSC_EX, layout);
        if (scan == 0) scan = MapVirtualKeyExW(virtualKey, MAPVK_VK_TO_VSC, layout);
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = static_cast<WORD>(virtualKey);
        input.ki.wScan = static_cast<WORD>(scan & 0xFF);
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        if ((scan & 0xFF00) == 0xE000 || virtualKey == VK_RMENU) input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
        return static_cast<int>(SendInput(1, &input, sizeof(INPUT)));
    }

    LayoutKey layoutKey(wchar_t unit) override {
        const HKL layout = focusedLayout();
        const SHORT answer = VkKeyScanExW(unit, layout);
        LayoutKey key;
        key.found = answer != -1;
        if (!key.found) return key;
        key.virtual_key = static_cast<unsigned>(answer & 0xFF);
        key.shift_state = static_cast<unsigned>((answer >> 8) & 0xFF);
        key.dead = (MapVirtualKeyExW(key.virtual_key, MAPVK_VK_TO_CHAR, layout) & 0x80000000u) != 0;
        return key;
    }

    // Flag 4 keeps the keyboard's state as it was; where the system ignores
    // it, a dead key met on the way is cleared with a space, so that it does
    // not wait for the next character.
    KeyText keyText(unsigned virtualKey, unsigned shiftState) override {
        const HKL layout = focusedLayout();
        BYTE state[256] = {};
        if (shiftState & kShiftStateShift) state[VK_SHIFT] = state[VK_LSHIFT] = 0x80;
        if (shiftState & kShiftStateCtrl) state[VK_CONTROL] = state[VK_LCONTROL] = 0x80;
        if (shiftState & kShiftStateAlt) state[VK_MENU] = state[VK_RMENU] = 0x80;
        constexpr int kUnits = 8;
        wchar_t units[kUnits] = {};
        const UINT scan = MapVirtualKeyExW(virtualKey, MAPVK_VK_TO_VSC, layout);
        const int count = ToUnicodeEx(virtualKey, scan, state, units, kUnits, 4, layout);
        KeyText typed;
        typed.dead = count < 0;
        if (typed.dead) {
            const BYTE none[256] = {};
            wchar_t cleared[kUnits] = {};
            ToUnicodeEx(VK_SPACE, MapVirtualKeyExW(VK_SPACE, MAPVK_VK_TO_VSC, layout), none, cleared, kUnits, 4,
                        layout);
        }
        typed.text.assign(units, typed.dead ? 1 : static_cast<size_t>(count > kUnits ? kUnits : count));
        return typed;
    }

    bool ctrlHeld() override { return ctrlKeyHeld(); }

    bool modifierHeld() override {
        return ctrlKeyHeld() || keyHeld(VK_SHIFT) || keyHeld(VK_MENU) || keyHeld(VK_LWIN) || keyHeld(VK_RWIN);
    }

    int64_t nowMs() override { return static_cast<int64_t>(GetTickCount64()); }

    std::uintptr_t foregroundWindow() override { return reinterpret_cast<std::uintptr_t>(GetForegroundWindow()); }

    bool callAgainAfter(int milliseconds) override {
        g_typing.timer = SetTimer(nullptr, 0, static_cast<UINT>(milliseconds), onTypingTimer);
        return g_typing.timer != 0;
    }
};

WindowsTypingPort g_port;

void resumeTyping() { followPlay(playSteps(g_typing.player, g_port, g_randomiser.report)); }

}  // namespace

void playSequence(TypingSequence steps, const TypingStyle& style) {
    startSequence(g_typing.player, std::move(steps), style.real_keys);
    resumeTyping();
}

bool typingInProgress() { return sequencePlaying(g_typing.player); }

bool typingEndsProgram() { return quitStillToCome(g_typing.player); }

void stopTyping() { interruptSequence(g_typing.player, g_port, g_randomiser.report); }
