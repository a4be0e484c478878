// The main window: a borderless splash for five seconds, then hidden; the
// notification-area icon with its menu; error boxes; the orderly shutdown.
#include "common/bounded_copy.h"
#include "common/debug_log.h"
#include "randomiser/shell/shell_win32.h"

#include <shellapi.h>

namespace {

constexpr UINT kTrayIconId = 110;
constexpr UINT kTrayCallback = 200;
constexpr UINT kMenuExit = 300;
constexpr UINT kMenuTooltips = 301;
constexpr UINT kMenuCredits = 302;
constexpr UINT_PTR kSplashTimerRequest = 303;
constexpr UINT kSplashMs = 5000;
constexpr int kMainWidth = 600;
constexpr int kMainHeight = 400;
const wchar_t* const kSplashPath = L"./Images/randomiser_flash.bmp";
const wchar_t* const kTrayIconPath = L"./Brenlow_Sortilane.ico";

struct MainWindowState {
    HWND window = nullptr;
    HBITMAP splash_bitmap = nullptr;
    HDC splash_dc = nullptr;
    int splash_width = 0;
    int splash_height = 0;
    UINT_PTR splash_timer = 0;
    HMENU tray_menu = nullptr;
    HICON tray_icon = nullptr;
    UINT taskbar_created = 0;  // sent to top-level windows when the shell restarts
    int screen_width = 0;
    int screen_height = 0;
};

MainWindowState g_main;

bool addTrayIcon() {
    if (g_main.tray_icon == nullptr)
        g_main.tray_icon = static_cast<HICON>(LoadImageW(nullptr, kTrayIconPath, IMAGE_ICON, 0, 0, LR_LOADFROMFILE));
    NOTIFYICONDATAW data = {};
    data.cbSize = sizeof(NOTIFYICONDATAW);
    data.hWnd = g_main.window;
    data.uID = kTrayIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO;
    data.uCallbackMessage = kTrayCallback;
    data.hIcon = g_main.tray_icon;
    boundedCopy(data.szTip, L"Tamsel Sortilane");
    boundedCopy(data.szInfo, L"Sortilane.\nCross-Game Usage");
    boundedCopy(data.szInfoTitle, L"Quembe's Grinn");
    data.dwInfoFlags = NIIF_INFO;
    data.uTimeout = 0;
    if (!Shell_NotifyIconW(NIM_ADD, &data)) {
        debugLog("Setting Windows Nofication Area Icon %i", static_cast<int>(kTrayIconId));
        return false;
    }
    return true;
}

bool removeTrayIcon() {
    NOTIFYICONDATAW data = {};
    data.cbSize = sizeof(NOTIFYICONDATAW);
    data.hWnd = g_main.window;
    data.uID = kTrayIconId;
    if (!Shell_NotifyIconW(NIM_DELETE, &data)) {
        debugLog("Removing Windows Nofication Area Icon %i", static_cast<int>(kTrayIconId));
        return false;
    }
    return true;
}

void CALLBACK onSplashTimer(HWND, UINT, UINT_PTR, DWORD) {
    KillTimer(nullptr, g_main.splash_timer);
    g_main.splash_timer = 0;
    ShowWindow(g_main.window, SW_HIDE);
    releaseSplashPicture();
}

void showTrayMenu() {
    POINT cursor = {};
    GetCursorPos(&cursor);
    SetForegroundWindow(g_main.window);
    UINT chosen = static_cast<UINT>(TrackPopupMenu(g_main.tray_menu, TPM_RETURNCMD | TPM_NONOTIFY, cursor.x,
                                                   cursor.y, 0, g_main.window, nullptr));
    if (chosen == kMenuExit) {
        PostQuitMessage(0);
    } else if (chosen == kMenuTooltips) {
        openTooltipWindow();
        DrawMenuBar(g_main.window);
    } else if (chosen == kMenuCredits) {
        openCreditsWindow();
        DrawMenuBar(g_main.window);
    }
}

void paintSplash(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (g_main.splash_dc != nullptr &&
        !BitBlt(dc, 0, 0, g_main.splash_width, g_main.splash_height, g_main.splash_dc, 0, 0, SRCCOPY)) {
        PostQuitMessage(0);
    }
    EndPaint(window, &paint);
}

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == g_main.taskbar_created && g_main.taskbar_created != 0) {
        addTrayIcon();
        return 0;
    }
    switch (message) {
        case WM_CREATE:
            g_main.tray_menu = CreatePopupMenu();
            AppendMenuW(g_main.tray_menu, MF_STRING, kMenuExit, L"Exit");
            AppendMenuW(g_main.tray_menu, MF_STRING, kMenuTooltips, L"Display Tooltips");
            AppendMenuW(g_main.tray_menu, MF_STRING, kMenuCredits, L"Credits");
            return 0;
        case WM_PAINT:
            paintSplash(window);
            return 0;
        case kTrayCallback:
            if (wParam == kTrayIconId && LOWORD(lParam) == WM_RBUTTONDOWN) showTrayMenu();
            return 0;
        case kHotkeyMessage:
            handleHotkey(static_cast<unsigned>(wParam));
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) == kCloseCommand) {
                DestroyWindow(window);
                return 0;
            }
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// Loads the splash picture into a memory context; false when it cannot.
bool loadSplashPicture() {
    g_main.splash_bitmap =
        static_cast<HBITMAP>(LoadImageW(nullptr, kSplashPath, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    if (g_main.splash_bitmap == nullptr) {
        debugLog("Could not load the splash picture ./Images/randomiser_flash.bmp");
        return false;
    }
    g_main.splash_dc = CreateCompatibleDC(nullptr);
    if (g_main.splash_dc == nullptr || SelectObject(g_main.splash_dc, g_main.splash_bitmap) == nullptr) {
        debugLog("Could not prepare the splash picture for drawing");
        releaseSplashPicture();
        return false;
    }
    BITMAP info = {};
    GetObjectW(g_main.splash_bitmap, sizeof info, &info);
    g_main.splash_width = info.bmWidth;
    g_main.splash_height = info.bmHeight;
    return true;
}

}  // namespace

bool registerWindowClass(HINSTANCE instance, const wchar_t* className, const wchar_t* menuName, WNDPROC procedure) {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DROPSHADOW;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(107));
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    windowClass.lpszMenuName = menuName;
    windowClass.lpszClassName = className;
    windowClass.hIconSm = LoadIconW(instance, MAKEINTRESOURCEW(108));
    return RegisterClassExW(&windowClass) != 0;
}

