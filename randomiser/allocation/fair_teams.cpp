#include "randomiser/allocation/fair_teams.h"

#include <algorithm>
#include <utility>

#include "common/crt_random.h"
#include "common/debug_log.h"

namespace {

// The players of each FMT group as a bit set (bit p for player p), with the
// group's lowest player.
struct GroupSets {
    unsigned players[kPlayerSlots] = {};
    int lowest[kPlayerSlots] = {};
    int count = 0;
};

GroupSets groupSets(const PlayerTable& players, const int* fmt_groups) {
    GroupSets sets;
    for (int p = 0; p < players.player_count; ++p) {
        int g = fmt_groups[p];
        if (g == 0) continue;
        bool first = true;
        for (int q = 0; q < p; ++q) first = first && fmt_groups[q] != g;
        if (!first) continue;
        sets.lowest[sets.count] = p;
        for (int q = p; q < players.player_count; ++q) {
            if (fmt_groups[q] == g) sets.players[sets.count] |= 1u << q;
        }
        ++sets.count;
    }
    return sets;
}

// The partial split that listSplits extends player by player, with the
// rating sum and the player set of each team so far.
struct SplitWalk {
    const PlayerTable& players;
    SplitList& list;
    GroupSets groups;
    int size;  // players a team
    int team_of[kPlayerSlots] = {};
    int filled[kMaxTeams] = {};  // players placed in each team so far
    int64_t sums[kMaxTeams] = {};
    unsigned members[kMaxTeams] = {};
    int opened = 0;  // teams that hold a player
};

void addSplit(const SplitWalk& walk) {
    const PlayerTable& players = walk.players;
    if (walk.list.count >= kMaxSplits) return;
    TeamSplit& split = walk.list.splits[walk.list.count++];
    std::copy(walk.team_of, walk.team_of + kPlayerSlots, split.team_of);
    int64_t lowest = 0;
    int64_t highest = 0;
    for (int t = 0; t < players.team_count; ++t) {
        int64_t score = truncatedMean(walk.sums[t], walk.size);
        if (t == 0 || score < lowest) lowest = score;
        if (t == 0 || score > highest) highest = score;
    }
    split.spread = highest - lowest;
    split.group_teams = 0;
    split.broken_groups = 0;
    for (int g = 0; g < walk.groups.count; ++g) {
        int spanned = 0;
        for (int t = 0; t < players.team_count; ++t) {
            if ((walk.members[t] & walk.groups.players[g]) != 0) ++spanned;
        }
        split.group_teams += spanned;
        if (spanned > 1) ++split.broken_groups;
    }
}

// Places player p and every later one in each way that keeps the teams equal.
void placeFrom(SplitWalk& walk, int p) {
    if (p == walk.players.player_count) {
        addSplit(walk);
        return;
    }
    int rating = walk.players.player_ratings[p];
    for (int t = 0; t <= walk.opened && t < walk.players.team_count; ++t) {
        if (walk.filled[t] == walk.size) continue;
        bool opens = t == walk.opened;
        walk.team_of[p] = t;
        ++walk.filled[t];
        walk.sums[t] += rating;
        walk.members[t] |= 1u << p;
        if (opens) ++walk.opened;
        placeFrom(walk, p + 1);
        if (opens) --walk.opened;
        walk.members[t] &= ~(1u << p);
        walk.sums[t] -= rating;
        --walk.filled[t];
    }
}

}  // namespace

void listSplits(const PlayerTable& players, const int* fmt_groups, SplitList& list) {
    list.count = 0;
    SplitWalk walk{players, list, groupSets(players, fmt_groups), teamSize(players)};
    placeFrom(walk, 0);
}

void findFairSplits(const SplitList& list, int margin, FairSplits& fair) {
    fair = FairSplits{};
    // The first two keys pick the splits that compete on their spread.
    for (int i = 0; i < list.count; ++i) {
        const TeamSplit& split = list.splits[i];
        bool fewerTeams = i == 0 || split.group_teams < fair.fewest_group_teams;
        bool sameTeams = !fewerTeams && split.group_teams == fair.fewest_group_teams;
        bool fewerBroken = sameTeams && split.broken_groups < fair.fewest_broken;
        bool sameBroken = sameTeams && split.broken_groups == fair.fewest_broken;
        if (fewerTeams || fewerBroken || (sameBroken && split.spread < fair.best_spread)) {
            fair.fewest_group_teams = split.group_teams;
            fair.fewest_broken = split.broken_groups;
            fair.best_spread = split.spread;
        }
    }
    int64_t limit = fair.best_spread + std::max(margin, 0);
    for (int i = 0; i < list.count; ++i) {
        const TeamSplit& split = list.splits[i];
        if (split.group_teams == fair.fewest_group_teams && split.broken_groups == fair.fewest_broken &&
            split.spread <= limit)
            fair.index[fair.count++] = i;
    }
}

