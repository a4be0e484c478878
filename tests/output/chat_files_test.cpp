#include "randomiser/output/chat_files.h"

#include <gtest/gtest.h>

#include "common/bounded_copy.h"
#include "randomiser/output/report.h"
#include "support/randomiser_builder.h"
#include "test_support.h"

namespace {

TEST(RuleFile, SizesUpTo255AreReadAnd256IsRefused) {
    TempFolder folder;
    writeFile("Rules/small.txt", std::string(255, 'a'));
    writeFile("Rules/big.txt", std::string(256, 'b'));
    std::string bytes;
    EXPECT_EQ(readRuleFile(L"Rules/small.txt", bytes), RuleFileStatus::Read);
    EXPECT_EQ(bytes, std::string(255, 'a'));
    EXPECT_EQ(readRuleFile(L"Rules/big.txt", bytes), RuleFileStatus::TooLong);
    EXPECT_EQ(readRuleFile(L"Rules/none.txt", bytes), RuleFileStatus::Missing);
}

TEST(RuleFile, APathOfEveryScriptNamesTheFileInUtf8) {
    TempFolder folder;
    writeFile("Rules/R\xC3\xA8gles \xE6\x9D\x8E.txt", "x");
    std::string bytes;
    EXPECT_EQ(readRuleFile(L"Rules/R\u00E8gles \u674E.txt", bytes), RuleFileStatus::Read);
    EXPECT_EQ(bytes, "x");
}

TEST(RuleFile, ReadsBytesUnchanged) {
    TempFolder folder;
    writeFile("r.txt", "a\r\nb\xff");
    std::string bytes;
    ASSERT_EQ(readRuleFile(L"r.txt", bytes), RuleFileStatus::Read);
    EXPECT_EQ(bytes, "a\r\nb\xff");
}

TEST(RuleFile, AFolderIsNotAMissingFile) {
    TempFolder folder;
    writeFile("Rules/x.txt", "x");
    std::string bytes;
    EXPECT_NE(readRuleFile(L"Rules", bytes), RuleFileStatus::Missing);
    EXPECT_NE(readRuleFile(L"Rules", bytes), RuleFileStatus::Read);
}

TEST(SaveReport, WritesEachLineWithCrLfAndReplacesTheOldFile) {
    TempFolder folder;
    writeFile("data.txt", "old contents that are longer than the new ones\r\n");
    ReportState report;
    boundedCopy(report.report_lines[0], L"Seed: 5 100%");
    boundedCopy(report.report_lines[2], L"\u00e9\u0100\u674E");  // written in UTF-8
    report.report_line_count = 3;
    std::wstring why = L"left over";
    ASSERT_TRUE(saveReport(report, why));
    EXPECT_EQ(why, L"");
    EXPECT_EQ(readFile("data.txt"), "Seed: 5 100%\r\n\r\n\xC3\xA9\xC4\x80\xE6\x9D\x8E\r\n");
    EXPECT_EQ(readFile("data.txt.tmp"), "");
}

TEST(SaveReport, NoLinesLeavesAnEmptyFile) {
    TempFolder folder;
    writeFile("data.txt", "old\r\n");
    std::wstring why;
    ASSERT_TRUE(saveReport(ReportState(), why));
    EXPECT_EQ(readFile("data.txt"), "");
}

TEST(SavedResult, MissingFileLogsTwoLines) {
    TempFolder folder;
    std::string bytes = "left over";
    EXPECT_FALSE(readSavedResult(bytes));
    EXPECT_EQ(bytes, "");
    EXPECT_EQ(debugLogText(), "data.txt\nOpening A File\n");
}

TEST(SavedResult, LineBreaksAreNoReadFailure) {
    TempFolder folder;
    writeFile("data.txt", "a\r\nb\r\n");
    std::string bytes;
    EXPECT_TRUE(readSavedResult(bytes));
    EXPECT_EQ(bytes, "a\r\nb\r\n");
    writeFile("data.txt", "");
    EXPECT_TRUE(readSavedResult(bytes));
    EXPECT_EQ(bytes, "");
    EXPECT_EQ(debugLogText(), "");
}

// Saves the report of players with the given names and teams as data.txt.
void saveMatch(const std::vector<std::wstring>& names, const std::vector<int>& teams) {
    Randomiser r;
    setPlayers(r, 2, std::vector<int>(names.size(), 1500));
    r.options.omit_civs = 1;
    for (size_t p = 0; p < names.size(); ++p) {
        boundedCopy(r.players.player_names[p], names[p].c_str());
        r.players.player_teams[p] = teams[p];
    }
    buildReport(r);
    std::wstring why;
    ASSERT_TRUE(saveReport(r.report, why));
}

PlayerTable playersNamed(const std::vector<std::wstring>& names) {
    Randomiser r;
    setPlayers(r, 2, std::vector<int>(names.size(), 1500));
    for (size_t p = 0; p < names.size(); ++p) boundedCopy(r.players.player_names[p], names[p].c_str());
    return r.players;
}

TEST(PreviousMatch, ReadsEachPlayersTeamFromTheRowsOfData) {
    TempFolder folder;
    // Other order, a name cut in the report, one outside the Latin-1 range.
    const std::vector<std::wstring> names = {L"Senna", L"A name longer than sixteen", L"Li \u674E\U0001F600", L"2"};
    saveMatch(names, {2, 1, 1, 2});
    PreviousMatch previous;
    readPreviousMatch(playersNamed({L"2", L"Li \u674E\U0001F600", L"Senna", L"A name longer than sixteen"}), previous);
    EXPECT_EQ(previous.known, 1);
    EXPECT_EQ(std::vector<int>(previous.player_teams, previous.player_teams + 4), std::vector<int>({2, 1, 2, 1}));
    EXPECT_EQ(debugLogText(), "");
}

TEST(PreviousMatch, UnknownWithoutDataOrWithOtherPlayers) {
    TempFolder folder;
    PreviousMatch previous;
    readPreviousMatch(playersNamed({L"Ann", L"Bo"}), previous);
    EXPECT_EQ(previous.known, 0);
    EXPECT_EQ(debugLogText(), "");  // no data.txt is no fault here

    saveMatch({L"Ann", L"Bo", L"Cy", L"Di"}, {1, 1, 2, 2});
    readPreviousMatch(playersNamed({L"Ann", L"Bo", L"Cy", L"Ed"}), previous);  // a new player
    EXPECT_EQ(previous.known, 0);
    readPreviousMatch(playersNamed({L"Ann", L"Bo"}), previous);  // fewer players
    EXPECT_EQ(previous.known, 0);
    EXPECT_EQ(previous.player_teams[0], 0);

    // Names alike in their first 16 characters cannot be told apart.
    saveMatch({L"Twins of the lake A", L"Twins of the lake B"}, {1, 2});
    readPreviousMatch(playersNamed({L"Twins of the lake A", L"Twins of the lake B"}), previous);
    EXPECT_EQ(previous.known, 0);
}

}  // namespace
