// The live display: a window that always shows PlayerData.txt as the editor
// holds it. It is made hidden at start and lives until the program ends;
// minimising or closing it only hides it. It grows when its text needs more
// room than its label has, so every line of eight players is seen.
#include "editor/shell/live_display_win32.h"

#include <windows.h>

#include <algorithm>

#include "common/debug_log.h"
#include "win32/control_table_win32.h"
#include "win32/dpi_win32.h"
#include "win32/tray_program_win32.h"
#include "win32/window_helpers_win32.h"

namespace {

constexpr int kHeadingId = 119;
constexpr int kContentsId = 120;
constexpr COLORREF kHeadingColour = RGB(255, 0, 0);
const wchar_t* const kLiveDisplayClass = L"Brenlow: Rostrix Feedback Window";
// Sizes at 96 DPI, scaled for the window's display; the contents are wide
// enough for a row with the learned column.
constexpr int kWindowWidth = 660;
constexpr int kWindowHeight = 400;
constexpr int kContentsWidth = 560;
constexpr int kContentsHeight = 250;  // the least height; more when the text needs it

const ControlSpec kHeading = {L"static", L"Active Mod Display", SS_CENTER, kHeadingId, 50,
                              10,        kContentsWidth,        60,        kNoLabel};
const ControlSpec kContents = {L"static", L"", SS_LEFT, kContentsId, 50, 80, kContentsWidth, kContentsHeight, kNoLabel};

struct LiveDisplayState {
    HWND window = nullptr;
    HWND heading = nullptr;
    HWND contents = nullptr;
    HFONT code_font = nullptr;
    HFONT title_font = nullptr;
    int contents_height = 0;  // in pixels, as the label was last fitted
};

LiveDisplayState g_display;

void setFont(HWND control, HFONT font) { SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE); }

// The height the contents label needs for the text in its font, its lines
// wrapped as the label wraps them.
int neededHeight(const wchar_t* text) {
    HDC dc = GetDC(g_display.contents);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(g_display.contents, WM_GETFONT, 0, 0)));
    RECT room = {0, 0, scaledForWindow(g_display.window, kContentsWidth), 0};
    DrawTextW(dc, text, -1, &room, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
    SelectObject(dc, old);
    ReleaseDC(g_display.contents, dc);
    return room.bottom - room.top;
}

// Makes the label as tall as the text needs (never less than its first
// height) and the window taller by as much, as far as the screen allows.
void fitContents(const wchar_t* text) {
    const int leastHeight = scaledForWindow(g_display.window, kContentsHeight);
    const int height = std::max(leastHeight, neededHeight(text));
    if (height == g_display.contents_height) return;
    g_display.contents_height = height;
    SetWindowPos(g_display.contents, nullptr, 0, 0, scaledForWindow(g_display.window, kContentsWidth), height,
                 SWP_NOMOVE | SWP_NOZORDER);
    const int windowHeight =
        std::min(scaledForWindow(g_display.window, kWindowHeight) + height - leastHeight, workAreaHeight());
    SetWindowPos(g_display.window, nullptr, 0, 0, scaledForWindow(g_display.window, kWindowWidth), windowHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // Grown in sight, it is centred again so that it stays inside the screen.
    if (IsWindowVisible(g_display.window)) centreInArea(g_display.window, workArea());
}

LRESULT CALLBACK liveDisplayProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (handleDpiMessage(window, message, wParam, lParam)) return 0;
    switch (message) {
        case WM_SYSCOMMAND:
            if (hideOnCloseOrMinimise(window, wParam)) return 0;
            break;
        case WM_CTLCOLORSTATIC: {
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetBkMode(dc, TRANSPARENT);
            if (reinterpret_cast<HWND>(lParam) == g_display.heading) SetTextColor(dc, kHeadingColour);
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        }
        default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

bool createLiveDisplay() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!registerWindowClass(instance, kLiveDisplayClass, nullptr, liveDisplayProc)) return false;
    g_display.window = createScaledWindow(0, kLiveDisplayClass, L"Rostrix Feedback", WS_OVERLAPPEDWINDOW, 0, 0,
                                          kWindowWidth, kWindowHeight, instance);
    if (g_display.window == nullptr) {
        debugLog("Could not create the live display window");
        showProgramError(L"Could not create Modification Window.");
        return false;
    }
    g_display.contents_height = scaledForWindow(g_display.window, kContentsHeight);  // as made
    g_display.code_font = createBoldFont(g_display.window, L"Courier New", 11, ANTIALIASED_QUALITY);
    g_display.title_font = createBoldFont(g_display.window, L"Century Gothic", 24, ANTIALIASED_QUALITY);
    g_display.heading = createControl(g_display.window, kHeading);
    g_display.contents = createControl(g_display.window, kContents);
    if (g_display.heading == nullptr || g_display.contents == nullptr) {
        debugLog("Could not create the labels of the live display");
        showProgramError(kNoLabel);
        return false;
    }
    setFont(g_display.heading, g_display.title_font);
    setFont(g_display.contents, g_display.code_font);
    return true;
}

void setLiveDisplayText(const wchar_t* text) {
    SetWindowTextW(g_display.contents, text);
    fitContents(text);
}

// Made at start, when the work area may not be known yet (see workArea): it
// is centred in it each time it comes up from hidden.
void showLiveDisplay() {
    if (!IsWindowVisible(g_display.window)) centreInArea(g_display.window, workArea());
    ShowWindow(g_display.window, SW_SHOW);
    SetForegroundWindow(g_display.window);
}

void hideLiveDisplay() { ShowWindow(g_display.window, SW_HIDE); }

void destroyLiveDisplay() {
    if (g_display.window != nullptr) DestroyWindow(g_display.window);
    g_display.window = nullptr;
    g_display.heading = nullptr;
    g_display.contents = nullptr;
    releaseFont(g_display.code_font, "Failed to delete the font code object - currently in use?");
    releaseFont(g_display.title_font, "Failed to delete the font code object - currently in use?");
}
