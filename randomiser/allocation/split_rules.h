#pragma once
#include <string>

#include "randomiser/state/randomiser_state.h"

// The rules that a change of the drawn teams by the host must keep, asked of
// the split before the change and the split after it (the team number of
// each player, 1..team_count). Each rule is one check below; a rule on the
// split alone (a player held to a team, players kept apart) is one more check
// of teams_after.
//
// The rules: the players of an FMT group as read stay as together as the
// teams before had them (a change that spreads a group over more teams than
// before parts friends); a pinned player stays in the team of his pin; no
// team holds more of an apart group than its share of the teams.
//
// Why teams_after breaks a rule, naming the players; empty when it keeps them
// all.
std::wstring splitRuleBroken(const Randomiser& randomiser, const int* teams_before, const int* teams_after);
