// The hidden main window: the window classes, the splash picture shown for
// five seconds at start, the notification-area icon with its menu, and the
// helpers every window of the editor uses to make its controls and fonts.
#include "editor/shell/rostrix_shell_win32.h"

#include <vector>

#include "common/bounded_copy.h"
#include "common/debug_log.h"
#include "common/dpi_scale.h"
#include "editor/result_menu.h"
#include "win32/dpi_win32.h"
#include "win32/keyboard_hook_win32.h"
#include "win32/secondary_window_win32.h"
#include "win32/splash_win32.h"
#include "win32/window_helpers_win32.h"

const wchar_t* const kOverlordWindowClass = L"I am the Overlord! (Rostrix)";
const wchar_t* const kLiveDisplayClass = L"Brenlow: Rostrix Feedback Window";

namespace {

constexpr int kSplashWidth = 600;
constexpr int kSplashHeight = 400;
constexpr UINT kSplashMs = 5000;
constexpr UINT kTrayMessage = 200;
constexpr UINT kTrayIconId = 201;
const wchar_t* const kTrayTitle = L"Brenlow Rostrix";  // the tip and the title of the balloons
constexpr UINT kMenuExit = 202;
constexpr UINT kMenuTooltips = 203;
constexpr UINT kMenuCredits = 204;
constexpr UINT kMenuModifications = 205;
constexpr int kFixedMenuRows = 4;      // Exit to Modifications Made; the result rows follow
constexpr UINT kFirstResultRow = 210;  // the id of the first result row, the others count on
const wchar_t* const kSplashPath = L"./Images/rostrix_flash.bmp";
const wchar_t* const kTrayIconPath = L"./Brenlow_Rostrix.ico";

struct MainWindowState {
    HWND window = nullptr;
    wchar_t title[100] = {};
    int screenWidth = 0;
    int screenHeight = 0;
    HMENU trayMenu = nullptr;
    std::vector<ResultMenuRow> resultRows;  // as the menu shows them, read from Results.txt when it opens
    HICON trayIcon = nullptr;
    bool trayIconAdded = false;
    UINT taskbarCreated = 0;  // sent when the taskbar (re)starts: the icon must be added again
};

MainWindowState g_main;

bool makeTrayMenu() {
    g_main.trayMenu = CreatePopupMenu();
    if (g_main.trayMenu == nullptr) return false;
    return AppendMenuW(g_main.trayMenu, MF_STRING, kMenuExit, L"Exit") &&
           AppendMenuW(g_main.trayMenu, MF_STRING, kMenuTooltips, L"Display Tooltips") &&
           AppendMenuW(g_main.trayMenu, MF_STRING, kMenuCredits, L"Credits") &&
           AppendMenuW(g_main.trayMenu, MF_STRING, kMenuModifications, L"Modifications Made");
}

// The result rows follow the last match of Results.txt as it is now: the
// host may have played, or edited the file, since the menu last opened.
void refreshResultRows() {
    while (GetMenuItemCount(g_main.trayMenu) > kFixedMenuRows)
        DeleteMenu(g_main.trayMenu, kFixedMenuRows, MF_BYPOSITION);
    g_main.resultRows = resultMenuRows(readLastMatch());
    for (size_t row = 0; row < g_main.resultRows.size(); ++row) {
        const ResultMenuRow& shown = g_main.resultRows[row];
        AppendMenuW(g_main.trayMenu, MF_STRING | (shown.checked ? MF_CHECKED : MF_UNCHECKED), kFirstResultRow + row,
                    shown.text.c_str());
    }
}

void showTrayMenu() {
    refreshResultRows();
    const UINT chosen = runTrayMenu(g_main.window, g_main.trayMenu);
    switch (chosen) {
        case kMenuExit: PostQuitMessage(0); break;
        case kMenuTooltips: openTooltips(); break;
        case kMenuCredits: openCredits(); break;
        case kMenuModifications: showLiveDisplay(); break;
        default:
            if (chosen >= kFirstResultRow && chosen - kFirstResultRow < g_main.resultRows.size())
                recordResultFromMenu(editorPort(), g_main.resultRows[chosen - kFirstResultRow].result);
            break;  // else dismissed
    }
}

LRESULT CALLBACK mainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == g_main.taskbarCreated && g_main.taskbarCreated != 0) {
        addRostrixTrayIcon();
        return 0;
    }
    // The tray icon follows the DPI of the main window's display.
    if (message == WM_DPICHANGED) {
        g_main.trayIcon = loadTrayIcon(g_main.trayIcon, kTrayIconPath, window);
        setTrayIcon(window, kTrayIconId, g_main.trayIcon);
    }
    if (handleDpiMessage(window, message, wParam, lParam)) return 0;
    switch (message) {
        case WM_CREATE:
            if (makeTrayMenu()) return 0;
            debugLog("Could not make the tray menu");
            return -1;
        case WM_DESTROY: PostQuitMessage(0); return 0;
        case WM_PAINT: paintSplash(window); return 0;
        case kTrayMessage:
            if (wParam == kTrayIconId && lParam == WM_RBUTTONDOWN) showTrayMenu();
            return 0;
        case kHotkeyMessage: handleHotkey(hotkeyOfMessage(wParam, lParam)); return 0;
        default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

// Once the splash has gone: the live display and the input window come.
void afterSplash() {
    showLiveDisplay();
    if (secondaryWindow() != nullptr) {
        presentSecondaryWindow();
        focusFirstField();
    } else {
        runEditorCommand(EditorCommand::EnterNameAndRating);
    }
}

void showEditorError(const wchar_t* text) { editorPort().showErrorBox(text); }

}  // namespace

