#include "ratings/rating_update.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// The published test vectors use these defaults and no tau.
constexpr double kMu = 25.0;
constexpr double kSigma = 25.0 / 3;
constexpr RatingParams kPublished{25.0 / 6, 0.0, 0.0001};

// Teams of the given sizes, every player at the given skill, team after team.
MatchSkills teamsOfSizes(const std::vector<int>& sizes, Skill skill) {
    MatchSkills match;
    for (int size : sizes) {
        for (int k = 0; k < size; ++k) {
            match.players[match.player_count] = skill;
            match.team_of[match.player_count++] = match.team_count;
        }
        ++match.team_count;
    }
    return match;
}

TEST(RatingUpdate, OneAgainstOneMatchesThePublishedVector) {
    MatchSkills match = teamsOfSizes({1, 1}, {kMu, kSigma});
    const int ranks[] = {1, 2};
    rateMatch(match, ranks, kPublished);
    EXPECT_NEAR(match.players[0].mu, 27.63523138347365, 1e-9);
    EXPECT_NEAR(match.players[0].sigma, 8.065506316323548, 1e-9);
    EXPECT_NEAR(match.players[1].mu, 22.36476861652635, 1e-9);
    EXPECT_NEAR(match.players[1].sigma, 8.065506316323548, 1e-9);
}

TEST(RatingUpdate, ThreeTeamsOfUnequalSizesMatchThePublishedVector) {
    MatchSkills match = teamsOfSizes({3, 1, 2}, {kMu, kSigma});
    const int ranks[] = {1, 2, 3};
    rateMatch(match, ranks, kPublished);
    const double mu[] = {25.939870821784513, 27.21366020491262, 21.84646897330287};
    const double sigma[] = {8.247641552260456, 8.274321317985242, 8.213058173195341};
    for (int p = 0; p < match.player_count; ++p) {
        EXPECT_NEAR(match.players[p].mu, mu[match.team_of[p]], 1e-9) << p;
        EXPECT_NEAR(match.players[p].sigma, sigma[match.team_of[p]], 1e-9) << p;
    }
}

// A tie pulls the two teams toward each other, by the same amount when their
// sigmas are equal, and leaves equal teams where they were.
TEST(RatingUpdate, ATieMovesTheTeamsTowardEachOther) {
    MatchSkills match = teamsOfSizes({1, 1}, {kMu, kSigma});
    match.players[0].mu = 30;
    const int tied[] = {1, 1};
    rateMatch(match, tied, kPublished);
    EXPECT_LT(match.players[0].mu, 30);
    EXPECT_GT(match.players[1].mu, kMu);
    EXPECT_NEAR(match.players[0].mu - 30, kMu - match.players[1].mu, 1e-12);

    MatchSkills equal = teamsOfSizes({1, 1}, {kMu, kSigma});
    rateMatch(equal, tied, kPublished);
    EXPECT_NEAR(equal.players[0].mu, kMu, 1e-12);
    EXPECT_NEAR(equal.players[1].mu, kMu, 1e-12);
    EXPECT_LT(equal.players[0].sigma, kSigma);
}

// Within a team the change is shared by the players' variance: the less
// certain player moves more.
TEST(RatingUpdate, ATeamsChangeIsSharedByItsPlayersVariance) {
    MatchSkills match = teamsOfSizes({2, 1}, {kMu, kSigma});
    match.players[1].sigma = 2 * kSigma;
    const int ranks[] = {1, 2};
    rateMatch(match, ranks, kPublished);
    EXPECT_NEAR((match.players[1].mu - kMu) / (match.players[0].mu - kMu), 4.0, 1e-12);
    EXPECT_LT(match.players[2].mu, kMu);
}

// Winner 1, the others tied at 2, all teams alike: the winner gains what the
// losers lose together, and the losers lose alike.
TEST(RatingUpdate, TheWinnerOfThreeOrFourEqualTeamsGainsWhatTheTiedLosersLose) {
    for (int teams : {3, 4}) {
        MatchSkills match = teamsOfSizes(std::vector<int>(teams, 2), {1500, 250});
        int ranks[kMaxTeams] = {1, 2, 2, 2};
        rateMatch(match, ranks, kResultsRatingParams);
        const double gain = match.players[0].mu - 1500;
        EXPECT_GT(gain, 0) << teams;
        for (int p = 2; p < match.player_count; ++p)
            EXPECT_NEAR(match.players[p].mu - 1500, -gain / (teams - 1), 1e-9) << teams << " " << p;
    }
}

// exp(mu / c) of a team of 999999 is far beyond a double: the result stays
// finite, also for tied losers far below the winner.
TEST(RatingUpdate, AHugeRatingGivesFiniteSkills) {
    for (int winner : {0, 1}) {
        MatchSkills match = teamsOfSizes({1, 1, 1}, {0, 250});
        match.players[0].mu = 999999;
        int ranks[] = {2, 2, 2};
        ranks[winner] = 1;
        rateMatch(match, ranks, kResultsRatingParams);
        for (int p = 0; p < match.player_count; ++p) {
            EXPECT_TRUE(std::isfinite(match.players[p].mu)) << winner << " " << p;
            EXPECT_TRUE(std::isfinite(match.players[p].sigma)) << winner << " " << p;
            EXPECT_GT(match.players[p].sigma, 0) << winner << " " << p;
        }
        EXPECT_TRUE(winner == 0 || match.players[1].mu > 100) << match.players[1].mu;  // an upset teaches much
    }
}

}  // namespace
