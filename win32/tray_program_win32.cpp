#include "win32/tray_program_win32.h"

#include "common/debug_log.h"
#include "common/dpi_scale.h"
#include "common/text_convert.h"
#include "common/tray_menu_rows.h"
#include "resources/resource_ids.h"
#include "win32/dpi_win32.h"
#include "win32/front_box_win32.h"
#include "win32/keyboard_hook_win32.h"
#include "win32/secondary_window_win32.h"
#include "win32/single_copy_win32.h"
#include "win32/splash_win32.h"
#include "win32/window_helpers_win32.h"

#include <shellapi.h>  // after windows.h: the balloon events

namespace {

constexpr int kResourceTextUnits = 100;
constexpr int kSplashWidth = 600;  // at 96 DPI
constexpr int kSplashHeight = 400;
constexpr UINT kSplashMs = 5000;
// A run that only shows a note keeps its icon until the balloon has closed,
// and at most this long: a shell that says nothing of its balloons would
// otherwise keep it for good.
constexpr UINT kNoteMs = 10000;
// The command (WM_COMMAND) that destroys the main window, which ends the
// program.
constexpr int kCloseCommand = 105;

struct TrayState {
    const TrayProgram* program = nullptr;
    HINSTANCE instance = nullptr;
    wchar_t title[kResourceTextUnits] = {};
    wchar_t class_name[kResourceTextUnits] = {};
    HWND window = nullptr;
    HICON icon = nullptr;
    bool icon_added = false;
    std::wstring note;  // a run that only shows a note: its balloon
    std::wstring tip;   // the icon's tip of now; empty for the program's own
    // A note refused while a restarting shell had lost the icon: shown when
    // the icon is added again, in place of the start's balloon.
    std::wstring held_title;
    std::wstring held_note;
    UINT taskbar_created = 0;  // sent to top-level windows when the shell restarts
    bool error_shown = false;  // an error box was shown: a failed start needs no second one
};

TrayState g_tray;

BoxWindows programBoxWindows() {
    return BoxWindows{secondaryWindow(), g_tray.window, g_tray.icon_added ? g_tray.window : nullptr,
                      g_tray.program->icon.id, g_tray.program->icon.tip};
}

// The icon file is loaded again each time, at the size for the DPI of now:
// the taskbar that restarted may show on a display of another DPI.
bool addProgramTrayIcon() {
    const TrayIconLook& look = g_tray.program->icon;
    g_tray.icon = loadTrayIcon(g_tray.icon, look.path, g_tray.window);
    const bool held = !g_tray.held_note.empty();
    const std::wstring text = held ? g_tray.held_note : g_tray.note.empty() ? look.balloon() : g_tray.note;
    const std::wstring balloon = fittedText(text, kBalloonUnits);
    const TrayIconSpec spec = {g_tray.window,
                               look.id,
                               kTrayMessage,
                               g_tray.icon,
                               g_tray.tip.empty() ? look.tip : g_tray.tip.c_str(),
                               held ? g_tray.held_title.c_str() : look.balloon_title,
                               balloon.c_str()};
    g_tray.icon_added = addTrayIcon(spec);
    if (g_tray.icon_added) g_tray.held_note.clear();
    if (!g_tray.icon_added) debugLog("Setting Windows Nofication Area Icon %i", static_cast<int>(look.id));
    return g_tray.icon_added;
}

void removeProgramTrayIcon() {
    if (!g_tray.icon_added) return;
    g_tray.icon_added = false;
    const UINT id = g_tray.program->icon.id;
    if (!removeTrayIcon(g_tray.window, id)) debugLog("Removing Windows Nofication Area Icon %i", static_cast<int>(id));
}

// The rows are numbered as common/tray_menu_rows.h says.
void showTrayMenu() {
    const TrayMenu& menu = g_tray.program->menu;
    if (menu.may_open != nullptr && !menu.may_open()) return;
    HMENU popup = CreatePopupMenu();
    if (popup == nullptr) {
        debugLog("Could not make the tray menu");
        return;
    }
    for (size_t row = 0; row < menu.row_count; ++row)
        AppendMenuW(popup, MF_STRING, fixedRowNumber(row), menu.rows[row].text);
    const std::vector<AddedMenuRow> added =
        menu.added_rows != nullptr ? menu.added_rows() : std::vector<AddedMenuRow>();
    for (size_t row = 0; row < added.size(); ++row)
        AppendMenuW(popup, MF_STRING | (added[row].checked ? MF_CHECKED : MF_UNCHECKED),
                    addedRowNumber(menu.row_count, row), added[row].text.c_str());
    const UINT chosen = runTrayMenu(g_tray.window, popup);
    DestroyMenu(popup);
    const ChosenRow row = chosenRowOf(chosen, menu.row_count, added.size());
    if (row.fixed)
        menu.rows[row.row].choose();
    else if (row.added)
        menu.choose_added(row.row);
}

// Whether the icon's event says that its balloon has gone.
bool balloonClosed(UINT event) {
    return event == NIN_BALLOONTIMEOUT || event == NIN_BALLOONUSERCLICK || event == NIN_BALLOONHIDE;
}

void onTrayEvent(WPARAM id, LPARAM event) {
    if (id != g_tray.program->icon.id) return;
    if (LOWORD(event) == WM_RBUTTONDOWN) showTrayMenu();
    if (!g_tray.note.empty() && balloonClosed(LOWORD(event))) PostQuitMessage(0);
}

// Closing the window only hides a splash that leaves the focus alone, and a
// destroyed main window ends the program, since the hotkeys and the icon
// reach the program through it.
LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == g_tray.taskbar_created && g_tray.taskbar_created != 0) {
        addProgramTrayIcon();
        return 0;
    }
    // The icon follows the DPI of the main window's display.
    if (message == WM_DPICHANGED && g_tray.icon_added) {
        g_tray.icon = loadTrayIcon(g_tray.icon, g_tray.program->icon.path, window);
        setTrayIcon(window, g_tray.program->icon.id, g_tray.icon);
    }
    if (handleDpiMessage(window, message, wParam, lParam)) return 0;
    const bool quietSplash = !g_tray.program->splash.takes_focus;
    switch (message) {
        case WM_PAINT: paintSplash(window); return 0;
        case kTrayMessage: onTrayEvent(wParam, lParam); return 0;
        case kHotkeyMessage:
        case kEscMessage: g_tray.program->on_hotkey(hotkeyOfMessage(message, wParam, lParam)); return 0;
        case WM_MOUSEACTIVATE:
            if (quietSplash) return MA_NOACTIVATE;  // a click on the splash leaves the focus where it is
            break;
        case WM_CLOSE:
            if (!quietSplash) break;
            hideSplash();  // Alt+F4, or the system closing the window: the program lives on
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) != kCloseCommand) break;
            DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            removeProgramTrayIcon();
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool loadResourceText(int id, wchar_t (&text)[kResourceTextUnits]) {
    if (LoadStringW(g_tray.instance, static_cast<UINT>(id), text, kResourceTextUnits) > 0) return true;
    debugLog("Could not load string resource %i", id);
    return false;
}

