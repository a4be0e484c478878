// fair_teams against a brute force of its own: every assignment of a team
// index to every player, kept when the teams are equal, with teams unordered,
// ranked by the teams the FMT groups span, then the broken groups, then the
// spread. The groups are the ones as read, before the group check.
#include "randomiser/allocation/fair_teams.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "common/bounded_copy.h"
#include "common/crt_random.h"
#include "common/text_convert.h"
#include "randomiser/allocation/handicap_reshape.h"
#include "randomiser/allocation/host_rules.h"
#include "randomiser/allocation/team_assignment.h"
#include "randomiser/output/draw_note.h"
#include "randomiser/startup/match_from_words.h"
#include "ratings/results_log.h"
#include "support/allocation_checks.h"
#include "support/randomiser_builder.h"
#include "test_support.h"

namespace {

using Partition = std::set<std::set<int>>;  // the players of each team

// The brute force runs unoptimised under the sanitizers and takes most of
// their run: there the lobby tests take every fifth lobby's share, which still
// meets every kind of lobby and split many times over.
#ifdef BRENLOW_SANITIZED_TESTS
constexpr int kLobbyShare = 5;
#else
constexpr int kLobbyShare = 1;
#endif

// What the brute force knows of one split.
struct Candidate {
    Partition teams;
    int64_t spread;
    int group_teams;
    int broken;
};

struct BruteForce {
    std::vector<Candidate> all;  // every split once
    int fewest_group_teams = 0;
    int fewest_broken = 0;    // among the splits with the fewest group teams
    int64_t best_spread = 0;  // among the splits with both of these

    bool ranksFirst(const Candidate& c) const {
        return c.group_teams == fewest_group_teams && c.broken == fewest_broken;
    }

