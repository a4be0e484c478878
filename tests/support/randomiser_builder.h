#pragma once
#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

#include "common/text_convert.h"
#include "randomiser/state/randomiser_state.h"

// The tests' one way to set options: change, in a copy of the run's options,
// what a case needs, as if the parser had read it. The programs' runs take
// their options from the parser alone and never change them, so a new run is
// made with the changed options and takes over every other part of r.
template <typename Change>
void changeOptions(Randomiser& r, Change change) {
    OptionSet options = r.options();
    change(options);
    Randomiser changed(options);
    changed.players = r.players;
    changed.game = r.game;
    changed.current = r.current;
    changed.seed = r.seed;
    changed.seed_word = r.seed_word;
    changed.draw_number = r.draw_number;
    changed.history = r.history;
    changed.teams = r.teams;
    changed.civ_draw = r.civ_draw;
    changed.report = r.report;
    changed.host_swaps = r.host_swaps;
    r = changed;
}

// Builds the tables of a run in memory, as the loader and the parser leave them.
inline void setPlayers(Randomiser& r, int teams, const std::vector<int>& ratings, const std::vector<int>& groups = {}) {
    PlayerTable& players = r.players;
    players.player_count = static_cast<int>(ratings.size());
    players.team_count = teams;
    for (int p = 0; p < kPlayerSlots; ++p) {
        std::swprintf(players.player_names[p], kPlayerNameUnits, L"Player %i", p);
        players.player_ratings[p] = p < players.player_count ? ratings[p] : -1;
        players.player_fmt_groups[p] = p < static_cast<int>(groups.size()) ? groups[p] : 0;
        players.player_teams[p] = players.player_civs[p] = players.player_tiers[p] = 0;
    }
    const bool allRated = std::find(ratings.begin(), ratings.end(), -1) == ratings.end();
    changeOptions(r, [allRated](OptionSet& options) { options.use_ratings = allRated; });
}

inline void addCiv(Randomiser& r, const std::wstring& name, int tier, int eco = 1, int military = 1, int impact = 1) {
    CivRecord civ;
    civ.tier = tier;
    civ.eco = eco;
    civ.military = military;
    civ.impact = impact;
    std::wcsncpy(civ.name, name.c_str(), kCivNameUnits - 1);
    r.game.civ_table.push_back(civ);
}

// perTier civilisations in each of the tiers 1..4, named c<tier>_<n>, with
// eco, military and impact cycling through 1..5.
inline void addCivs(Randomiser& r, int perTier) {
    int n = 0;
    for (int tier = 1; tier <= 4; ++tier) {
        for (int i = 0; i < perTier; ++i, ++n)
            addCiv(r, L"c" + std::to_wstring(tier) + L"_" + std::to_wstring(i), tier, n % 5 + 1, (n + 2) % 5 + 1,
                   (n + 4) % 5 + 1);
    }
}

// The report lines in use, as byte strings.
inline std::vector<std::string> reportLines(const Randomiser& r) {
    std::vector<std::string> lines;
    for (int i = 0; i < r.report.report_line_count; ++i) {
        lines.push_back(toUtf8(r.report.report_lines[i]));
    }
    return lines;
}
