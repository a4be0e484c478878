#pragma once
// What the stand-ins for a game's chat in the end-to-end tests share: a small
// topmost window at a fixed place of the virtual desktop (where the tests
// click), which a left click gives the focus as a click into a game does,
// and the message loop until it is closed.
#include <windows.h>

// Registers the class of the procedure and shows its window at x 10, y, of
// that size, in front with the focus. Null when it cannot be made.
inline HWND showStandIn(HINSTANCE instance, const wchar_t* className, const wchar_t* title, WNDPROC procedure,
                        int y = 10, int width = 300, int height = 150) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    windowClass.lpszClassName = className;
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(WS_EX_TOPMOST, className, title, WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, 10, y,
                                  width, height, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) return nullptr;
    SetForegroundWindow(window);
    SetFocus(window);
    return window;
}

// The messages every stand-in answers alike: a left click takes the focus,
// and the window's end ends the program. True when the message was one.
inline bool handleStandInMessage(HWND window, UINT message) {
    if (message == WM_LBUTTONDOWN) {
        SetForegroundWindow(window);
        SetFocus(window);
        return true;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return true;
    }
    return false;
}

// Translates and dispatches messages until the program is asked to end.
inline void runStandIn() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}
