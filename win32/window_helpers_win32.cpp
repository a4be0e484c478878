#include "win32/window_helpers_win32.h"

#include <shellapi.h>

#include "common/bounded_copy.h"
#include "common/debug_log.h"
#include "common/window_place.h"
#include "common/dpi_scale.h"
#include "resources/resource_ids.h"

void loadDllsFromSystemFolderOnly() {
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    SetDllDirectoryW(L"");  // takes the current folder out of the search as well
}

namespace {

// The record that names the window's notification-area icon of that id,
// nothing else set yet.
NOTIFYICONDATAW trayIconData(HWND window, UINT id) {
    NOTIFYICONDATAW data = {};
    data.cbSize = sizeof(NOTIFYICONDATAW);
    data.hWnd = window;
    data.uID = id;
    return data;
}

}  // namespace

bool addTrayIcon(const TrayIconSpec& spec) {
    NOTIFYICONDATAW data = trayIconData(spec.window, spec.id);
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO;
    data.uCallbackMessage = spec.callback_message;
    data.hIcon = spec.icon;
    boundedCopy(data.szTip, spec.tip);
    boundedCopy(data.szInfoTitle, spec.balloon_title);
    boundedCopy(data.szInfo, spec.balloon_text);
    data.dwInfoFlags = NIIF_INFO;
    return Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
}

HICON loadTrayIcon(HICON previous, const wchar_t* path, HWND window) {
    if (previous != nullptr) DestroyIcon(previous);
    const UINT dpi = GetDpiForWindow(window);
    HICON icon = static_cast<HICON>(LoadImageW(nullptr, path, IMAGE_ICON, GetSystemMetricsForDpi(SM_CXSMICON, dpi),
                                               GetSystemMetricsForDpi(SM_CYSMICON, dpi), LR_LOADFROMFILE));
    if (icon == nullptr) debugLog("Could not load the tray icon %ls", path);
    return icon;
}