WNDPROC mainWindowProcedure() { return mainWindowProc; }

void resetWindowState() {
    g_main = MainWindowState();
    RECT desktop = {};
    GetWindowRect(GetDesktopWindow(), &desktop);
    g_main.screen_width = desktop.right;
    g_main.screen_height = desktop.bottom;
}

HWND mainWindow() { return g_main.window; }

int screenWidth() { return g_main.screen_width; }
int screenHeight() { return g_main.screen_height; }

bool createMainWindow(HINSTANCE instance, const wchar_t* className, const wchar_t* title) {
    g_main.taskbar_created = RegisterWindowMessageW(L"TaskbarCreated");
    g_main.window = CreateWindowExW(0, className, title, WS_POPUP, g_main.screen_width / 3, g_main.screen_height / 3,
                                    kMainWidth, kMainHeight, nullptr, nullptr, instance, nullptr);
    if (g_main.window == nullptr) {
        debugLog("Could not create the main window");
        return false;
    }
    if (!loadSplashPicture()) return false;
    // When the saved result is typed at once, the window that has the focus
    // must keep it: the splash then shows without taking the foreground.
    const bool keepFocus = g_randomiser.options.repost_only != 0;
    ShowWindow(g_main.window, keepFocus ? SW_SHOWNOACTIVATE : SW_SHOWNORMAL);
    UpdateWindow(g_main.window);
    if (!keepFocus) SetForegroundWindow(g_main.window);
    InvalidateRect(g_main.window, nullptr, TRUE);
    g_main.splash_timer = SetTimer(nullptr, kSplashTimerRequest, kSplashMs, onSplashTimer);
    installKeyboardHook();
    return addTrayIcon();
}

void showError(const wchar_t* text) {
    SetActiveWindow(g_main.window);
    MessageBoxW(g_main.window, text, L"Error", MB_OK);
}

void showErrorWithIcon(const wchar_t* text) { MessageBoxW(g_main.window, text, L"Error", MB_OK | MB_ICONERROR); }

void releaseSplashPicture() {
    if (g_main.splash_dc != nullptr) DeleteDC(g_main.splash_dc);
    if (g_main.splash_bitmap != nullptr) DeleteObject(g_main.splash_bitmap);
    g_main.splash_dc = nullptr;
    g_main.splash_bitmap = nullptr;
}

void shutdown() {
    if (g_main.splash_timer != 0) KillTimer(nullptr, g_main.splash_timer);
    g_main.splash_timer = 0;
    removeTrayIcon();
    releaseSplashPicture();
    releaseOverlordState();
    if (g_main.window != nullptr && IsWindow(g_main.window)) DestroyWindow(g_main.window);
    g_main.window = nullptr;
    if (g_main.tray_icon != nullptr) DestroyIcon(g_main.tray_icon);
    g_main.tray_icon = nullptr;
}
