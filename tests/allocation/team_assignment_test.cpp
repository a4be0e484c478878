#include "randomiser/allocation/team_assignment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "common/crt_random.h"
#include "randomiser/allocation/handicap_reshape.h"
#include "support/allocation_checks.h"
#include "support/randomiser_builder.h"

namespace {

struct ClassCase {
    int rating;
    int expected;
};

TEST(RatingClass, BoundsAroundTheMean) {
    const ClassCase cases[] = {
        {1651, 5}, {1650, 4}, {1576, 4}, {1575, 3}, {1500, 3}, {1425, 3},
        {1424, 2}, {1350, 2}, {1349, 1}, {0, 1},    {-5, 1},
    };
    for (const ClassCase& c : cases) EXPECT_EQ(ratingClass(c.rating, 1500), c.expected) << c.rating;
}

TEST(AssignTeams, DealKeepsOnePlayerOfEachDealRankPerTeam) {
    // Classes: 5 5 4 4 3 3 2 1 around the mean 1500.
    const std::vector<int> ratings = {1700, 1660, 1600, 1580, 1500, 1480, 1400, 1100};
    for (uint32_t seed = 1; seed <= 200; ++seed) {
        Randomiser r;
        setPlayers(r, 2, ratings);
        crtSrand(seed);
        assignTeams(r);
        expectEqualTeams(r);
        // The deal pairs players 0/1, 2/3, 4/5, 6/7; the shuffles keep each pair apart.
        for (int pair = 0; pair < 4; ++pair)
            EXPECT_NE(r.players.player_teams[2 * pair], r.players.player_teams[2 * pair + 1]) << seed;
        EXPECT_EQ(r.teams.fmt_present, 0);
        EXPECT_EQ(handicapApplies(r.options(), r.teams), 0);
    }
}

TEST(AssignTeams, TeamScoresAreTruncatedMeansOfTheRoster) {
    Randomiser r;
    setPlayers(r, 2, {1601, 1400, 1550, 1450});
    crtSrand(7);
    assignTeams(r);
    int sums[2] = {};
    for (int p = 0; p < 4; ++p) sums[r.players.player_teams[p] - 1] += r.players.player_ratings[p];
    EXPECT_EQ(r.teams.team_scores[0], sums[0] / 2);
    EXPECT_EQ(r.teams.team_scores[1], sums[1] / 2);
    EXPECT_EQ(r.teams.team_score_average, (sums[0] / 2 + sums[1] / 2) / 2);
}

TEST(SplitFmtGroup, GroupOfFiveKeepsTwoAndMovesThreeToAFreshNumber) {
    Randomiser r;
    setPlayers(r, 2, {1500, 1500, 1500, 1500, 1500, 1500, 1500, 1500}, {7, 7, 0, 7, 7, 0, 7, 100});
    crtSrand(3);
    splitFmtGroup(r, 7);
    const int* g = r.players.player_fmt_groups;
    EXPECT_EQ(g[0], 7);
    EXPECT_EQ(g[1], 7);
    int fresh = g[3];
    EXPECT_GE(fresh, 101);  // 100 is held by player 7
    EXPECT_LE(fresh, 199);
    EXPECT_EQ(g[4], fresh);
    EXPECT_EQ(g[6], fresh);
    EXPECT_EQ(g[2], 0);
    EXPECT_EQ(g[7], 100);
}

TEST(SplitFmtGroup, NewNumberAvoidsEveryHeldGroup) {
    // Seeds whose first draw is a number some player holds must draw again.
    for (uint32_t seed = 0; seed < 500; ++seed) {
        Randomiser r;
        setPlayers(r, 2, {1, 1, 1, 1, 1, 1, 1, 1}, {5, 5, 5, 150, 151, 152, 153, 154});
        crtSrand(seed);
        splitFmtGroup(r, 5);
        int fresh = r.players.player_fmt_groups[1];
        EXPECT_TRUE(fresh < 150 || fresh > 154) << seed;
        EXPECT_EQ(r.players.player_fmt_groups[2], fresh);
    }
}

TEST(AssignTeams, OversizedGroupIsSplitBeforeBalancing) {
    Randomiser r;
    setPlayers(r, 2, {1500, 1510, 1520, 1530, 1540, 1400, 1450, 1600}, {9, 9, 9, 9, 9, 0, 0, 0});
    crtSrand(11);
    assignTeams(r);
    const int* g = r.players.player_fmt_groups;
    EXPECT_EQ(std::count(g, g + 8, 9), 2);
    EXPECT_GE(g[2], 100);
    EXPECT_EQ(g[2], g[3]);
    EXPECT_EQ(g[3], g[4]);
    EXPECT_EQ(handicapApplies(r.options(), r.teams), 1);
    EXPECT_EQ(r.teams.fmt_present, 1);
    expectEqualTeams(r);
    expectGroupsTogether(r);
}

TEST(AssignTeams, ThreePairsInTwoTeamsOfFour) {
    // Pairs scored 1600 (players 0,1), 1500 (2,3) and 1400 (4,5); the first
    // pass merges the highest pair into the lowest: units 4 (1400+1600) and 2.
    Randomiser r;
    setPlayers(r, 2, {1600, 1600, 1500, 1500, 1400, 1400, 1450, 1550}, {1, 1, 2, 2, 3, 3, 0, 0});
    changeOptions(r, [](OptionSet& options) { options.fmt_uncounter = 1; });
    crtSrand(5);
    assignTeams(r);
    const int* t = r.players.player_teams;
    EXPECT_EQ(t[0], t[4]);
    EXPECT_EQ(t[0], t[1]);
    EXPECT_EQ(t[4], t[5]);
    EXPECT_EQ(t[2], t[3]);
    EXPECT_EQ(t[6], t[2]);  // the ungrouped players join the unit of two
    EXPECT_EQ(t[7], t[2]);
    EXPECT_EQ(handicapApplies(r.options(), r.teams), 0);  // fmt_uncounter keeps handicap off
    EXPECT_EQ(r.teams.fmt_unit_splits, 0);
}

TEST(AssignTeams, SingleMemberUnitThatCannotBeHalvedJoinsAUnitWithRoom) {
    // Three teams of two: two full pairs with the lowest scores and two
    // single-member groups. A pass merges nothing and the last unit has one
    // member; it joins the other single-member group.
    Randomiser r;
    setPlayers(r, 3, {1000, 1000, 1100, 1100, 1900, 2000}, {1, 1, 2, 2, 3, 4});
    crtSrand(1);
    assignTeams(r);
    expectEqualTeams(r);
    const int* t = r.players.player_teams;
    EXPECT_EQ(t[0], t[1]);
    EXPECT_EQ(t[2], t[3]);
    EXPECT_EQ(t[4], t[5]);
    EXPECT_EQ(r.teams.fmt_unit_splits, 0);
}

TEST(AssignTeams, MissingUnitTakesTheAverageScore) {
    // One pair (score 1300) in a two-team game: the missing unit starts empty
    // with the mean 1516 and so sorts after the pair; the class-5 player goes
    // to the lowest unit with room, the pair (with a score of 0 for the empty
    // unit it would have gone there).
    Randomiser r;
    setPlayers(r, 2, {1300, 1300, 1700, 1500, 1600, 1600}, {4, 4, 0, 0, 0, 0});
    crtSrand(2);
    assignTeams(r);
    expectEqualTeams(r);
    EXPECT_EQ(r.players.player_teams[0], r.players.player_teams[1]);
    EXPECT_EQ(r.players.player_teams[0], r.players.player_teams[2]);
    EXPECT_EQ(r.players.player_teams[0], 1);  // (1300 + 1300 + 1700) / 3 is the lower score
    EXPECT_EQ(r.teams.team_scores[0], 1433);
    EXPECT_EQ(r.teams.team_scores[1], 1566);
}

TEST(AssignTeams, UnratedPathKeepsGroupsAndLeavesNoScores) {
    for (uint32_t seed = 0; seed < 300; ++seed) {
        Randomiser r;
        setPlayers(r, 3, {1500, -1, 1500, 1500, 1500, 1500}, {2, 2, 0, 0, 0, 0});
        crtSrand(seed);
        assignTeams(r);
        expectEqualTeams(r);
        EXPECT_EQ(r.players.player_teams[0], r.players.player_teams[1]);
        for (int p = 0; p < 6; ++p) EXPECT_EQ(r.players.player_rating_classes[p], 2);
        for (int t = 0; t < 4; ++t) EXPECT_EQ(r.teams.team_scores[t], 0);
        EXPECT_EQ(handicapApplies(r.options(), r.teams), 1);
    }
}

TEST(AssignTeams, UnratedGroupsThatDoNotFitAreSplit) {
    // Two teams of three and three pairs: the third pair fits nowhere whole.
    Randomiser r;
    setPlayers(r, 2, {-1, -1, -1, -1, -1, -1}, {1, 1, 2, 2, 3, 3});
    crtSrand(9);
    assignTeams(r);
    expectEqualTeams(r);
    EXPECT_EQ(r.players.player_teams[0], r.players.player_teams[1]);
    EXPECT_EQ(r.players.player_teams[2], r.players.player_teams[3]);
    EXPECT_EQ(r.players.player_fmt_groups[4], 3);
    EXPECT_GE(r.players.player_fmt_groups[5], 100);
}

TEST(SortUnits, StableAscending) {
    FmtUnits units;
    const int scores[] = {5, 3, 5, 1, 3};
    for (int i = 0; i < 5; ++i) units.score[i] = scores[i];
    sortUnits(units, 5);
    const int expectedScores[] = {1, 3, 3, 5, 5};
    const int expectedOrder[] = {3, 1, 4, 0, 2};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(units.score[i], expectedScores[i]);
        EXPECT_EQ(units.order[i], expectedOrder[i]);
    }
    EXPECT_EQ(units.order[5], 5);  // free ids stay where they are
}

