#include "randomiser/output/chat_files.h"

#include <gtest/gtest.h>

#include "common/bounded_copy.h"
#include "randomiser/output/report.h"
#include "ratings/results_log.h"
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
    const std::vector<std::wstring> lines = {L"Seed: 5 100%", L"", L"\u00e9\u0100\u674E"};  // written in UTF-8
    std::wstring why = L"left over";
    ASSERT_TRUE(saveReport(lines, why));
    EXPECT_EQ(why, L"");
    EXPECT_EQ(readFile("data.txt"), "Seed: 5 100%\r\n\r\n\xC3\xA9\xC4\x80\xE6\x9D\x8E\r\n");
    EXPECT_EQ(readFile("data.txt.tmp"), "");
}

TEST(SaveReport, NoLinesLeavesAnEmptyFile) {
    TempFolder folder;
    writeFile("data.txt", "old\r\n");
    std::wstring why;
    ASSERT_TRUE(saveReport({}, why));
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

// The report of four players in two teams, whose file ratings differ from
// the ratings the teams were made with.
Randomiser builtReport() {
    Randomiser r;
    setPlayers(r, 2, {1500, 1600, 1700, 1400});
    changeOptions(r, [](OptionSet& options) { options.use_ratings = 1; });
    r.seed = 5000000000;  // the report prints its low 32 bits
    const wchar_t* names[] = {L"Ann", L"B\u00F6 Li", L"Cy", L"Di"};
    const int teams[] = {1, 2, 2, 1};
    const int fileRatings[] = {1510, 0, 1700, 1390};
    for (int p = 0; p < 4; ++p) {
        boundedCopy(r.players.player_names[p], names[p]);
        r.players.player_teams[p] = teams[p];
        r.players.player_file_ratings[p] = fileRatings[p];
    }
    buildReport(r);
    return r;
}

TEST(RecordMatch, AddsTheLineWithTheTimeNoResultAndTheFileRatings) {
    TempFolder folder;
    writeFile("Results.txt", "# Friday\r\n");
    recordMatch(builtReport().report);
    const std::string bytes = readFile("Results.txt");
    const std::string players = "\t705032704\t-\tAnn\t1\t1510\tB\xC3\xB6 Li\t2\t0\tCy\t2\t1700\tDi\t1\t1390\r\n";
    ASSERT_EQ(bytes.size(), 10 + 16 + players.size());
    EXPECT_EQ(bytes.substr(0, 10), "# Friday\r\n");
    EXPECT_EQ(bytes.substr(26), players);
    // The local time, YYYY-MM-DD HH:MM, reads back as one.
    const ResultsLog log = parseResults(bytes);
    ASSERT_EQ(log.matches.size(), 1u);
    EXPECT_GE(log.matches[0].when.year, 2025);
    EXPECT_EQ(debugLogText(), "");
}

TEST(RecordMatch, AFailureIsLoggedAndNoReportAddsNothing) {
    TempFolder folder;
    Randomiser validateRun;  // no report was built
    EXPECT_EQ(recordMatch(validateRun.report), L"");
    EXPECT_EQ(readFile("Results.txt"), "");
    EXPECT_EQ(debugLogText(), "");

    writeFile("Results.txt/inside", "a folder where the file should be");
    EXPECT_EQ(recordMatch(builtReport().report).rfind(L"Results.txt could not be read", 0), 0u);
    EXPECT_EQ(debugLogText().rfind("The match was not added to Results.txt: ", 0), 0u) << debugLogText();
}

}  // namespace
