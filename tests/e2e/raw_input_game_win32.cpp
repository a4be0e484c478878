// A stand-in for a game that reads the keyboard only through raw input, for
// the end-to-end tests:
//   raw_input_game.exe FILE
// a small window at a fixed place (like the chat recorder's) that registers
// for the keyboard's raw input and ignores the window messages of characters.
// From each raw keyboard record it keeps its own state of Shift, Ctrl and Alt
// and turns each key press into characters with the keyboard layout of its
// thread, as such games do, and records them to FILE in UTF-8; Enter is
// written as a carriage return. Characters sent as such rather than as keys
// never reach it: Windows makes no raw input of them, and the records Wine
// makes of them (with no virtual key, or with the packet key) are dropped.
#include <windows.h>

#include <cstdio>
#include <string>

#include "common/text_convert.h"
#include "stand_in_window_win32.h"

namespace {

FILE* g_record = nullptr;
// Which modifier keys are down, by the raw records seen so far.
bool g_leftShift = false, g_rightShift = false;
bool g_leftCtrl = false, g_rightCtrl = false;
bool g_leftAlt = false, g_rightAlt = false;

void record(const char* text) {
    std::fputs(text, g_record);
    std::fflush(g_record);
}

// The key state that the layout reads: right Alt counts as Ctrl+Alt (AltGr).
void fillKeyState(BYTE state[256]) {
    const bool shift = g_leftShift || g_rightShift;
    const bool ctrl = g_leftCtrl || g_rightCtrl || g_rightAlt;
    const bool alt = g_leftAlt || g_rightAlt;
    state[VK_SHIFT] = shift ? 0x80 : 0;
    state[VK_LSHIFT] = g_leftShift ? 0x80 : 0;
    state[VK_RSHIFT] = g_rightShift ? 0x80 : 0;
    state[VK_CONTROL] = ctrl ? 0x80 : 0;
    state[VK_LCONTROL] = (g_leftCtrl || g_rightAlt) ? 0x80 : 0;
    state[VK_RCONTROL] = g_rightCtrl ? 0x80 : 0;
    state[VK_MENU] = alt ? 0x80 : 0;
    state[VK_LMENU] = g_leftAlt ? 0x80 : 0;
    state[VK_RMENU] = g_rightAlt ? 0x80 : 0;
}

void keyboardRecord(const RAWKEYBOARD& key) {
    if (key.VKey == 0 || key.VKey == VK_PACKET) return;  // a character, not a key
    const bool down = (key.Flags & RI_KEY_BREAK) == 0;
    const bool extended = (key.Flags & RI_KEY_E0) != 0;
    switch (key.VKey) {
        case VK_SHIFT: (key.MakeCode == 0x36 ? g_rightShift : g_leftShift) = down; return;
        case VK_CONTROL: (extended ? g_rightCtrl : g_leftCtrl) = down; return;
        case VK_MENU: (extended ? g_rightAlt : g_leftAlt) = down; return;
    }
    if (!down) return;
    if (key.VKey == VK_RETURN) {
        record("\r");
        return;
    }
    BYTE state[256] = {};
    fillKeyState(state);
    wchar_t characters[8] = {};
    const int count = ToUnicodeEx(key.VKey, key.MakeCode, state, characters, 8, 0, GetKeyboardLayout(0));
    if (count > 0) record(toUtf8(std::wstring(characters, count)).c_str());
}

void rawInput(HRAWINPUT handle) {
    RAWINPUT input;
    UINT size = sizeof(input);
    if (GetRawInputData(handle, RID_INPUT, &input, &size, sizeof(RAWINPUTHEADER)) == static_cast<UINT>(-1)) return;
    if (input.header.dwType == RIM_TYPEKEYBOARD) keyboardRecord(input.data.keyboard);
}

LRESULT CALLBACK gameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INPUT: rawInput(reinterpret_cast<HRAWINPUT>(lParam)); break;  // the default handling frees the record
        case WM_ACTIVATE:
            // Key releases while another window has the focus never arrive.
            if (LOWORD(wParam) == WA_INACTIVE) {
                g_leftShift = g_rightShift = g_leftCtrl = g_rightCtrl = g_leftAlt = g_rightAlt = false;
            }
            break;
    }
    if (handleStandInMessage(window, message)) return 0;
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    g_record = _wfopen(commandLine[0] != 0 ? commandLine : L"raw_input.txt", L"ab");
    if (g_record == nullptr) return 1;
    HWND window = showStandIn(instance, L"BrenlowRawInputGame", L"Raw Input Game", gameProc);
    if (window == nullptr) return 1;
    RAWINPUTDEVICE keyboard = {};
    keyboard.usUsagePage = 1;  // generic desktop controls
    keyboard.usUsage = 6;      // keyboard
    keyboard.hwndTarget = window;
    if (!RegisterRawInputDevices(&keyboard, 1, sizeof(keyboard))) return 1;
    runStandIn();
    std::fclose(g_record);
    return 0;
}
