#include "ratings/result_record.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "common/text_convert.h"
#include "test_support.h"

namespace {

// José and Влад met before (José won); the match after that has no result
// yet and sits before a host's note.
const std::string kHistory =
    "2026-03-14 20:05\t11\t1\tJos\xc3\xa9\t1\t1850\t\xd0\x92\xd0\xbb\xd0\xb0\xd0\xb4\t2\t2400\r\n"
    "2026-03-14 20:41\t12\t-\tJos\xc3\xa9\t1\t1850\t\xd0\x92\xd0\xbb\xd0\xb0\xd0\xb4\t2\t2400\tZo\xc3\xab\t1\t2000\r\n"
    "# Zoë joined late\r\n";

// kHistory with the last match's result set to result.
std::string historyWith(char result) {
    std::string text = kHistory;
    text[text.find("\t12\t-\t") + 4] = result;
    return text;
}

TEST(ResultRecord, AWinChangesOnlyTheResultAndSaysHowEveryRatingMoved) {
    TempFolder folder;
    writeFile("Results.txt", kHistory);
    const ResultNote note = recordResult('2');
    EXPECT_TRUE(note.recorded);
    EXPECT_EQ(readFile("Results.txt"), historyWith('2'));
    // Before: José and Влад as the first match left them, Zoë at her rating.
    EXPECT_EQ(note.text,
              L"Team 2 won.\nJos\u00e9 1977 \u2192 1850\n\u0412\u043b\u0430\u0434 2273 \u2192 2400\n"
              L"Zo\u00eb 2000 \u2192 1868");
}

TEST(ResultRecord, NotRatedAndUndoSayWhatHappened) {
    TempFolder folder;
    writeFile("Results.txt", historyWith('2'));
    // Taking the win back moves the ratings back.
    EXPECT_EQ(recordResult('0').text,
              L"Not rated.\nJos\u00e9 1850 \u2192 1977\n\u0412\u043b\u0430\u0434 2400 \u2192 2273\n"
              L"Zo\u00eb 1868 \u2192 2000");
    EXPECT_EQ(readFile("Results.txt"), historyWith('0'));
    // From not rated to no result no rating moves.
    EXPECT_EQ(recordResult('-').text, L"Result undone.");
    EXPECT_EQ(readFile("Results.txt"), kHistory);
}

TEST(ResultRecord, AResultTheLineHoldsIsSaidAndNotWritten) {
    TempFolder folder;
    writeFile("Results.txt", historyWith('0'));
    const ResultNote again = recordResult('0');
    EXPECT_TRUE(again.recorded);
    EXPECT_EQ(again.text, L"Already recorded: Not rated.");
    writeFile("Results.txt", kHistory);
    EXPECT_EQ(recordResult('-').text, L"The last match has no result to undo.");
}

TEST(ResultRecord, ARefusalSaysWhyAndChangesNothing) {
    TempFolder folder;
    const ResultNote missing = recordResult('1');
    EXPECT_FALSE(missing.recorded);
    EXPECT_EQ(missing.text, L"Result not recorded: there is no Results.txt.");
    writeFile("Results.txt", "# nothing played yet\r\n");
    EXPECT_EQ(recordResult('1').text, L"Result not recorded: Results.txt holds no match.");
    writeFile("Results.txt", kHistory);
    const ResultNote noTeam = recordResult('3');
    EXPECT_FALSE(noTeam.recorded);
    EXPECT_EQ(noTeam.text, L"Result not recorded: the last match has no team 3.");
    ASSERT_EQ(mkdir("Results.txt.tmp", 0755), 0);  // no temporary file can be written
    EXPECT_EQ(recordResult('1').text,
              L"Result not recorded: Results.txt could not be written (" + decodeText(std::strerror(EISDIR), TextEncoding::Utf8) + L").");
    EXPECT_EQ(readFile("Results.txt"), kHistory);
}

// Eight players with names of 15 Cyrillic letters and ratings of six digits
// say more than a balloon holds.
TEST(ResultRecord, ALongNoteKeepsWholeLinesAndEndsWithAnEllipsis) {
    TempFolder folder;
    std::string line = "2026-03-14 20:05\t1\t-";
    for (int p = 0; p < 8; ++p) {
        std::string name;
        for (int k = 0; k < 14; ++k) name += "\xd0\x96";  // Ж
        name += static_cast<char>('a' + p);
        line += "\t" + name + "\t" + std::to_string(1 + p % 2) + "\t100000";
    }
    writeFile("Results.txt", line + "\r\n");
    const ResultNote note = recordResult('1');
    EXPECT_TRUE(note.recorded);
    EXPECT_LE(note.text.size(), kBalloonUnits);  // every character one UTF-16 unit
    EXPECT_EQ(note.text.compare(0, 12, L"Team 1 won.\n"), 0);
    // Whole lines of one player each, and "…" for the players left out.
    EXPECT_EQ(note.text.substr(note.text.size() - 2), L"\n\u2026");
    const std::string text = toUtf8(note.text);
    EXPECT_NE(text.find("\xd0\x96g 100000 \xe2\x86\x92 "), std::string::npos) << text;
    EXPECT_EQ(text.find("\xd0\x96h 100000"), std::string::npos) << text;
}

TEST(ResultRecord, TheLastMatchOffersItsTeamsAndResult) {
    TempFolder folder;
    EXPECT_FALSE(readLastMatch().found);
    writeFile("Results.txt", kHistory + "2026-03-14 21:10\t13\t3\tAna\t3\t1500\tBo\t1\t1400\n");
    const LastMatch last = readLastMatch();
    EXPECT_TRUE(last.found);
    EXPECT_EQ(last.result, '3');
    EXPECT_TRUE(last.has_team[0]);
    EXPECT_FALSE(last.has_team[1]);
    EXPECT_TRUE(last.has_team[2]);
    EXPECT_FALSE(last.has_team[3]);
    EXPECT_EQ(debugLogText(), "");
}

}  // namespace