    // The splits that count as fair for the margin.
    std::set<Partition> fair(int margin) const {
        std::set<Partition> chosen;
        for (const Candidate& c : all) {
            if (ranksFirst(c) && c.spread <= best_spread + margin) chosen.insert(c.teams);
        }
        return chosen;
    }
};

int64_t spreadOf(const PlayerTable& players, const Partition& teams) {
    std::vector<int64_t> scores;
    for (const std::set<int>& team : teams) {
        int64_t sum = 0;
        for (int p : team) sum += players.player_ratings[p];
        scores.push_back(sum / static_cast<int64_t>(team.size()));
    }
    return *std::max_element(scores.begin(), scores.end()) - *std::min_element(scores.begin(), scores.end());
}

// How many teams each FMT group has players in, by group number.
std::map<int, int> teamsOfGroups(const int* groups, const Partition& teams) {
    std::map<int, int> spanned;
    for (const std::set<int>& team : teams) {
        std::set<int> here;
        for (int p : team) {
            if (groups[p] != 0) here.insert(groups[p]);
        }
        for (int g : here) ++spanned[g];
    }
    return spanned;
}

int groupTeamsOf(const int* groups, const Partition& teams) {
    int total = 0;
    for (const auto& group : teamsOfGroups(groups, teams)) total += group.second;
    return total;
}

int brokenOf(const int* groups, const Partition& teams) {
    int broken = 0;
    for (const auto& group : teamsOfGroups(groups, teams)) broken += group.second > 1 ? 1 : 0;
    return broken;
}

int brokenOf(const PlayerTable& players, const Partition& teams) { return brokenOf(players.player_fmt_groups, teams); }

// Adds every split of the players from p on: each joins a team with room,
// and a team not opened yet only as the next one, so that no split comes
// twice under other team numbers.
void addSplitsFrom(int p, int opened, int* teamOf, int* sizes, const PlayerTable& players, const int* groups,
                   BruteForce& result) {
    const int n = players.player_count;
    const int k = players.team_count;
    if (p == n) {
        std::vector<std::set<int>> teams(k);
        for (int q = 0; q < n; ++q) teams[teamOf[q]].insert(q);
        Partition partition(teams.begin(), teams.end());
        result.all.push_back(
            {partition, spreadOf(players, partition), groupTeamsOf(groups, partition), brokenOf(groups, partition)});
        return;
    }
    for (int t = 0; t < k && t <= opened; ++t) {
        if (sizes[t] == n / k) continue;
        teamOf[p] = t;
        ++sizes[t];
        addSplitsFrom(p + 1, std::max(opened, t + 1), teamOf, sizes, players, groups, result);
        --sizes[t];
    }
}

BruteForce bruteForce(const PlayerTable& players, const int* groups) {
    BruteForce result;
    int teamOf[kPlayerSlots] = {};
    int sizes[kMaxTeams] = {};
    addSplitsFrom(0, 0, teamOf, sizes, players, groups, result);
    result.fewest_group_teams = result.all[0].group_teams;
    for (const Candidate& c : result.all)
        result.fewest_group_teams = std::min(result.fewest_group_teams, c.group_teams);
    result.fewest_broken = kPlayerSlots;
    for (const Candidate& c : result.all) {
        if (c.group_teams == result.fewest_group_teams) result.fewest_broken = std::min(result.fewest_broken, c.broken);
    }
    bool first = true;
    for (const Candidate& c : result.all) {
        if (!result.ranksFirst(c)) continue;
        if (first || c.spread < result.best_spread) result.best_spread = c.spread;
        first = false;
    }
    return result;
}

BruteForce bruteForce(const PlayerTable& players) { return bruteForce(players, players.player_fmt_groups); }

Partition teamsOf(const PlayerTable& players) {
    std::vector<std::set<int>> teams(players.team_count);
    for (int p = 0; p < players.player_count; ++p) teams[players.player_teams[p] - 1].insert(p);
    return Partition(teams.begin(), teams.end());
}

Partition teamsOf(const PlayerTable& players, const TeamSplit& split) {
    std::vector<std::set<int>> teams(players.team_count);
    for (int p = 0; p < players.player_count; ++p) teams[split.team_of[p]].insert(p);
    return Partition(teams.begin(), teams.end());
}

// A lobby of 2 to 8 players in 1 to 4 teams (at most 4 players a team),
// ratings 0 to 3000, FMT groups of every size; in about a third of the
// lobbies of more than one team, group 9 is larger than a team.
void randomLobby(std::mt19937& gen, Randomiser& r) {
    const int shapes[][2] = {{2, 1}, {3, 1}, {4, 1}, {2, 2}, {4, 2}, {6, 2}, {8, 2}, {3, 3}, {6, 3}, {4, 4}, {8, 4}};
    const auto& shape = shapes[gen() % 11];
    std::vector<int> ratings;
    std::vector<int> groups;
    int groupNumbers = 1 + gen() % 4;
    int grouped = gen() % 4;  // out of 4: how likely a player is in a group
    for (int p = 0; p < shape[0]; ++p) {
        ratings.push_back(static_cast<int>(gen() % 3001));
        groups.push_back(static_cast<int>(gen() % 4) < grouped ? 1 + static_cast<int>(gen() % groupNumbers) : 0);
    }
    int size = shape[0] / shape[1];
    if (shape[1] > 1 && gen() % 3 == 0) {
        std::vector<int> order(shape[0]);
        for (int p = 0; p < shape[0]; ++p) order[p] = p;
        std::shuffle(order.begin(), order.end(), gen);
        int members = size + 1 + static_cast<int>(gen() % (shape[0] - size));
        for (int m = 0; m < members; ++m) groups[order[m]] = 9;
    }
    setPlayers(r, shape[1], ratings, groups);
    changeOptions(r, [](OptionSet& options) { options.fair_teams = 1; });
}

bool hasGroupLargerThanATeam(const PlayerTable& players) {
    for (int p = 0; p < players.player_count; ++p) {
        int g = players.player_fmt_groups[p];
        if (g != 0 && std::count(players.player_fmt_groups, players.player_fmt_groups + players.player_count, g) >
                          teamSize(players))
            return true;
    }
    return false;
}

// What teammates weigh in tonight's match of the given age (0: the newest).
int weightOfAge(size_t age) {
    const int newest[] = {8, 4, 2};
    return age < 3 ? newest[age] : 1;
}

// The teammate weight of the partition over tonight's matches, newest first:
// each pair of its teammates weighs, for every match that had the pair in
// one team too, that match's weight.
int weightOf(const Partition& teams, const std::vector<Partition>& tonight) {
    int weight = 0;
    for (size_t age = 0; age < tonight.size(); ++age) {
        for (const std::set<int>& team : teams) {
            for (const std::set<int>& teamThen : tonight[age]) {
                int both = 0;
                for (int p : team) both += static_cast<int>(teamThen.count(p));
                weight += both * (both - 1) / 2 * weightOfAge(age);
            }
        }
    }
    return weight;
}

// The history of tonight's matches, newest first, by their partitions.
void setTeammateWeights(Randomiser& r, const std::vector<Partition>& tonight) {
    r.history = MatchHistory{};
    for (size_t age = 0; age < tonight.size(); ++age) {
        for (const std::set<int>& team : tonight[age]) {
            for (int p : team) {
                for (int q : team) r.history.teammate_weights[p][q] += p != q ? weightOfAge(age) : 0;
            }
        }
    }
}

TEST(ListSplits, EverySplitOnceInLexicographicOrder) {
    std::mt19937 gen(11);
    for (int lobby = 0; lobby < 200; ++lobby) {
        Randomiser r;
        randomLobby(gen, r);
        const PlayerTable& players = r.players;
        BruteForce brute = bruteForce(players);
        // Up to five matches tonight, drawn from a generator of their own.
        std::mt19937 pick(lobby);
        std::vector<Partition> tonight;
        for (int m = static_cast<int>(pick() % 6); m > 0; --m)
            tonight.push_back(brute.all[pick() % brute.all.size()].teams);
        setTeammateWeights(r, tonight);
        SplitList list;
        listSplits(players, players.player_fmt_groups, r.history, list);
        ASSERT_EQ(list.count, static_cast<int>(brute.all.size()));
        std::set<Partition> listed;
        for (int i = 0; i < list.count; ++i) {
            const TeamSplit& split = list.splits[i];
            Partition teams = teamsOf(players, split);
            listed.insert(teams);
            EXPECT_EQ(split.spread, spreadOf(players, teams));
            EXPECT_EQ(split.group_teams, groupTeamsOf(players.player_fmt_groups, teams));
            EXPECT_EQ(split.broken_groups, brokenOf(players, teams));
            EXPECT_EQ(split.teammate_weight, weightOf(teams, tonight));
            // Teams are named by their lowest player, and the list ascends.
            int opened = 0;
            for (int p = 0; p < players.player_count; ++p) {
                EXPECT_LE(split.team_of[p], opened);
                if (split.team_of[p] == opened) ++opened;
            }
            if (i > 0) {
                const int* before = list.splits[i - 1].team_of;
                EXPECT_TRUE(std::lexicographical_compare(before, before + players.player_count, split.team_of,
                                                         split.team_of + players.player_count));
            }
        }
        EXPECT_EQ(static_cast<int>(listed.size()), list.count);
    }
    Randomiser eight;
    setPlayers(eight, 4, {1, 2, 3, 4, 5, 6, 7, 8});
    SplitList list;
    listSplits(eight.players, eight.players.player_fmt_groups, eight.history, list);
    EXPECT_EQ(list.count, kMaxSplits);
}

TEST(FairTeams, ChoosesAFairSplitOfTheFewestGroupTeamsThenBrokenGroups) {
    TempFolder folder;  // lobbies beyond any fair split log a line to debug.txt
    std::mt19937 gen(2026);
    const int margins[] = {0, 25, 100, 400};
    int oversized = 0;
    for (int lobby = 0; lobby < 3000 / kLobbyShare; ++lobby) {
        Randomiser r;
        randomLobby(gen, r);
        changeOptions(r, [&](OptionSet& options) { options.fair_margin = margins[gen() % 4]; });
        if (hasGroupLargerThanATeam(r.players)) ++oversized;
        const Randomiser asRead = r;
        Randomiser again = r;
        uint32_t seed = static_cast<uint32_t>(gen());
        crtSrand(seed);
        assignTeams(r);
        SCOPED_TRACE("lobby " + std::to_string(lobby));
        expectEqualTeams(r);
        EXPECT_EQ(r.teams.fair_balanced, 1);

        // The groups are the ones as read: one larger than a team is split by the search.
        const int* groups = asRead.players.player_fmt_groups;
        BruteForce brute = bruteForce(asRead.players, groups);
        Partition chosen = teamsOf(r.players);
        EXPECT_EQ(groupTeamsOf(groups, chosen), brute.fewest_group_teams);
        EXPECT_EQ(brokenOf(groups, chosen), brute.fewest_broken);
        EXPECT_LE(spreadOf(r.players, chosen), brute.best_spread + r.options().fair_margin);
        EXPECT_EQ(brute.fair(r.options().fair_margin).count(chosen), 1u);
        EXPECT_EQ(teamScoreSpread(r), spreadOf(r.players, chosen));
        EXPECT_EQ(bestPossibleSpread(r), brute.best_spread);
        EXPECT_EQ(r.teams.fair_best_spread, brute.best_spread);

        crtSrand(seed);
        assignTeams(again);
        EXPECT_TRUE(
            std::equal(r.players.player_teams, r.players.player_teams + kPlayerSlots, again.players.player_teams));
    }
    EXPECT_GT(oversized, 500 / kLobbyShare);
}

TEST(FairTeams, KeepsEveryGroupWholeWhenSomeSplitDoes) {
    TempFolder folder;  // lobbies beyond any fair split log a line to debug.txt
    // Two pairs and a trio in 8 players of two teams: trio + single and pair + pair fit.
    Randomiser r;
    setPlayers(r, 2, {3000, 0, 2900, 100, 1500, 1400, 1600, 1550}, {1, 1, 1, 2, 2, 3, 3, 0});
    changeOptions(r, [](OptionSet& options) {
        options.fair_teams = 1;
        options.fair_margin = 3000;
    });
    for (uint32_t seed = 1; seed <= 50; ++seed) {
        crtSrand(seed);
        assignTeams(r);
        EXPECT_EQ(brokenOf(r.players, teamsOf(r.players)), 0) << seed;
    }
    // Three pairs in two teams of three: one pair must break, never two.
    Randomiser pairs;
    setPlayers(pairs, 2, {1000, 1900, 1200, 1800, 1400, 1600}, {1, 1, 2, 2, 3, 3});
    changeOptions(pairs, [](OptionSet& options) {
        options.fair_teams = 1;
        options.fair_margin = 3000;
    });
    for (uint32_t seed = 1; seed <= 50; ++seed) {
        crtSrand(seed);
        assignTeams(pairs);
        EXPECT_EQ(brokenOf(pairs.players, teamsOf(pairs.players)), 1) << seed;
    }
}

TEST(FairTeams, DrawsTheSplitThenTheTeamNumbersAndNothingElse) {
    Randomiser r;
    setPlayers(r, 4, {1500, 1510, 1490, 1520, 1480, 1505, 1495, 1500});
    changeOptions(r, [](OptionSet& options) { options.fair_teams = 1; });
    SplitList list;
    listSplits(r.players, r.players.player_fmt_groups, r.history, list);
    FairSplits fair;
    findFairSplits(list, r.options().fair_margin, fair);
    ASSERT_GT(fair.count, 3);

    const uint32_t seed = 99;
    crtSrand(seed);
    int pick = crtRand() % fair.count;
    int rowOf[4] = {0, 1, 2, 3};
    for (int i = 3; i > 0; --i) std::swap(rowOf[i], rowOf[crtRand() % (i + 1)]);
    int next = crtRand();

    crtSrand(seed);
    assignTeams(r);
    EXPECT_EQ(crtRand(), next);  // the civilisation draws go on from here
    const TeamSplit& chosen = list.splits[fair.index[pick]];
    for (int p = 0; p < 8; ++p) EXPECT_EQ(r.players.player_teams[p], rowOf[chosen.team_of[p]] + 1) << p;
    // Each roster row holds its players in player order.
    for (int t = 0; t < 4; ++t) EXPECT_LT(r.teams.team_roster[t][0], r.teams.team_roster[t][1]);
}

TEST(FairTeams, TeammateWeightsLeaveTheLightestFairSplitsToTheDraw) {
    Randomiser r;
    setPlayers(r, 4, {1500, 1510, 1490, 1520, 1480, 1505, 1495, 1500});
    changeOptions(r, [](OptionSet& options) { options.fair_teams = 1; });
    setTeammateWeights(r, {Partition({{0, 1}, {2, 3}, {4, 5}, {6, 7}}), Partition({{0, 1}, {2, 4}, {3, 5}, {6, 7}})});
    SplitList list;
    listSplits(r.players, r.players.player_fmt_groups, r.history, list);
    FairSplits fair;
    findFairSplits(list, r.options().fair_margin, fair);
    int least = INT_MAX;
    for (int i = 0; i < fair.count; ++i) least = std::min(least, list.splits[fair.index[i]].teammate_weight);
    std::vector<int> fewest;  // list positions, in list order
    for (int i = 0; i < fair.count; ++i) {
        if (list.splits[fair.index[i]].teammate_weight == least) fewest.push_back(fair.index[i]);
    }
    ASSERT_GT(fewest.size(), 1u);
    ASSERT_LT(static_cast<int>(fewest.size()), fair.count);

    for (uint32_t seed = 1; seed <= 30; ++seed) {
        crtSrand(seed);
        const TeamSplit& chosen = list.splits[fewest[crtRand() % fewest.size()]];
        int rowOf[4] = {0, 1, 2, 3};
        for (int i = 3; i > 0; --i) std::swap(rowOf[i], rowOf[crtRand() % (i + 1)]);
        int next = crtRand();

        Randomiser run = r;
        crtSrand(seed);
        assignTeams(run);
        EXPECT_EQ(crtRand(), next) << seed;
        for (int p = 0; p < 8; ++p) EXPECT_EQ(run.players.player_teams[p], rowOf[chosen.team_of[p]] + 1) << seed;
    }
}

TEST(FairTeams, OversizedGroupsShowInTheReportAsWithoutIt) {
    TempFolder folder;  // lobbies beyond any fair split log a line to debug.txt
    const std::vector<int> ratings = {1500, 1600, 1700, 1800, 1400, 1300, 1200, 1100};
    const std::vector<int> groups = {4, 4, 4, 4, 4, 4, 0, 0};
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        Randomiser plain;
        setPlayers(plain, 4, ratings, groups);
        Randomiser fair = plain;
        changeOptions(fair, [](OptionSet& options) { options.fair_teams = 1; });
        crtSrand(seed);
        assignTeams(plain);
        crtSrand(seed);
        assignTeams(fair);
        EXPECT_TRUE(std::equal(plain.players.player_fmt_groups, plain.players.player_fmt_groups + 8,
                               fair.players.player_fmt_groups))
            << seed;
        EXPECT_EQ(handicapApplies(fair.options(), fair.teams), 1);
        EXPECT_EQ(fair.teams.fmt_present, 1);
    }
}

