#include "randomiser/allocation/team_assignment.h"

#include <algorithm>
#include <utility>

#include "common/crt_random.h"
#include "common/debug_log.h"
#include "randomiser/allocation/fair_teams.h"

namespace {

constexpr int kPlaceShuffleRounds = 100;
constexpr int kSwapCoins = 100;
constexpr int kUnratedTries = 100;

// FMT group numbers already handled by a walk over the players.
struct SeenGroups {
    int groups[kPlayerSlots] = {};
    int count = 0;

    bool contains(int g) const {
        for (int i = 0; i < count; ++i) {
            if (groups[i] == g) return true;
        }
        return false;
    }
    void add(int g) {
        if (count < kPlayerSlots) groups[count++] = g;
    }
};

int countGroup(const PlayerTable& players, int g) {
    int count = 0;
    for (int p = 0; p < players.player_count; ++p) {
        if (players.player_fmt_groups[p] == g) ++count;
    }
    return count;
}

bool groupHeld(const PlayerTable& players, int g) { return countGroup(players, g) > 0; }

void resetResults(const Allocation& match) {
    PlayerTable& players = match.players;
    for (int p = 0; p < kPlayerSlots; ++p) {
        players.player_teams[p] = 0;
        players.player_rating_classes[p] = 2;
    }
    match.teams = TeamState{};
}

// Notes whether friends may team and splits every group larger than a team.
void checkGroups(const Allocation& match) {
    PlayerTable& players = match.players;
    bool friends = false;
    for (int p = 0; p < players.player_count; ++p) {
        if (players.player_fmt_groups[p] != 0) friends = true;
    }
    if (!friends) return;
    match.teams.fmt_present = 1;  // the civilisation draw then applies the handicap, unless fmt_uncounter

    SeenGroups seen;
    int size = teamSize(players);
    for (int p = 0; p < players.player_count; ++p) {
        int g = players.player_fmt_groups[p];
        if (g == 0 || seen.contains(g)) continue;
        seen.add(g);
        while (countGroup(players, g) > size) splitFmtGroup(match, g);
    }
}

}  // namespace

bool allRated(const PlayerTable& players) {
    for (int p = 0; p < players.player_count; ++p) {
        if (players.player_ratings[p] == -1) return false;
    }
    return true;
}

