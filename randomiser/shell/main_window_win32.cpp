// The main window: a borderless splash for five seconds, then hidden; the
// notification-area icon with its menu; error boxes; the orderly shutdown.
// A run that records a result shows no splash, only the icon with its balloon.
// The splash never takes the focus: the game keeps it, so a hotkey pressed
// while the splash shows types into the game. Closing the window only hides
// it, and a destroyed main window ends the program, since the hotkeys and the
// tray icon reach the program through it.
#include <string>

#include "common/debug_log.h"
#include "common/text_convert.h"
#include "randomiser/allocation/fair_teams.h"
#include "randomiser/output/draw_note.h"
#include "randomiser/output/report.h"
#include "win32/dpi_win32.h"
#include "win32/keyboard_hook_win32.h"
#include "win32/secondary_window_win32.h"
#include "win32/single_copy_win32.h"
#include "win32/splash_win32.h"
#include "win32/window_helpers_win32.h"
#include "randomiser/shell/shell_win32.h"

#include <shellapi.h>  // after windows.h: the balloon events

namespace {

constexpr UINT kTrayIconId = 110;
const wchar_t* const kTrayTip = L"Tamsel Sortilane";  // also the title of the notes' balloons
constexpr UINT kTrayCallback = 200;
constexpr UINT kMenuExit = 300;
constexpr UINT kMenuTooltips = 301;
constexpr UINT kMenuCredits = 302;
constexpr UINT kSplashMs = 5000;
// A run that records a result keeps its icon until the balloon has closed,
// and at most this long: a shell that says nothing of its balloons would
// otherwise keep it for good.
constexpr UINT kResultNoteMs = 10000;
constexpr int kMainWidth = 600;
constexpr int kMainHeight = 400;
const wchar_t* const kSplashPath = L"./Images/randomiser_flash.bmp";
const wchar_t* const kTrayIconPath = L"./Brenlow_Sortilane.ico";

struct MainWindowState {
    HWND window = nullptr;
    HMENU tray_menu = nullptr;
    HICON tray_icon = nullptr;
    bool tray_icon_added = false;
    std::wstring result_note;  // a run that records a result: what its balloon says
    UINT taskbar_created = 0;  // sent to top-level windows when the shell restarts
    int screen_width = 0;
    int screen_height = 0;
};

MainWindowState g_main;

// What the host must know of this run beside the draw, a line each (each
// line begins with a line feed).
std::wstring runNotes() {
    std::wstring notes;
    // open_chat opens the chat itself: in a chat left open its first Enter
    // would send an empty message, and the lines would reach the game as keys.
    if (g_randomiser.options.open_chat != 0) notes += L"\nopen_chat: close the chat: Ctrl+1 opens it for each line";
    // The editor leaves its hotkeys alone while the randomiser runs.
    if (programRuns(kRostrixMutexName)) notes += L"\nRostrix's hotkeys rest until Sortilane ends";
    const std::wstring unrated = unratedPlayersNote(g_randomiser.players);
    if (!unrated.empty()) notes += L"\n" + unrated;
    // fair_teams could not bring the teams close: the host may change the groups before typing.
    const std::wstring unfair = unfairTeamsNote(g_randomiser);
    if (!unfair.empty()) notes += L"\n" + unfair;
    return notes;
}

// The balloon of a run that computed a match, or that waits to repost one.
std::wstring matchBalloon() {
    // The repost mode waits for Ctrl+1 before it types the saved result; a
    // validate run that got this far found the files and the words fine.
    std::wstring balloon = L"Sortilane.\nCross-Game Usage";
    if (g_randomiser.options.repost_only != 0)
        balloon = L"Sortilane: repost.\nCtrl+1 types the saved result (data.txt), Esc quits";
    else if (g_randomiser.options.validate_only != 0)
        balloon = L"Sortilane: validate.\nFiles and words are fine";
    return balloon + runNotes();
}

// The icon is loaded again each time, at the size for the DPI of now: the
// taskbar that restarted may show on a display of another DPI.
bool addSortilaneTrayIcon() {
    g_main.tray_icon = loadTrayIcon(g_main.tray_icon, kTrayIconPath, g_main.window);
    const std::wstring balloon =
        fittedText(g_main.result_note.empty() ? matchBalloon() : g_main.result_note, kBalloonUnits);
    const TrayIconSpec spec = {g_main.window, kTrayIconId,       kTrayCallback,  g_main.tray_icon,
                               kTrayTip,      L"Quembe's Grinn", balloon.c_str()};
    g_main.tray_icon_added = addTrayIcon(spec);
    if (g_main.tray_icon_added) return true;
    debugLog("Setting Windows Nofication Area Icon %i", static_cast<int>(kTrayIconId));
    return false;
}

// A run that computed a match: the teams, the map and the spread in a
// balloon, the seed and the spread in the tip, for the host to see before
// the chat does.
bool hasDraw() { return !g_randomiser.options.repost_only && !g_randomiser.options.validate_only; }

void onSplashGone() { showDrawNote(); }

void removeSortilaneTrayIcon() {
    if (!g_main.tray_icon_added) return;
    g_main.tray_icon_added = false;
    if (!removeTrayIcon(g_main.window, kTrayIconId))
        debugLog("Removing Windows Nofication Area Icon %i", static_cast<int>(kTrayIconId));
}

// While a sequence types, the menu would take the focus and the rest of the
// text with it: the click is ignored then.
void showTrayMenu() {
    if (typingInProgress()) return;
    const UINT chosen = runTrayMenu(g_main.window, g_main.tray_menu);
    if (chosen == kMenuExit) {
        PostQuitMessage(0);
    } else if (chosen == kMenuTooltips) {
        openTooltips();
        DrawMenuBar(g_main.window);
    } else if (chosen == kMenuCredits) {
        openCredits();
        DrawMenuBar(g_main.window);
    }
}

// Whether the icon's event says that its balloon has gone.
bool balloonClosed(UINT event) {
    return event == NIN_BALLOONTIMEOUT || event == NIN_BALLOONUSERCLICK || event == NIN_BALLOONHIDE;
}

void CALLBACK onResultNoteShown(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(0); }

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == g_main.taskbar_created && g_main.taskbar_created != 0) {
        addSortilaneTrayIcon();
        return 0;
    }
    // The tray icon follows the DPI of the main window's display.
    if (message == WM_DPICHANGED && g_main.tray_icon_added) {
        g_main.tray_icon = loadTrayIcon(g_main.tray_icon, kTrayIconPath, window);
        setTrayIcon(window, kTrayIconId, g_main.tray_icon);
    }
    if (handleDpiMessage(window, message, wParam, lParam)) return 0;
    switch (message) {
        case WM_CREATE:
            g_main.tray_menu = CreatePopupMenu();
            AppendMenuW(g_main.tray_menu, MF_STRING, kMenuExit, L"Exit");
            AppendMenuW(g_main.tray_menu, MF_STRING, kMenuTooltips, L"Display Tooltips");
            AppendMenuW(g_main.tray_menu, MF_STRING, kMenuCredits, L"Credits");
            return 0;
        case WM_PAINT: paintSplash(window); return 0;
        case kTrayCallback:
            if (wParam == kTrayIconId && LOWORD(lParam) == WM_RBUTTONDOWN) showTrayMenu();
            if (wParam == kTrayIconId && !g_main.result_note.empty() && balloonClosed(LOWORD(lParam)))
                PostQuitMessage(0);
            return 0;
        case kHotkeyMessage: handleHotkey(hotkeyOfMessage(wParam, lParam)); return 0;
        case WM_MOUSEACTIVATE: return MA_NOACTIVATE;  // a click on the splash leaves the focus where it is
        case WM_CLOSE:
            hideSplash();  // Alt+F4, or the system closing the window: the program lives on
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) == kCloseCommand) {
                DestroyWindow(window);
                return 0;
            }
            break;
        case WM_DESTROY:
            removeSortilaneTrayIcon();
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

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