TEST(FairTeams, FiftySeedsDrawSeveralOfTheFairSplits) {
    TempFolder folder;  // lobbies beyond any fair split log a line to debug.txt
    std::mt19937 gen(5);
    for (int lobby = 0; lobby < 300; ++lobby) {
        Randomiser base;
        randomLobby(gen, base);
        changeOptions(base, [&](OptionSet& options) { options.fair_margin = static_cast<int>(gen() % 200); });
        size_t fairCount = bruteForce(base.players).fair(base.options().fair_margin).size();
        std::set<Partition> drawn;
        for (uint32_t seed = 1765000000; seed < 1765000050; ++seed) {
            Randomiser r = base;
            crtSrand(seed);
            assignTeams(r);
            drawn.insert(teamsOf(r.players));
        }
        EXPECT_GE(drawn.size(), std::min<size_t>(fairCount, 3)) << "lobby " << lobby;
    }
}

TEST(FairTeams, SampleFriendsLeaveOneSplitInBothNumberings) {
    // The players of dist/PlayerData.txt: the pair 3 (Mirelle, Pellworth) with Orrick
    // against the rest scores 1556 to 1506; every other split is more than 25 worse.
    Randomiser base;
    setPlayers(base, 2, {1480, 1720, 1150, 1890, 1340, 1610}, {0, 3, 0, 0, 0, 3});
    changeOptions(base, [](OptionSet& options) { options.fair_teams = 1; });
    BruteForce brute = bruteForce(base.players);
    ASSERT_EQ(brute.fair(25).size(), 1u);
    EXPECT_EQ(brute.best_spread, 50);
    std::set<std::vector<int>> numberings;
    for (uint32_t seed = 1765000000; seed < 1765000050; ++seed) {
        Randomiser r = base;
        crtSrand(seed);
        assignTeams(r);
        EXPECT_EQ(teamsOf(r.players), Partition({{0, 2, 3}, {1, 4, 5}}));
        numberings.insert(std::vector<int>(r.players.player_teams, r.players.player_teams + 6));
    }
    EXPECT_EQ(numberings.size(), 2u);
}

