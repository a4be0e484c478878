#pragma once
#include "randomiser/state/game_data.h"
#include "randomiser/state/option_set.h"

// What the host changes while the program runs, kept apart from the options
// (what the command line gave) and from the game tables (which the draw only
// reads). The rule text that Ctrl+2 types starts as the one the command line
// names; the rule selection (Ctrl+4) and the rule draw (Ctrl+5) choose
// another. The map that Ctrl+3 types starts as the one the start-up draw gave;
// Ctrl+6 draws another.
struct RunState {
    wchar_t rules_path[kPathUnits] = {};
    wchar_t map_name[kMapNameUnits] = {};
};
