#include "ratings/rating_replay.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Line 1 brings in Ana and Bo without a result; line 2, not rated, names Ana
// at another rating and brings in Cy; line 3 is won by Bo's team 2 against
// Ana; line 4 names Ana at yet another rating.
const std::string kEvening =
    "2026-03-14 20:05\t1\t-\tAna\t1\t1500\tBo\t2\t1400\n"
    "2026-03-14 20:30\t2\t0\tAna\t1\t1700\tCy\t2\t1300\n"
    "2026-03-14 21:00\t3\t2\tAna\t1\t1500\tBo\t2\t1400\n"
    "2026-03-14 21:30\t4\t-\tAna\t1\t9999\tCy\t2\t1300\n";

const ReplayedPlayer& playerNamed(const RatingReplay& replay, const std::string& name) {
    for (const ReplayedPlayer& player : replay.players) {
        if (player.name == name) return player;
    }
    throw std::runtime_error("no player " + name);
}

TEST(RatingReplay, PlayersStartAtTheRatingOfTheLineThatFirstNamesThem) {
    const RatingReplay replay = replayResults(parseResults(kEvening), 3);
    ASSERT_EQ(replay.players.size(), 3u);
    const char* order[] = {"Ana", "Bo", "Cy"};
    const double mu[] = {1500, 1400, 1300};
    for (int p = 0; p < 3; ++p) {
        EXPECT_EQ(replay.players[p].name, order[p]);
        EXPECT_EQ(replay.players[p].skill.mu, mu[p]) << p;
        EXPECT_EQ(replay.players[p].skill.sigma, kNewPlayerSigma) << p;
        EXPECT_EQ(replay.players[p].rated_matches, 0) << p;
    }
}

TEST(RatingReplay, AWonLineMovesItsPlayersAndCountsTheWin) {
    const RatingReplay replay = replayResults(parseResults(kEvening), kWholeLog);
    const ReplayedPlayer& ana = playerNamed(replay, "Ana");
    const ReplayedPlayer& bo = playerNamed(replay, "Bo");
    EXPECT_LT(ana.skill.mu, 1500);
    EXPECT_GT(bo.skill.mu, 1400);
    EXPECT_LT(bo.skill.sigma, kNewPlayerSigma);
    EXPECT_EQ(ana.rated_matches, 1);
    EXPECT_EQ(ana.wins, 0);
    EXPECT_EQ(bo.rated_matches, 1);
    EXPECT_EQ(bo.wins, 1);
    EXPECT_EQ(playerNamed(replay, "Cy").rated_matches, 0);
}

// Line 4 names Ana at 9999 after she has a history: the history counts.
TEST(RatingReplay, ANameMetAgainKeepsWhatTheLogTaughtIt) {
    const ResultsLog log = parseResults(kEvening);
    const Skill before = playerNamed(replayResults(log, 4), "Ana").skill;
    const Skill after = playerNamed(replayResults(log, kWholeLog), "Ana").skill;
    EXPECT_EQ(after.mu, before.mu);
    EXPECT_EQ(after.sigma, before.sigma);
    EXPECT_LT(after.mu, 1500);
}

// New's rating is the lobby's mean: he starts less sure than Ann, his
// teammate at the same rating, and the win moves him further.
TEST(RatingReplay, AnUnratedNewcomerStartsUnsureAndMovesFurther) {
    const ResultsLog log =
        parseResults("2026-03-14 20:05\t1\t1\tAnn\t1\t1500\tNew\t1\t1500?\tBo\t2\t1500\tCy\t2\t1500\n");
    const RatingReplay replay = replayResults(log, kWholeLog);
    const Skill ann = playerNamed(replay, "Ann").skill;
    const Skill newcomer = playerNamed(replay, "New").skill;
    EXPECT_GT(ann.mu, 1500);
    EXPECT_GT(newcomer.mu - 1500, 2 * (ann.mu - 1500));
    EXPECT_GT(newcomer.sigma, ann.sigma);
}

TEST(RatingReplay, ALineOfOneTeamRatesNobody) {
    const RatingReplay replay =
        replayResults(parseResults("2026-03-14 20:05\t1\t1\tAna\t1\t1500\tBo\t1\t1400\n"), kWholeLog);
    ASSERT_EQ(replay.players.size(), 2u);
    EXPECT_EQ(replay.players[0].skill.mu, 1500);
    EXPECT_EQ(replay.players[0].rated_matches, 0);
}

TEST(RatingReplay, APlayerWithoutHistoryBringsTheRatingAndTheNewSigma) {
    const RatingReplay replay = replayResults(parseResults(kEvening), kWholeLog);
    const Skill known = skillOf(replay, "Bo", 100);
    EXPECT_EQ(known.mu, playerNamed(replay, "Bo").skill.mu);
    const Skill unknown = skillOf(replay, "Dee", 1234);
    EXPECT_EQ(unknown.mu, 1234);
    EXPECT_EQ(unknown.sigma, kNewPlayerSigma);
}

// Alias lines hold for every line, before and after them: Al is Alan in
// both matches, and a chain makes Cy and Dee both Eve. An alias that names
// one name twice, closes a circle or gives an old name a second new one is
// skipped with its reason, and a match that names one player under two
// names is skipped as naming him twice.
TEST(RatingReplay, AliasLinesMakeTwoNamesOnePlayer) {
    const ResultsLog log = parseResults(
        "2026-03-14 20:00\t1\t1\tAl\t1\t1500\tBo\t2\t1500\n"  // 1
        "alias\tAl\tAlan\n"                                       // 2: a merge
        "2026-03-14 20:30\t2\t1\tAlan\t1\t1500\tCy\t2\t1500\n"  // 3
        "alias\tBo\tBo\n"                                         // 4: the same name twice
        "alias\tAlan\tAl\n"                                       // 5: a circle
        "alias\tCy\tDee\n"                                        // 6
        "alias\tDee\tEve\n"                                       // 7: a chain
        "2026-03-14 21:00\t3\t1\tCy\t1\t1500\tDee\t2\t1500\n"   // 8: Eve twice
        "alias\tAl\tZed\n"                                        // 9: Al has one already
        "alias\tAl\n");                                          // 10
    ASSERT_EQ(log.matches.size(), 2u);
    EXPECT_EQ(log.matches[0].players[0].name, "Alan");
    EXPECT_EQ(log.matches[1].players[1].name, "Eve");
    std::vector<std::string> skipped;
    for (const SkippedLine& line : log.skipped) skipped.push_back(std::to_string(line.line_number) + " " + line.reason);
    EXPECT_EQ(skipped, (std::vector<std::string>{"4 the alias names Bo twice",
                                                 "5 the alias closes a circle: Al is known as Alan already",
                                                 "8 names Eve twice", "9 Al is an alias of Alan already",
                                                 "10 an alias line is alias, the old name and the new name"}));
    const RatingReplay replay = replayResults(log, kWholeLog);
    ASSERT_EQ(replay.players.size(), 3u);  // Alan, Bo and Eve
    EXPECT_EQ(playerNamed(replay, "Alan").rated_matches, 2);
    EXPECT_EQ(playerNamed(replay, "Alan").wins, 2);
    // Each of a player's names finds him.
    for (const char* name : {"Al", "Alan"}) EXPECT_EQ(findRecord(replay, name), &playerNamed(replay, "Alan")) << name;
    for (const char* name : {"Cy", "Dee", "Eve"}) EXPECT_EQ(findRecord(replay, name), &playerNamed(replay, "Eve"));
    EXPECT_EQ(findRecord(replay, "Zed"), nullptr);
}

}  // namespace
