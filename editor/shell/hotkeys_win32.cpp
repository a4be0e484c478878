// The hotkeys and the commands they start. The keyboard hook (shared with the
// randomiser) posts each hotkey to the main window; the command runs from the
// message loop once the Ctrl key of its hotkey is released. While the
// randomiser runs, its hotkeys are the ones that count: the editor's rest.
// They rest too while another program's full-screen window is in front: a
// game's control groups are Ctrl+digits, and no editor window may come up
// over the game or take its focus.
#include "editor/shell/hotkeys_win32.h"

#include <windows.h>

#include <string>

#include "common/debug_log.h"
#include "common/esc_quit.h"
#include "editor/clipboard_capture.h"
#include "editor/full_screen.h"
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
const wchar_t* const kRestNote = L"Sortilane is running: Rostrix's hotkeys rest until it ends";
const wchar_t* const kAwakeNote = L"Sortilane has ended: Rostrix's hotkeys work again";
const wchar_t* const kFullScreenNote = L"A full-screen game is in front: Rostrix's hotkeys rest";

struct HotkeyState {
    bool randomiser_seen = false;    // the randomiser ran at the last look
    bool rest_noted = false;         // the rest note was shown in this run of the randomiser
    bool full_screen_noted = false;  // the full-screen note was shown since such a window came in front
    EscLatch esc;                    // the first Esc, that asked for another
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

// Decided when the command would run, once Ctrl is released: the first
// command left alone while a full-screen game is in front says why, once
// until the game leaves the front.
void runCommandNumber(int command) {
    if (fullScreenGameInFront()) {
        if (!g_hotkeys.full_screen_noted) showTrayNote(kFullScreenNote);
        g_hotkeys.full_screen_noted = true;
        return;
    }
    runEditorCommand(static_cast<EditorCommand>(command));
}

// Looks twice a second whether a full-screen game is still in front (its
// note is shown again in its next stretch) and whether the randomiser runs. When a run of it ends,
// however it ends, the editor's hook is installed anew, the host is told
// that the editor's hotkeys work again, and the next run gets a rest note of
// its own. The randomiser's hook came first in line; under Wine the hooks
// behind one whose program has ended were seen to get no key until they
// were installed again, up to a renewal period later.
void CALLBACK onRandomiserWatch(HWND, UINT, UINT_PTR, DWORD) {
    if (!fullScreenGameInFront()) g_hotkeys.full_screen_noted = false;
    const bool runs = programRuns(kSortilaneMutexName);
    if (g_hotkeys.randomiser_seen && !runs) {
        renewKeyboardHook();
        g_hotkeys.rest_noted = false;
        showTrayNote(kAwakeNote);
    }
    g_hotkeys.randomiser_seen = runs;
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

// The first hotkey left alone in a run of the randomiser says why, once.
void noteRest() {
    if (g_hotkeys.rest_noted) return;
    g_hotkeys.rest_noted = true;
    showTrayNote(kRestNote);
}

}  // namespace

bool installEditorHotkeys() {
    g_hotkeys.randomiser_seen = programRuns(kSortilaneMutexName);
    if (SetTimer(nullptr, 0, kRandomiserWatchMs, onRandomiserWatch) == 0)
        debugLog("Could not start the timer that looks for the randomiser");
    return installKeyboardHook(trayMainWindow(), kHookRenewalMs, nullptr);
}

void handleHotkey(Hotkey hotkey) {
    const EditorCommand command = editorCommandOf(hotkey);
    if (command == EditorCommand::None && !hotkey.esc) return;
    if (programRuns(kSortilaneMutexName)) {
        noteRest();
        return;
    }
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