TEST(FairTeams, MarginZeroDrawsOnlyTheBestSpread) {
    // Equal pairs give several splits of spread 0 among worse ones.
    Randomiser base;
    setPlayers(base, 2, {1000, 1000, 2000, 2000, 1500, 1500, 1200, 1800});
    changeOptions(base, [](OptionSet& options) {
        options.fair_teams = 1;
        options.fair_margin = 0;
    });
    BruteForce brute = bruteForce(base.players);
    ASSERT_EQ(brute.best_spread, 0);
    ASSERT_GT(brute.fair(0).size(), 1u);
    std::set<Partition> drawn;
    for (uint32_t seed = 1; seed <= 50; ++seed) {
        Randomiser r = base;
        crtSrand(seed);
        assignTeams(r);
        EXPECT_EQ(spreadOf(r.players, teamsOf(r.players)), 0) << seed;
        drawn.insert(teamsOf(r.players));
    }
    EXPECT_GE(drawn.size(), 3u);
}

TEST(FairTeams, ChoosesAFairSplitOfTheSmallestTeammateWeight) {
    TempFolder folder;  // lobbies beyond any fair split log a line to debug.txt
    std::mt19937 gen(77);
    int steered = 0;  // lobbies where tonight's teammates rule out some fair split
    for (int lobby = 0; lobby < 1500 / kLobbyShare; ++lobby) {
        Randomiser base;
        randomLobby(gen, base);
        changeOptions(base, [&](OptionSet& options) { options.fair_margin = static_cast<int>(gen() % 120); });
        BruteForce brute = bruteForce(base.players);
        std::vector<Partition> tonight;
        for (int m = 1 + static_cast<int>(gen() % 5); m > 0; --m)
            tonight.push_back(brute.all[gen() % brute.all.size()].teams);
        setTeammateWeights(base, tonight);
        std::set<Partition> fair = brute.fair(base.options().fair_margin);
        int least = INT_MAX;
        for (const Partition& split : fair) least = std::min(least, weightOf(split, tonight));
        bool ruledOut = false;
        for (const Partition& split : fair) ruledOut = ruledOut || weightOf(split, tonight) > least;
        steered += ruledOut ? 1 : 0;
        for (uint32_t seed = 1765000000; seed < 1765000010; ++seed) {
            Randomiser r = base;
            crtSrand(seed);
            assignTeams(r);
            Partition chosen = teamsOf(r.players);
            EXPECT_EQ(fair.count(chosen), 1u) << "lobby " << lobby << " seed " << seed;
            EXPECT_EQ(weightOf(chosen, tonight), least) << "lobby " << lobby << " seed " << seed;
        }
    }
    EXPECT_GT(steered, 150 / kLobbyShare);
}

