// Entry point of Brenlow_Sortilane.exe, a tray program (see
// win32/tray_program_win32.h): the command line split into words, the
// generator seeded from the clock (or from the lobby's word, when the words
// give seed_word: the parser takes it) and the start-up computation shared with
// the native preview; then the splash, which never takes the focus from the
// game (a hotkey pressed while it shows types into the game), the keyboard
// hook and the tray icon, and the message loop until a quit. A run that
// records a result shows no splash, only the icon with its balloon, and runs
// whether or not a randomiser runs.
#include <ctime>
#include <iterator>
#include <string>
#include <vector>

#include "common/debug_log.h"
#include "common/text_convert.h"
#include "randomiser/shell/hotkeys_win32.h"
#include "randomiser/shell/overlord_windows_win32.h"
#include "randomiser/shell/sortilane_state_win32.h"
#include "randomiser/shell/swap_window_win32.h"
#include "randomiser/shell/tray_notes_win32.h"
#include "randomiser/shell/typing_port_win32.h"
#include "randomiser/startup/command_line.h"
#include "randomiser/startup/match_from_words.h"
#include "ratings/result_record.h"
#include "win32/keyboard_hook_win32.h"
#include "win32/single_copy_win32.h"
#include "win32/tray_program_win32.h"

#include <shellapi.h>  // after windows.h: CommandLineToArgvW

Randomiser g_randomiser;
std::vector<std::wstring> g_start_words;

namespace {

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
int recordResultRun() {
    const ResultNote note = recordResult(g_randomiser.options().record_result);
    if (!note.recorded) {
        debugLog("%s", toUtf8(note.text).c_str());
        showRunFailure();
        return 1;
    }
    showNoteUntilSeen(note.text);  // the result is recorded even when the note cannot be shown
    return 0;
}

// The match from the command line; a run that records a result ends here.
bool prepareMatch(int& exitCode) {
    exitCode = 1;
    std::vector<std::wstring> words;
    if (!commandLineWords(words)) {
        showProgramError(L"Unable to parse command line");
        return false;
    }
    g_start_words = words;
    if (!computeMatch(g_randomiser, static_cast<int64_t>(_time64(nullptr)), words)) {
        showRunFailure();
        return false;
    }
    if (g_randomiser.options().record_result == '\0') return true;
    exitCode = recordResultRun();
    return false;
}

// A run that records a result draws nothing and types nothing, so it
// records beside a randomiser that runs (which would otherwise turn it away
// as a second copy) and keeps no other from starting while its balloon shows.
bool recordsBesideARandomiser() {
    std::vector<std::wstring> words;
    return commandLineWords(words) && asksForResult(words);
}

// Without the hook (a debug line says why) the tray menu still works.
bool startHotkeys() {
    installKeyboardHook(trayMainWindow(), kHookRenewalMs, mayRenewHook);
    return true;
}

// While a sequence types, the menu would take the focus and the rest of the
// text with it: the click is ignored then.
bool menuMayOpen() { return !typingInProgress(); }

const TrayMenuRow kMenuRows[] = {
    {L"Exit", quitProgram},
    {L"Display Tooltips", openTooltips},
    {L"Credits", openCredits},
};

const TrayProgram kSortilane = {
    L"Brenlow Sortilane",
    kSortilaneMutexName,
    L"Brenlow Overlord",  // the class of the rule selection, tooltip and credits windows
    L"Arial",
    {L"./Images/randomiser_flash.bmp", false, showDrawNote},
    {110, L"./Brenlow_Sortilane.ico", L"Tamsel Sortilane", L"Quembe's Grinn", startBalloon},
    {kMenuRows, std::size(kMenuRows), swapMenuRows, chooseSwapMenuRow, menuMayOpen},
    prepareMatch,
    startHotkeys,
    handleHotkey,
    stopTyping,  // however the program ends, a report whose typing began is saved whole
    recordsBesideARandomiser,
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) { return runTrayProgram(instance, kSortilane); }