bool sameLineup(const PlayerTable& players, const TeamSplit& split, const int* player_teams) {
    for (int p = 0; p < players.player_count; ++p) {
        for (int q = p + 1; q < players.player_count; ++q) {
            bool togetherNow = split.team_of[p] == split.team_of[q];
            bool togetherThen = player_teams[p] == player_teams[q];
            if (togetherNow != togetherThen) return false;
        }
    }
    return true;
}

bool chooseFairTeams(const Allocation& match) {
    const PlayerTable& players = match.players;
    const PreviousMatch& previous = match.previous_match;
    SplitList list;
    listSplits(players, match.teams.friend_groups, list);
    FairSplits fair;
    findFairSplits(list, match.options.fair_margin, fair);
    if (fair.count == 0) {
        debugLog("Fair Teams found no split of %i players into %i teams", players.player_count, players.team_count);
        return false;
    }
    match.teams.fair_best_spread = fair.best_spread;
    if (fair.best_spread > kUnfairSpread)
        debugLog("Fair Teams: the best split leaves a spread of %lld", static_cast<long long>(fair.best_spread));

    // The place of the previous line-up among the fair splits, if it is one.
    int repeated = -1;
    for (int i = 0; i < fair.count && previous.known; ++i) {
        if (sameLineup(players, list.splits[fair.index[i]], previous.player_teams)) repeated = i;
    }
    int pick = 0;
    if (repeated >= 0 && fair.count > 1) {
        pick = crtRand() % (fair.count - 1);
        if (pick >= repeated) ++pick;  // skips the previous line-up
    } else {
        pick = crtRand() % fair.count;
    }
    const TeamSplit& chosen = list.splits[fair.index[pick]];

    int rowOf[kMaxTeams] = {0, 1, 2, 3};  // roster row (team number - 1) of each split team
    for (int i = players.team_count - 1; i > 0; --i) std::swap(rowOf[i], rowOf[crtRand() % (i + 1)]);

    int places[kMaxTeams] = {};
    for (int p = 0; p < players.player_count; ++p) {
        int row = rowOf[chosen.team_of[p]];
        match.teams.team_roster[row][places[row]++] = p;
    }
    match.teams.fair_balanced = 1;
    return true;
}

int64_t bestPossibleSpread(const Randomiser& randomiser) {
    SplitList list;
    listSplits(randomiser.players, randomiser.teams.friend_groups, list);
    FairSplits fair;
    findFairSplits(list, 0, fair);
    return fair.best_spread;
}

int64_t teamScoreSpread(const Randomiser& randomiser) {
    const int* scores = randomiser.teams.team_scores;
    int teams = randomiser.players.team_count;
    return static_cast<int64_t>(*std::max_element(scores, scores + teams)) - *std::min_element(scores, scores + teams);
}

std::wstring unfairTeamsNote(const Randomiser& randomiser) {
    const TeamState& teams = randomiser.teams;
    if (!teams.fair_balanced || teams.fair_best_spread <= kUnfairSpread) return L"";
    const std::wstring spread =
        L"Fairest teams still differ by " + std::to_wstring(teams.fair_best_spread) + L" points: ";
    // The friend groups are the cause when the players alone could be split fairly.
    const PlayerTable& players = randomiser.players;
    const int noGroups[kPlayerSlots] = {};
    SplitList list;
    listSplits(players, noGroups, list);
    FairSplits fair;
    findFairSplits(list, 0, fair);
    if (fair.best_spread <= kUnfairSpread) return spread + L"a friend group is too large; change the FMT groups?";
    for (int p = 0; p < players.player_count; ++p) {
        if (players.player_unrated[p])
            return spread + players.player_names[p] + L" is unrated: give a rating (Rostrix, Ctrl+2)?";
    }
    return spread + L"the ratings themselves are too far apart";
}
