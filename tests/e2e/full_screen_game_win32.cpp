// A stand-in for a game played full screen in the end-to-end tests: a
// borderless black window of the screen's size, titled "Full Screen Game",
// in front with the focus. The key Q closes it, and the program ends.
#include <windows.h>

#include "stand_in_window_win32.h"

namespace {

LRESULT CALLBACK gameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (handleStandInMessage(window, message)) return 0;
    if (message == WM_CHAR && (wParam == L'q' || wParam == L'Q')) {
        DestroyWindow(window);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = gameProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = L"FullScreenGame";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(WS_EX_TOPMOST, windowClass.lpszClassName, L"Full Screen Game", WS_POPUP | WS_VISIBLE,
                                  0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr,
                                  instance, nullptr);
    if (window == nullptr) return 1;
    SetForegroundWindow(window);
    SetFocus(window);
    runStandIn();
    return 0;
}
