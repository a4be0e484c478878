#include "ratings/results_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "test_support.h"

namespace {

// Two matches, a host's note and an empty line between them, the first
// without a result, the second won by team 2.
const std::string kTwoMatches =
    "2026-03-14 20:05\t-1412622073\t-\tJos\xc3\xa9\t1\t1500\tVlad\t2\t1420\n"
    "# rematch after a disconnect\n"
    "\n"
    "2026-03-14 20:41\t7\t2\tJos\xc3\xa9\t2\t1500\tVlad\t1\t1420\tZo\xc3\xab\t2\t0\n";

std::string withCrLf(const std::string& text) {
    std::string crlf;
    for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return crlf;
}

MatchLine sampleMatch() {
    MatchLine match;
    match.when = {2026, 3, 15, 9, 7};
    match.seed = -5;
    match.result = '-';
    match.players = {{"Ana", 1, 1600}, {"Li Lei", 2, 999999}};
    return match;
}

TEST(ResultsFile, ReadsEveryFieldOfAMatchLine) {
    const ResultsLog log = parseResults(kTwoMatches);
    ASSERT_EQ(log.matches.size(), 2u);
    EXPECT_TRUE(log.skipped.empty());
    const MatchLine& first = log.matches[0];
    EXPECT_EQ(first.when.year, 2026);
    EXPECT_EQ(first.when.month, 3);
    EXPECT_EQ(first.when.day, 14);
    EXPECT_EQ(first.when.hour, 20);
    EXPECT_EQ(first.when.minute, 5);
    EXPECT_EQ(first.seed, -1412622073);
    EXPECT_EQ(first.result, '-');
    const MatchLine& second = log.matches[1];
    EXPECT_EQ(second.line_number, 4);
    EXPECT_EQ(second.result, '2');
    ASSERT_EQ(second.players.size(), 3u);
    EXPECT_EQ(second.players[2].name, "Zo\xc3\xab");
    EXPECT_EQ(second.players[2].team, 2);
    EXPECT_EQ(second.players[2].rating, 0);
    EXPECT_EQ(kTwoMatches[second.result_offset], '2');
}

// LF and CR LF line ends read alike, and a byte order mark is passed over
// (the offsets count it).
TEST(ResultsFile, ReadsCrLfLfAndAByteOrderMark) {
    const std::string bom = "\xef\xbb\xbf";
    for (const std::string& text : {withCrLf(kTwoMatches), bom + kTwoMatches}) {
        const ResultsLog log = parseResults(text);
        ASSERT_EQ(log.matches.size(), 2u);
        EXPECT_TRUE(log.skipped.empty());
        EXPECT_EQ(log.matches[0].players[0].name, "Jos\xc3\xa9");
        EXPECT_EQ(log.matches[1].players[2].rating, 0);
        EXPECT_EQ(log.matches[1].line_number, 4);
        EXPECT_EQ(text[log.matches[1].result_offset], '2');
    }
}

// A file that is not UTF-8 (Latin-1 from an editor) gives its names in UTF-8.
TEST(ResultsFile, ReadsTheNamesOfALatin1FileAsUtf8) {
    const ResultsLog log = parseResults("2026-03-14 20:05\t1\t1\tJos\xe9\t1\t1500\tVlad\t2\t1420\r\n");
    ASSERT_EQ(log.matches.size(), 1u);
    EXPECT_EQ(log.matches[0].players[0].name, "Jos\xc3\xa9");
}

TEST(ResultsFile, SkipsEachBrokenLineWithADebugLineAndKeepsTheRest) {
    TempFolder folder;
    const std::string good = "2026-03-14 20:05\t1\t1\tAna\t1\t1500\tBo\t2\t1400";
    writeFile("Results.txt", good + "\n" +                                           // 1
                                 "2026-03-14 20:05\t1\t1\tAna\t1\n" +                // 2
                                 "2026-3-14 20:05\t1\t1\tAna\t1\t1\n" +              // 3
                                 "2026-03-14 20:05\tx\t1\tAna\t1\t1\n" +             // 4
                                 "2026-03-14 20:05\t1\t5\tAna\t1\t1\n" +             // 5
                                 "2026-03-14 20:05\t1\t1\t\t1\t1\n" +                // 6
                                 "2026-03-14 20:05\t1\t1\tAna\t0\t1\n" +             // 7
                                 "2026-03-14 20:05\t1\t1\tAna\t1\t1.5\n" +           // 8
                                 "2026-03-14 20:05\t1\t3\tAna\t1\t1\tBo\t2\t1\n" +   // 9
                                 "2026-03-14 20:05\t1\t1\tAna\t1\t1\tAna\t2\t1\n" +  // 10
                                 " \n" +                                             // 11
                                 "2026-03-14 20:05\t1\t1\tAna\r\t1\t1\n" +           // 12
                                 "2026-03-14 20:05\t1\t1\tAna\t1\t99999999\n" +      // 13
                                 "2026-03-14 20:05\t1\t1\tAna\t1\t-1?\n" +           // 14
                                 "2026-03-14 20:05\t1\t1\tAna\t1\t?\n" +             // 15
                                 good + "\n");                                       // 16
    ResultsLog log;
    ASSERT_EQ(loadResults(log), ResultsLoad::Read);
    ASSERT_EQ(log.matches.size(), 2u);
    EXPECT_EQ(log.matches[1].line_number, 16);
    EXPECT_EQ(
        debugLogText(),
        logLines(
            {"Results.txt line 2 skipped: the fields (5) are not the date, seed, result and three for each player",
             "Results.txt line 3 skipped: the date is not YYYY-MM-DD HH:MM",
             "Results.txt line 4 skipped: the seed is not a 32-bit whole number",
             "Results.txt line 5 skipped: the result is not 1 to 4, 0 or -",
             "Results.txt line 6 skipped: player 1 has no name",
             "Results.txt line 7 skipped: player 1 has no team 1 to 4",
             "Results.txt line 8 skipped: player 1 has no whole rating",
             "Results.txt line 9 skipped: the winning team 3 has no player",
             "Results.txt line 10 skipped: names Ana twice",
             "Results.txt line 11 skipped: the fields (1) are not the date, seed, result and three for each player",
             "Results.txt line 12 skipped: player 1 has a control character in the name",
             "Results.txt line 13 skipped: player 1 has a rating outside 0 to 999999",
             "Results.txt line 14 skipped: player 1 has a rating outside 0 to 999999",
             "Results.txt line 15 skipped: player 1 has no whole rating"}));
}

TEST(ResultsFile, SkipsALineOfMoreThanEightPlayers) {
    std::string line = "2026-03-14 20:05\t1\t1";
    for (int p = 1; p <= 9; ++p) line += "\tp" + std::to_string(p) + "\t1\t1";
    const ResultsLog log = parseResults(line);
    EXPECT_TRUE(log.matches.empty());
    ASSERT_EQ(log.skipped.size(), 1u);
    EXPECT_EQ(log.skipped[0].reason, "more than 8 players");
}

TEST(ResultsFile, AMissingFileLoadsAsNoMatches) {
    TempFolder folder;
    ResultsLog log;
    EXPECT_EQ(loadResults(log), ResultsLoad::Missing);
    EXPECT_TRUE(log.matches.empty());
}

// Ana is unrated: her rating is written and read with its mark.
TEST(ResultsFile, AppendCreatesTheFileWithCrLfAndReadsBack) {
    TempFolder folder;
    MatchLine match = sampleMatch();
    match.players[1].name = "Li\tLei";  // a TAB would split the name
    match.players[0].unrated = true;
    EXPECT_EQ(appendMatchLine(match), "");
    EXPECT_EQ(readFile("Results.txt"), "2026-03-15 09:07\t-5\t-\tAna\t1\t1600?\tLi Lei\t2\t999999\r\n");
    ResultsLog log;
    ASSERT_EQ(loadResults(log), ResultsLoad::Read);
    ASSERT_EQ(log.matches.size(), 1u);
    EXPECT_EQ(log.matches[0].players[0].rating, 1600);
    EXPECT_TRUE(log.matches[0].players[0].unrated);
    EXPECT_EQ(log.matches[0].players[1].name, "Li Lei");
    EXPECT_EQ(log.matches[0].players[1].rating, 999999);
    EXPECT_FALSE(log.matches[0].players[1].unrated);
}

TEST(ResultsFile, AppendEndsALastLineThatHasNoLineEnd) {
    TempFolder folder;
    writeFile("Results.txt", "# the host's own note");
    EXPECT_EQ(appendMatchLine(sampleMatch()), "");
    EXPECT_EQ(readFile("Results.txt"), "# the host's own note\r\n" + formatMatchLine(sampleMatch()) + "\r\n");
}

// The last match line is followed by a note and a broken line; only its
// result byte changes.
TEST(ResultsFile, SetLastResultChangesOnlyThatField) {
    TempFolder folder;
    const std::string before = kTwoMatches + "# later\r\nnot a match";
    writeFile("Results.txt", before);
    const size_t at = before.find("\t7\t2\t") + 3;
    for (char result : {'1', '0', '-'}) {
        EXPECT_EQ(setLastResult(result), "") << result;
        std::string expected = before;
        expected[at] = result;
        EXPECT_EQ(readFile("Results.txt"), expected) << result;
    }
}

TEST(ResultsFile, SetLastResultRefusesAndChangesNothing) {
    TempFolder folder;
    EXPECT_EQ(setLastResult('1'), "there is no Results.txt");
    writeFile("Results.txt", "# nothing played yet\n");
    EXPECT_EQ(setLastResult('1'), "Results.txt holds no match");
    writeFile("Results.txt", kTwoMatches);
    EXPECT_EQ(setLastResult('3'), "the last match has no team 3");
    EXPECT_EQ(setLastResult('x'), "a result is 1 to 4, 0 or -, not x");
    EXPECT_EQ(readFile("Results.txt"), kTwoMatches);
}

// A folder in the temporary file's place: no write can start, and the
// system's reason is given.
TEST(ResultsFile, AFileThatCannotBeWrittenStaysAsItWas) {
    TempFolder folder;
    writeFile("Results.txt", kTwoMatches);
    ASSERT_EQ(mkdir("Results.txt.tmp", 0755), 0);
    const std::string why = std::string("Results.txt could not be written (") + std::strerror(EISDIR) + ")";
    EXPECT_EQ(setLastResult('1'), why);
    EXPECT_EQ(appendMatchLine(sampleMatch()), why);
    EXPECT_EQ(readFile("Results.txt"), kTwoMatches);
}

}  // namespace
