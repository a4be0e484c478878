// What the randomiser says at its tray icon: the balloon of the start, and
// once the splash has gone the draw: the teams, the map and the spread in a
// balloon, the seed and the spread in the tip, for the host to see before the
// chat does. What they say is decided in randomiser/output/ (run_notes.h,
// draw_note.h); here the shell hands in what it knows of the system.
#include "randomiser/shell/tray_notes_win32.h"

#include "common/text_convert.h"
#include "randomiser/output/draw_note.h"
#include "randomiser/output/run_notes.h"
#include "randomiser/shell/sortilane_state_win32.h"
#include "win32/single_copy_win32.h"
#include "win32/tray_program_win32.h"

namespace {

RunFacts runFacts() {
    RunFacts facts;
    facts.editor_runs = programRuns(kRostrixMutexName);
    return facts;
}

}  // namespace

std::wstring startBalloon() { return startBalloonText(g_randomiser, runFacts()); }

void showDrawNote() {
    if (!trayIconShown() || !showsDrawBalloon(g_randomiser)) return;
    // The run's notes stay: the draw's balloon takes the place of the start's.
    const std::wstring text = drawBalloonText(g_randomiser, runNotes(g_randomiser, runFacts()), kBalloonUnits);
    showTitledTrayNote(drawBalloonTitle(g_randomiser).c_str(), text.c_str());
    setTrayIconTip(drawTooltipText(g_randomiser).c_str());
}
