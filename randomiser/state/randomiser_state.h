#pragma once
#include <cstdint>

#include "randomiser/state/allocation_state.h"
#include "randomiser/state/report_state.h"
#include "randomiser/state/game_data.h"
#include "randomiser/state/option_set.h"

// Everything the randomiser computes at start-up, in one place: the options,
// the game data and the results that the later steps add.
struct Randomiser {
    OptionSet options;
    PlayerTable players;
    GameTables game;
    int64_t seed = 0;              // seconds since 1970; the generator takes its low 32 bits
    PreviousMatch previous_match;  // read from data.txt before the teams are drawn
    TeamState teams;
    CivDrawState civ_draw;
    ReportState report;
};
