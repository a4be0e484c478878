#pragma once
#include <string>
#include <vector>

#include "randomiser/state/randomiser_state.h"

// The host's hand on the draw, from PlayerData.txt: players pinned to a team
// number and apart groups whose players play in different teams. Only
// fair_teams keeps them, by its search (see listSplits); a start refuses
// them otherwise, and refuses a set of them that no split can keep.

// Whether some player is pinned or in an apart group.
bool holdsHostRules(const PlayerTable& players);

// Why no split of the players keeps their pins and apart groups together
// with the FMT groups fmt_groups (one per player, 0 for none); empty when
// one does. A set is kept when some split keeps every pin and apart group
// and keeps the FMT groups as whole as the search without pins and apart
// groups would. The text names the players and the clash, the plainest first:
// a pin above the teams, more pins to a team than it holds, an apart group
// pinned to one team beyond its share, a friend group pinned to two teams or
// kept apart, then any other clash with the players who have a rule.
std::wstring hostRulesClash(const PlayerTable& players, const int* fmt_groups, const MatchHistory& history);

// Whether the start may draw with the file's pins and apart groups: none at
// all, or fair_teams with every rating and no clash. Otherwise logs the one
// line that says why (the start's error box shows it) and returns false.
bool checkHostRules(const Randomiser& randomiser);

// The texts of the report's cells that say what the host asked, without the
// bars: "Pinned Kestrel 1, Mo 1" (every pinned player with his team, in
// player order) when a player is pinned, then one "Apart Влад Ørjan" for each
// apart group, by its first player, its players in player order.
std::vector<std::wstring> hostRuleCells(const PlayerTable& players);
