// Entry point of Brenlow_Rostrix.exe, a tray program (see
// win32/tray_program_win32.h): PlayerData.txt made ready; the splash, which
// takes the focus, since the host started the editor; the live display, the
// keyboard hook and the tray icon, whose menu adds a row for each result the
// last match in Results.txt may get, and a timer that shows the learned
// ratings again whenever Results.txt changes; then the message loop until a
// quit, and the orderly shutdown.
#include <windows.h>

#include <iterator>
#include <vector>

#include "common/debug_log.h"
#include "editor/player_data.h"
#include "editor/result_menu.h"
#include "editor/shell/editor_port_win32.h"
#include "editor/shell/evening_report_win32.h"
#include "editor/shell/hotkeys_win32.h"
#include "editor/shell/info_windows_win32.h"
#include "editor/shell/input_windows_win32.h"
#include "editor/shell/live_display_win32.h"
#include "win32/secondary_window_win32.h"
#include "win32/single_copy_win32.h"
#include "win32/tray_program_win32.h"

namespace {

std::vector<ResultMenuRow> g_resultRows;  // as the tray menu shows them

constexpr UINT kResultsWatchMs = 1000;

// Results.txt as last seen: whether it was there, its size and its last write.
struct ResultsStamp {
    bool present = false;
    ULONGLONG size = 0;
    ULONGLONG written = 0;
};

ResultsStamp g_resultsSeen;

ResultsStamp resultsStamp() {
    ResultsStamp stamp;
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!GetFileAttributesExW(L"Results.txt", GetFileExInfoStandard, &data)) return stamp;
    stamp.present = true;
    stamp.size = (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    stamp.written =
        (static_cast<ULONGLONG>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
    return stamp;
}

// Once a second: when Results.txt changed (a result recorded from the menu
// or a .bat, a line edited by hand), the live display shows what it teaches now.
void CALLBACK onResultsWatch(HWND, UINT, UINT_PTR, DWORD) {
    const ResultsStamp stamp = resultsStamp();
    if (stamp.present == g_resultsSeen.present && stamp.size == g_resultsSeen.size &&
        stamp.written == g_resultsSeen.written)
        return;
    g_resultsSeen = stamp;
    refreshDisplay(g_editor, editorPort());
}

// PlayerData.txt read, or made with the default players when missing; a file
// that cannot be read ends the editor with 0 once the failure box is closed.
bool preparePlayerData(int& exitCode) {
    exitCode = 0;
    if (setupPlayerData(g_editor, editorPort())) return true;
    debugLog("Could not make PlayerData.txt ready");
    showRunFailure();
    return false;
}

// The live display, hidden, with the file's contents, and the hotkeys.
bool startEditor() {
    if (!createLiveDisplay()) {
        showProgramError(L"Creating FeebackDisplay See Debugging");
        return false;
    }
    refreshDisplay(g_editor, editorPort());
    g_resultsSeen = resultsStamp();
    if (SetTimer(nullptr, 0, kResultsWatchMs, onResultsWatch) == 0)
        debugLog("Could not start the timer that watches Results.txt");
    return installEditorHotkeys();
}

// Once the splash has gone: the live display and the input window come, or
// the window a hotkey opened meanwhile comes to the front again.
void afterSplash() {
    runEditorCommand(EditorCommand::ShowDisplay);
    if (secondaryWindow() != nullptr) {
        presentSecondaryWindow();
        focusFirstField();
    } else {
        runEditorCommand(EditorCommand::EnterNameAndRating);
    }
}

void showModifications() { runEditorCommand(EditorCommand::ShowDisplay); }

// The result rows follow the last match of Results.txt as it is now: the
// host may have played, or edited the file, since the menu last opened.
std::vector<AddedMenuRow> resultRows() {
    g_resultRows = resultMenuRows(readLastMatch());
    std::vector<AddedMenuRow> rows;
    for (const ResultMenuRow& row : g_resultRows) rows.push_back({row.text, row.checked});
    return rows;
}

void chooseResultRow(size_t row) { recordResultFromMenu(editorPort(), g_resultRows[row].result); }

std::wstring startBalloon() { return L"Pick Player Name & Ratings.\nPlus set additional stuff"; }

void releaseEditor() {
    releaseRuleTextBackground();
    g_editor.script.reset();
    destroyLiveDisplay();
}

const TrayMenuRow kMenuRows[] = {
    {L"Exit", quitProgram},
    {L"Display Tooltips", openTooltips},
    {L"Credits", openCredits},
    {L"Modifications Made", showModifications},
    {L"Evening report", openEveningReport},
};

const TrayProgram kRostrix = {
    L"Brenlow Rostrix",
    kRostrixMutexName,
    L"I am the Overlord! (Rostrix)",  // the class of the input, rule text, tooltip and credits windows
    L"New Times Roman",
    {L"./Images/rostrix_flash.bmp", true, afterSplash},
    {201, L"./Brenlow_Rostrix.ico", L"Brenlow Rostrix", L"Dastrel's Brenlow Grinn", startBalloon},
    {kMenuRows, std::size(kMenuRows), resultRows, chooseResultRow},
    preparePlayerData,
    startEditor,
    handleHotkey,
    releaseEditor,
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) { return runTrayProgram(instance, kRostrix); }
