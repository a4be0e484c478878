// Entry point of Brenlow_Sortilane.exe: one running copy, the command line
// split into words, the generator seeded from the clock and the start-up
// computation shared with the native preview; then the windows, the tray icon
// and the keyboard hook, and the message loop until a quit.
#include <ctime>
#include <string>
#include <vector>

#include "win32/error_box_win32.h"
#include "win32/single_copy_win32.h"
#include "win32/window_helpers_win32.h"
#include "randomiser/shell/shell_win32.h"

#include <shellapi.h>
#include "randomiser/startup/match_from_words.h"
#include "resources/resource_ids.h"

Randomiser g_randomiser;
std::vector<std::wstring> g_start_words;

namespace {

constexpr int kTitleResource = IDS_APP_TITLE;
constexpr int kClassResource = IDS_WINDOW_CLASS;
constexpr int kResourceTextUnits = 100;

// The command line as words; false when the system cannot split it.
bool commandLineWords(std::vector<std::wstring>& words) {
    int count = 0;
    LPWSTR* list = CommandLineToArgvW(GetCommandLineW(), &count);
    if (list == nullptr) return false;
    words.assign(list, list + count);
    LocalFree(list);
    return true;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    loadDllsFromSystemFolderOnly();
    HANDLE mutex = nullptr;
    if (anotherCopyRuns(kSortilaneMutexName, mutex)) {
        sayAlreadyRunning(L"Brenlow Sortilane");
        return 0;
    }

    std::vector<std::wstring> words;
    if (!commandLineWords(words)) {
        MessageBoxW(nullptr, L"Unable to parse command line", L"Error", MB_OK);
        releaseSingleCopyGuard(mutex);
        return 1;
    }
    g_start_words = words;
    if (!computeMatch(g_randomiser, static_cast<int64_t>(_time64(nullptr)), words)) {
        showRunFailureBox(nullptr);
        releaseSingleCopyGuard(mutex);
        return 1;
    }

    wchar_t title[kResourceTextUnits] = {};
    wchar_t className[kResourceTextUnits] = {};
    LoadStringW(instance, kTitleResource, title, kResourceTextUnits);
    LoadStringW(instance, kClassResource, className, kResourceTextUnits);
    registerWindowClass(instance, className, title, mainWindowProcedure());
    registerWindowClass(instance, kOverlordClass, kProgramTitle, overlordWindowProc);

    resetWindowState();
    if (!createMainWindow(instance, className, title)) {
        showRunFailureBox(mainWindow());
        releaseSingleCopyGuard(mutex);
        return 0;
    }

    const int exitCode = runMessageLoop(overlordWindow);  // Tab works in the open overlord window
    stopTyping();  // however the program ends, a report whose typing began is saved whole
    shutdown();
    releaseSingleCopyGuard(mutex);
    return exitCode;
}