TEST(SplitUnit, HalvesMembersAndScores) {
    Randomiser r;
    setPlayers(r, 1, {1000, 1100, 1200});
    FmtUnits units;
    units.unit_count = 1;
    units.size[0] = 3;
    units.members[0][0] = 0;
    units.members[0][1] = 1;
    units.members[0][2] = 2;
    splitUnit(r, units, 0);
    EXPECT_EQ(units.size[0], 1);
    EXPECT_EQ(units.size[1], 2);
    EXPECT_EQ(units.members[1][0], 1);
    EXPECT_EQ(units.members[1][1], 2);
    EXPECT_EQ(units.score[0], 1000);
    EXPECT_EQ(units.score[1], 1150);
}

TEST(PlaceSingle, LowClassesFillTheStrongestUnitFirst) {
    Randomiser r;
    setPlayers(r, 2, {1000, 2000, 1500, 1500});
    FmtUnits units;
    units.unit_count = 2;
    units.size[0] = 1;
    units.members[0][0] = 0;
    units.score[0] = 1000;
    units.size[1] = 1;
    units.members[1][0] = 1;
    units.score[1] = 2000;
    placeSingle(r, units, 2, true);
    EXPECT_EQ(units.size[1], 2);
    EXPECT_EQ(units.score[1], 1750);
    placeSingle(r, units, 3, false);
    EXPECT_EQ(units.size[0], 2);
    EXPECT_EQ(units.members[0][1], 3);
}

