#include "randomiser/allocation/host_rules.h"

#include <algorithm>

#include "common/debug_log.h"
#include "common/text_convert.h"
#include "randomiser/allocation/fair_teams.h"

namespace {

// "A", "A and B", "A, B and C".
std::wstring nameList(const PlayerTable& players, const std::vector<int>& who) {
    std::wstring text;
    for (size_t i = 0; i < who.size(); ++i) {
        if (i > 0) text += i + 1 == who.size() ? L" and " : L", ";
        text += players.player_names[who[i]];
    }
    return text;
}

// The players whose value in values is value, in player order.
std::vector<int> playersOf(const PlayerTable& players, const int* values, int value) {
    std::vector<int> who;
    for (int p = 0; p < players.player_count; ++p) {
        if (values[p] == value) who.push_back(p);
    }
    return who;
}

bool firstOfItsNumber(const int* values, int p) {
    return values[p] != 0 && std::find(values, values + p, values[p]) == values + p;
}

// A pin no team number matches, or more pins to a team than it holds.
std::wstring pinClash(const PlayerTable& players) {
    const int* pins = players.player_team_pins;
    for (int p = 0; p < players.player_count; ++p) {
        if (pins[p] < 0 || pins[p] > players.team_count)
            return std::wstring(players.player_names[p]) + L" is pinned to team " + std::to_wstring(pins[p]) +
                   L", but the match has teams 1 to " + std::to_wstring(players.team_count);
    }
    for (int team = 1; team <= players.team_count; ++team) {
        const std::vector<int> pinned = playersOf(players, pins, team);
        if (static_cast<int>(pinned.size()) > teamSize(players))
            return nameList(players, pinned) + L" are pinned to team " + std::to_wstring(team) + L", which holds " +
                   std::to_wstring(teamSize(players)) + L" players";
    }
    return L"";
}

// More players of an apart group pinned to one team than its share.
std::wstring apartPinClash(const PlayerTable& players) {
    const int* apart = players.player_apart_groups;
    for (int p = 0; p < players.player_count; ++p) {
        if (!firstOfItsNumber(apart, p)) continue;
        const std::vector<int> group = playersOf(players, apart, apart[p]);
        const int cap = (static_cast<int>(group.size()) + players.team_count - 1) / players.team_count;
        for (int team = 1; team <= players.team_count; ++team) {
            std::vector<int> pinned;
            for (int q : group) {
                if (players.player_team_pins[q] == team) pinned.push_back(q);
            }
            if (static_cast<int>(pinned.size()) > cap)
                return nameList(players, pinned) + L" are kept apart (apart group " + std::to_wstring(apart[p]) +
                       L") but pinned to team " + std::to_wstring(team) + L" together";
        }
    }
    return L"";
}

// A friend group with players pinned to two teams, or two of its players in
// one apart group: the likely cause when the search finds a clash.
std::wstring friendClash(const PlayerTable& players, const int* fmt_groups) {
    for (int p = 0; p < players.player_count; ++p) {
        if (!firstOfItsNumber(fmt_groups, p)) continue;
        const std::vector<int> group = playersOf(players, fmt_groups, fmt_groups[p]);
        const std::wstring friends = L" are friends (FMT group " + std::to_wstring(fmt_groups[p]) + L") but ";
        for (int a : group) {
            for (int b : group) {
                const int pinA = players.player_team_pins[a];
                const int pinB = players.player_team_pins[b];
                if (a < b && pinA != 0 && pinB != 0 && pinA != pinB)
                    return nameList(players, {a, b}) + friends + L"pinned to teams " + std::to_wstring(pinA) +
                           L" and " + std::to_wstring(pinB);
                const int apart = players.player_apart_groups[a];
                if (a < b && apart != 0 && apart == players.player_apart_groups[b])
                    return nameList(players, {a, b}) + friends + L"kept apart (apart group " + std::to_wstring(apart) +
                           L")";
            }
        }
    }
    return L"";
}

// Whether the search keeps the pins and apart groups as well as the FMT
// groups as whole as it would without them.
bool searchKeepsHostRules(const PlayerTable& players, const int* fmt_groups, const MatchHistory& history) {
    SplitList kept;
    listSplits(players, fmt_groups, history, kept);
    if (kept.count == 0) return false;
    PlayerTable free = players;
    std::fill(free.player_team_pins, free.player_team_pins + kPlayerSlots, 0);
    std::fill(free.player_apart_groups, free.player_apart_groups + kPlayerSlots, 0);
    SplitList all;
    listSplits(free, fmt_groups, history, all);
    FairSplits keptBest;
    FairSplits allBest;
    findFairSplits(kept, 0, keptBest);
    findFairSplits(all, 0, allBest);
    return keptBest.fewest_group_teams == allBest.fewest_group_teams && keptBest.fewest_broken == allBest.fewest_broken;
}

}  // namespace

