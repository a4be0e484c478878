#include "ratings/evening_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "ratings/evening_page.h"
#include "ratings/rating_replay.h"
#include "ratings/win_chance.h"
#include "test_support.h"

namespace {

// An earlier evening (Ana beats Bo), then tonight across midnight: Bo and
// Cy beat Ana and Dee, a match not rated, Ana and Cy beat Bo and Dee, and
// a line without a result yet that brings in Eve.
const std::string kTwoEvenings =
    "2026-03-07 21:00\t1\t1\tAna\t1\t1500\tBo\t2\t1500\n"
    "2026-03-14 23:10\t2\t2\tAna\t1\t1500\tDee\t1\t1400\tBo\t2\t1500\tCy\t2\t1600\n"
    "2026-03-14 23:50\t3\t0\tAna\t1\t1500\tBo\t2\t1500\n"
    "2026-03-15 00:30\t4\t1\tAna\t1\t1500\tCy\t1\t1600\tBo\t2\t1500\tDee\t2\t1400\n"
    "2026-03-15 01:15\t5\t-\tEve\t1\t1450\tBo\t2\t1500\n";

TEST(EveningModel, TheStandingsAreTheReplaysHighestFirstWithTonightsChange) {
    const ResultsLog log = parseResults(kTwoEvenings);
    const EveningModel model = eveningModel(log);
    const RatingReplay replay = replayResults(log, kWholeLog);
    const RatingReplay beforeTonight = replayResults(log, 2);
    ASSERT_EQ(model.standings.size(), replay.players.size());
    for (size_t k = 0; k < model.standings.size(); ++k) {
        const StandingRow& row = model.standings[k];
        if (k > 0) {
            EXPECT_GE(model.standings[k - 1].rating, row.rating);
        }
        const Skill skill = skillOf(replay, row.name, 0);
        EXPECT_EQ(row.rating, ratingOfMu(skill.mu)) << row.name;
        EXPECT_EQ(row.sigma, static_cast<int32_t>(std::lround(skill.sigma))) << row.name;
        for (const ReplayedPlayer& player : replay.players) {
            if (player.name != row.name) continue;
            EXPECT_EQ(row.rated_matches, player.rated_matches) << row.name;
            EXPECT_EQ(row.wins, player.wins) << row.name;
        }
        const bool known = row.name == "Ana" || row.name == "Bo";
        EXPECT_EQ(row.new_tonight, !known) << row.name;
        if (known) {
            EXPECT_EQ(row.change, row.rating - ratingOfMu(skillOf(beforeTonight, row.name, 0).mu)) << row.name;
        }
    }
    // Tonight: four matches, the tally of the two rated ones.
    ASSERT_EQ(model.tonight.size(), 4u);
    EXPECT_EQ(model.tonight[0].when.hour, 23);
    EXPECT_EQ(model.tonight[3].when.day, 15);
    ASSERT_EQ(model.tally.size(), 4u);
    EXPECT_EQ(model.tally[0].name, "Cy");  // 2 - 0
    EXPECT_EQ(model.tally[0].wins, 2);
    EXPECT_EQ(model.tally[3].name, "Dee");  // 0 - 2
    EXPECT_EQ(model.tally[3].losses, 2);
    EXPECT_EQ(model.rated_count, 3);
    EXPECT_EQ(model.chart_matches, 3);
}

TEST(EveningPage, TheChangeTonightIsSignedOrNew) {
    const std::string page = eveningPage(eveningModel(parseResults(kTwoEvenings)));
    EXPECT_NE(page.find("<td>Eve <span class=\"prov\">(provisional)</span></td><td class=\"n\">1450</td><td "
                        "class=\"n\">new</td>"),
              std::string::npos);
    EXPECT_NE(page.find("<td class=\"n up\">+"), std::string::npos);
    EXPECT_NE(page.find("<td class=\"n down\">\xE2\x88\x92"), std::string::npos);
}

// Two matches of a clear favourite (3600 against 2400 in sum, 0.9057 each),
// won once, and a match of even teams, which has no favourite.
TEST(EveningPage, TheFavouritesLineCountsItsWinsAgainstItsChances) {
    const std::string lines =
        "2026-03-14 20:00\t1\t1\tA\t1\t1800\tB\t1\t1800\tC\t2\t1200\tD\t2\t1200\n"
        "2026-03-14 20:30\t2\t1\tE\t2\t1800\tF\t2\t1800\tG\t1\t1200\tH\t1\t1200\n"
        "2026-03-14 21:00\t3\t1\tI\t1\t1500\tJ\t1\t1500\tK\t2\t1500\tL\t2\t1500\n";
    const std::string page = eveningPage(eveningModel(parseResults(lines)));
    EXPECT_NE(page.find("The team the ratings favoured won 1 of 2 matches (the chances expected 1.8)"),
              std::string::npos);
    EXPECT_NE(page.find("<b>Team 1 91%: A, B</b><br>Team 2 9%: C, D<td>"), std::string::npos);
}

TEST(EveningPage, EveryTextFromTheFileIsEscaped) {
    const std::string lines = "2026-03-14 20:00\t1\t1\t<u>&\"x'\t1 <s>Civ\t1500\tBo\t2\t1500\n";
    const std::string page = eveningPage(eveningModel(parseResults(lines)));
    EXPECT_EQ(page.find("<u>"), std::string::npos);
    EXPECT_EQ(page.find("<s>"), std::string::npos);
    EXPECT_NE(page.find("&lt;u&gt;&amp;&quot;x&#39;"), std::string::npos);
    EXPECT_NE(page.find("<i>&lt;s&gt;Civ</i>"), std::string::npos);
    EXPECT_EQ(page.find("<script"), std::string::npos);
}

// The civilisation follows the team after one space; a line of the team
// alone, as every line before, reads as it did and has none.
TEST(EveningModel, CivilisationsRideInTheTeamFieldAndOldLinesHaveNone) {
    const MatchLine old = parseResults("2026-03-14 20:00\t1\t1\tAna\t1\t1500\tBo\t2\t1500\n").matches.at(0);
    EXPECT_EQ(old.players[0].team, 1);
    EXPECT_EQ(old.players[0].civ, "");
    EXPECT_EQ(formatMatchLine(old), "2026-03-14 20:00\t1\t1\tAna\t1\t1500\tBo\t2\t1500");
    const MatchLine drawn =
        parseResults("2026-03-14 20:00\t1\t1\tAna\t1 Vintari\t1500\tBo\t2 Old Keshwyn\t1500\n").matches.at(0);
    EXPECT_EQ(drawn.players[0].team, 1);
    EXPECT_EQ(drawn.players[0].civ, "Vintari");
    EXPECT_EQ(drawn.players[1].civ, "Old Keshwyn");
    EXPECT_EQ(formatMatchLine(drawn), "2026-03-14 20:00\t1\t1\tAna\t1 Vintari\t1500\tBo\t2 Old Keshwyn\t1500");
    EXPECT_EQ(parseResults("2026-03-14 20:00\t1\t1\tAna\t1x\t1500\tBo\t2\t1500\n").skipped.size(), 1u);
}

// Vintari plays five rated games (three won) and is shown; Orlath plays
// four and is not; games of unrated lines and of old lines do not count.
TEST(EveningModel, ACivilisationIsShownFromFiveRatedGames) {
    std::string lines = "2026-03-14 19:00\t9\t0\tAna\t1 Orlath\t1500\tBo\t2 Vintari\t1500\n";
    for (int m = 0; m < 5; ++m) {
        const char* civs = m < 4 ? "Orlath" : "Keshwyn";
        lines += "2026-03-14 20:0" + std::to_string(m) + "\t" + std::to_string(m) + "\t" + (m < 3 ? "1" : "2") +
                 "\tAna\t1 Vintari\t1500\tBo\t2 " + civs + "\t1500\tCy\t2\t1500\n";
    }
    const EveningModel model = eveningModel(parseResults(lines));
    ASSERT_EQ(model.civs.size(), 1u);
    EXPECT_EQ(model.civs[0].name, "Vintari");
    EXPECT_EQ(model.civs[0].games, 5);
    EXPECT_EQ(model.civs[0].wins, 3);
    EXPECT_NE(eveningPage(model).find("<tr><td>Vintari</td><td class=\"n\">5</td><td class=\"n\">3</td><td "
                                      "class=\"n\">60%</td></tr>"),
              std::string::npos);
}

// Eighteen players, P0 the highest and P17 the lowest, the first match
// rated: the chart draws the first 16 of the standings and names the rest.
TEST(EveningPage, TheChartDrawsSixteenPlayersAndNamesTheRest) {
    std::string lines;
    for (int p = 0; p < 18; p += 2) {
        lines += "2026-03-14 20:" + std::to_string(10 + p) + "\t1\t" + (p == 0 ? "1" : "0") + "\tP" +
                 std::to_string(p) + "\t1\t" + std::to_string(2000 - 10 * p) + "\tP" + std::to_string(p + 1) + "\t2\t" +
                 std::to_string(1990 - 10 * p) + "\n";
    }
    const std::string page = eveningPage(eveningModel(parseResults(lines)));
    size_t lines16 = 0;
    for (size_t at = page.find("<path"); at != std::string::npos; at = page.find("<path", at + 1)) ++lines16;
    EXPECT_EQ(lines16, 16u);
    EXPECT_NE(page.find("highest): P16, P17.</p>"), std::string::npos);
    EXPECT_EQ(page.find_first_of("\t\r"), std::string::npos);
}

// The largest evening a host can make of 1 000 matches: one evening, 5
// minutes apart, 16 players of names as long as the editor allows (15
// characters of 3 bytes each), 8 a match in four teams, every one with a
// civilisation of 29 characters. The page stays under 300 000 bytes and
// still lists the newest match, after a line that counts those left out,
// and the whole tally.
TEST(EveningPage, AThousandMatchesOfOneEveningStayUnder300000Bytes) {
    std::string lines;
    for (int m = 0; m < 1000; ++m) {
        const int minutes = 5 * m;
        char when[24];
        std::snprintf(when, sizeof when, "2026-03-%02d %02d:%02d", 1 + minutes / 1440, minutes / 60 % 24, minutes % 60);
        lines += std::string(when) + "\t" + std::to_string(m) + "\t" + (m == 999 ? "-" : std::to_string(1 + m % 4));
        for (int s = 0; s < 8; ++s) {
            std::string name;
            for (int c = 0; c < 13; ++c) name += "\xE9\xBE\x8D";  // U+9F8D
            lines += "\t" + name + std::to_string(10 + (m + 2 * s) % 16) + "\t" + std::to_string(1 + s % 4) +
                     " Old Keshwyn of the Long Coast\t1500";
        }
        lines += "\n";
    }
    const EveningModel model = eveningModel(parseResults(lines));
    ASSERT_EQ(model.tonight.size(), 1000u);
    const std::string page = eveningPage(model);
    EXPECT_LT(page.size(), 300000u);
    EXPECT_NE(page.find("2026-03-04 11:15: 1000 matches."), std::string::npos);
    EXPECT_NE(page.find("<tr><td>11:15<td>"), std::string::npos);
    EXPECT_NE(page.find("<td>no result yet\n</table>"), std::string::npos) << "the newest match ends the list";
    EXPECT_NE(page.find("The tally and the line above count all 1000."), std::string::npos);
    ASSERT_EQ(model.tally.size(), 16u);
    for (const TallyRow& row : model.tally) {
        EXPECT_NE(page.find("<tr><td>" + row.name + "</td><td class=\"n\">" + std::to_string(row.wins) +
                            "</td><td class=\"n\">" + std::to_string(row.losses) + "</td></tr>"),
                  std::string::npos)
            << row.name;
    }
}

TEST(EveningPage, AFailedWriteSaysWhyAndLeavesTheOldPage) {
    TempFolder folder;
    writeFile("Results.txt", kTwoEvenings);
    ASSERT_EQ(writeEveningPage(), "");
    EXPECT_EQ(readFile(kEveningPageFile), eveningPage(eveningModel(parseResults(kTwoEvenings))));
    writeFile("Evening.html.tmp/inside", "a folder where the temporary file would go");
    writeFile("Results.txt", "");
    EXPECT_EQ(writeEveningPage(), "no file could be made in the folder (Is a directory)");
    EXPECT_EQ(readFile(kEveningPageFile), eveningPage(eveningModel(parseResults(kTwoEvenings))));
}

}  // namespace
