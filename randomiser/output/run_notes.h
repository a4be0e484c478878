#pragma once
#include <string>

#include "randomiser/state/randomiser_state.h"

// What the randomiser says at its tray icon beside the draw: the balloon of
// the start (the mode of the run and what the host must know of it), and the
// notes the draw's balloon keeps (draw_note.h).

// What the shell knows of the system that the notes depend on.
struct RunFacts {
    bool editor_runs = false;  // the editor runs now: its hotkeys rest while the randomiser runs
};

// What the host must know of this run beside the draw, a line each in the
// order of the notes' table (each line begins with a line feed); empty when
// there is nothing to know.
std::wstring runNotes(const Randomiser& randomiser, const RunFacts& facts);

// The start's balloon: the mode of the run, then its notes.
std::wstring startBalloonText(const Randomiser& randomiser, const RunFacts& facts);

// Whether the run shows the draw's balloon: one that computed a match, rather
// than one that reposts or validates.
bool showsDrawBalloon(const Randomiser& randomiser);