bool holdsHostRules(const PlayerTable& players) {
    for (int p = 0; p < players.player_count; ++p) {
        if (players.player_team_pins[p] != 0 || players.player_apart_groups[p] != 0) return true;
    }
    return false;
}

std::wstring hostRulesClash(const PlayerTable& players, const int* fmt_groups, const MatchHistory& history) {
    if (!holdsHostRules(players)) return L"";
    std::wstring clash = pinClash(players);
    if (clash.empty()) clash = apartPinClash(players);
    if (!clash.empty() || searchKeepsHostRules(players, fmt_groups, history)) return clash;
    clash = friendClash(players, fmt_groups);
    if (!clash.empty()) return clash;
    std::vector<int> ruled;
    for (int p = 0; p < players.player_count; ++p) {
        if (players.player_team_pins[p] != 0 || players.player_apart_groups[p] != 0) ruled.push_back(p);
    }
    return L"no split into " + std::to_wstring(players.team_count) + L" teams keeps the pins and apart groups of " +
           nameList(players, ruled) + L" with the FMT groups";
}

bool checkHostRules(const Randomiser& randomiser) {
    const PlayerTable& players = randomiser.players;
    if (!holdsHostRules(players)) return true;
    if (!randomiser.options().fair_teams) {
        debugLog("PlayerData pins players to teams or keeps them apart: start with fair_teams, which keeps them");
        return false;
    }
    for (int p = 0; p < players.player_count; ++p) {
        if (players.player_ratings[p] == -1) {
            debugLog(
                "PlayerData pins players to teams or keeps them apart: fair_teams keeps them only when every "
                "player has a rating, and %s has none",
                toUtf8(players.player_names[p]).c_str());
            return false;
        }
    }
    const std::wstring clash = hostRulesClash(players, players.player_fmt_groups, randomiser.history);
    if (clash.empty()) return true;
    debugLog("PlayerData pins and apart groups that no split can keep: %s", toUtf8(clash).c_str());
    return false;
}

std::vector<std::wstring> hostRuleCells(const PlayerTable& players) {
    std::vector<std::wstring> cells;
    std::wstring pinned;
    for (int p = 0; p < players.player_count; ++p) {
        if (players.player_team_pins[p] == 0) continue;
        pinned += (pinned.empty() ? L"Pinned " : L", ") + std::wstring(players.player_names[p]) + L" " +
                  std::to_wstring(players.player_team_pins[p]);
    }
    if (!pinned.empty()) cells.push_back(pinned);
    const int* apart = players.player_apart_groups;
    for (int p = 0; p < players.player_count; ++p) {
        if (!firstOfItsNumber(apart, p)) continue;
        std::wstring cell = L"Apart";
        for (int q : playersOf(players, apart, apart[p])) cell += L" " + std::wstring(players.player_names[q]);
        cells.push_back(cell);
    }
    return cells;
}
