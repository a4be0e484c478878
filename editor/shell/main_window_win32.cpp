// The hidden main window: the window classes, the splash picture shown for
// five seconds at start, the notification-area icon with its menu, and the
// helpers every window of the editor uses to make its controls and fonts.
#include "editor/shell/rostrix_shell_win32.h"

#include <shellapi.h>

#include "common/bounded_copy.h"
#include "common/debug_log.h"

const wchar_t* const kSharedWindowClass = L"I am the Overlord! (Rostrix)";
const wchar_t* const kLiveDisplayClass = L"Brenlow: Rostrix Feedback Window";

namespace {

constexpr int kLargeIconResource = 107;
constexpr int kSmallIconResource = 108;
constexpr int kSplashWidth = 600;
constexpr int kSplashHeight = 400;
constexpr UINT kSplashMs = 5000;
constexpr UINT kTrayMessage = 200;
constexpr UINT kTrayIconId = 201;
constexpr UINT kMenuExit = 202;
constexpr UINT kMenuTooltips = 203;
constexpr UINT kMenuCredits = 204;
constexpr UINT kMenuModifications = 205;
const wchar_t* const kSplashPath = L"./Images/rostrix_flash.bmp";
const wchar_t* const kTrayIconPath = L"./Brenlow_Rostrix.ico";

HWND g_main = nullptr;
wchar_t g_title[100] = {};
int g_screenWidth = 0;
int g_screenHeight = 0;
HMENU g_trayMenu = nullptr;
HICON g_trayIcon = nullptr;
UINT g_taskbarCreated = 0;  // sent when the taskbar (re)starts: the icon must be added again

HBITMAP g_splashBitmap = nullptr;
HDC g_splashDc = nullptr;
int g_splashWidth = 0;
int g_splashHeight = 0;
UINT_PTR g_splashTimer = 0;

bool makeTrayMenu() {
    g_trayMenu = CreatePopupMenu();
    if (g_trayMenu == nullptr) return false;
    return AppendMenuW(g_trayMenu, MF_STRING, kMenuExit, L"Exit") &&
           AppendMenuW(g_trayMenu, MF_STRING, kMenuTooltips, L"Display Tooltips") &&
           AppendMenuW(g_trayMenu, MF_STRING, kMenuCredits, L"Credits") &&
           AppendMenuW(g_trayMenu, MF_STRING, kMenuModifications, L"Modifications Made");
}

void runTrayMenu() {
    POINT cursor = {};
    GetCursorPos(&cursor);
    SetForegroundWindow(g_main);
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenu(g_trayMenu, TPM_RETURNCMD | TPM_NONOTIFY, cursor.x, cursor.y, 0, g_main, nullptr));
    // Lets the menu close properly when the user clicks elsewhere next time.
    PostMessageW(g_main, WM_NULL, 0, 0);
    switch (chosen) {
        case kMenuExit:
            PostQuitMessage(0);
            break;
        case kMenuTooltips:
            openTooltipWindow();
            break;
        case kMenuCredits:
            openCreditsWindow();
            break;
        case kMenuModifications:
            showLiveDisplay();
            break;
        default:  // dismissed
            break;
    }
}

void paintSplash(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (g_splashDc != nullptr &&
        !BitBlt(dc, 0, 0, g_splashWidth, g_splashHeight, g_splashDc, 0, 0, SRCCOPY)) {
        debugLog("Could not draw the splash picture");
        PostQuitMessage(0);
    }
    EndPaint(window, &paint);
}

LRESULT CALLBACK mainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == g_taskbarCreated && g_taskbarCreated != 0) {
        addTrayIcon();
        return 0;
    }
    switch (message) {
        case WM_CREATE:
            if (makeTrayMenu()) return 0;
            debugLog("Could not make the tray menu");
            return -1;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        case WM_PAINT:
            paintSplash(window);
            return 0;
        case kTrayMessage:
            if (wParam == kTrayIconId && lParam == WM_RBUTTONDOWN) runTrayMenu();
            return 0;
        case kHotkeyMessage:
            queueEditorCommand(static_cast<EditorCommand>(wParam));
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

// After five seconds: the splash goes, the live display and the input
// window come.
void CALLBACK onSplashTimer(HWND, UINT, UINT_PTR, DWORD) {
    releaseSplash();
    ShowWindow(g_main, SW_HIDE);
    showLiveDisplay();
    if (sharedWindow() != nullptr) {
        presentSharedWindow();
        focusFirstField();
    } else {
        runEditorCommand(EditorCommand::EnterNameAndRating);
    }
}

bool registerClass(HINSTANCE instance, const wchar_t* className, WNDPROC procedure) {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DROPSHADOW;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kLargeIconResource));
    windowClass.hIconSm = LoadIconW(instance, MAKEINTRESOURCEW(kSmallIconResource));
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = className;
    if (RegisterClassExW(&windowClass) != 0) return true;
    debugLog("Could not register the window class %ls", className);
    return false;
}

}  // namespace

bool registerWindowClasses(HINSTANCE instance, const wchar_t* mainClassName) {
    return registerClass(instance, mainClassName, mainWindowProcedure) &&
           registerClass(instance, kSharedWindowClass, sharedWindowProcedure) &&
           registerClass(instance, kLiveDisplayClass, liveDisplayProcedure);
}

