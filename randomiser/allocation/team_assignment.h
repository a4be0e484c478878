#pragma once
#include <cstdint>

#include "randomiser/state/randomiser_state.h"

// Splits the players into team_count teams of equal size: balanced by rating
// classes when every rating is known, with the players of one FMT group kept
// together (under fair_teams: one of the fairest splits on the exact ratings,
// see fair_teams.h), at random when a rating is missing. Writes player_teams,
// player_rating_classes, the team scores and roster and fmt_present (with which
// the civilisation draw switches handicap on). Reads the options only.
void assignTeams(const Allocation& match);

// Every player of the match has a rating (none is -1): the teams are
// balanced and scored.
bool allRated(const PlayerTable& players);

// Numbers the teams from the roster: each player of row t gets team t + 1,
// and the team scores and their average are computed from the ratings.
void numberTeams(const Allocation& match);

// Rating class 1..5 of rating around the mean avg.
int ratingClass(int rating, int avg);

// Working data of the rated balancing with FMT groups: up to 8 units of
// players kept together, indexed by unit id (size, members) and by sorted
// position (score, order). Ids at positions from unit_count on are free.
struct FmtUnits {
    int size[kPlayerSlots] = {};
    int members[kPlayerSlots][kMaxTeamSize] = {};
    int score[kPlayerSlots] = {};
    int order[kPlayerSlots] = {0, 1, 2, 3, 4, 5, 6, 7};
    int unit_count = 0;
};

// Keeps the first half of group g's players in g and gives the rest a new
// group number from 100 to 199 that no player holds.
void splitFmtGroup(const Allocation& match, int g);

// Halves the unit at sorted position k into itself and the free id after it.
void splitUnit(const Allocation& match, FmtUnits& units, int k);

// Puts ungrouped player p into the first unit with room, lowest score first
// (highest first when low is set), then sorts the units again.
void placeSingle(const Allocation& match, FmtUnits& units, int p, bool low);

// Stable ascending bubble sort of the first unit_count scores, order alongside.
void sortUnits(FmtUnits& units, int unit_count);
