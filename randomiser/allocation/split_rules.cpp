#include "randomiser/allocation/split_rules.h"

#include <algorithm>

namespace {

// How many teams the players of FMT group g span in teams.
int teamsSpanned(const PlayerTable& players, const int* groups, int g, const int* teams) {
    bool used[kMaxTeams + 1] = {};
    int spanned = 0;
    for (int p = 0; p < players.player_count; ++p) {
        const int t = teams[p];
        if (groups[p] != g || t < 1 || t > kMaxTeams || used[t]) continue;
        used[t] = true;
        ++spanned;
    }
    return spanned;
}

// "Senna, Mo and Kestrel share FMT group 3 and would be parted".
std::wstring partedFriends(const PlayerTable& players, const int* groups, int g) {
    std::wstring names;
    int named = 0;
    int total = 0;
    for (int p = 0; p < players.player_count; ++p) total += groups[p] == g ? 1 : 0;
    for (int p = 0; p < players.player_count; ++p) {
        if (groups[p] != g) continue;
        if (named > 0) names += named == total - 1 ? L" and " : L", ";
        names += players.player_names[p];
        ++named;
    }
    return names + L" share FMT group " + std::to_wstring(g) + L" and would be parted";
}

std::wstring friendsParted(const Randomiser& randomiser, const int* teams_before, const int* teams_after) {
    const PlayerTable& players = randomiser.players;
    const int* groups = randomiser.teams.friend_groups;
    for (int p = 0; p < players.player_count; ++p) {
        const int g = groups[p];
        if (g == 0) continue;
        bool first = true;  // each group is checked at its first player
        for (int q = 0; q < p; ++q) first = first && groups[q] != g;
        if (first && teamsSpanned(players, groups, g, teams_after) > teamsSpanned(players, groups, g, teams_before))
            return partedFriends(players, groups, g);
    }
    return L"";
}

// A pinned player plays in the team of his pin.
std::wstring pinBroken(const PlayerTable& players, const int* teams_after) {
    for (int p = 0; p < players.player_count; ++p) {
        const int pin = players.player_team_pins[p];
        if (pin != 0 && teams_after[p] != pin)
            return std::wstring(players.player_names[p]) + L" is pinned to team " + std::to_wstring(pin);
    }
    return L"";
}

// The players of an apart group play in different teams, as many as the
// teams allow: no team holds more of them than the group's share. Names the
// group's players in the first team that holds too many.
std::wstring apartBroken(const PlayerTable& players, const int* teams_after) {
    for (int p = 0; p < players.player_count; ++p) {
        const int g = players.player_apart_groups[p];
        if (g == 0) continue;
        int size = 0;
        std::wstring together;
        int inTeam = 0;
        for (int q = 0; q < players.player_count; ++q) {
            if (players.player_apart_groups[q] != g) continue;
            ++size;
            if (teams_after[q] != teams_after[p]) continue;
            together += (inTeam++ == 0 ? L"" : L", ") + std::wstring(players.player_names[q]);
        }
        const int share = (size + players.team_count - 1) / std::max(players.team_count, 1);
        if (inTeam > share) return together + L" of apart group " + std::to_wstring(g) + L" would share a team";
    }
    return L"";
}

}  // namespace

std::wstring splitRuleBroken(const Randomiser& randomiser, const int* teams_before, const int* teams_after) {
    for (const std::wstring& broken :
         {friendsParted(randomiser, teams_before, teams_after), pinBroken(randomiser.players, teams_after),
          apartBroken(randomiser.players, teams_after)}) {
        if (!broken.empty()) return broken;
    }
    return L"";
}
