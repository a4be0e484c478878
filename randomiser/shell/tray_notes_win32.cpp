// What the randomiser says at its tray icon: the balloon of the start (the
// mode of the run and what the host must know of it), and once the splash
// has gone the draw: the teams, the map and the spread in a balloon, the seed
// and the spread in the tip, for the host to see before the chat does.
#include "randomiser/shell/tray_notes_win32.h"

#include "randomiser/allocation/fair_teams.h"
#include "randomiser/output/draw_note.h"
#include "randomiser/output/report.h"
#include "randomiser/shell/sortilane_state_win32.h"
#include "win32/single_copy_win32.h"
#include "win32/tray_program_win32.h"
#include "win32/window_helpers_win32.h"

namespace {

// What the host must know of this run beside the draw, a line each (each
// line begins with a line feed).
std::wstring runNotes() {
    std::wstring notes;
    // open_chat opens the chat itself: in a chat left open its first Enter
    // would send an empty message, and the lines would reach the game as keys.
    if (g_randomiser.options().open_chat != 0) notes += L"\nopen_chat: close the chat: Ctrl+1 opens it for each line";
    // The editor leaves its hotkeys alone while the randomiser runs.
    if (programRuns(kRostrixMutexName)) notes += L"\nRostrix's hotkeys rest until Sortilane ends";
    // The history may have rated a player the file marks unrated, may not
    // know a player yet, and may hold lines that read as no match.
    const bool learned = g_randomiser.options().learned_ratings != 0;
    for (const std::wstring& note :
         {unratedPlayersNote(g_randomiser.players), learnedPlayersNote(g_randomiser.players, g_randomiser.history),
          newPlayersTonightNote(g_randomiser.players, g_randomiser.history, learned),
          skippedLinesNote(g_randomiser.history)}) {
        if (!note.empty()) notes += L"\n" + note;
    }
    // fair_teams could not bring the teams close: the host may change the groups before typing.
    const std::wstring unfair = unfairTeamsNote(g_randomiser);
    if (!unfair.empty()) notes += L"\n" + unfair;
    return notes;
}

// A run that computed a match, rather than one that reposts or validates.
bool hasDraw() { return !g_randomiser.options().repost_only && !g_randomiser.options().validate_only; }

}  // namespace

std::wstring startBalloon() {
    // The repost mode waits for Ctrl+1 before it types the saved result; a
    // validate run that got this far found the files and the words fine.
    std::wstring balloon = L"Sortilane.\nCross-Game Usage";
    if (g_randomiser.options().repost_only != 0)
        balloon = L"Sortilane: repost.\nCtrl+1 types the saved result (data.txt), Esc twice quits";
    else if (g_randomiser.options().validate_only != 0)
        balloon = L"Sortilane: validate.\nFiles and words are fine";
    return balloon + runNotes();
}

void showDrawNote() {
    if (!trayIconShown() || !hasDraw()) return;
    // The run's notes stay: the draw's balloon takes the place of the start's.
    const std::wstring text = drawBalloonText(g_randomiser, runNotes(), kBalloonUnits);
    showTitledTrayNote(drawBalloonTitle(g_randomiser).c_str(), text.c_str());
    setTrayIconTip(drawTooltipText(g_randomiser).c_str());
}