// The sample folder (dist/) of this source tree.
std::string sampleFile(const std::string& name) {
    std::string file = __FILE__;
    return file.substr(0, file.rfind("/tests/")) + "/dist/" + name;
}

// The sample scripts with a PlayerData.txt of its own in the working folder.
void writeGameFolder(const std::string& playerData) {
    for (const char* name : {"Scripts/Civ_Details.txt", "Scripts/Map_Details.txt", "Scripts/Rule_Details.txt"})
        writeFile(name, readFile(sampleFile(name)));
    writeFile("PlayerData.txt", playerData);
}

Randomiser startRun(int64_t seed, const std::vector<std::wstring>& words) {
    Randomiser r;
    std::vector<std::wstring> line = words;
    EXPECT_TRUE(computeMatch(r, seed, line));
    return r;
}

// The report's lines, one text.
std::wstring reportText(const Randomiser& r) {
    std::wstring text;
    for (int line = 0; line < r.report.report_line_count; ++line)
        text += r.report.report_lines[line] + std::wstring(L"\n");
    return text;
}

// The match's line of Results.txt, as Ctrl+1 appends it.
std::string resultsLineOf(const Randomiser& r) {
    MatchLine line = r.report.results_line;
    line.when = MatchTime{2026, 3, 14, 20, 30};
    return formatMatchLine(line) + "\r\n";
}

TEST(FairTeams, ADrawWithItsSeedLeavesOutItsOwnResultsLineAndTheLinesAfter) {
    TempFolder folder;
    writeGameFolder(
        "player_num {8} team_num {2} player_name { 'Alder' 'Brisk' 'Corra' 'Dunmore' 'Ember' 'Fallow' 'Gale' "
        "'Hollin' } player_rating { 1650 1480 1720 1390 1555 1610 1500 1580 } player_fmt_group { 0 2 0 0 0 2 0 0 }");
    const std::vector<std::wstring> words = {L"Brenlow_Sortilane.exe", L"rating", L"fair_teams", L"handicap"};
    // Four matches of an evening, each line appended after its draw.
    std::vector<int64_t> seeds = {1765000100, 1765000200, 1765000300, 1765000400};
    std::vector<std::wstring> reports;
    std::string results;
    for (int64_t seed : seeds) {
        const Randomiser run = startRun(seed, words);
        reports.push_back(reportText(run));
        results += resultsLineOf(run);
        writeFile("Results.txt", results);
    }
    // Checked with the whole file, each seed gives its report again.
    for (size_t m = 0; m < seeds.size(); ++m) EXPECT_EQ(reportText(startRun(seeds[m], words)), reports[m]) << m;

    // The same lines under other seeds count as matches before: some draw changes.
    std::string renumbered = results;
    for (int64_t seed : seeds) {
        const std::string number = std::to_string(seed);
        renumbered.replace(renumbered.find(number), number.size(), std::to_string(seed + 1));
    }
    writeFile("Results.txt", renumbered);
    int changed = 0;
    for (size_t m = 0; m < seeds.size(); ++m) changed += reportText(startRun(seeds[m], words)) != reports[m] ? 1 : 0;
    EXPECT_GT(changed, 0);
}

// Results.txt of an evening of six players in teams of two, checked against
// the brute force's weights: the lightest split is the one the evening before
// had, which a draw counting that line, or counting the last three lines
// alike, would not take.
TEST(FairTeams, TonightsLinesOfResultsWeighAsTheBruteForceWeighsThem) {
    TempFolder folder;
    writeGameFolder(
        "player_num {6} team_num {3} player_name { 'Alder' 'Brisk' 'Corra' 'Dunmore' 'Ember' 'Fallow' } "
        "player_rating { 1500 1510 1490 1520 1480 1505 } player_fmt_group { 0 0 0 0 0 0 }");
    const char* const names[] = {"Alder", "Brisk", "Corra", "Dunmore", "Ember", "Fallow"};
    // The lines oldest first: the first ends more than six hours before the
    // second; tonight runs past midnight.
    const std::vector<std::pair<std::string, Partition>> lines = {
        {"2026-03-14 15:59", Partition({{0, 5}, {1, 4}, {2, 3}})},
        {"2026-03-14 22:00", Partition({{0, 3}, {1, 2}, {4, 5}})},
        {"2026-03-14 23:00", Partition({{0, 4}, {1, 2}, {3, 5}})},
        {"2026-03-14 23:40", Partition({{0, 5}, {1, 3}, {2, 4}})},
        {"2026-03-15 00:20", Partition({{0, 2}, {1, 5}, {3, 4}})},
        {"2026-03-15 01:00", Partition({{0, 1}, {2, 5}, {3, 4}})},
    };
    std::string results;
    std::vector<Partition> tonight;  // newest first
    for (size_t line = 0; line < lines.size(); ++line) {
        int teamOf[6] = {};
        int team = 0;
        for (const std::set<int>& players : lines[line].second) {
            ++team;
            for (int p : players) teamOf[p] = team;
        }
        results += lines[line].first + "\t" + std::to_string(line + 1) + "\t1";
        for (int p = 0; p < 6; ++p)
            results += std::string("\t") + names[p] + "\t" + std::to_string(teamOf[p]) + "\t1500";
        results += "\r\n";
        if (line > 0) tonight.insert(tonight.begin(), lines[line].second);
    }
    writeFile("Results.txt", results);

    Randomiser lobby;
    setPlayers(lobby, 3, {1500, 1510, 1490, 1520, 1480, 1505});
    const BruteForce brute = bruteForce(lobby.players);
    std::set<Partition> lightest;
    int least = INT_MAX;
    for (const Candidate& split : brute.all) least = std::min(least, weightOf(split.teams, tonight));
    for (const Candidate& split : brute.all) {
        if (weightOf(split.teams, tonight) == least) lightest.insert(split.teams);
    }
    ASSERT_EQ(brute.fair(400).size(), 15u);
    ASSERT_EQ(lightest, std::set<Partition>({lines[0].second}));

    for (uint32_t seed = 1765000000; seed < 1765000020; ++seed) {
        const Randomiser r = startRun(seed, {L"Brenlow_Sortilane.exe", L"fair_teams", L"400"});
        EXPECT_EQ(teamsOf(r.players), lines[0].second) << seed;
    }
}

