#include "win32/splash_win32.h"

#include "common/debug_log.h"
#include "win32/window_helpers_win32.h"

namespace {

struct SplashState {
    HWND window = nullptr;
    MemoryPicture picture = {};
    UINT_PTR timer = 0;
    void (*on_hidden)() = nullptr;
};

SplashState g_splash;

void CALLBACK onSplashTimer(HWND, UINT, UINT_PTR, DWORD) { hideSplash(); }

}  // namespace

bool loadSplash(const wchar_t* path, const char* noFileLine, const char* noContextLine) {
    return loadMemoryPicture(g_splash.picture, path, noFileLine, noContextLine);
}

bool showSplash(HWND window, UINT ms, bool takeFocus, void (*onHidden)()) {
    g_splash.window = window;
    g_splash.on_hidden = onHidden;
    // At start the work area may not be known yet (see workArea): the
    // splash is centred on the whole screen.
    centreInArea(window, wholeScreen());
    if (takeFocus) {
        ShowWindow(window, SW_SHOW);
        SetForegroundWindow(window);
        SetFocus(window);
    } else {
        ShowWindow(window, SW_SHOWNOACTIVATE);
    }
    UpdateWindow(window);
    InvalidateRect(window, nullptr, TRUE);
    g_splash.timer = SetTimer(nullptr, 0, ms, onSplashTimer);
    if (g_splash.timer == 0) debugLog("Could not start the splash timer");
    return g_splash.timer != 0;
}

void paintSplash(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (!drawMemoryPicture(dc, 0, 0, g_splash.picture, static_cast<int>(GetDpiForWindow(window)))) {
        debugLog("Could not draw the splash picture");
        PostQuitMessage(0);
    }
    EndPaint(window, &paint);
}

void hideSplash() {
    releaseSplash();
    if (g_splash.window != nullptr) ShowWindow(g_splash.window, SW_HIDE);
    void (*onHidden)() = g_splash.on_hidden;
    g_splash.on_hidden = nullptr;
    if (onHidden != nullptr) onHidden();
}

void releaseSplash() {
    if (g_splash.timer != 0) KillTimer(nullptr, g_splash.timer);
    g_splash.timer = 0;
    releaseMemoryPicture(g_splash.picture);
}
