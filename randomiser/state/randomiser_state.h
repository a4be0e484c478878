#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "randomiser/state/allocation_state.h"
#include "randomiser/state/report_state.h"
#include "randomiser/state/game_data.h"
#include "randomiser/state/option_set.h"
#include "randomiser/state/run_state.h"
#include "randomiser/state/swap_state.h"

// Everything the randomiser computes at start-up, in one place: the options,
// the game data, the rule text and map in use and the results that the later
// steps add. The options are written by the command-line parser alone (the
// friend below) and only read after that, through options(): a write anywhere
// else does not compile. A run built in memory (a scratch report, a test)
// starts from a whole option set given to the constructor.
struct Randomiser {
    Randomiser() = default;
    explicit Randomiser(const OptionSet& options) : parsed_options(options) {}

    const OptionSet& options() const { return parsed_options; }

    PlayerTable players;
    GameTables game;
    RunState current;        // the rule text and the map in use now
    int64_t seed = 0;        // seconds since 1970, or the seed of seed_word; the generator takes its low 32 bits
    std::wstring seed_word;  // "seed_word WORD" as the command line gives it; empty: the seed is the clock's
    int draw_number = 1;     // 1, then one more for each draw again (Ctrl+0) of the run
    MatchHistory history;    // read from Results.txt before the teams are drawn
    TeamState teams;
    CivDrawState civ_draw;
    ReportState report;
    SwapState host_swaps;  // the host's swaps after the draw; a draw again starts without them

private:
    friend bool parseCommandLine(Randomiser& randomiser, std::vector<std::wstring>& words);
    OptionSet parsed_options;
};

// What team and civilisation assignment work on. The options, the tables and
// the match history are only read, so the compiler keeps the option set as
// the parser left it; the players' results, the teams and the draw's working
// state are written. Every step is called with the Randomiser itself.
struct Allocation {
    Allocation(Randomiser& randomiser)  // NOLINT(google-explicit-constructor)
        : options(randomiser.options()),
          game(randomiser.game),
          history(randomiser.history),
          players(randomiser.players),
          teams(randomiser.teams),
          civ_draw(randomiser.civ_draw) {}

    const OptionSet& options;
    const GameTables& game;
    const MatchHistory& history;
    PlayerTable& players;
    TeamState& teams;
    CivDrawState& civ_draw;
};