namespace {

int meanRating(const PlayerTable& players) {
    int64_t sum = 0;
    for (int p = 0; p < players.player_count; ++p) sum += players.player_ratings[p];
    return truncatedMean(sum, players.player_count);
}

// No FMT groups: deal the players class by class, then shuffle places between
// teams and the order inside each team.
void dealAndShuffle(const Allocation& match) {
    const PlayerTable& players = match.players;
    int(&roster)[kMaxTeams][kMaxTeamSize] = match.teams.team_roster;
    int teams = players.team_count;
    int size = teamSize(players);

    int dealt = 0;
    for (int cls = 5; cls >= 1; --cls) {
        for (int p = 0; p < players.player_count; ++p) {
            if (players.player_rating_classes[p] != cls) continue;
            roster[dealt % teams][dealt / teams] = p;
            ++dealt;
        }
    }
    for (int s = 0; s < size; ++s) {
        for (int round = 0; round < kPlaceShuffleRounds; ++round) {
            int a = crtRand() % teams;
            int b = crtRand() % teams;
            if (a != b) std::swap(roster[a][s], roster[b][s]);
        }
    }
    for (int t = 0; t < teams; ++t) {
        for (int round = 0; round < kPlaceShuffleRounds; ++round) {
            int a = (crtRand() % players.player_count) / teams;
            int b = (crtRand() % players.player_count) / teams;
            if (a != b) std::swap(roster[t][a], roster[t][b]);
        }
    }
}

// Mean rating of the first count members of unit id.
int memberMean(const PlayerTable& players, const FmtUnits& units, int id, int count) {
    int64_t sum = 0;
    for (int m = 0; m < count; ++m) sum += players.player_ratings[units.members[id][m]];
    return truncatedMean(sum, count);
}

void buildUnits(const PlayerTable& players, FmtUnits& units) {
    SeenGroups seen;
    int size = teamSize(players);
    for (int p = 0; p < players.player_count; ++p) {
        int g = players.player_fmt_groups[p];
        if (g == 0 || seen.contains(g)) continue;
        seen.add(g);
        int id = units.unit_count;
        int stored = 0;
        int64_t sum = 0;
        for (int q = 0; q < players.player_count; ++q) {
            if (players.player_fmt_groups[q] != g) continue;
            if (stored < size) {
                units.members[id][stored++] = q;
                sum += players.player_ratings[q];
            }
        }
        units.size[id] = countGroup(players, g);
        units.score[id] = truncatedMean(sum, units.size[id]);
        ++units.unit_count;
    }
}

// Merges the unit at the last position into the unit at position i when both
// fit one team; the merged score is their size-weighted mean.
bool mergeLastInto(FmtUnits& units, int i, int size) {
    int last = units.unit_count - 1;
    int a = units.order[last];
    int b = units.order[i];
    if (units.size[a] + units.size[b] > size) return false;
    int64_t weighted =
        static_cast<int64_t>(units.score[last]) * units.size[a] + static_cast<int64_t>(units.score[i]) * units.size[b];
    units.score[i] = static_cast<int>(weighted / (units.size[a] + units.size[b]));
    for (int m = 0; m < units.size[a]; ++m) units.members[b][units.size[b] + m] = units.members[a][m];
    units.size[b] += units.size[a];
    units.size[a] = 0;
    --units.unit_count;
    return true;
}

// Merges units until there are no more than teams of them. A pass that merges
// nothing halves the last unit; a last unit of one player cannot be halved and
// joins the first unit (lowest score first) that has room, which always exists
// while there are more units than teams.
void reduceUnits(const Allocation& match, FmtUnits& units) {
    const PlayerTable& players = match.players;
    int size = teamSize(players);
    while (units.unit_count > players.team_count) {
        int passStart = units.unit_count;
        bool merged = false;
        for (int i = 0; i < (passStart + 1) / 2 && i < units.unit_count - 1; ++i) {
            if (mergeLastInto(units, i, size)) merged = true;
        }
        if (merged) continue;
        int last = units.unit_count - 1;
        if (units.size[units.order[last]] > 1) {
            splitUnit(match, units, last);
            ++units.unit_count;
            ++match.teams.fmt_unit_splits;
        } else {
            for (int i = 0; i < last && !mergeLastInto(units, i, size); ++i) {
            }
        }
    }
}

void placeUngrouped(const Allocation& match, FmtUnits& units) {
    const PlayerTable& players = match.players;
    bool placed[kPlayerSlots] = {};
    int cls = 5;
    for (;;) {
        int found = -1;
        bool waiting = false;
        for (int p = 0; p < players.player_count; ++p) {
            if (players.player_fmt_groups[p] != 0 || placed[p]) continue;
            waiting = true;
            if (found < 0 && players.player_rating_classes[p] == cls) found = p;
        }
        if (found >= 0) {
            placeSingle(match, units, found, cls < 3);
            placed[found] = true;
        } else if (!waiting) {
            return;
        }
        cls = cls == 1 ? 5 : cls - 1;
    }
}

// Ungrouped players of the same class on different teams change places at
// random: a test, then 100 coins, each 1 swapping them.
void swapEqualClasses(const Allocation& match) {
    const PlayerTable& players = match.players;
    int(&roster)[kMaxTeams][kMaxTeamSize] = match.teams.team_roster;
    int teams = players.team_count;
    int size = teamSize(players);
    for (int t1 = 0; t1 < teams; ++t1) {
        for (int t2 = 0; t2 < teams; ++t2) {
            if (t2 == t1) continue;
            for (int s = 0; s < size; ++s) {
                for (int s2 = s + 1; s2 < size; ++s2) {
                    int p = roster[t1][s];
                    int q = roster[t2][s2];
                    if (players.player_fmt_groups[p] != 0 || players.player_fmt_groups[q] != 0) continue;
                    if (players.player_rating_classes[p] != players.player_rating_classes[q]) continue;
                    for (int coin = 0; coin < kSwapCoins; ++coin) {
                        if (crtRand() % 2 == 1) std::swap(roster[t1][s], roster[t2][s2]);
                    }
                }
            }
        }
    }
}

void balanceUnits(const Allocation& match, int avg) {
    const PlayerTable& players = match.players;
    FmtUnits units;
    buildUnits(players, units);
    sortUnits(units, units.unit_count);
    reduceUnits(match, units);
    for (int k = units.unit_count; k < players.team_count; ++k) {
        units.score[k] = avg;
        units.size[units.order[k]] = 0;
    }
    if (units.unit_count < players.team_count) units.unit_count = players.team_count;
    sortUnits(units, units.unit_count);
    placeUngrouped(match, units);

    int size = teamSize(players);
    for (int k = 0; k < units.unit_count; ++k) {
        for (int s = 0; s < size; ++s) match.teams.team_roster[k][s] = units.members[units.order[k]][s];
    }
    swapEqualClasses(match);
}

// Some rating missing: groups and then single players go to random teams with room.
void assignUnrated(const Allocation& match) {
    PlayerTable& players = match.players;
    int teams = players.team_count;
    int size = teamSize(players);
    int given[kMaxTeams + 1] = {};  // players given to team 1..4

    if (match.teams.fmt_present) {
        SeenGroups seen;
        for (int p = 0; p < players.player_count; ++p) {
            int g = players.player_fmt_groups[p];
            if (g == 0 || seen.contains(g)) continue;
            seen.add(g);
            int tries = 0;
            bool done = false;
            while (!done) {
                int t = crtRand() % teams + 1;
                int members = countGroup(players, g);
                for (;;) {
                    if (given[t] + members <= size) {
                        given[t] += members;
                        for (int q = 0; q < players.player_count; ++q) {
                            if (players.player_fmt_groups[q] == g) players.player_teams[q] = t;
                        }
                        done = true;
                        break;
                    }
                    t = crtRand() % 2 == 0 ? (t == teams ? 1 : t + 1) : (t == 1 ? teams : t - 1);
                    if (++tries > kUnratedTries) {
                        splitFmtGroup(match, g);
                        break;
                    }
                }
            }
        }
    }
    for (int p = 0; p < players.player_count; ++p) {
        if (players.player_fmt_groups[p] != 0) continue;
        for (;;) {
            int t = crtRand() % teams;
            players.player_teams[p] = t + 1;
            if (given[t + 1] < size) {
                ++given[t + 1];
                break;
            }
        }
    }
}

}  // namespace

