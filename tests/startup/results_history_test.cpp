#include "randomiser/startup/results_history.h"

#include <gtest/gtest.h>

#include "common/bounded_copy.h"
#include "randomiser/output/report.h"
#include "randomiser/startup/match_from_words.h"
#include "ratings/rating_replay.h"
#include "ratings/results_log.h"
#include "ratings/win_chance.h"
#include "startup/game_folder.h"
#include "support/randomiser_builder.h"
#include "test_support.h"

namespace {

// Four lines of an evening (seeds 5, 11, 22, 33) of the game folder's
// players; the line of seed 22 names "cy", who is not Cy.
const std::string kEvening =
    "2026-03-14 19:30\t5\t1\tAnn\t1\t1500\tCy\t1\t1400\tBob\t2\t1600\tDee\t2\t1700\r\n"
    "2026-03-14 20:00\t11\t1\tAnn\t1\t1500\tBob\t1\t1600\tCy\t2\t1400\tDee\t2\t1700\r\n"
    "2026-03-14 20:30\t22\t2\tAnn\t1\t1500\tcy\t1\t1400\tBob\t2\t1600\tDee\t2\t1700\r\n"
    "2026-03-14 21:00\t33\t1\tAnn\t1\t1500\tDee\t1\t1700\tBob\t2\t1600\tCy\t2\t1400\r\n";

PlayerTable gameFolderPlayers() {
    Randomiser r;
    setPlayers(r, 2, {1500, 1600, 1400, 1700});
    const wchar_t* names[] = {L"Ann", L"Bob", L"Cy", L"Dee"};
    for (int p = 0; p < 4; ++p) boundedCopy(r.players.player_names[p], names[p]);
    return r.players;
}

Randomiser startRun(int64_t seed, std::vector<std::wstring> words) {
    Randomiser r;
    EXPECT_TRUE(computeMatch(r, seed, words));
    return r;
}

TEST(LearnedRatings, TakeThePlaceOfTheFileRatingsOfTheNamesTheReplayKnows) {
    TempFolder folder;
    GameFolder game;
    game.write();
    // A rated match that names "cy", who is not Cy.
    writeFile("Results.txt", "2026-03-14 20:00\t11\t1\tAnn\t1\t1500\tBob\t1\t1600\tcy\t2\t1400\tDee\t2\t1700\r\n");
    const RatingReplay known = replayResults(parseResults(readFile("Results.txt")), kWholeLog);

    const Randomiser r = startRun(99, {L"Brenlow_Sortilane.exe", L"learned_ratings"});
    EXPECT_EQ(r.options().use_ratings, 1);
    EXPECT_EQ(r.players.player_ratings[0], ratingOfMu(known.players[0].skill.mu));
    EXPECT_EQ(r.players.player_ratings[1], ratingOfMu(known.players[1].skill.mu));
    EXPECT_EQ(r.players.player_ratings[2], 1400);  // "cy" is someone else
    EXPECT_EQ(r.players.player_ratings[3], ratingOfMu(known.players[3].skill.mu));
    EXPECT_NE(r.players.player_ratings[0], 1500);
    // The file and the line Ctrl+1 appends keep the file's ratings.
    EXPECT_EQ(readFile("PlayerData.txt"), game.playerData);
    for (int p = 0; p < 4; ++p) EXPECT_EQ(r.report.results_line.players[p].rating, r.players.player_file_ratings[p]);
    EXPECT_EQ(r.report.results_line.players[0].rating, 1500);
}

// Cy and Dee are unrated in PlayerData.txt. Two rated lines name Cy, none
// Dee; a third line is broken. Cy's mark goes, Dee's stays, and the match's
// own line keeps both marks of the file.
TEST(LearnedRatings, ARatedNewcomerIsNoLongerMarkedUnrated) {
    TempFolder folder;
    GameFolder game;
    game.playerData += " player_unrated { 0 0 1 1 0 0 0 0 }";
    game.write();
    writeFile("Results.txt",
              "2026-03-14 20:00\t11\t1\tAnn\t1\t1500\tCy\t2\t1550?\r\n"
              "2026-03-14 20:30\t12\t2\tAnn\t1\t1500\tCy\t2\t1550?\r\n"
              "2026-03-14 21:00\t13\t2\tAnn\t1\t1500\tBob\t2\r\n");

    const Randomiser r = startRun(99, {L"Brenlow_Sortilane.exe", L"learned_ratings"});
    EXPECT_EQ(r.history.player_rated_matches[2], 2);
    EXPECT_EQ(r.players.player_unrated[2], 0);
    EXPECT_EQ(r.players.player_unrated[3], 1);
    EXPECT_EQ(learnedPlayersNote(r.players, r.history), L"learned from 2 matches: Cy");
    EXPECT_EQ(unratedPlayersNote(r.players), L"Unrated, given the lobby's mean (? in the report): Dee");
    EXPECT_EQ(skippedLinesNote(r.history), L"Results.txt: 1 line skipped (see debug.txt)");
    const std::string line = formatMatchLine(r.report.results_line);
    // Each team field is followed by the player's civilisation: the rating comes after it.
    const std::string cy = "\tCy\t" + std::to_string(r.players.player_teams[2]) + " ";
    const std::string bob = "\tBob\t" + std::to_string(r.players.player_teams[1]) + " ";
    ASSERT_NE(line.find(cy), std::string::npos) << line;
    ASSERT_NE(line.find(bob), std::string::npos) << line;
    EXPECT_EQ(line.substr(line.find('\t', line.find(cy) + cy.size()), 7), "\t1400?\t") << line;
    EXPECT_EQ(line.substr(line.find('\t', line.find(bob) + bob.size()), 6), "\t1600\t") << line;

    // fair_teams alone balances on the file's ratings: Cy's is still the mean.
    const Randomiser fair = startRun(99, {L"Brenlow_Sortilane.exe", L"fair_teams"});
    EXPECT_EQ(fair.players.player_unrated[2], 1);
    EXPECT_EQ(learnedPlayersNote(fair.players, fair.history), L"");
}

TEST(MatchHistory, LeavesOutTheLineOfTheSeedAndTheLinesAfterIt) {
    TempFolder folder;
    writeFile("Results.txt", kEvening);
    const ResultsLog log = parseResults(kEvening);
    const PlayerTable players = gameFolderPlayers();
    MatchHistory history;

    readMatchHistory(players, 22, history);
    const RatingReplay before = replayResults(log, 3);  // lines 1 and 2
    for (int p = 0; p < 4; ++p) {
        EXPECT_EQ(history.player_skills[p].mu, skillOf(before, toUtf8(players.player_names[p]), 0).mu) << p;
        EXPECT_EQ(history.player_learned[p], 1) << p;
    }
    // Teammates weigh 8 in the newest line before the seed, 4 in the one before.
    EXPECT_EQ(history.teammate_weights[0][2], 4);  // Ann and Cy at seed 5
    EXPECT_EQ(history.teammate_weights[0][1], 8);  // Ann and Bob at seed 11
    EXPECT_EQ(history.teammate_weights[1][0], 8);
    EXPECT_EQ(history.teammate_weights[1][3], 4);  // Bob and Dee at seed 5
    EXPECT_EQ(history.teammate_weights[0][3], 0);  // together only at seed 33, after

    // A seed of no line: every line counts, weighing 8, 4, 2, then 1.
    readMatchHistory(players, 99, history);
    EXPECT_EQ(history.player_skills[3].mu, replayResults(log, kWholeLog).players[3].skill.mu);
    EXPECT_EQ(history.teammate_weights[0][3], 8);  // seed 33
    EXPECT_EQ(history.teammate_weights[0][1], 2);  // seed 11
    EXPECT_EQ(history.teammate_weights[0][2], 1);  // seed 5, the fourth line back; "cy" is not Cy
    EXPECT_EQ(history.teammate_weights[1][3], 5);  // Bob and Dee at seeds 22 and 5
    EXPECT_EQ(debugLogText(), "");
}

// A line more than six hours before the next one belongs to another evening,
// whose teammates weigh nothing.
TEST(MatchHistory, TeammatesCountFromTonightsLinesOnly) {
    TempFolder folder;
    const PlayerTable players = gameFolderPlayers();
    MatchHistory history;
    const std::string annWithDee = "\t2\t1\tAnn\t1\t1500\tDee\t1\t1700\tBob\t2\t1600\tCy\t2\t1400\r\n";
    writeFile("Results.txt", "2026-03-14 13:29" + annWithDee + kEvening);
    readMatchHistory(players, 22, history);
    EXPECT_EQ(history.teammate_weights[0][3], 0);
    EXPECT_EQ(history.teammate_weights[0][2], 4) << "tonight's lines weigh as without the other evening";
    writeFile("Results.txt", "2026-03-14 13:30" + annWithDee + kEvening);
    readMatchHistory(players, 22, history);
    EXPECT_EQ(history.teammate_weights[0][3], 2) << "six hours before 19:30: the third line back tonight";
}

// An alias line makes "cy" Cy: the line of seed 22 counts his teammates and
// his rating with Cy's, and the old name PlayerData.txt may still hold finds
// him too.
TEST(MatchHistory, AnAliasMakesTwoNamesOnePlayer) {
    TempFolder folder;
    const std::string aliased = kEvening + "alias\tcy\tCy\r\n";
    writeFile("Results.txt", aliased);
    PlayerTable players = gameFolderPlayers();
    MatchHistory history;
    readMatchHistory(players, 99, history);
    EXPECT_EQ(history.teammate_weights[0][2], 1 + 4);  // Ann with Cy at seed 5, with cy at seed 22
    const RatingReplay replay = replayResults(parseResults(aliased), kWholeLog);
    EXPECT_EQ(findRecord(replay, "Cy")->rated_matches, 4);
    boundedCopy(players.player_names[2], L"cy");
    MatchHistory byOldName;
    readMatchHistory(players, 99, byOldName);
    EXPECT_EQ(byOldName.player_skills[2].mu, history.player_skills[2].mu);
    EXPECT_EQ(byOldName.player_rated_matches[2], 4);
}

TEST(MatchHistory, WithoutResultsNothingIsLearnedOrSaid) {
    TempFolder folder;
    GameFolder().write();
    const Randomiser r = startRun(7, {L"Brenlow_Sortilane.exe", L"learned_ratings", L"fair_teams"});
    const int fileRatings[] = {1500, 1600, 1400, 1700};
    for (int p = 0; p < 4; ++p) {
        EXPECT_EQ(r.players.player_ratings[p], fileRatings[p]);
        EXPECT_EQ(r.history.player_learned[p], 0);
        EXPECT_EQ(r.history.player_skills[p].mu, fileRatings[p]);
        EXPECT_EQ(r.history.player_skills[p].sigma, kNewPlayerSigma);
    }
    EXPECT_EQ(debugLogText(), "");
}

}  // namespace
