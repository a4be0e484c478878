#pragma once
#include <cstdint>

#include "randomiser/randomiser_state.h"

// Balancing on the exact ratings ("fair_teams"): with at most 8 players every
// split into equal teams can be looked at, and one of the fairest is drawn.

constexpr int kMaxSplits = 105;  // 8 players in 4 teams of 2: 7 x 5 x 3 ways

// One way to put the players into teams of equal size. Teams are unordered,
// so each is named by its lowest player: player 0 is in team 0, the lowest
// player outside team 0 opens team 1, and so on.
struct TeamSplit {
    int team_of[kPlayerSlots] = {};  // team 0..team_count-1 of each player
    int64_t spread = 0;              // highest team score minus the lowest
    int broken_groups = 0;           // FMT groups whose players are not all in one team
};

// Every split of the players, in a fixed order (see listSplits).
struct SplitList {
    TeamSplit splits[kMaxSplits];
    int count = 0;
};

// The fair splits of a list: the ones with the fewest broken groups whose
// spread is at most the best of those plus the margin, in list order.
struct FairSplits {
    int fewest_broken = 0;
    int64_t best_spread = 0;
    int index[kMaxSplits] = {};  // positions in the split list
    int count = 0;
};

// Lists every split of the first player_count players into team_count teams
// of equal size. The order is lexicographic in team_of, read from player 0
// up: player after player takes the lowest team with room first, where a
// player may open the next unopened team. A team's score is the truncated
// mean rating of its players, as in the team scores of the report.
void listSplits(const PlayerTable& players, SplitList& list);

// Picks the fair splits of list for the given margin (below 0 counts as 0).
void findFairSplits(const SplitList& list, int margin, FairSplits& fair);

// Draws one fair split (rand() % count, in list order), then the team numbers
// (a Fisher-Yates shuffle of 1..team_count: for i from team_count-1 down to 1
// the number at i changes place with the one at rand() % (i + 1)), and writes
// the roster: the row of each team number holds its players in player order.
// Needs every rating; the FMT groups are read as the group check left them.
void chooseFairTeams(Randomiser& randomiser);

// The lowest spread of a split that keeps as many FMT groups whole as any
// split can: the best balance the players allow.
int64_t bestPossibleSpread(const PlayerTable& players);

// Highest minus lowest of the team scores of a finished assignment.
int64_t teamScoreSpread(const Randomiser& randomiser);
