// The system-wide keyboard hook and the commands it starts. The hook only
// asks the portable latch what a key-down means and posts the command to the
// main window; the command runs from the message loop, so the hook returns at
// once and every key goes on to the next hook.
#include <vector>

#include "common/debug_log.h"
#include "editor/clipboard_capture.h"
#include "editor/shell/rostrix_shell_win32.h"

namespace {

struct HookState {
    HHOOK hook = nullptr;
    CtrlLatch latch;
    std::vector<EditorCommand> pendingCommands;  // run by the command timer
    UINT_PTR commandTimer = 0;
};

HookState g_hooks;

LRESULT CALLBACK keyboardHook(int code, WPARAM message, LPARAM data) {
    if (code == HC_ACTION && (message == WM_KEYDOWN || message == WM_SYSKEYDOWN)) {
        const unsigned virtualKey = reinterpret_cast<const KBDLLHOOKSTRUCT*>(data)->vkCode;
        const EditorCommand command = onEditorKeyDown(g_hooks.latch, classifyKey(virtualKey));
        if (command != EditorCommand::None)
            PostMessageW(mainWindow(), kHotkeyMessage, static_cast<WPARAM>(command), 0);
    }
    return CallNextHookEx(g_hooks.hook, code, message, data);
}

// Copies at most the first kClipboardChars characters of the clipboard's
// text into buffer. False when the clipboard holds no text or cannot be read.
bool readClipboardText(wchar_t (&buffer)[kClipboardChars + 1]) {
    if (!OpenClipboard(GetActiveWindow())) return false;
    bool read = false;
    HANDLE data = IsClipboardFormatAvailable(CF_UNICODETEXT) ? GetClipboardData(CF_UNICODETEXT) : nullptr;
    const wchar_t* text = data != nullptr ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
    if (text != nullptr) {
        // The data need not be terminated: never read past its size.
        const size_t units = GlobalSize(data) / sizeof(wchar_t);
        size_t i = 0;
        for (; i < units && i < kClipboardChars && text[i] != L'\0'; ++i) buffer[i] = text[i];
        buffer[i] = L'\0';
        GlobalUnlock(data);
        read = true;
    }
    CloseClipboard();
    return read;
}

void captureFromClipboard() {
    wchar_t text[kClipboardChars + 1];
    captureClipboard(g_editor, editorShell(), readClipboardText(text) ? text : nullptr);
}

void openInputWindowIn(InputMode mode) {
    g_editor.inputMode = mode;
    openInputWindow();
}

void CALLBACK onCommandTimer(HWND, UINT, UINT_PTR, DWORD) {
    KillTimer(nullptr, g_hooks.commandTimer);
    g_hooks.commandTimer = 0;
    std::vector<EditorCommand> commands;
    commands.swap(g_hooks.pendingCommands);
    for (EditorCommand command : commands) runEditorCommand(command);
}

}  // namespace

// The key that fired a command is still on its way to the focused window
// when the hook's message arrives. A window the command opens takes the
// focus, and the digit would land in its first field; so the command waits
// for a timer, which comes only after the pending keyboard input is handled.
void queueEditorCommand(EditorCommand command) {
    g_hooks.pendingCommands.push_back(command);
    if (g_hooks.commandTimer == 0) g_hooks.commandTimer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, onCommandTimer);
    if (g_hooks.commandTimer == 0) {
        debugLog("Could not start the command timer");
        onCommandTimer(nullptr, 0, 0, 0);
    }
}

bool installKeyboardHook() {
    g_hooks.hook = SetWindowsHookExW(WH_KEYBOARD_LL, keyboardHook, GetModuleHandleW(nullptr), 0);
    if (g_hooks.hook == nullptr) debugLog("Could not install the keyboard hook");
    return g_hooks.hook != nullptr;
}

void runEditorCommand(EditorCommand command) {
    switch (command) {
        case EditorCommand::CaptureClipboard:
            captureFromClipboard();
            break;
        case EditorCommand::EnterNameAndRating:
            openInputWindowIn(InputMode::NameAndRating);
            break;
        case EditorCommand::EditRuleText:
            openRuleTextWindow();
            break;
        case EditorCommand::EnterFmt:
            openInputWindowIn(InputMode::Fmt);
            break;
        case EditorCommand::EnterCounts:
            openInputWindowIn(InputMode::Counts);
            break;
        case EditorCommand::ShowDisplay:
            showLiveDisplay();
            break;
        case EditorCommand::ShowTooltips:
            openTooltipWindow();
            break;
        case EditorCommand::ResetPlayerData:
            runResetCommand(g_editor, editorShell());
            break;
        case EditorCommand::Quit:
            PostQuitMessage(0);
            break;
        case EditorCommand::None:
            break;
    }
}
