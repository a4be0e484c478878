#include "ratings/win_chance.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <limits>

namespace {

// One player a team, at the given mu and the new player's sigma.
MatchSkills oneEach(std::initializer_list<double> mus) {
    MatchSkills match;
    for (double mu : mus) {
        match.players[match.player_count] = {mu, kNewPlayerSigma};
        match.team_of[match.player_count++] = match.team_count++;
    }
    return match;
}

TEST(WinChance, AHundredPointsAheadWinsFiftySixPercent) {
    double chances[kMaxTeams] = {};
    winChances(oneEach({1600, 1500}), 125, chances);
    // 1 / (1 + exp(-100 / sqrt(2 * (250^2 + 125^2))))
    EXPECT_NEAR(chances[0], 0.5629103884772138, 1e-12);
    EXPECT_NEAR(chances[1], 1 - 0.5629103884772138, 1e-12);
}

TEST(WinChance, EqualTeamsShareTheChanceAndTeamsAddTheirPlayers) {
    double chances[kMaxTeams] = {};
    winChances(oneEach({1500, 1500, 1500, 1500}), 125, chances);
    for (int t = 0; t < 4; ++t) EXPECT_NEAR(chances[t], 0.25, 1e-12) << t;

    MatchSkills pair = oneEach({800, 700, 1500});  // 800 + 700 in team 0 against 1500 in team 1
    pair.team_of[1] = 0;
    pair.team_of[2] = 1;
    pair.team_count = 2;
    winChances(pair, 125, chances);
    EXPECT_NEAR(chances[0], 0.5, 1e-12);
    EXPECT_NEAR(chances[1], 0.5, 1e-12);
}

TEST(WinChance, AHugeRatingGivesFiniteChances) {
    double chances[kMaxTeams] = {};
    winChances(oneEach({999999, 0, 0}), 125, chances);
    EXPECT_EQ(chances[0], 1.0);
    EXPECT_EQ(chances[1], 0.0);
    EXPECT_EQ(chances[2], 0.0);
}

TEST(WinChance, AMuBecomesARatingRoundedHalfAwayFromZeroWithinTheRange) {
    EXPECT_EQ(ratingOfMu(1500.5), 1501);
    EXPECT_EQ(ratingOfMu(1500.49), 1500);
    EXPECT_EQ(ratingOfMu(-3.7), 0);
    EXPECT_EQ(ratingOfMu(999999.4), 999999);
    EXPECT_EQ(ratingOfMu(2e12), kMaxRating);
    EXPECT_EQ(ratingOfMu(std::numeric_limits<double>::quiet_NaN()), 0);
}

}  // namespace