// Generated data: 2 to 8 players in 2 to 4 teams (at most 4 a team), ratings
// known or not, random FMT groups.
TEST(AssignTeams, InvariantsOverGeneratedData) {
    const int shapes[][2] = {{2, 2}, {4, 2}, {6, 2}, {8, 2}, {3, 3}, {6, 3}, {4, 4}, {8, 4}, {2, 1}, {4, 1}};
    uint32_t dataSeed = 12345;
    for (int round = 0; round < 400; ++round) {
        for (const auto& shape : shapes) {
            crtSrand(dataSeed++);
            std::vector<int> ratings;
            std::vector<int> groups;
            bool missing = crtRand() % 5 == 0;
            for (int p = 0; p < shape[0]; ++p) {
                ratings.push_back(missing && crtRand() % 3 == 0 ? -1 : 1000 + crtRand() % 1000);
                groups.push_back(crtRand() % 3 == 0 ? 0 : crtRand() % 4);
            }
            Randomiser r;
            setPlayers(r, shape[1], ratings, groups);
            crtSrand(dataSeed * 7);
            assignTeams(r);
            expectEqualTeams(r);
            expectGroupsTogether(r);
        }
    }
}

}  // namespace

namespace {

TEST(AssignTeams, GroupsBeyondThePlayerCountAreNotFriends) {
    Randomiser r;
    setPlayers(r, 2, {1500, 1600, 1400, 1700}, {0, 0, 0, 0, 5, 5});
    crtSrand(1);
    assignTeams(r);
    EXPECT_EQ(r.teams.fmt_present, 0);
    EXPECT_EQ(handicapApplies(r.options(), r.teams), 0);
}

}  // namespace