bool registerWindowClasses(HINSTANCE instance, const wchar_t* mainClassName) {
    return registerWindowClass(instance, mainClassName, nullptr, mainWindowProcedure) &&
           registerSecondaryWindows(instance, kOverlordWindowClass, g_main.title, L"New Times Roman",
                                    showEditorError) &&
           registerWindowClass(instance, kLiveDisplayClass, nullptr, liveDisplayProcedure);
}

bool createMainWindow(HINSTANCE instance, const wchar_t* className, const wchar_t* title) {
    boundedCopy(g_main.title, title);
    g_main.screenWidth = GetSystemMetrics(SM_CXSCREEN);
    g_main.screenHeight = GetSystemMetrics(SM_CYSCREEN);
    // Centred for the system's DPI, that of the display the splash shows on.
    const int dpi = static_cast<int>(GetDpiForSystem());
    g_main.window = createScaledWindow(
        0, className, title, WS_POPUP, g_main.screenWidth / 2 - scaleForDpi(kSplashWidth, dpi) / 2,
        g_main.screenHeight / 2 - scaleForDpi(kSplashHeight, dpi) / 2, kSplashWidth, kSplashHeight, instance);
    if (g_main.window == nullptr) {
        debugLog("Could not create the main window");
        return false;
    }
    g_main.taskbarCreated = listenForTaskbarRestart(g_main.window);
    return true;
}

HWND mainWindow() { return g_main.window; }

BoxWindows boxWindows() {
    return BoxWindows{secondaryWindow(), g_main.window, g_main.trayIconAdded ? g_main.window : nullptr, kTrayIconId,
                      kTrayTitle};
}
const wchar_t* programTitle() { return g_main.title; }
int screenWidth() { return g_main.screenWidth; }
int screenHeight() { return g_main.screenHeight; }

// The editor was started by the host, so its splash takes the focus.
bool showEditorSplash() {
    return loadSplash(kSplashPath, "Could not load the splash picture ./Images/rostrix_flash.bmp",
                      "Could not prepare the splash picture for drawing") &&
           showSplash(g_main.window, kSplashMs, true, afterSplash);
}

// Loaded again each time, at the size for the DPI of now: the taskbar that
// restarted may show on a display of another DPI.
bool addRostrixTrayIcon() {
    g_main.trayIcon = loadTrayIcon(g_main.trayIcon, kTrayIconPath, g_main.window);
    const TrayIconSpec spec = {g_main.window,
                               kTrayIconId,
                               kTrayMessage,
                               g_main.trayIcon,
                               kTrayTitle,
                               L"Dastrel's Brenlow Grinn",
                               L"Pick Player Name & Ratings.\nPlus set additional stuff"};
    g_main.trayIconAdded = addTrayIcon(spec);
    if (g_main.trayIconAdded) return true;
    debugLog("Setting Windows Nofication Area Icon %i", static_cast<int>(kTrayIconId));
    return false;
}

void showTrayNote(const wchar_t* text) {
    if (!showTrayBalloon(g_main.window, kTrayIconId, kTrayTitle, text))
        debugLog("Could not show a note at the notification area icon");
}

bool removeRostrixTrayIcon() {
    g_main.trayIconAdded = false;
    if (removeTrayIcon(g_main.window, kTrayIconId)) return true;
    debugLog("Removing Windows Nofication Area Icon");
    return false;
}