bool registerClasses() {
    return loadResourceText(IDS_APP_TITLE, g_tray.title) && loadResourceText(IDS_WINDOW_CLASS, g_tray.class_name) &&
           registerWindowClass(g_tray.instance, g_tray.class_name, nullptr, mainWindowProc) &&
           registerSecondaryWindows(g_tray.instance, g_tray.program->secondary_class, g_tray.title,
                                    g_tray.program->heading_face, showProgramError);
}

// The main window, not shown yet. A splash that leaves the focus alone has no
// taskbar button either (Windows leaves it out for a tool window; Wine shows
// one all the same): clicking it would give the splash the focus.
bool makeMainWindow() {
    const TraySplash& splash = g_tray.program->splash;
    const DWORD exStyle = splash.takes_focus ? 0 : WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW;
    g_tray.window = createScaledWindow(exStyle, g_tray.class_name, g_tray.title, WS_POPUP, 0, 0, kSplashWidth,
                                       kSplashHeight, g_tray.instance);
    if (g_tray.window == nullptr) {
        debugLog("Could not create the main window");
        return false;
    }
    g_tray.taskbar_created = listenForTaskbarRestart(g_tray.window);
    return true;
}

bool showProgramSplash() {
    const TraySplash& splash = g_tray.program->splash;
    const std::string noFileLine = "Could not load the splash picture " + toUtf8(splash.path);
    return loadSplash(splash.path, noFileLine.c_str(), "Could not prepare the splash picture for drawing") &&
           showSplash(g_tray.window, kSplashMs, splash.takes_focus, splash.after_splash);
}

