#include "randomiser/allocation/fair_teams.h"

#include <algorithm>
#include <utility>

#include "common/crt_random.h"
#include "common/debug_log.h"
#include "randomiser/allocation/host_rules.h"

namespace {

// The players of each FMT group as a bit set (bit p for player p).
struct GroupSets {
    unsigned players[kPlayerSlots] = {};
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
        for (int q = p; q < players.player_count; ++q) {
            if (fmt_groups[q] == g) sets.players[sets.count] |= 1u << q;
        }
        ++sets.count;
    }
    return sets;
}

// The partial split that listSplits extends player by player, with the
// rating sum, the players and the player set of each team so far.
struct SplitWalk {
    const PlayerTable& players;
    const MatchHistory& history;
    SplitList& list;
    GroupSets groups;
    GroupSets apart;                                        // the apart groups, as the FMT groups above
    int apart_of[kPlayerSlots];                             // each player's apart group in apart, -1 for none
    int apart_cap[kPlayerSlots];                            // the most players of each apart group one team may hold
    int size;                                               // players a team
    int pinned_team[kMaxTeams + 1] = {-1, -1, -1, -1, -1};  // the team that holds each pin so far, -1 for none
    int team_pin[kMaxTeams] = {};                           // the pin each team holds so far, 0 for none
    int team_of[kPlayerSlots] = {};
    int filled[kMaxTeams] = {};  // players placed in each team so far
    int team_players[kMaxTeams][kMaxTeamSize] = {};
    int64_t sums[kMaxTeams] = {};
    unsigned members[kMaxTeams] = {};
    int opened = 0;  // teams that hold a player
    int weight = 0;  // teammate weight of the players placed so far
};

void addSplit(const SplitWalk& walk) {
    const PlayerTable& players = walk.players;
    if (walk.list.count >= kMaxSplits) return;
    TeamSplit& split = walk.list.splits[walk.list.count++];
    std::copy(walk.team_of, walk.team_of + kPlayerSlots, split.team_of);
    // Truncating never changes the order of two sums, so the highest and the
    // lowest score are those of the highest and the lowest sum.
    int64_t lowest = walk.sums[0];
    int64_t highest = walk.sums[0];
    for (int t = 1; t < players.team_count; ++t) {
        lowest = std::min(lowest, walk.sums[t]);
        highest = std::max(highest, walk.sums[t]);
    }
    split.spread = truncatedMean(highest, walk.size) - truncatedMean(lowest, walk.size);
    split.teammate_weight = walk.weight;
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

// Whether team t may take player p as the pins and apart groups ask: a pinned
// player goes to the team that holds his pin, or to one that holds no pin
// while no team holds his; an apart group fills a team up to its cap only.
bool keepsHostRules(const SplitWalk& walk, int p, int t) {
    const int pin = walk.players.player_team_pins[p];
    if (pin < 0 || pin > walk.players.team_count) return false;
    if (pin != 0 && walk.team_pin[t] != pin && (walk.team_pin[t] != 0 || walk.pinned_team[pin] >= 0)) return false;
    const int g = walk.apart_of[p];
    if (g < 0) return true;
    int held = 0;
    for (unsigned rest = walk.members[t] & walk.apart.players[g]; rest != 0; rest &= rest - 1) ++held;
    return held < walk.apart_cap[g];
}

// Places player p and every later one in each way that keeps the teams equal.
void placeFrom(SplitWalk& walk, int p) {
    if (p == walk.players.player_count) {
        addSplit(walk);
        return;
    }
    const int rating = walk.players.player_ratings[p];
    const int* weights = walk.history.teammate_weights[p];
    // Team t may take p when it has room; the first team with nobody in it
    // is the last one to try, as teams are named by their lowest player.
    const int lastTeam = std::min(walk.opened, walk.players.team_count - 1);
    const int size = walk.size;
    for (int t = 0; t <= lastTeam; ++t) {
        if (walk.filled[t] == size || !keepsHostRules(walk, p, t)) continue;
        const bool opens = t == walk.opened;
        const int pin = walk.players.player_team_pins[p];
        const bool pins = pin != 0 && walk.team_pin[t] == 0;
        if (pins) {
            walk.team_pin[t] = pin;
            walk.pinned_team[pin] = t;
        }
        int weight = 0;  // p with the players of team t so far
        for (int i = 0; i < walk.filled[t]; ++i) weight += weights[walk.team_players[t][i]];
        walk.team_of[p] = t;
        walk.team_players[t][walk.filled[t]++] = p;
        walk.sums[t] += rating;
        walk.members[t] |= 1u << p;
        walk.weight += weight;
        if (opens) ++walk.opened;
        placeFrom(walk, p + 1);
        if (opens) --walk.opened;
        walk.weight -= weight;
        walk.members[t] &= ~(1u << p);
        walk.sums[t] -= rating;
        --walk.filled[t];
        if (pins) {
            walk.team_pin[t] = 0;
            walk.pinned_team[pin] = -1;
        }
    }
}

// The walk's apart groups, each player's place in them and their caps: a
// group of k players in n teams may put ceil(k / n) of them in one team.
void prepareApartGroups(SplitWalk& walk) {
    const PlayerTable& players = walk.players;
    walk.apart = groupSets(players, players.player_apart_groups);
    for (int p = 0; p < kPlayerSlots; ++p) walk.apart_of[p] = -1;
    for (int g = 0; g < walk.apart.count; ++g) {
        int members = 0;
        for (int p = 0; p < players.player_count; ++p) {
            if ((walk.apart.players[g] >> p & 1u) == 0) continue;
            walk.apart_of[p] = g;
            ++members;
        }
        walk.apart_cap[g] = (members + players.team_count - 1) / players.team_count;
    }
}

// The roster row (team number - 1) of each split team: a team that holds a
// pin takes its number; the other numbers are shuffled over the other teams
// (a Fisher-Yates shuffle of the free numbers, as chooseFairTeams says).
void numberSplitTeams(const PlayerTable& players, const TeamSplit& chosen, int (&rowOf)[kMaxTeams]) {
    int pinOf[kMaxTeams] = {};
    bool rowTaken[kMaxTeams] = {};
    for (int p = 0; p < players.player_count; ++p) {
        const int pin = players.player_team_pins[p];
        if (pin == 0) continue;
        pinOf[chosen.team_of[p]] = pin;
        rowTaken[pin - 1] = true;
    }
    int freeRows[kMaxTeams] = {};
    int freeCount = 0;
    for (int row = 0; row < players.team_count; ++row) {
        if (!rowTaken[row]) freeRows[freeCount++] = row;
    }
    for (int i = freeCount - 1; i > 0; --i) std::swap(freeRows[i], freeRows[crtRand() % (i + 1)]);
    int next = 0;
    for (int t = 0; t < players.team_count; ++t) rowOf[t] = pinOf[t] != 0 ? pinOf[t] - 1 : freeRows[next++];
}

}  // namespace

