// The hotkeys and the commands they start. The keyboard hook (shared with the
// randomiser) posts each hotkey to the main window; the command runs from the
// message loop once the Ctrl key of its hotkey is released. When the hotkeys
// rest, and which note says so, editor/hotkey_rest.h decides; here the shell
// looks at the system.
#include "editor/shell/hotkeys_win32.h"

#include <windows.h>

#include <string>

#include "common/debug_log.h"
#include "common/esc_quit.h"
#include "editor/clipboard_capture.h"
#include "editor/full_screen.h"
#include "editor/hotkey_rest.h"
#include "editor/player_data.h"
#include "editor/shell/editor_port_win32.h"
#include "editor/shell/info_windows_win32.h"
#include "editor/shell/input_windows_win32.h"
#include "editor/shell/live_display_win32.h"
#include "ratings/learned_note.h"
#include "win32/keyboard_hook_win32.h"
#include "win32/single_copy_win32.h"
#include "win32/tray_program_win32.h"

namespace {

constexpr UINT kRandomiserWatchMs = 500;
struct HotkeyState {
    HotkeyRest rest;
    EscLatch esc;  // the first Esc, that asked for another
};

HotkeyState g_hotkeys;

// The clipboard's text, at most one unit more than the capture reads, so that
// it can say when there was more. False when the clipboard holds no text or
// cannot be read.
bool readClipboardText(std::wstring& text) {
    if (!OpenClipboard(GetActiveWindow())) return false;
    bool read = false;
    HANDLE data = IsClipboardFormatAvailable(CF_UNICODETEXT) ? GetClipboardData(CF_UNICODETEXT) : nullptr;
    const wchar_t* units = data != nullptr ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
    if (units != nullptr) {
        // The data need not be terminated: never read past its size.
        const size_t size = GlobalSize(data) / sizeof(wchar_t);
        size_t length = 0;
        while (length < size && length <= kClipboardChars && units[length] != L'\0') ++length;
        text.assign(units, length);
        GlobalUnlock(data);
        read = true;
    }
    CloseClipboard();
    return read;
}

void captureFromClipboard() {
    std::wstring text;
    captureClipboard(g_editor, editorPort(), readClipboardText(text) ? text.c_str() : nullptr, resultsFileText());
}

ScreenRect screenRect(const RECT& rect) { return ScreenRect{rect.left, rect.top, rect.right, rect.bottom}; }

// Whether the foreground window is another program's (not the desktop's)
// and covers its whole monitor.
bool fullScreenGameInFront() {
    HWND front = GetForegroundWindow();
    DWORD process = 0;
    if (front == nullptr || front == GetDesktopWindow() || front == GetShellWindow() ||
        GetWindowThreadProcessId(front, &process) == 0 || process == GetCurrentProcessId())
        return false;
    RECT place = {};
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    return GetWindowRect(front, &place) &&
           GetMonitorInfoW(MonitorFromWindow(front, MONITOR_DEFAULTTONEAREST), &monitor) &&
           coversMonitor(screenRect(place), screenRect(monitor.rcMonitor));
}

// Shows the step's note and says whether it goes on.
bool followRestStep(const RestStep& step) {
    if (step.renew_hook) renewKeyboardHook();
    if (step.note != nullptr) showTrayNote(step.note);
    return step.go_on;
}

// Decided when the command would run, once Ctrl is released.
void runCommandNumber(int command) {
    if (followRestStep(onCommandDue(g_hotkeys.rest, fullScreenGameInFront())))
        runEditorCommand(static_cast<EditorCommand>(command));
}

// Looks twice a second whether a full-screen game is still in front and
// whether the randomiser runs.
void CALLBACK onRandomiserWatch(HWND, UINT, UINT_PTR, DWORD) {
    followRestStep(onRestWatch(g_hotkeys.rest, programRuns(kSortilaneMutexName), fullScreenGameInFront()));
}

// Esc quits when pressed twice within a second (a game closes its chat with
// it); the first press says so. The editor types nothing, and an Esc in one
// of its own windows counts as one in the game.
void handleEsc(uint32_t timeMs) {
    EscMoment moment;
    moment.time_ms = timeMs;
    if (onEscPress(g_hotkeys.esc, moment) == EscAction::Quit)
        PostQuitMessage(0);
    else
        showTrayNote(L"Press Esc again to quit Rostrix");
}

}  // namespace

bool installEditorHotkeys() {
    g_hotkeys.rest = restAtStart(programRuns(kSortilaneMutexName));
    if (SetTimer(nullptr, 0, kRandomiserWatchMs, onRandomiserWatch) == 0)
        debugLog("Could not start the timer that looks for the randomiser");
    return installKeyboardHook(trayMainWindow(), kHookRenewalMs, nullptr);
}

void handleHotkey(Hotkey hotkey) {
    const EditorCommand command = editorCommandOf(hotkey);
    if (command == EditorCommand::None && !hotkey.esc) return;
    if (!followRestStep(onEditorHotkey(g_hotkeys.rest, programRuns(kSortilaneMutexName)))) return;
    if (hotkey.esc)
        handleEsc(hotkey.esc_time_ms);
    else
        runOnceCtrlReleased(runCommandNumber, static_cast<int>(command));
}

void runEditorCommand(EditorCommand command) {
    switch (command) {
        case EditorCommand::CaptureClipboard: captureFromClipboard(); break;
        case EditorCommand::EnterNameAndRating: openInputWindow(InputMode::NameAndRating); break;
        case EditorCommand::EditRuleText: openRuleTextWindow(); break;
        case EditorCommand::EnterFmt: openInputWindow(InputMode::Fmt); break;
        case EditorCommand::EnterCounts: openInputWindow(InputMode::Counts); break;
        case EditorCommand::ShowDisplay:
            refreshDisplay(g_editor, editorPort());  // what the file holds now, whoever changed it
            showLiveDisplay();
            break;
        case EditorCommand::ShowTooltips: openTooltips(); break;
        case EditorCommand::ResetPlayerData: runResetCommand(g_editor, editorPort()); break;
        case EditorCommand::Quit: PostQuitMessage(0); break;
        case EditorCommand::None: break;
    }
}