void shutdownProgram() {
    if (g_tray.program->release != nullptr) g_tray.program->release();
    releaseSecondaryWindows();
    removeProgramTrayIcon();
    releaseSplash();
    if (g_tray.window != nullptr && IsWindow(g_tray.window)) DestroyWindow(g_tray.window);
    g_tray.window = nullptr;
    if (g_tray.icon != nullptr) DestroyIcon(g_tray.icon);
    g_tray.icon = nullptr;
}

void CALLBACK onNoteTimer(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(0); }

// The life of the one running copy; see runTrayProgram.
int runOneCopy() {
    if (!registerClasses()) {
        showRunFailure();
        return 0;
    }
    int preparedExit = 0;
    if (!g_tray.program->prepare(preparedExit)) return preparedExit;
    int exitCode = 0;  // also when the windows cannot be made
    if (makeMainWindow() && showProgramSplash() && g_tray.program->start() && addProgramTrayIcon())
        exitCode = runMessageLoop(secondaryWindow);  // Tab works in the open secondary window
    else
        showRunFailure();
    shutdownProgram();
    return exitCode;
}

}  // namespace

int runTrayProgram(HINSTANCE instance, const TrayProgram& program) {
    loadDllsFromSystemFolderOnly();
    HANDLE mutex = nullptr;
    const bool besideACopy = program.beside_running_copy != nullptr && program.beside_running_copy();
    if (!besideACopy && anotherCopyRuns(program.mutex_name, mutex)) {
        sayAlreadyRunning(program.name);
        return 0;
    }
    g_tray.program = &program;
    g_tray.instance = instance;
    const int exitCode = runOneCopy();
    releaseSingleCopyGuard(mutex);
    return exitCode;
}

void showNoteUntilSeen(const std::wstring& note) {
    g_tray.note = note;
    if (makeMainWindow() && addProgramTrayIcon()) {
        if (SetTimer(nullptr, 0, kNoteMs, onNoteTimer) != 0)
            runMessageLoop(secondaryWindow);
        else
            debugLog("Could not start the timer of the note's balloon");
    }
    shutdownProgram();
}

HWND trayMainWindow() { return g_tray.window; }

void showProgramError(const wchar_t* text) {
    g_tray.error_shown = true;
    showFrontBox(programBoxWindows(), BoxKind::Error, L"Error", text);
}

void showRunFailure() {
    if (!g_tray.error_shown) showRunFailureBox(programBoxWindows());
}

void showTrayNote(const wchar_t* text) { showTitledTrayNote(g_tray.program->icon.tip, text); }

void showTitledTrayNote(const wchar_t* title, const wchar_t* text) {
    const UINT id = g_tray.program->icon.id;
    if (!g_tray.icon_added || showTrayBalloon(g_tray.window, id, title, text)) return;
    if (trayIconExists(g_tray.window, id)) {
        debugLog("Could not show a note at the notification area icon");
        return;
    }
    // The shell restarts: it asks for the icon again, and the note comes with it.
    g_tray.held_title = title;
    g_tray.held_note = text;
}

void setTrayIconTip(const wchar_t* tip) {
    g_tray.tip = tip;  // also the tip of an icon added again after a shell's restart
    if (g_tray.icon_added) setTrayTip(g_tray.window, g_tray.program->icon.id, tip);
}

bool trayIconShown() { return g_tray.icon_added; }

void quitProgram() { PostQuitMessage(0); }
