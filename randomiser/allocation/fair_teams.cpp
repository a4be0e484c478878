#include "randomiser/allocation/fair_teams.h"

#include <algorithm>
#include <utility>

#include "common/crt_random.h"
#include "randomiser/allocation/team_assignment.h"

namespace {

// The partial split that listSplits extends player by player.
struct SplitWalk {
    const PlayerTable& players;
    SplitList& list;
    int size;                          // players a team
    int team_of[kPlayerSlots] = {};
    int filled[kMaxTeams] = {};        // players placed in each team so far
    int opened = 0;                    // teams that hold a player
};

int brokenGroups(const PlayerTable& players, const int (&team_of)[kPlayerSlots]) {
    int broken = 0;
    for (int p = 0; p < players.player_count; ++p) {
        int g = players.player_fmt_groups[p];
        if (g == 0) continue;
        bool firstOfGroup = true;
        bool split = false;
        for (int q = 0; q < players.player_count; ++q) {
            if (players.player_fmt_groups[q] != g) continue;
            if (q < p) firstOfGroup = false;
            if (team_of[q] != team_of[p]) split = true;
        }
        if (firstOfGroup && split) ++broken;
    }
    return broken;
}

void addSplit(SplitWalk& walk) {
    const PlayerTable& players = walk.players;
    if (walk.list.count >= kMaxSplits) return;
    TeamSplit& split = walk.list.splits[walk.list.count++];
    int64_t sums[kMaxTeams] = {};
    for (int p = 0; p < players.player_count; ++p) {
        split.team_of[p] = walk.team_of[p];
        sums[walk.team_of[p]] += players.player_ratings[p];
    }
    int64_t lowest = 0;
    int64_t highest = 0;
    for (int t = 0; t < players.team_count; ++t) {
        int64_t score = truncatedMean(sums[t], walk.size);
        if (t == 0 || score < lowest) lowest = score;
        if (t == 0 || score > highest) highest = score;
    }
    split.spread = highest - lowest;
    split.broken_groups = brokenGroups(players, walk.team_of);
}

// Places player p and every later one in each way that keeps the teams equal.
void placeFrom(SplitWalk& walk, int p) {
    if (p == walk.players.player_count) {
        addSplit(walk);
        return;
    }
    for (int t = 0; t <= walk.opened && t < walk.players.team_count; ++t) {
        if (walk.filled[t] == walk.size) continue;
        bool opens = t == walk.opened;
        walk.team_of[p] = t;
        ++walk.filled[t];
        if (opens) ++walk.opened;
        placeFrom(walk, p + 1);
        if (opens) --walk.opened;
        --walk.filled[t];
    }
}

}  // namespace

void listSplits(const PlayerTable& players, SplitList& list) {
    list.count = 0;
    SplitWalk walk{players, list, teamSize(players)};
    placeFrom(walk, 0);
}

void findFairSplits(const SplitList& list, int margin, FairSplits& fair) {
    fair = FairSplits{};
    for (int i = 0; i < list.count; ++i) {
        const TeamSplit& split = list.splits[i];
        bool fewer = i == 0 || split.broken_groups < fair.fewest_broken;
        if (fewer || (split.broken_groups == fair.fewest_broken && split.spread < fair.best_spread)) {
            fair.fewest_broken = split.broken_groups;
            fair.best_spread = split.spread;
        }
    }
    int64_t limit = fair.best_spread + std::max(margin, 0);
    for (int i = 0; i < list.count; ++i) {
        const TeamSplit& split = list.splits[i];
        if (split.broken_groups == fair.fewest_broken && split.spread <= limit) fair.index[fair.count++] = i;
    }
}

void chooseFairTeams(Randomiser& randomiser) {
    const PlayerTable& players = randomiser.players;
    SplitList list;
    listSplits(players, list);
    FairSplits fair;
    findFairSplits(list, randomiser.options.fair_margin, fair);
    const TeamSplit& chosen = list.splits[fair.index[crtRand() % fair.count]];

    int rowOf[kMaxTeams] = {0, 1, 2, 3};  // roster row (team number - 1) of each split team
    for (int i = players.team_count - 1; i > 0; --i) std::swap(rowOf[i], rowOf[crtRand() % (i + 1)]);

    int places[kMaxTeams] = {};
    for (int p = 0; p < players.player_count; ++p) {
        int row = rowOf[chosen.team_of[p]];
        randomiser.teams.team_roster[row][places[row]++] = p;
    }
    randomiser.teams.fair_balanced = 1;
}

int64_t bestPossibleSpread(const PlayerTable& players) {
    SplitList list;
    listSplits(players, list);
    FairSplits fair;
    findFairSplits(list, 0, fair);
    return fair.best_spread;
}

int64_t teamScoreSpread(const Randomiser& randomiser) {
    const int* scores = randomiser.teams.team_scores;
    int teams = randomiser.players.team_count;
    return static_cast<int64_t>(*std::max_element(scores, scores + teams)) - *std::min_element(scores, scores + teams);
}
