#include "win32/secondary_window_win32.h"

#include "common/debug_log.h"
#include "win32/dpi_win32.h"
#include "win32/scroll_bar_win32.h"
#include "win32/window_helpers_win32.h"

namespace {

constexpr int kHeadingPoints = 24;
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr int kLineGap = 8;  // below the text of a fitted label that fills it, at 96 DPI

struct SecondaryState {
    const wchar_t* class_name = nullptr;
    const wchar_t* title = nullptr;
    const wchar_t* heading_face = nullptr;
    void (*show_error)(const wchar_t* text) = nullptr;
    HWND window = nullptr;
    SecondaryWindow open = {};     // the open window's description; its controls are made once, not kept
    HFONT heading_font = nullptr;  // made for the open window's DPI
    int line_height = 1;           // of the system font, the unit of scrolling
    MemoryPicture picture = {};
    // The window of another program (the game's) that had the focus before
    // the open window came up, null for none: it gets the focus back when
    // the window closes, so that the next hotkey types into it.
    HWND before = nullptr;
};

SecondaryState g_secondary;

// Each window gets a heading font made for its own DPI; the window before it
// is gone by now, and the heading that used the old font with it.
void onCreate(HWND window) {
    g_secondary.line_height = systemLineHeight(window);
    HFONT made = createBoldFont(window, g_secondary.heading_face, kHeadingPoints, DEFAULT_QUALITY);
    if (made == nullptr) return;
    releaseFont(g_secondary.heading_font, "Failed to delete the font title object - currently in use?");
    g_secondary.heading_font = made;
}

// The picture at its place, moved up as far as the window has scrolled.
void paintPicture(HWND window) {
    const WindowPicture& place = *g_secondary.open.picture;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    const int y = scaledForWindow(window, place.y) - GetScrollPos(window, SB_VERT) * g_secondary.line_height;
    if (!drawMemoryPicture(dc, scaledForWindow(window, place.x), y, g_secondary.picture,
                           static_cast<int>(GetDpiForWindow(window)))) {
        debugLog("Could not draw the picture %ls", place.path);
        PostQuitMessage(0);
    }
    EndPaint(window, &paint);
}

// Labels draw on the window colour without a box behind their text.
LRESULT labelColours(HDC dc, HWND label) {
    SetBkMode(dc, TRANSPARENT);
    if (g_secondary.open.red_heading && GetDlgCtrlID(label) == g_secondary.open.heading_id) SetTextColor(dc, kRed);
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
}

// Scrolls as the scroll bar or the mouse wheel asks; the picture is painted
// again at its new place.
void scroll(HWND window, UINT message, WPARAM wParam) {
    if (message == WM_VSCROLL)
        scrollByRequest(window, LOWORD(wParam), g_secondary.line_height);
    else
        scrollByWheel(window, wParam, g_secondary.line_height);
    InvalidateRect(window, nullptr, TRUE);
}

// Gives the focus back to the window that had it before the open window came
// up, when that window is still shown.
void returnFocus() {
    HWND before = g_secondary.before;
    g_secondary.before = nullptr;
    if (before != nullptr && IsWindow(before) && IsWindowVisible(before)) SetForegroundWindow(before);
}

// Notes the window in front when it is another program's; while one
// secondary window replaces another, the one before both is kept.
void noteWindowBefore() {
    HWND front = GetForegroundWindow();
    DWORD process = 0;
    if (front != nullptr && GetWindowThreadProcessId(front, &process) != 0 && process != GetCurrentProcessId())
        g_secondary.before = front;
}

// Destroys the open window, if any, and its picture.
void destroyOpenWindow() {
    releaseMemoryPicture(g_secondary.picture);
    if (g_secondary.window != nullptr) DestroyWindow(g_secondary.window);
    g_secondary.window = nullptr;
}

LRESULT CALLBACK secondaryWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (handleDpiMessage(window, message, wParam, lParam)) return 0;
    const SecondaryWindow& open = g_secondary.open;
    switch (message) {
        case WM_CREATE: onCreate(window); return 0;
        case WM_SYSCOMMAND:
            if (!hideOnCloseOrMinimise(window, wParam)) break;
            returnFocus();
            return 0;
        case WM_SIZE:
            if (open.scrolling) setScrollPage(window, HIWORD(lParam), g_secondary.line_height);
            return 0;
        case WM_VSCROLL:
        case WM_MOUSEWHEEL:
            if (!open.scrolling) break;
            scroll(window, message, wParam);
            return 0;
        case WM_PAINT:
            if (open.picture == nullptr || g_secondary.picture.dc == nullptr) break;
            paintPicture(window);
            return 0;
        case DM_GETDEFID:
            if (open.default_button != 0) return MAKELRESULT(open.default_button, DC_HASDEFID);
            break;
        case WM_CTLCOLORSTATIC: return labelColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_CTLCOLOREDIT: {
            HBRUSH brush =
                open.edit_colours == nullptr
                    ? nullptr
                    : open.edit_colours(reinterpret_cast<HDC>(wParam), GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
            if (brush != nullptr) return reinterpret_cast<LRESULT>(brush);
            break;
        }
        case WM_COMMAND:
            if (open.on_command != nullptr)
                open.on_command(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_DESTROY:
            if (window == g_secondary.window) g_secondary.window = nullptr;
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// Ends the opening of a window: the half-made window goes and the error box
// shows the text.
bool failWindow(const wchar_t* text) {
    closeSecondaryWindow();
    g_secondary.show_error(text);
    return false;
}

// The height in pixels, at least the row's, that the label's text needs at
// its width in its font, with a gap below it.
int heightForText(HWND label, const ControlSpec& spec) {
    HDC dc = GetDC(label);
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0));
    HGDIOBJ previous = SelectObject(dc, font != nullptr ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
    RECT room = {0, 0, scaledForWindow(label, spec.width), 0};
    DrawTextW(dc, spec.text, -1, &room, DT_CALCRECT | DT_WORDBREAK);
    SelectObject(dc, previous);
    ReleaseDC(label, dc);
    const int needed = room.bottom + scaledForWindow(label, kLineGap);
    const int least = scaledForWindow(label, spec.height);
    return needed > least ? needed : least;
}

}  // namespace

bool registerSecondaryWindows(HINSTANCE instance, const wchar_t* className, const wchar_t* title,
                              const wchar_t* headingFace, void (*showError)(const wchar_t* text)) {
    g_secondary.class_name = className;
    g_secondary.title = title;
    g_secondary.heading_face = headingFace;
    g_secondary.show_error = showError;
    return registerWindowClass(instance, className, nullptr, secondaryWindowProc);
}

const wchar_t* secondaryWindowTitle() { return g_secondary.title; }

bool createSecondaryWindow(const SecondaryWindow& window) {
    noteWindowBefore();
    destroyOpenWindow();
    g_secondary.open = window;
    g_secondary.open.controls = nullptr;
    g_secondary.open.control_count = 0;
    if (window.picture != nullptr)
        loadMemoryPicture(g_secondary.picture, window.picture->path, window.picture->no_file_line,
                          "Could not prepare a window's picture for drawing");
    const DWORD style = WS_OVERLAPPEDWINDOW | (window.scrolling ? WS_VSCROLL : 0);
    g_secondary.window = createScaledWindow(0, g_secondary.class_name, g_secondary.title, style, 0, 0, window.width,
                                            window.height, GetModuleHandleW(nullptr));
    if (g_secondary.window == nullptr) {
        debugLog("Could not create the window of class %ls", g_secondary.class_name);
        return failWindow(L"Could not create overlord window.");
    }
    centreInArea(g_secondary.window, workArea());
    const ControlSpec* failed = createControls(g_secondary.window, window.controls, window.control_count);
    if (failed != nullptr) return failWindow(failed->failure_text);
    if (window.heading_id != 0)
        SendDlgItemMessageW(g_secondary.window, window.heading_id, WM_SETFONT,
                            reinterpret_cast<WPARAM>(g_secondary.heading_font), TRUE);
    return true;
}

void presentSecondaryWindow() {
    ShowWindow(g_secondary.window, SW_SHOW);
    SetForegroundWindow(g_secondary.window);
    UpdateWindow(g_secondary.window);
}

HWND secondaryWindow() { return g_secondary.window; }

std::wstring secondaryControlText(int id) {
    HWND control = GetDlgItem(g_secondary.window, id);
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(control, &text[0], static_cast<int>(text.size()))));
    return text;
}

void setSecondaryControlText(int id, const wchar_t* text) { SetDlgItemTextW(g_secondary.window, id, text); }

void fitLabelsToText(const ControlSpec* labels, size_t count) {
    int y = scaledForWindow(g_secondary.window, labels[0].y);
    for (size_t i = 0; i < count; ++i) {
        HWND label = GetDlgItem(g_secondary.window, labels[i].id);
        const int height = heightForText(label, labels[i]);
        SetWindowPos(label, nullptr, scaledForWindow(label, labels[i].x), y, scaledForWindow(label, labels[i].width),
                     height, SWP_NOZORDER | SWP_NOACTIVATE);
        y += height;
    }
}

void closeSecondaryWindow() {
    const bool shown = g_secondary.window != nullptr && IsWindowVisible(g_secondary.window);
    destroyOpenWindow();
    if (shown) returnFocus();
}

void releaseSecondaryWindows() {
    destroyOpenWindow();
    releaseFont(g_secondary.heading_font, "Failed to delete the font title object - currently in use?");
}
