#include "randomiser/allocation/split_rules.h"

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

}  // namespace

std::wstring splitRuleBroken(const Randomiser& randomiser, const int* teams_before, const int* teams_after) {
    return friendsParted(randomiser, teams_before, teams_after);
}