TEST(FairTeams, ABestSpreadAbove200IsLoggedAndNoted) {
    TempFolder folder;
    // Two pairs of friends, the strong pair against the weak one.
    Randomiser r;
    setPlayers(r, 2, {2000, 2100, 1000, 1100}, {1, 1, 2, 2});
    changeOptions(r, [](OptionSet& options) { options.fair_teams = 1; });
    crtSrand(3);
    assignTeams(r);
    EXPECT_EQ(r.teams.fair_best_spread, 1000);
    logUnfairTeams(r);
    EXPECT_EQ(debugLogText(), "Fair Teams: the best split leaves a spread of 1000\n");
    EXPECT_EQ(unfairTeamsNote(r),
              L"Fairest teams still differ by 1000 points: a friend group is too large; change the FMT groups?");

    // Pins that put the two strong players together are the cause when the
    // players could be split fairly without them.
    Randomiser pinned;
    setPlayers(pinned, 2, {2000, 2100, 1000, 1100});
    changeOptions(pinned, [](OptionSet& options) { options.fair_teams = 1; });
    pinned.players.player_team_pins[0] = 2;
    pinned.players.player_team_pins[1] = 2;
    assignTeams(pinned);
    EXPECT_EQ(unfairTeamsNote(pinned),
              L"Fairest teams still differ by 1000 points: the pins and apart groups force it; change them (Rostrix, "
              L"Ctrl+4)?");

    // Without groups the note names the cause it can see: an unrated player,
    // else the ratings.
    Randomiser apart;
    setPlayers(apart, 2, {3000, 1000, 1000, 1000}, {0, 0, 0, 0});
    changeOptions(apart, [](OptionSet& options) { options.fair_teams = 1; });
    assignTeams(apart);
    EXPECT_EQ(unfairTeamsNote(apart),
              L"Fairest teams still differ by 1000 points: the ratings themselves are too far apart");
    apart.players.player_unrated[2] = 1;
    EXPECT_EQ(unfairTeamsNote(apart), std::wstring(L"Fairest teams still differ by 1000 points: ") +
                                          apart.players.player_names[2] +
                                          L" is unrated: give a rating (Rostrix, Ctrl+2)?");

    // 201 is above the limit, 200 is not.
    Randomiser edge;
    setPlayers(edge, 2, {1200, 1200, 1000, 1000}, {1, 1, 2, 2});
    changeOptions(edge, [](OptionSet& options) { options.fair_teams = 1; });
    assignTeams(edge);
    EXPECT_EQ(unfairTeamsNote(edge), L"");
    edge.players.player_ratings[0] = 1202;
    assignTeams(edge);
    EXPECT_EQ(edge.teams.fair_best_spread, 201);
    EXPECT_NE(unfairTeamsNote(edge), L"");

    Randomiser classes;  // rating alone says nothing
    setPlayers(classes, 2, {2000, 2100, 1000, 1100}, {1, 1, 2, 2});
    assignTeams(classes);
    EXPECT_EQ(unfairTeamsNote(classes), L"");
}

// At most two fair splits: the draw's balloon says so, and names the
// smallest margin that lets in a third (or every split the friend groups
// leave, when they leave fewer).
TEST(FairTeams, AtMostTwoFairSplitsAreNotedWithTheMarginThatAllowsMore) {
    TempFolder folder;  // lobbies beyond any fair split log a line to debug.txt
    struct Case {
        std::vector<int> ratings;
        std::vector<int> groups;
        int teams;
        int margin;
        std::wstring start;  // the note up to the margin it names; empty for no note
        size_t allows;
    };
    const std::wstring one = L"Only 1 fair split (margin 25): the same teams each match; fair_teams ";
    const Case cases[] = {
        {{1480, 1720, 1150, 1890, 1340, 1610}, {0, 3, 0, 0, 0, 3}, 2, 25, one, 3},  // the sample folder
        {{1000, 1010, 2000, 2010},
         {0, 0, 0, 0},
         2,
         25,
         L"Only 2 fair splits (margin 25): the teams take turns; fair_teams ",
         3},
        // Two pairs of friends leave two splits, one of them fair.
        {{1000, 1300, 1500, 1500, 1400, 1400}, {0, 0, 1, 1, 2, 2}, 2, 25, one, 2},
        {{1000, 1300, 1500, 1500, 1400, 1400}, {0, 0, 1, 1, 2, 2}, 2, 200, L"", 0},
        {{1500, 1510, 1490, 1520, 1480, 1505, 1495, 1500}, {0, 0, 0, 0, 0, 0, 0, 0}, 2, 25, L"", 0},
    };
    for (const Case& c : cases) {
        Randomiser r;
        setPlayers(r, c.teams, c.ratings, c.groups);
        changeOptions(r, [&](OptionSet& options) {
            options.fair_teams = 1;
            options.fair_margin = c.margin;
        });
        const BruteForce brute = bruteForce(r.players);
        crtSrand(5);
        assignTeams(r);
        const std::wstring note = fewFairSplitsNote(r);
        SCOPED_TRACE(toUtf8(note));
        if (c.start.empty()) {
            EXPECT_EQ(note, L"");
            continue;
        }
        ASSERT_EQ(note.substr(0, c.start.size()), c.start);
        const std::wstring rest = note.substr(c.start.size());
        const int wider = std::stoi(rest);
        EXPECT_EQ(rest, std::to_wstring(wider) + L" allows " + std::to_wstring(c.allows));
        EXPECT_GE(brute.fair(wider).size(), c.allows);
        EXPECT_LT(brute.fair(wider - 1).size(), c.allows);
        EXPECT_NE(drawBalloonText(r, L"", 1000).find(L"\n" + note), std::wstring::npos);
    }
    Randomiser classes;  // rating alone says nothing
    setPlayers(classes, 2, {1000, 1010, 2000, 2010});
    assignTeams(classes);
    EXPECT_EQ(fewFairSplitsNote(classes), L"");
}