bool createMainWindow(HINSTANCE instance, const wchar_t* className, const wchar_t* title) {
    boundedCopy(g_title, title);
    g_screenWidth = GetSystemMetrics(SM_CXSCREEN);
    g_screenHeight = GetSystemMetrics(SM_CYSCREEN);
    g_taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    g_main = CreateWindowExW(0, className, title, WS_POPUP, g_screenWidth / 2 - kSplashWidth / 2,
                             g_screenHeight / 2 - kSplashHeight / 2, kSplashWidth, kSplashHeight, nullptr, nullptr,
                             instance, nullptr);
    if (g_main == nullptr) {
        debugLog("Could not create the main window");
        return false;
    }
    // The program runs elevated, and the taskbar does not: without this the
    // taskbar's message would be filtered out and the icon lost for good.
    if (!ChangeWindowMessageFilterEx(g_main, g_taskbarCreated, MSGFLT_ALLOW, nullptr))
        debugLog("Could not let the taskbar's restart message through");
    return true;
}

HWND mainWindow() { return g_main; }
const wchar_t* programTitle() { return g_title; }
int screenWidth() { return g_screenWidth; }
int screenHeight() { return g_screenHeight; }

bool loadSplashPicture() {
    g_splashBitmap = static_cast<HBITMAP>(LoadImageW(nullptr, kSplashPath, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    if (g_splashBitmap == nullptr) {
        debugLog("Could not load the splash picture ./Images/rostrix_flash.bmp");
        return false;
    }
    g_splashDc = CreateCompatibleDC(nullptr);
    if (g_splashDc == nullptr || SelectObject(g_splashDc, g_splashBitmap) == nullptr) {
        debugLog("Could not prepare the splash picture for drawing");
        return false;
    }
    BITMAP info = {};
    GetObjectW(g_splashBitmap, sizeof info, &info);
    g_splashWidth = info.bmWidth;
    g_splashHeight = info.bmHeight;
    return true;
}

void showSplash() {
    ShowWindow(g_main, SW_SHOW);
    SetForegroundWindow(g_main);
    SetFocus(g_main);
    UpdateWindow(g_main);
}

bool startSplashTimer() {
    g_splashTimer = SetTimer(nullptr, 0, kSplashMs, onSplashTimer);
    if (g_splashTimer == 0) debugLog("Could not start the splash timer");
    return g_splashTimer != 0;
}

void releaseSplash() {
    if (g_splashTimer != 0) KillTimer(nullptr, g_splashTimer);
    g_splashTimer = 0;
    if (g_splashDc != nullptr) DeleteDC(g_splashDc);
    g_splashDc = nullptr;
    if (g_splashBitmap != nullptr) DeleteObject(g_splashBitmap);
    g_splashBitmap = nullptr;
}

bool addTrayIcon() {
    if (g_trayIcon == nullptr) {
        g_trayIcon = static_cast<HICON>(LoadImageW(nullptr, kTrayIconPath, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                   GetSystemMetrics(SM_CYSMICON), LR_LOADFROMFILE));
        if (g_trayIcon == nullptr) debugLog("Could not load the tray icon ./Brenlow_Rostrix.ico");
    }
    NOTIFYICONDATAW data = {};
    data.cbSize = sizeof(NOTIFYICONDATAW);
    data.hWnd = g_main;
    data.uID = kTrayIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO;
    data.uCallbackMessage = kTrayMessage;
    data.hIcon = g_trayIcon;
    boundedCopy(data.szTip, L"Brenlow Rostrix");
    boundedCopy(data.szInfoTitle, L"Dastrel's Brenlow Grinn");
    boundedCopy(data.szInfo, L"Pick Player Name & Ratings.\nPlus set additional stuff");
    data.dwInfoFlags = NIIF_INFO;
    if (Shell_NotifyIconW(NIM_ADD, &data)) return true;
    debugLog("Setting Windows Nofication Area Icon %i", static_cast<int>(kTrayIconId));
    return false;
}

bool removeTrayIcon() {
    NOTIFYICONDATAW data = {};
    data.cbSize = sizeof(NOTIFYICONDATAW);
    data.hWnd = g_main;
    data.uID = kTrayIconId;
    if (Shell_NotifyIconW(NIM_DELETE, &data)) return true;
    debugLog("Removing Windows Nofication Area Icon");
    return false;
}

HWND createControl(HWND parent, const ControlSpec& spec) {
    return CreateWindowExW(0, spec.className, spec.text, WS_CHILD | WS_VISIBLE | spec.style, spec.x, spec.y,
                           spec.width, spec.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)),
                           GetModuleHandleW(nullptr), nullptr);
}

bool hideOnCloseOrMinimise(HWND window, WPARAM systemCommand) {
    const WPARAM command = systemCommand & 0xFFF0;  // the low four bits are the system's own
    if (command != SC_MINIMIZE && command != SC_CLOSE) return false;
    ShowWindow(window, SW_HIDE);
    return true;
}

HFONT createBoldFont(const wchar_t* face, int points, BYTE quality) {
    HDC screen = GetDC(nullptr);
    LOGFONTW font = {};
    font.lfHeight = -MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    font.lfWeight = FW_BOLD;
    font.lfQuality = quality;
    boundedCopy(font.lfFaceName, face);
    HFONT made = CreateFontIndirectW(&font);
    if (made == nullptr) debugLog("Could not make the font %ls", face);
    return made;
}

void releaseFont(HFONT& font, const char* failureLine) {
    if (font == nullptr) return;  // never made: nothing to release
    if (!DeleteObject(font)) debugLog("%s", failureLine);
    font = nullptr;
}
