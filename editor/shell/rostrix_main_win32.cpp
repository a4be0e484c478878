// Entry point of Brenlow_Rostrix.exe: one running copy, PlayerData.txt made
// ready, the splash, the live display, the keyboard hook and the tray icon;
// then the message loop until a quit, and the orderly shutdown.
#include "common/debug_log.h"
#include "win32/front_box_win32.h"
#include "win32/secondary_window_win32.h"
#include "win32/single_copy_win32.h"
#include "win32/splash_win32.h"
#include "win32/window_helpers_win32.h"
#include "editor/player_data.h"
#include "editor/shell/rostrix_shell_win32.h"
#include "resources/resource_ids.h"

EditorState g_editor;

namespace {

constexpr int kTitleResource = IDS_APP_TITLE;
constexpr int kClassResource = IDS_WINDOW_CLASS;
constexpr int kResourceTextUnits = 100;

// The error box comes up in front of every window, with the focus, through
// showFrontBox: owned by the shown overlord window, so that it makes no
// second box until the box is closed, else by the main window.
class WindowsEditorPort : public EditorPort {
public:
    bool boxShown = false;  // a start that fails after an error box needs no second one

    void showErrorBox(const wchar_t* text) override {
        boxShown = true;
        showFrontBox(boxWindows(), BoxKind::Error, L"Error", text);
    }

    void setDisplayText(const wchar_t* text) override { setLiveDisplayText(text); }

    void showNote(const wchar_t* text) override { showTrayNote(text); }
};

WindowsEditorPort g_windowsPort;

bool loadResourceText(HINSTANCE instance, int id, wchar_t (&text)[kResourceTextUnits]) {
    if (LoadStringW(instance, static_cast<UINT>(id), text, kResourceTextUnits) > 0) return true;
    debugLog("Could not load string resource %i", id);
    return false;
}

// The start-up steps after the mutex, in order; the first that fails ends
// the program (the caller shows why).
bool startEditor(HINSTANCE instance) {
    wchar_t title[kResourceTextUnits] = {};
    wchar_t className[kResourceTextUnits] = {};
    if (!loadResourceText(instance, kTitleResource, title) || !loadResourceText(instance, kClassResource, className))
        return false;
    if (!registerWindowClasses(instance, className)) return false;
    if (!setupPlayerData(g_editor, g_windowsPort)) {
        debugLog("Could not make PlayerData.txt ready");
        return false;
    }
    if (!createMainWindow(instance, className, title) || !showEditorSplash()) return false;
    if (!createLiveDisplay(instance)) {
        g_windowsPort.showErrorBox(L"Creating FeebackDisplay See Debugging");
        return false;
    }
    return installEditorHotkeys() && addRostrixTrayIcon();
}

void shutdownEditor() {
    releaseSecondaryWindows();
    releaseRuleTextBackground();
    g_editor.script.reset();
    removeRostrixTrayIcon();
    releaseSplash();
    destroyLiveDisplay();
    releaseDisplayFonts();
}

}  // namespace

EditorPort& editorPort() { return g_windowsPort; }

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    loadDllsFromSystemFolderOnly();
    HANDLE mutex = nullptr;
    if (anotherCopyRuns(kRostrixMutexName, mutex)) {
        sayAlreadyRunning(L"Brenlow Rostrix");
        return 0;
    }
    int exitCode = 0;
    if (startEditor(instance)) {
        exitCode = runMessageLoop(secondaryWindow);  // Tab moves between the fields of the open overlord window
        shutdownEditor();
    } else if (!g_windowsPort.boxShown) {
        showRunFailureBox(boxWindows());  // this run's debug lines and where debug.txt is
    }
    releaseSingleCopyGuard(mutex);
    return exitCode;
}