bool setTrayIcon(HWND window, UINT id, HICON icon) {
    NOTIFYICONDATAW data = trayIconData(window, id);
    data.uFlags = NIF_ICON;
    data.hIcon = icon;
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

bool removeTrayIcon(HWND window, UINT id) {
    NOTIFYICONDATAW data = trayIconData(window, id);
    return Shell_NotifyIconW(NIM_DELETE, &data) != FALSE;
}

bool showTrayBalloon(HWND window, UINT id, const wchar_t* title, const wchar_t* text) {
    NOTIFYICONDATAW data = trayIconData(window, id);
    data.uFlags = NIF_INFO;
    boundedCopy(data.szInfoTitle, title);
    boundedCopy(data.szInfo, text);
    data.dwInfoFlags = NIIF_INFO;
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

bool trayIconExists(HWND window, UINT id) {
    NOTIFYICONDATAW data = trayIconData(window, id);  // changes nothing: refused only for a missing icon
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

bool setTrayTip(HWND window, UINT id, const wchar_t* tip) {
    NOTIFYICONDATAW data = trayIconData(window, id);
    data.uFlags = NIF_TIP;
    boundedCopy(data.szTip, tip);
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

UINT listenForTaskbarRestart(HWND window) {
    const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    if (message == 0) {
        debugLog("Could not register the taskbar's restart message");
        return 0;
    }
    if (!ChangeWindowMessageFilterEx(window, message, MSGFLT_ALLOW, nullptr))
        debugLog("Could not let the taskbar's restart message through");
    return message;
}

UINT runTrayMenu(HWND window, HMENU menu) {
    POINT cursor = {};
    GetCursorPos(&cursor);
    SetForegroundWindow(window);
    const UINT chosen =
        static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY, cursor.x, cursor.y, 0, window, nullptr));
    PostMessageW(window, WM_NULL, 0, 0);
    return chosen;
}

bool loadMemoryPicture(MemoryPicture& picture, const wchar_t* path, const char* noFileLine, const char* noContextLine) {
    picture.bitmap = static_cast<HBITMAP>(LoadImageW(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    if (picture.bitmap == nullptr) {
        if (noFileLine != nullptr) debugLog("%s", noFileLine);
        return false;
    }
    picture.dc = CreateCompatibleDC(nullptr);
    if (picture.dc == nullptr || SelectObject(picture.dc, picture.bitmap) == nullptr) {
        if (noContextLine != nullptr) debugLog("%s", noContextLine);
        releaseMemoryPicture(picture);
        return false;
    }
    BITMAP info = {};
    GetObjectW(picture.bitmap, sizeof info, &info);
    picture.width = info.bmWidth;
    picture.height = info.bmHeight;
    return true;
}

void releaseMemoryPicture(MemoryPicture& picture) {
    if (picture.dc != nullptr) DeleteDC(picture.dc);
    if (picture.bitmap != nullptr) DeleteObject(picture.bitmap);
    picture.dc = nullptr;
    picture.bitmap = nullptr;
}

bool drawMemoryPicture(HDC dc, int x, int y, const MemoryPicture& picture, int dpi) {
    if (picture.dc == nullptr) return true;
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);  // HALFTONE needs it set after the mode
    return StretchBlt(dc, x, y, scaleForDpi(picture.width, dpi), scaleForDpi(picture.height, dpi), picture.dc, 0, 0,
                      picture.width, picture.height, SRCCOPY) != FALSE;
}

bool registerWindowClass(HINSTANCE instance, const wchar_t* className, const wchar_t* menuName, WNDPROC procedure) {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DROPSHADOW;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_LARGE));
    windowClass.hIconSm = LoadIconW(instance, MAKEINTRESOURCEW(IDI_SMALL));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    windowClass.lpszMenuName = menuName;
    windowClass.lpszClassName = className;
    if (RegisterClassExW(&windowClass) != 0) return true;
    debugLog("Could not register the window class %ls", className);
    return false;
}

int runMessageLoop(HWND (*dialogWindow)()) {
    MSG message = {};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        HWND dialog = dialogWindow();
        if (dialog != nullptr && IsDialogMessageW(dialog, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

PixelBox wholeScreen() { return PixelBox{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

PixelBox workArea() {
    RECT area = {};
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0)) return wholeScreen();
    return PixelBox{area.left, area.top, area.right - area.left, area.bottom - area.top};
}

int workAreaHeight() { return workArea().height; }

void centreInArea(HWND window, const PixelBox& area) {
    RECT place = {};
    if (!GetWindowRect(window, &place)) return;
    const PixelBox box = placeInWorkArea(place.right - place.left, place.bottom - place.top, area);
    SetWindowPos(window, nullptr, box.x, box.y, box.width, box.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool ownWindowInFront() {
    HWND front = GetForegroundWindow();
    DWORD process = 0;
    return front != nullptr && IsWindowVisible(front) && GetWindowThreadProcessId(front, &process) != 0 &&
           process == GetCurrentProcessId();
}

bool closeOwnWindowInFront() {
    if (!ownWindowInFront()) return false;
    PostMessageW(GetForegroundWindow(), WM_SYSCOMMAND, SC_CLOSE, 0);
    return true;
}

bool hideOnCloseOrMinimise(HWND window, WPARAM systemCommand) {
    const WPARAM command = systemCommand & 0xFFF0;  // the low four bits are the system's own
    if (command != SC_MINIMIZE && command != SC_CLOSE) return false;
    ShowWindow(window, SW_HIDE);
    return true;
}

void releaseFont(HFONT& font, const char* failureLine) {
    if (font == nullptr) return;  // never made: nothing to release
    if (!DeleteObject(font)) debugLog("%s", failureLine);
    font = nullptr;
}

HFONT createBoldFont(HWND window, const wchar_t* face, int points, BYTE quality) {
    LOGFONTW font = {};
    font.lfHeight = fontHeightForDpi(points, static_cast<int>(GetDpiForWindow(window)));
    font.lfWeight = FW_BOLD;
    font.lfQuality = quality;
    boundedCopy(font.lfFaceName, face);
    HFONT made = CreateFontIndirectW(&font);
    if (made == nullptr) debugLog("Could not make the font %ls", face);
    return made;
}
