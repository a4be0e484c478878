#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <vector>

#include "common/debug_log.h"
#include "common/text_convert.h"
#include "test_support.h"

namespace {

// The newest count lines this process has logged.
std::vector<std::string> newestRunLines(size_t count) {
    const std::vector<std::string>& lines = debugLinesOfThisRun();
    if (lines.size() < count) return lines;
    return std::vector<std::string>(lines.end() - static_cast<long>(count), lines.end());
}

}  // namespace

TEST(DebugLog, KeepsEachLineForTheRunAsWrittenToTheFile) {
    TempFolder folder;
    debugLog("Error Args? - %s", "foo");
    debugLog("player_num is %i, team_num is %i", 5, 2);
    EXPECT_EQ(debugLogText(), logLines({"Error Args? - foo", "player_num is 5, team_num is 2"}));
    EXPECT_EQ(readFile("debug.txt"), "Error Args? - foo\r\nplayer_num is 5, team_num is 2\r\n");
    EXPECT_EQ(newestRunLines(2), (std::vector<std::string>{"Error Args? - foo", "player_num is 5, team_num is 2"}));
}

TEST(DebugLog, KeepsLinesTheFileCouldNotTake) {
    TempFolder folder;
    ASSERT_EQ(mkdir("debug.txt", 0755), 0);  // a folder in the file's place: it cannot be opened
    debugLog("Could not load %s", "./Images/randomiser_flash.bmp");
    EXPECT_EQ(newestRunLines(1), std::vector<std::string>{"Could not load ./Images/randomiser_flash.bmp"});
}

TEST(DebugLog, KeepsOnlyTheNewestLinesOfALongRun) {
    TempFolder folder;
    const size_t logged = kRunLinesKept + 10;
    for (size_t k = 0; k < logged; ++k) debugLog("line %zu", k);
    const std::vector<std::string>& lines = debugLinesOfThisRun();
    ASSERT_EQ(lines.size(), kRunLinesKept);
    EXPECT_EQ(lines.front(), "line 10");
    EXPECT_EQ(lines.back(), "line " + std::to_string(logged - 1));
}

TEST(DebugLog, KeepsALongLineWhole) {
    TempFolder folder;
    const std::string word(600, 'w');
    debugLog("Error Args? - %s", word.c_str());
    EXPECT_EQ(newestRunLines(1), std::vector<std::string>{"Error Args? - " + word});
}

TEST(DebugLog, FailureTextHoldsTheRunsLinesAndWhereTheLogIs) {
    TempFolder folder;
    debugLog("Error Args? - %s", "b\xc3\xa9t");  // UTF-8
    debugLog("Error Args? - %s", "b\xe9t");      // no UTF-8: each byte is one character
    const std::vector<std::string>& lines = debugLinesOfThisRun();
    std::wstring earlier;  // lines other tests of this process logged
    for (size_t k = 0; k + 2 < lines.size(); ++k)
        earlier += decodeText(lines[k], detectEncoding(lines[k].c_str())) + L"\n";
    EXPECT_EQ(runFailureText(L"C:\\Games\\Match"),
              earlier + L"Error Args? - b\u00e9t\nError Args? - b\u00e9t\n\nSee debug.txt in C:\\Games\\Match");
}
