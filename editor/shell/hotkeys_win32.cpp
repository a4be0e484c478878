// The hotkeys and the commands they start. The keyboard hook (shared with the
// randomiser) posts each hotkey to the main window; the command runs from the
// message loop once the Ctrl key of its hotkey is released. While the
// randomiser runs, its hotkeys are the ones that count: the editor's rest.
#include <string>

#include "editor/clipboard_capture.h"
#include "editor/shell/rostrix_shell_win32.h"
#include "win32/keyboard_hook_win32.h"
#include "win32/single_copy_win32.h"

namespace {

constexpr UINT kRandomiserWatchMs = 1000;
const wchar_t* const kRestNote = L"Sortilane is running: Rostrix's hotkeys rest until it ends";

struct HotkeyState {
    bool rest_noted = false;   // the note was shown in this run of the randomiser
    UINT_PTR watch_timer = 0;  // looks for the end of that run
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
    captureClipboard(g_editor, editorPort(), readClipboardText(text) ? text.c_str() : nullptr);
}

void openInputWindowIn(InputMode mode) {
    g_editor.inputMode = mode;
    openInputWindow();
}

void runCommandNumber(int command) { runEditorCommand(static_cast<EditorCommand>(command)); }

// Once the randomiser run that was noted has ended, its next run gets a note
// of its own.
void CALLBACK onRandomiserWatch(HWND, UINT, UINT_PTR, DWORD) {
    if (programRuns(kSortilaneMutexName)) return;
    KillTimer(nullptr, g_hotkeys.watch_timer);
    g_hotkeys.watch_timer = 0;
    g_hotkeys.rest_noted = false;
}

// The first hotkey left alone in a run of the randomiser says why, once.
void noteRest() {
    if (g_hotkeys.rest_noted) return;
    g_hotkeys.rest_noted = true;
    showTrayNote(kRestNote);
    if (g_hotkeys.watch_timer == 0) g_hotkeys.watch_timer = SetTimer(nullptr, 0, kRandomiserWatchMs, onRandomiserWatch);
}

}  // namespace

bool installEditorHotkeys() { return installKeyboardHook(mainWindow(), kHookRenewalMs, nullptr); }

void handleHotkey(Hotkey hotkey) {
    const EditorCommand command = editorCommandOf(hotkey);
    if (command == EditorCommand::None) return;
    if (programRuns(kSortilaneMutexName)) {
        noteRest();
        return;
    }
    runOnceCtrlReleased(runCommandNumber, static_cast<int>(command));
}

void runEditorCommand(EditorCommand command) {
    switch (command) {
        case EditorCommand::CaptureClipboard: captureFromClipboard(); break;
        case EditorCommand::EnterNameAndRating: openInputWindowIn(InputMode::NameAndRating); break;
        case EditorCommand::EditRuleText: openRuleTextWindow(); break;
        case EditorCommand::EnterFmt: openInputWindowIn(InputMode::Fmt); break;
        case EditorCommand::EnterCounts: openInputWindowIn(InputMode::Counts); break;
        case EditorCommand::ShowDisplay: showLiveDisplay(); break;
        case EditorCommand::ShowTooltips: openTooltipWindow(); break;
        case EditorCommand::ResetPlayerData: runResetCommand(g_editor, editorPort()); break;
        case EditorCommand::Quit: PostQuitMessage(0); break;
        case EditorCommand::None: break;
    }
}