namespace {

// The main window, not shown yet.
bool makeMainWindow(HINSTANCE instance, const wchar_t* className, const wchar_t* title) {
    // No taskbar button either (Windows leaves it out for a tool window; Wine
    // shows one all the same): clicking it would give the splash the focus.
    g_main.window =
        createScaledWindow(WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW, className, title, WS_POPUP,
                           g_main.screen_width / 3, g_main.screen_height / 3, kMainWidth, kMainHeight, instance);
    if (g_main.window == nullptr) {
        debugLog("Could not create the main window");
        return false;
    }
    g_main.taskbar_created = listenForTaskbarRestart(g_main.window);
    return true;
}

}  // namespace

bool createMainWindow(HINSTANCE instance, const wchar_t* className, const wchar_t* title) {
    if (!makeMainWindow(instance, className, title)) return false;
    if (!loadSplash(kSplashPath, "Could not load the splash picture ./Images/randomiser_flash.bmp",
                    "Could not prepare the splash picture for drawing"))
        return false;
    showSplash(g_main.window, kSplashMs, false, onSplashGone);
    installKeyboardHook(g_main.window, kHookRenewalMs, mayRenewHook);
    return addSortilaneTrayIcon();
}

void showDrawNote() {
    if (!g_main.tray_icon_added || !hasDraw()) return;
    // The run's notes stay: the draw's balloon takes the place of the start's.
    const std::wstring text = drawBalloonText(g_randomiser, runNotes(), kBalloonUnits);
    if (!showTrayBalloon(g_main.window, kTrayIconId, drawBalloonTitle(g_randomiser).c_str(), text.c_str()))
        debugLog("Could not show the draw at the notification area icon");
    setTrayTip(g_main.window, kTrayIconId, drawTooltipText(g_randomiser).c_str());
}

bool showResultNote(HINSTANCE instance, const wchar_t* className, const wchar_t* title, const std::wstring& note) {
    g_main.result_note = note;
    if (!makeMainWindow(instance, className, title) || !addSortilaneTrayIcon()) return false;
    if (SetTimer(nullptr, 0, kResultNoteMs, onResultNoteShown) != 0) return true;
    debugLog("Could not start the timer of the result's balloon");
    return false;
}

BoxWindows boxWindows() {
    return BoxWindows{secondaryWindow(), g_main.window, g_main.tray_icon_added ? g_main.window : nullptr, kTrayIconId,
                      kTrayTip};
}

void showError(const wchar_t* text) { showFrontBox(boxWindows(), BoxKind::Error, L"Error", text); }

void showTrayNote(const wchar_t* text) {
    if (g_main.tray_icon_added && !showTrayBalloon(g_main.window, kTrayIconId, kTrayTip, text))
        debugLog("Could not show a note at the notification area icon");
}

void shutdown() {
    removeSortilaneTrayIcon();
    releaseSplash();
    releaseSecondaryWindows();
    if (g_main.window != nullptr && IsWindow(g_main.window)) DestroyWindow(g_main.window);
    g_main.window = nullptr;
    if (g_main.tray_icon != nullptr) DestroyIcon(g_main.tray_icon);
    g_main.tray_icon = nullptr;
}
