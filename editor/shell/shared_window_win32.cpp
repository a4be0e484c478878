// The shared window: one window at a time of the class "I am the Overlord!
// (Rostrix)", which is the input, tooltip, rule text or credits window.
// Opening one destroys the open one. Its procedure hides it on minimise and
// close, scrolls the tooltip and credits windows, colours the labels and the
// rule text box, and hands the buttons to the input windows.
#include "common/debug_log.h"
#include "win32/scroll_bar_win32.h"
#include "win32/window_helpers_win32.h"
#include "editor/shell/rostrix_shell_win32.h"

namespace {

constexpr COLORREF kRuleTextColour = RGB(255, 0, 255);
const wchar_t* const kRuleBackgroundPath = L"./Images/ruletext_bg.bmp";

struct SharedWindowState {
    HWND window = nullptr;
    bool scrolling = false;  // set for the tooltip and credits windows
    int lineHeight = 1;      // of the system font, the unit of scrolling
    HFONT headingFont = nullptr;
    HBRUSH ruleBrush = nullptr;  // made once from the background picture, kept until shutdown
};

SharedWindowState g_shared;

void onCreate(HWND window) {
    if (g_shared.headingFont == nullptr) g_shared.headingFont = createBoldFont(L"New Times Roman", 24, DEFAULT_QUALITY);
    g_shared.lineHeight = systemLineHeight(window);
}

// Labels draw on the window colour without a box behind their text; the
// rule text box draws magenta text on its background pattern.
LRESULT onControlColour(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    HDC dc = reinterpret_cast<HDC>(wParam);
    HWND control = reinterpret_cast<HWND>(lParam);
    if (message == WM_CTLCOLOREDIT && GetDlgCtrlID(control) == kRuleTextBoxId && g_shared.ruleBrush != nullptr) {
        SetTextColor(dc, kRuleTextColour);
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(g_shared.ruleBrush);
    }
    if (message == WM_CTLCOLORSTATIC) {
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void onCommand(int id, int notification, HWND control) {
    if (id == kEnterDataId && notification == BN_CLICKED) onEnterData();
    if (id == kLoadId && notification == BN_CLICKED) onLoadRuleText();
    if (id == kSaveId && notification == BN_CLICKED) onSaveRuleText();
    // The box draws its text on the pattern: redraw it whole when its text
    // moves, or the pattern behind the old text would be left out of step.
    if (id == kRuleTextBoxId && (notification == EN_CHANGE || notification == EN_VSCROLL))
        InvalidateRect(control, nullptr, TRUE);
}

}  // namespace

LRESULT CALLBACK sharedWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            onCreate(window);
            return 0;
        case WM_SYSCOMMAND:
            if (hideOnCloseOrMinimise(window, wParam)) return 0;
            break;
        case WM_SIZE:
            if (g_shared.scrolling) setScrollPage(window, HIWORD(lParam), g_shared.lineHeight);
            return 0;
        case WM_VSCROLL:
            if (g_shared.scrolling) scrollByRequest(window, LOWORD(wParam), g_shared.lineHeight);
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
            return onControlColour(window, message, wParam, lParam);
        case WM_COMMAND:
            onCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND sharedWindow() { return g_shared.window; }

void closeSharedWindow() {
    if (g_shared.window != nullptr) DestroyWindow(g_shared.window);
    g_shared.window = nullptr;
}

bool createSharedWindow(int x, int y, int width, int height, bool scrolling) {
    closeSharedWindow();
    g_shared.scrolling = scrolling;
    const DWORD style = WS_OVERLAPPEDWINDOW | (scrolling ? WS_VSCROLL : 0);
    g_shared.window = CreateWindowExW(0, kSharedWindowClass, programTitle(), style, x, y, width, height, nullptr,
                                      nullptr, GetModuleHandleW(nullptr), nullptr);
    if (g_shared.window != nullptr) {
        if (x == CW_USEDEFAULT) moveToTopEdge(g_shared.window);
        return true;
    }
    debugLog("Could not create the window of class %ls", kSharedWindowClass);
    editorShell().showErrorBox(kNoLabel);
    return false;
}

bool addControls(const ControlSpec* specs, size_t count) {
    const ControlSpec* failed = createControls(g_shared.window, specs, count);
    if (failed == nullptr) return true;
    closeSharedWindow();
    editorShell().showErrorBox(failed->failureText);
    return false;
}

void setHeadingFont(int id) {
    SendDlgItemMessageW(g_shared.window, id, WM_SETFONT, reinterpret_cast<WPARAM>(g_shared.headingFont), TRUE);
}

void presentSharedWindow() {
    ShowWindow(g_shared.window, SW_SHOW);
    SetForegroundWindow(g_shared.window);
    UpdateWindow(g_shared.window);
}

// The picture is loaded each time the rule text window opens, so a missing
// picture keeps the window shut; the brush copies it and the picture itself
// is not kept.
bool loadRuleTextBackground() {
    HBITMAP picture =
        static_cast<HBITMAP>(LoadImageW(nullptr, kRuleBackgroundPath, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    if (picture == nullptr) {
        debugLog("Could not load the rule text background ./Images/ruletext_bg.bmp");
        return false;
    }
    if (g_shared.ruleBrush == nullptr) g_shared.ruleBrush = CreatePatternBrush(picture);
    DeleteObject(picture);
    if (g_shared.ruleBrush == nullptr) debugLog("Could not make the rule text background brush");
    return g_shared.ruleBrush != nullptr;
}

void releaseSharedWindow() {
    closeSharedWindow();
    g_shared.scrolling = false;
    if (g_shared.ruleBrush != nullptr) DeleteObject(g_shared.ruleBrush);
    g_shared.ruleBrush = nullptr;
}

void releaseHeadingFont() {
    releaseFont(g_shared.headingFont, "Failed to delete the font title object - currently in use?");
}
