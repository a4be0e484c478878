#pragma once
#include <cstdint>
#include <string>

#include "randomiser/state/randomiser_state.h"

// Balancing on the exact ratings ("fair_teams"): with at most 8 players every
// split into equal teams can be looked at, and one of the fairest is drawn.
//
// The splits are ranked by three keys, one after the other, and a seed relies
// on this order:
//   1. the teams the FMT groups span, added over the groups: fewest first. A
//      group that fits a team spans one team when it is kept whole; a group
//      larger than a team has to span several, and is split here by the
//      search, in the way that keeps its players on as few teams as can be;
//   2. the broken groups (those spread over more than one team): fewest first;
//   3. the spread of the team scores: every split left by 1 and 2 whose spread
//      is at most the best of them plus the margin is fair.
// Among the fair splits, one that least repeats the teammate pairs of
// tonight's matches in Results.txt is drawn (see chooseFairTeams).

constexpr int kMaxSplits = 105;         // 8 players in 4 teams of 2: 7 x 5 x 3 ways
constexpr int64_t kUnfairSpread = 200;  // a best spread above this is said at start

// One way to put the players into teams of equal size. Teams are unordered,
// so each is named by its lowest player: player 0 is in team 0, the lowest
// player outside team 0 opens team 1, and so on.
struct TeamSplit {
    int team_of[kPlayerSlots] = {};  // team 0..team_count-1 of each player
    int64_t spread = 0;              // highest team score minus the lowest
    int group_teams = 0;             // teams spanned by each FMT group, added over the groups
    int broken_groups = 0;           // FMT groups whose players are not all in one team
    int teammate_weight = 0;         // the history's teammate weights of the split's pairs of teammates, added
};

// Every split of the players, in a fixed order (see listSplits).
struct SplitList {
    TeamSplit splits[kMaxSplits];
    int count = 0;
};

// The fair splits of a list: the ones with the fewest group teams, then the
// fewest broken groups, whose spread is at most the best of those plus the
// margin, in list order.
struct FairSplits {
    int fewest_group_teams = 0;
    int fewest_broken = 0;
    int64_t best_spread = 0;
    int index[kMaxSplits] = {};  // positions in the split list
    int count = 0;
};

// Lists every split of the first player_count players into team_count teams
// of equal size, with fmt_groups (one per player, 0 for none) as the FMT
// groups and the teammate weights of history. The order is lexicographic in
// team_of, read from player 0 up: player after player takes the lowest team
// with room first, where a player may open the next unopened team. A team's
// score is the truncated mean rating of its players, as in the team scores of
// the report. Only the splits that keep the host's pins and apart groups
// (players.player_team_pins, player_apart_groups) are listed: the players
// pinned to one number share a team, those of different numbers do not, a pin
// above team_count keeps no split, and no team holds more players of an apart
// group of k players than ceil(k / team_count).
void listSplits(const PlayerTable& players, const int* fmt_groups, const MatchHistory& history, SplitList& list);

// Picks the fair splits of list for the given margin (below 0 counts as 0).
void findFairSplits(const SplitList& list, int margin, FairSplits& fair);

// Draws one fair split, then the team numbers (a team that holds a pin takes
// that number; the free numbers, ascending, are shuffled with Fisher-Yates:
// for i from their count-1 down to 1 the number at i changes place with the
// one at rand() % (i + 1), and go to the other teams in split order; without
// pins that is a shuffle of 1..team_count), and writes the roster: the row of
// each team number holds its players in player order. The split is drawn
// with one rand(): rand() % count over the fair splits of the smallest
// teammate weight (all of them when the history knows no teammates), in list
// order. The FMT groups are the ones as read
// (teams.friend_groups), not those the group check split. Needs every
// rating. False, with a debug line and nothing drawn, when the players have
// no split into equal teams at all (the caller balances as without
// fair_teams).
bool chooseFairTeams(const Allocation& match);

// Writes the debug line of a fair_teams draw whose best spread is above
// kUnfairSpread; nothing otherwise.
void logUnfairTeams(const Randomiser& randomiser);

// The fair split of the lowest spread, the first of them in list order: the
// best balance the players allow with the FMT groups as read.
TeamSplit fairestSplit(const Randomiser& randomiser);

// The spread of the fairest split.
int64_t bestPossibleSpread(const Randomiser& randomiser);

// The spread of the fairest split were nobody pinned or kept apart.
int64_t bestSpreadWithoutHostRules(const Randomiser& randomiser);

// Highest minus lowest of the team scores of a finished assignment.
int64_t teamScoreSpread(const Randomiser& randomiser);

// The line the tray balloon adds at start when fair_teams could not bring the
// team scores within kUnfairSpread of each other; empty otherwise.
std::wstring unfairTeamsNote(const Randomiser& randomiser);