void numberTeams(const Allocation& match) {
    PlayerTable& players = match.players;
    TeamState& teams = match.teams;
    int size = teamSize(players);
    int64_t scoreSum = 0;
    for (int t = 0; t < players.team_count; ++t) {
        int64_t sum = 0;
        for (int s = 0; s < size; ++s) {
            int p = teams.team_roster[t][s];
            players.player_teams[p] = t + 1;
            sum += players.player_ratings[p];
        }
        teams.team_scores[t] = truncatedMean(sum, size);
        scoreSum += teams.team_scores[t];
    }
    teams.team_score_average = truncatedMean(scoreSum, players.team_count);
}

int ratingClass(int rating, int avg) {
    int64_t r = rating;
    int64_t a = avg;
    if (r > a + 150) return 5;
    if (r > a + 75) return 4;
    if (r >= a - 75) return 3;
    if (r >= a - 150) return 2;
    return 1;
}

void assignTeams(const Allocation& match) {
    const OptionSet& options = match.options;
    PlayerTable& players = match.players;
    resetResults(match);
    // fair_teams splits a group larger than a team by its own search; the
    // group check still splits it as always, for the draws and the report.
    std::copy(players.player_fmt_groups, players.player_fmt_groups + kPlayerSlots, match.teams.friend_groups);
    checkGroups(match);
    if (!allRated(players)) {
        if (options.fair_teams) debugLog("Fair Teams needs a rating for every player");
        assignUnrated(match);
        return;
    }
    int avg = meanRating(players);
    for (int p = 0; p < players.player_count; ++p)
        players.player_rating_classes[p] = ratingClass(players.player_ratings[p], avg);
    const bool fairDrawn = options.fair_teams && chooseFairTeams(match);
    if (!fairDrawn && match.teams.fmt_present) {
        balanceUnits(match, avg);
    } else if (!fairDrawn) {
        dealAndShuffle(match);
    }
    numberTeams(match);
}

void splitFmtGroup(const Allocation& match, int g) {
    PlayerTable& players = match.players;
    int count = countGroup(players, g);
    int keep = count == 1 ? 1 : count / 2;
    int fresh;
    do {
        fresh = crtRand() % 100 + 100;
    } while (groupHeld(players, fresh));
    int met = 0;
    for (int p = 0; p < players.player_count; ++p) {
        if (players.player_fmt_groups[p] != g) continue;
        if (met++ >= keep) players.player_fmt_groups[p] = fresh;
    }
}

void splitUnit(const Allocation& match, FmtUnits& units, int k) {
    int a = units.order[k];
    int b = units.order[k + 1];
    int whole = units.size[a];
    int kept = whole / 2;
    for (int m = kept; m < whole; ++m) units.members[b][m - kept] = units.members[a][m];
    units.size[a] = kept;
    units.size[b] = whole - kept;
    const PlayerTable& players = match.players;
    units.score[k] = memberMean(players, units, a, kept);
    units.score[k + 1] = memberMean(players, units, b, whole - kept);
}

void placeSingle(const Allocation& match, FmtUnits& units, int p, bool low) {
    int size = teamSize(match.players);
    int count = units.unit_count;
    for (int step = 0; step < count; ++step) {
        int k = low ? count - 1 - step : step;
        int u = units.order[k];
        if (units.size[u] >= size) continue;
        int old = units.size[u];
        units.members[u][old] = p;
        int64_t weighted = static_cast<int64_t>(units.score[k]) * old + match.players.player_ratings[p];
        units.score[k] = static_cast<int>(weighted / (old + 1));
        units.size[u] = old + 1;
        sortUnits(units, count);
        return;
    }
}

void sortUnits(FmtUnits& units, int unit_count) {
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (int i = 0; i + 1 < unit_count; ++i) {
            if (units.score[i] > units.score[i + 1]) {
                std::swap(units.score[i], units.score[i + 1]);
                std::swap(units.order[i], units.order[i + 1]);
                swapped = true;
            }
        }
    }
}
