#include "randomiser/output/chat_files.h"

#include <gtest/gtest.h>

#include "common/bounded_copy.h"
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

}  // namespace
