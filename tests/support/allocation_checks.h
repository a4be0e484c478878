#pragma once
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

#include "randomiser/state/randomiser_state.h"

// Checks of a finished team or civilisation assignment, shared by the unit
// tests and the invariant runs.

// The number of players in each team; every team number must be 1..team_count.
inline std::vector<int> teamSizes(const Randomiser& r) {
    std::vector<int> sizes(r.players.team_count, 0);
    for (int p = 0; p < r.players.player_count; ++p) {
        int t = r.players.player_teams[p];
        EXPECT_GE(t, 1);
        EXPECT_LE(t, r.players.team_count);
        if (t >= 1 && t <= r.players.team_count) ++sizes[t - 1];
    }
    return sizes;
}

inline void expectEqualTeams(const Randomiser& r) {
    for (int size : teamSizes(r)) EXPECT_EQ(size, teamSize(r.players));
}

// Players of one (final) group share a team unless a unit was halved.
inline void expectGroupsTogether(const Randomiser& r) {
    if (r.teams.fmt_unit_splits > 0) return;
    std::map<int, int> teamOfGroup;
    for (int p = 0; p < r.players.player_count; ++p) {
        int g = r.players.player_fmt_groups[p];
        if (g == 0) continue;
        auto found = teamOfGroup.emplace(g, r.players.player_teams[p]);
        EXPECT_EQ(found.first->second, r.players.player_teams[p]) << "group " << g;
    }
}

// The tier indexes the players of one team hold.
inline std::multiset<int> tiersOfTeam(const Randomiser& r, int team) {
    std::multiset<int> tiers;
    for (int p = 0; p < r.players.player_count; ++p) {
        if (r.players.player_teams[p] == team) tiers.insert(r.players.player_tiers[p]);
    }
    return tiers;
}
