// Entry point of Brenlow_Rostrix.exe: one running copy, PlayerData.txt made
// ready, the splash, the live display, the keyboard hook and the tray icon;
// then the message loop until a quit, and the orderly shutdown.
#include "common/debug_log.h"
#include "editor/player_data.h"
#include "editor/shell/rostrix_shell_win32.h"

EditorState g_editor;

namespace {

const wchar_t* const kMutexName = L"Global\\Dastrel's, Brenlow: Rostrix{5d2c81e4-7a3b-4f19-9c60-2be8d14f7a03}";
constexpr int kTitleResource = 103;
constexpr int kClassResource = 109;
constexpr int kResourceTextUnits = 100;

// The error box is owned by the main window, which is made active first;
// before the main window exists the box has no owner.
class WindowsEditorShell : public EditorShell {
public:
    void showErrorBox(const wchar_t* text) override {
        HWND owner = mainWindow();
        if (owner != nullptr) SetForegroundWindow(owner);
        MessageBoxW(owner, text, L"Error", MB_OK);
    }

    void setDisplayText(const wchar_t* text) override { setLiveDisplayText(text); }
};

WindowsEditorShell g_windowsShell;

bool loadResourceText(HINSTANCE instance, int id, wchar_t (&text)[kResourceTextUnits]) {
    if (LoadStringW(instance, static_cast<UINT>(id), text, kResourceTextUnits) > 0) return true;
    debugLog("Could not load string resource %i", id);
    return false;
}

// The start-up steps after the mutex, in order; the first that fails ends
// the program.
bool startEditor(HINSTANCE instance) {
    wchar_t title[kResourceTextUnits] = {};
    wchar_t className[kResourceTextUnits] = {};
    if (!loadResourceText(instance, kTitleResource, title) || !loadResourceText(instance, kClassResource, className))
        return false;
    if (!registerWindowClasses(instance, className)) return false;
    if (!setupPlayerData(g_editor, g_windowsShell)) {
        debugLog("Could not make PlayerData.txt ready");
        return false;
    }
    if (!createMainWindow(instance, className, title) || !loadSplashPicture()) return false;
    showSplash();
    if (!startSplashTimer()) return false;
    if (!createLiveDisplay(instance)) {
        g_windowsShell.showErrorBox(L"Creating FeebackDisplay See Debugging");
        return false;
    }
    return installKeyboardHook() && addTrayIcon();
}

// Fetches messages until the quit request and returns its code. Tab moves
// between the fields of the open shared window.
int runMessageLoop() {
    MSG message = {};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        HWND shared = sharedWindow();
        if (shared != nullptr && IsDialogMessageW(shared, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

void shutdownEditor() {
    releaseSharedWindow();
    g_editor.script.reset();
    removeTrayIcon();
    releaseSplash();
    destroyLiveDisplay();
    releaseHeadingFont();
    releaseDisplayFonts();
}

}  // namespace

EditorShell& editorShell() { return g_windowsShell; }

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // A copy started by another user (or elevated differently) holds the
    // mutex where this one may not open it: that is a running copy too.
    HANDLE mutex = CreateMutexW(nullptr, FALSE, kMutexName);
    const DWORD mutexError = GetLastError();
    if (mutexError == ERROR_ALREADY_EXISTS || (mutex == nullptr && mutexError == ERROR_ACCESS_DENIED)) {
        if (mutex != nullptr) CloseHandle(mutex);
        return 0;
    }
    if (mutex == nullptr) {
        debugLog("Could not create the single-instance mutex (error %lu)", mutexError);
        return 0;
    }
    int exitCode = 0;
    if (startEditor(instance)) {
        exitCode = runMessageLoop();
        shutdownEditor();
    }
    CloseHandle(mutex);
    return exitCode;
}