TEST(FairTeams, MissingRatingLogsAndTakesTheUnratedPath) {
    TempFolder folder;
    const std::vector<int> ratings = {1500, -1, 1600, 1400};
    const std::vector<int> groups = {1, 1, 0, 0};
    Randomiser unrated;
    setPlayers(unrated, 2, ratings, groups);
    Randomiser fair = unrated;
    changeOptions(fair, [](OptionSet& options) { options.fair_teams = 1; });
    crtSrand(8);
    assignTeams(unrated);
    EXPECT_EQ(debugLogText(), "");
    crtSrand(8);
    assignTeams(fair);
    EXPECT_EQ(debugLogText(), "Fair Teams needs a rating for every player\n");
    EXPECT_EQ(fair.teams.fair_balanced, 0);
    EXPECT_TRUE(std::equal(unrated.players.player_teams, unrated.players.player_teams + 8, fair.players.player_teams));
    EXPECT_EQ(fair.teams.team_scores[0], 0);
    EXPECT_EQ(fair.players.player_rating_classes[0], 2);
}

// Players that no split fits into equal teams (the start refuses such counts
// before; this is the guard behind it): said, and nothing drawn.
TEST(FairTeams, NoSplitAtAllIsSaidAndDrawsNothing) {
    TempFolder folder;
    Randomiser r;
    setPlayers(r, 2, {1500, 1400, 1600, 1300, 1700}, {0, 0, 0, 0, 0});
    changeOptions(r, [](OptionSet& options) { options.fair_teams = 1; });
    crtSrand(3);
    const int firstDraw = crtRand();
    crtSrand(3);
    EXPECT_FALSE(chooseFairTeams(r));
    EXPECT_EQ(debugLogText(), "Fair Teams found no split of 5 players into 2 teams\n");
    EXPECT_EQ(r.teams.fair_balanced, 0);
    EXPECT_EQ(crtRand(), firstDraw) << "no draw was made";
}


// The brute force of the host's rules: every numbered assignment that keeps
// every pin (a player pinned to n in team n) and no team with more of an apart
// group of k players than ceil(k / teams), as unordered teams.
std::set<Partition> splitsKeepingHostRules(const PlayerTable& players) {
    const int n = players.player_count;
    const int k = players.team_count;
    int codes = 1;
    for (int i = 0; i < n; ++i) codes *= k;
    std::set<Partition> kept;
    for (int code = 0; code < codes; ++code) {
        int teamOf[kPlayerSlots];
        int sizes[kMaxTeams] = {};
        bool keeps = true;
        for (int p = 0, rest = code; p < n; ++p, rest /= k) {
            ++sizes[teamOf[p] = rest % k];
            const int pin = players.player_team_pins[p];
            keeps = keeps && (pin == 0 || pin == teamOf[p] + 1);
        }
        if (!keeps || std::count(sizes, sizes + k, n / k) != k) continue;
        std::map<std::pair<int, int>, int> apartInTeam;  // (group, team) -> players
        std::map<int, int> apartSize;
        for (int p = 0; p < n; ++p) {
            const int g = players.player_apart_groups[p];
            if (g == 0) continue;
            ++apartInTeam[{g, teamOf[p]}];
            ++apartSize[g];
        }
        for (const auto& held : apartInTeam) keeps = keeps && held.second <= (apartSize[held.first.first] + k - 1) / k;
        if (!keeps) continue;
        std::vector<std::set<int>> teams(k);
        for (int p = 0; p < n; ++p) teams[teamOf[p]].insert(p);
        kept.insert(Partition(teams.begin(), teams.end()));
    }
    return kept;
}

// Random pins (to any number up to the teams, sometimes beyond) and apart
// groups on top of a random lobby.
void addHostRules(std::mt19937& gen, PlayerTable& players) {
    const int pinned = static_cast<int>(gen() % 4);  // out of 8: how likely a player is pinned
    const int apart = static_cast<int>(gen() % 5);   // out of 8: how likely a player is kept apart
    for (int p = 0; p < players.player_count; ++p) {
        if (static_cast<int>(gen() % 8) < pinned) players.player_team_pins[p] = 1 + gen() % (players.team_count + 1);
        if (static_cast<int>(gen() % 8) < apart) players.player_apart_groups[p] = 1 + gen() % 2;
    }
}

TEST(HostRules, TheSearchKeepsPinsApartAndFriendGroupsAsTheBruteForceDoes) {
    TempFolder folder;
    std::mt19937 gen(36);
    int clashes = 0;
    int kept = 0;
    for (int lobby = 0; lobby < 600 / kLobbyShare; ++lobby) {
        Randomiser r;
        randomLobby(gen, r);
        addHostRules(gen, r.players);
        if (r.players.team_count == 1) continue;
        SCOPED_TRACE("lobby " + std::to_string(lobby));
        const PlayerTable asRead = r.players;
        const int* groups = asRead.player_fmt_groups;
        const std::set<Partition> keeping = splitsKeepingHostRules(asRead);
        SplitList list;
        listSplits(asRead, groups, r.history, list);
        std::set<Partition> listed;
        for (int i = 0; i < list.count; ++i) listed.insert(teamsOf(asRead, list.splits[i]));
        EXPECT_EQ(listed, keeping);
        EXPECT_EQ(list.count, static_cast<int>(keeping.size()));

        // Kept when some split keeps the rules and the friend groups as whole as without them.
        const BruteForce free = bruteForce(asRead, groups);
        bool whole = false;
        int64_t best = INT64_MAX;
        for (const Candidate& c : free.all) {
            if (!keeping.count(c.teams) || !free.ranksFirst(c)) continue;
            whole = true;
            best = std::min(best, c.spread);
        }
        const std::wstring clash = hostRulesClash(asRead, groups, r.history);
        EXPECT_EQ(clash.empty(), whole) << toUtf8(clash);
        if (!whole) {
            ++clashes;
            continue;
        }
        ++kept;
        crtSrand(static_cast<uint32_t>(gen()));
        assignTeams(r);
        EXPECT_TRUE(keeping.count(teamsOf(r.players)));
        EXPECT_EQ(r.teams.fair_best_spread, best);
        EXPECT_EQ(bestPossibleSpread(r), best);
        EXPECT_EQ(bestSpreadWithoutHostRules(r), free.best_spread);
        for (int p = 0; p < asRead.player_count; ++p) {
            if (asRead.player_team_pins[p] != 0) {
                EXPECT_EQ(r.players.player_teams[p], asRead.player_team_pins[p]);
            }
        }
    }
    EXPECT_GT(clashes, 30 / kLobbyShare);
    EXPECT_GT(kept, 150 / kLobbyShare);
}