void listSplits(const PlayerTable& players, const int* fmt_groups, const MatchHistory& history, SplitList& list) {
    list.count = 0;
    SplitWalk walk{players, history, list, groupSets(players, fmt_groups), {}, {}, {}, teamSize(players)};
    prepareApartGroups(walk);
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

bool chooseFairTeams(const Allocation& match) {
    const PlayerTable& players = match.players;
    SplitList list;
    listSplits(players, match.teams.friend_groups, match.history, list);
    FairSplits fair;
    findFairSplits(list, match.options.fair_margin, fair);
    if (fair.count == 0) {
        debugLog("Fair Teams found no split of %i players into %i teams", players.player_count, players.team_count);
        return false;
    }
    match.teams.fair_best_spread = fair.best_spread;

    // The fair splits of the smallest teammate weight, in list order.
    int lightest = list.splits[fair.index[0]].teammate_weight;
    for (int i = 1; i < fair.count; ++i) lightest = std::min(lightest, list.splits[fair.index[i]].teammate_weight);
    int lightestSplits[kMaxSplits] = {};
    int count = 0;
    for (int i = 0; i < fair.count; ++i) {
        if (list.splits[fair.index[i]].teammate_weight == lightest) lightestSplits[count++] = fair.index[i];
    }
    const TeamSplit& chosen = list.splits[lightestSplits[crtRand() % count]];

    int rowOf[kMaxTeams] = {};
    numberSplitTeams(players, chosen, rowOf);

    int places[kMaxTeams] = {};
    for (int p = 0; p < players.player_count; ++p) {
        int row = rowOf[chosen.team_of[p]];
        match.teams.team_roster[row][places[row]++] = p;
    }
    match.teams.fair_balanced = 1;
    return true;
}

void logUnfairTeams(const Randomiser& randomiser) {
    const TeamState& teams = randomiser.teams;
    if (teams.fair_balanced && teams.fair_best_spread > kUnfairSpread)
        debugLog("Fair Teams: the best split leaves a spread of %lld", static_cast<long long>(teams.fair_best_spread));
}

TeamSplit fairestSplit(const Randomiser& randomiser) {
    SplitList list;
    listSplits(randomiser.players, randomiser.teams.friend_groups, randomiser.history, list);
    FairSplits fair;
    findFairSplits(list, 0, fair);
    return fair.count > 0 ? list.splits[fair.index[0]] : TeamSplit{};
}

int64_t bestPossibleSpread(const Randomiser& randomiser) { return fairestSplit(randomiser).spread; }

int64_t bestSpreadWithoutHostRules(const Randomiser& randomiser) {
    PlayerTable free = randomiser.players;
    std::fill(free.player_team_pins, free.player_team_pins + kPlayerSlots, 0);
    std::fill(free.player_apart_groups, free.player_apart_groups + kPlayerSlots, 0);
    SplitList list;
    listSplits(free, randomiser.teams.friend_groups, randomiser.history, list);
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
    // The pins and apart groups are the cause when the players could be split
    // fairly without them, the friend groups when the players alone could.
    const PlayerTable& players = randomiser.players;
    if (holdsHostRules(players) && bestSpreadWithoutHostRules(randomiser) <= kUnfairSpread)
        return spread + L"the pins and apart groups force it; change them (Rostrix, Ctrl+4)?";
    const int noGroups[kPlayerSlots] = {};
    SplitList list;
    listSplits(players, noGroups, randomiser.history, list);
    FairSplits fair;
    findFairSplits(list, 0, fair);
    if (fair.best_spread <= kUnfairSpread) return spread + L"a friend group is too large; change the FMT groups?";
    for (int p = 0; p < players.player_count; ++p) {
        if (players.player_unrated[p])
            return spread + players.player_names[p] + L" is unrated: give a rating (Rostrix, Ctrl+2)?";
    }
    return spread + L"the ratings themselves are too far apart";
}
