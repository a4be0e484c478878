// The overlord window: one window at a time of the class "I am the Overlord!
// (Rostrix)", which is the input, tooltip, rule text or credits window.
// Opening one destroys the open one. Its procedure hides it on minimise and
// close, scrolls the tooltip and credits windows, colours the labels and the
// rule text box, and hands the buttons to the input windows.
#include "common/debug_log.h"
#include "win32/dpi_win32.h"
#include "win32/scroll_bar_win32.h"
#include "win32/window_helpers_win32.h"
#include "editor/shell/rostrix_shell_win32.h"

namespace {

constexpr COLORREF kRuleTextColour = RGB(255, 0, 255);
const wchar_t* const kRuleBackgroundPath = L"./Images/ruletext_bg.bmp";

struct OverlordWindowState {
    HWND window = nullptr;
    bool scrolling = false;  // set for the tooltip and credits windows
    int lineHeight = 1;      // of the system font, the unit of scrolling
    HFONT headingFont = nullptr;  // for the open window's DPI
    HBRUSH ruleBrush = nullptr;  // made once from the background picture, kept until shutdown
};

OverlordWindowState g_overlord;

// Each window gets a heading font made for its own DPI; the window before it,
// and the heading that used the old font, are gone by now.
void onCreate(HWND window) {
    releaseHeadingFont();
    g_overlord.headingFont = createBoldFont(window, L"New Times Roman", 24, DEFAULT_QUALITY);
    g_overlord.lineHeight = systemLineHeight(window);
}

// Labels draw on the window colour without a box behind their text; the
// rule text box draws magenta text on its background pattern.
LRESULT onControlColour(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    HDC dc = reinterpret_cast<HDC>(wParam);
    HWND control = reinterpret_cast<HWND>(lParam);
    if (message == WM_CTLCOLOREDIT && GetDlgCtrlID(control) == kRuleTextBoxId && g_overlord.ruleBrush != nullptr) {
        SetTextColor(dc, kRuleTextColour);
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(g_overlord.ruleBrush);
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
    if (id == kRuleTextBoxId && notification == EN_CHANGE) onRuleTextChanged();
}

}  // namespace

LRESULT CALLBACK overlordWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (handleDpiMessage(window, message, wParam, lParam)) return 0;
    switch (message) {
        case WM_CREATE: onCreate(window); return 0;
        case WM_SYSCOMMAND:
            if (hideOnCloseOrMinimise(window, wParam)) return 0;
            break;
        case WM_SIZE:
            if (g_overlord.scrolling) setScrollPage(window, HIWORD(lParam), g_overlord.lineHeight);
            return 0;
        case WM_VSCROLL:
            if (g_overlord.scrolling) scrollByRequest(window, LOWORD(wParam), g_overlord.lineHeight);
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT: return onControlColour(window, message, wParam, lParam);
        case WM_COMMAND: onCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)); return 0;
        default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND overlordWindow() { return g_overlord.window; }

void closeOverlordWindow() {
    if (g_overlord.window != nullptr) DestroyWindow(g_overlord.window);
    g_overlord.window = nullptr;
}

bool createOverlordWindow(int x, int y, int width, int height, bool scrolling) {
    closeOverlordWindow();
    g_overlord.scrolling = scrolling;
    const DWORD style = WS_OVERLAPPEDWINDOW | (scrolling ? WS_VSCROLL : 0);
    g_overlord.window = createScaledWindow(0, kOverlordWindowClass, programTitle(), style, x, y, width, height,
                                           GetModuleHandleW(nullptr));
    if (g_overlord.window != nullptr) {
        if (x == CW_USEDEFAULT) moveToTopEdge(g_overlord.window);
        return true;
    }
    debugLog("Could not create the window of class %ls", kOverlordWindowClass);
    editorPort().showErrorBox(kNoLabel);
    return false;
}

bool addControls(const ControlSpec* specs, size_t count) {
    const ControlSpec* failed = createControls(g_overlord.window, specs, count);
    if (failed == nullptr) return true;
    closeOverlordWindow();
    editorPort().showErrorBox(failed->failureText);
    return false;
}

void setHeadingFont(int id) {
    SendDlgItemMessageW(g_overlord.window, id, WM_SETFONT, reinterpret_cast<WPARAM>(g_overlord.headingFont), TRUE);
}

void presentOverlordWindow() {
    ShowWindow(g_overlord.window, SW_SHOW);
    SetForegroundWindow(g_overlord.window);
    UpdateWindow(g_overlord.window);
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
    if (g_overlord.ruleBrush == nullptr) g_overlord.ruleBrush = CreatePatternBrush(picture);
    DeleteObject(picture);
    if (g_overlord.ruleBrush == nullptr) debugLog("Could not make the rule text background brush");
    return g_overlord.ruleBrush != nullptr;
}

void releaseOverlordWindow() {
    closeOverlordWindow();
    g_overlord.scrolling = false;
    if (g_overlord.ruleBrush != nullptr) DeleteObject(g_overlord.ruleBrush);
    g_overlord.ruleBrush = nullptr;
}

void releaseHeadingFont() {
    releaseFont(g_overlord.headingFont, "Failed to delete the font title object - currently in use?");
}
