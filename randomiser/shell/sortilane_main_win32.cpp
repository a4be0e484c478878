// Entry point of Brenlow_Sortilane.exe: one running copy, the command line
// split into words, the generator seeded from the clock and the start-up
// computation shared with the native preview; then the windows, the tray icon
// and the keyboard hook, and the message loop until a quit.
#include <ctime>
#include <string>
#include <vector>

#include "common/debug_log.h"
#include "common/text_convert.h"
#include "ratings/result_record.h"
#include "win32/front_box_win32.h"
#include "win32/secondary_window_win32.h"
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

// "result N": records it and shows what happened in the tray icon's balloon
// while the balloon shows (exit code 0), or why nothing was recorded in the
// error box (exit code 1). No splash, no hotkeys.
int recordResultRun(HINSTANCE instance, const wchar_t* className, const wchar_t* title) {
    const ResultNote note = recordResult(g_randomiser.options.record_result);
    if (!note.recorded) {
        debugLog("%s", toUtf8(note.text).c_str());
        showRunFailureBox(BoxWindows{});
        return 1;
    }
    // The result is recorded even when the note cannot be shown.
    if (showResultNote(instance, className, title, note.text)) runMessageLoop(secondaryWindow);
    shutdown();
    return 0;
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
        showFrontBox(BoxWindows{}, BoxKind::Error, L"Error", L"Unable to parse command line");
        releaseSingleCopyGuard(mutex);
        return 1;
    }
    g_start_words = words;
    if (!computeMatch(g_randomiser, static_cast<int64_t>(_time64(nullptr)), words)) {
        showRunFailureBox(BoxWindows{});
        releaseSingleCopyGuard(mutex);
        return 1;
    }

    wchar_t title[kResourceTextUnits] = {};
    wchar_t className[kResourceTextUnits] = {};
    LoadStringW(instance, kTitleResource, title, kResourceTextUnits);
    LoadStringW(instance, kClassResource, className, kResourceTextUnits);
    registerWindowClass(instance, className, title, mainWindowProcedure());
    registerSecondaryWindows(instance, kOverlordClass, kProgramTitle, L"Arial", showError);

    resetWindowState();
    if (g_randomiser.options.record_result != '\0') {
        const int exitCode = recordResultRun(instance, className, title);
        releaseSingleCopyGuard(mutex);
        return exitCode;
    }
    if (!createMainWindow(instance, className, title)) {
        showRunFailureBox(boxWindows());
        releaseSingleCopyGuard(mutex);
        return 0;
    }

    const int exitCode = runMessageLoop(secondaryWindow);  // Tab works in the open overlord window
    stopTyping();  // however the program ends, a report whose typing began is saved whole
    shutdown();
    releaseSingleCopyGuard(mutex);
    return exitCode;
}