// The names p1, p2 and so on.
void nameP1Up(PlayerTable& players) {
    for (int p = 0; p < kPlayerSlots; ++p) std::swprintf(players.player_names[p], kPlayerNameUnits, L"p%d", p + 1);
}

TEST(HostRules, ClashesNameThePlayersAndWhatCannotBeKept) {
    struct ClashCase {
        int teams;
        std::vector<int> groups;
        std::vector<int> pins;
        std::vector<int> apart;
        const wchar_t* clash;  // empty: kept
    };
    const ClashCase cases[] = {
        {2, {0, 0, 0, 0}, {1, 0, 1, 0}, {0, 0, 0, 0}, L""},
        {2, {0, 0, 0, 0}, {3, 0, 0, 0}, {0, 0, 0, 0}, L"p1 is pinned to team 3, but the match has teams 1 to 2"},
        {2, {0, 0, 0, 0}, {1, 1, 1, 0}, {0, 0, 0, 0}, L"p1, p2 and p3 are pinned to team 1, which holds 2 players"},
        {2, {0, 0, 0, 0}, {1, 1, 0, 0}, {5, 5, 0, 0}, L"p1 and p2 are kept apart (apart group 5) but pinned to team 1 together"},
        // Three of one apart group in two teams: two may share a team.
        {2, {0, 0, 0, 0, 0, 0}, {1, 1, 0, 0, 0, 0}, {5, 5, 5, 0, 0, 0}, L""},
        {2, {7, 7, 0, 0}, {1, 2, 0, 0}, {0, 0, 0, 0}, L"p1 and p2 are friends (FMT group 7) but pinned to teams 1 and 2"},
        {2, {7, 7, 0, 0}, {0, 0, 0, 0}, {4, 4, 0, 0}, L"p1 and p2 are friends (FMT group 7) but kept apart (apart group 4)"},
        // A friend group larger than a team spans two teams anyway.
        {2, {7, 7, 7, 0}, {1, 2, 0, 0}, {0, 0, 0, 0}, L""},
        // An apart group of three needs a place in each of three teams; two pins fill team 1.
        {3, {0, 0, 0, 0, 0, 0}, {0, 0, 0, 1, 1, 0}, {2, 2, 2, 0, 0, 0},
         L"no split into 3 teams keeps the pins and apart groups of p1, p2, p3, p4 and p5 with the FMT groups"},
    };
    for (const ClashCase& c : cases) {
        Randomiser r;
        std::vector<int> ratings(c.groups.size(), 1500);
        setPlayers(r, c.teams, ratings, c.groups);
        nameP1Up(r.players);
        std::copy(c.pins.begin(), c.pins.end(), r.players.player_team_pins);
        std::copy(c.apart.begin(), c.apart.end(), r.players.player_apart_groups);
        EXPECT_EQ(hostRulesClash(r.players, r.players.player_fmt_groups, r.history), c.clash);
    }
}

TEST(HostRules, AStartRefusesThemWithoutFairTeamsAndRefusesAClash) {
    TempFolder folder;
    struct StartCase {
        bool fair;
        std::vector<int> pins;
        bool starts;
        const char* line;  // in debug.txt when refused
    };
    const StartCase cases[] = {
        {false, {0, 0, 0, 0}, true, ""},
        {false, {0, 2, 0, 0}, false, "start with fair_teams"},
        {true, {0, 2, 0, 0}, true, ""},
        {true, {2, 2, 2, 0}, false, "p1, p2 and p3 are pinned to team 2, which holds 2 players"},
    };
    for (const StartCase& c : cases) {
        Randomiser r;
        setPlayers(r, 2, {1500, 1600, 1700, 1800});
        changeOptions(r, [&](OptionSet& options) { options.fair_teams = c.fair ? 1 : 0; });
        nameP1Up(r.players);
        std::copy(c.pins.begin(), c.pins.end(), r.players.player_team_pins);
        std::filesystem::remove("debug.txt");
        EXPECT_EQ(checkHostRules(r), c.starts);
        if (!c.starts) {
            EXPECT_NE(readFile("debug.txt").find(c.line), std::string::npos) << c.line;
        }
    }
}

TEST(HostRules, CellsSayThePinsThenEachApartGroup) {
    Randomiser r;
    setPlayers(r, 2, {1500, 1600, 1700, 1800, 1900, 2000});
    const wchar_t* names[] = {L"Kestrel", L"Влад", L"Mo", L"Ørjan", L"Ana", L"Bo"};
    for (int p = 0; p < 6; ++p) boundedCopy(r.players.player_names[p], names[p]);
    EXPECT_TRUE(hostRuleCells(r.players).empty());
    const int pins[] = {1, 0, 1, 0, 0, 2};
    const int apart[] = {0, 3, 0, 3, 8, 8};
    std::copy(pins, pins + 6, r.players.player_team_pins);
    std::copy(apart, apart + 6, r.players.player_apart_groups);
    const std::vector<std::wstring> cells = {L"Pinned Kestrel 1, Mo 1, Bo 2", L"Apart Влад Ørjan", L"Apart Ana Bo"};
    EXPECT_EQ(hostRuleCells(r.players), cells);
}

}  // namespace
