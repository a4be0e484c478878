#include "win32/dpi_win32.h"

#include "common/debug_log.h"
#include "common/dpi_scale.h"

namespace {

// The DPI a window's controls are laid out for, kept on the window.
const wchar_t* const kLayoutDpiProperty = L"Brenlow.LayoutDpi";
// A font made here for one control, kept on the control and freed with its window.
const wchar_t* const kControlFontProperty = L"Brenlow.ControlFont";

int layoutDpi(HWND window) {
    const int dpi = static_cast<int>(reinterpret_cast<INT_PTR>(GetPropW(window, kLayoutDpiProperty)));
    return dpi > 0 ? dpi : kBaseDpi;
}

void setLayoutDpi(HWND window, int dpi) {
    SetPropW(window, kLayoutDpiProperty, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(dpi)));
}

// The control's font laid out for fromDpi, and that DPI: the system font,
// made for the system's DPI, when it has none of its own.
HFONT controlFont(HWND control, int& fromDpi) {
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    if (font != nullptr) return font;
    fromDpi = static_cast<int>(GetDpiForSystem());
    return static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

// Gives the control a copy of its font scaled from fromDpi to toDpi, and
// frees the one made for it before.
void scaleControlFont(HWND control, int fromDpi, int toDpi) {
    HFONT font = controlFont(control, fromDpi);
    if (fromDpi == toDpi) return;
    LOGFONTW description = {};
    if (GetObjectW(font, sizeof description, &description) == 0) return;
    description.lfHeight = rescaleForDpi(description.lfHeight, fromDpi, toDpi);
    description.lfWidth = rescaleForDpi(description.lfWidth, fromDpi, toDpi);
    HFONT scaled = CreateFontIndirectW(&description);
    if (scaled == nullptr) {
        debugLog("Could not make the font %ls for %i DPI", description.lfFaceName, toDpi);
        return;
    }
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(scaled), TRUE);
    HFONT previous = static_cast<HFONT>(GetPropW(control, kControlFontProperty));
    SetPropW(control, kControlFontProperty, scaled);
    if (previous != nullptr) DeleteObject(previous);
}

struct DpiChange {
    HWND window;
    int from_dpi;
    int to_dpi;
};

// Scales one direct control of the window: its place, size and font.
BOOL CALLBACK rescaleControl(HWND control, LPARAM data) {
    const DpiChange& change = *reinterpret_cast<const DpiChange*>(data);
    if (GetParent(control) != change.window) return TRUE;
    RECT place = {};
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, change.window, reinterpret_cast<POINT*>(&place), 2);
    SetWindowPos(control, nullptr, rescaleForDpi(place.left, change.from_dpi, change.to_dpi),
                 rescaleForDpi(place.top, change.from_dpi, change.to_dpi),
                 rescaleForDpi(place.right - place.left, change.from_dpi, change.to_dpi),
                 rescaleForDpi(place.bottom - place.top, change.from_dpi, change.to_dpi),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    scaleControlFont(control, change.from_dpi, change.to_dpi);
    return TRUE;
}

BOOL CALLBACK freeControlFont(HWND control, LPARAM) {
    HFONT font = static_cast<HFONT>(RemovePropW(control, kControlFontProperty));
    if (font != nullptr) {
        SendMessageW(control, WM_SETFONT, 0, FALSE);
        DeleteObject(font);
    }
    return TRUE;
}

}  // namespace

int scaledForWindow(HWND window, int value) { return scaleForDpi(value, static_cast<int>(GetDpiForWindow(window))); }

HWND createScaledWindow(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style, int x, int y,
                        int width, int height, HINSTANCE instance) {
    // Made at the size for the system's DPI, the one of most displays, and
    // sized again on a display of another DPI.
    const int systemDpi = static_cast<int>(GetDpiForSystem());
    HWND window = CreateWindowExW(exStyle, className, title, style, x, y, scaleForDpi(width, systemDpi),
                                  scaleForDpi(height, systemDpi), nullptr, nullptr, instance, nullptr);
    if (window == nullptr) return nullptr;
    const int dpi = static_cast<int>(GetDpiForWindow(window));
    setLayoutDpi(window, dpi);
    if (dpi != systemDpi)
        SetWindowPos(window, nullptr, 0, 0, scaleForDpi(width, dpi), scaleForDpi(height, dpi),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return window;
}

void fitControlFont(HWND control) {
    scaleControlFont(control, static_cast<int>(GetDpiForSystem()), static_cast<int>(GetDpiForWindow(control)));
}

bool handleDpiMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        EnumChildWindows(window, freeControlFont, 0);
        RemovePropW(window, kLayoutDpiProperty);
        return false;
    }
    if (message != WM_DPICHANGED) return false;
    const DpiChange change = {window, layoutDpi(window), LOWORD(wParam)};
    EnumChildWindows(window, rescaleControl, reinterpret_cast<LPARAM>(&change));
    setLayoutDpi(window, change.to_dpi);
    const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
    SetWindowPos(window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}
