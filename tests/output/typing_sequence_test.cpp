#include "randomiser/output/typing_sequence.h"

#include <gtest/gtest.h>

#include "common/bounded_copy.h"
#include "common/text_convert.h"
#include "output/sequence_text.h"

namespace {

ReportState reportOf(std::initializer_list<const wchar_t*> lines) {
    ReportState report;
    for (const wchar_t* line : lines)
        boundedCopy(report.report_lines[report.report_line_count++], kReportLineUnits, line);
    return report;
}

TEST(TypingSequence, ReportIsPacedAndSavedAfterTheLastLine) {
    ReportState report = reportOf({L"Seed: 7", L"", L"Ann - Oak"});
    EXPECT_EQ(
        sequenceText(reportSequence(report)),
        "ctrl wait 250 [Seed: 7] wait 250 ctrl enter [] wait 250 ctrl enter [Ann - Oak] wait 250 ctrl enter wait 250 "
        "save");
}

TEST(TypingSequence, EmptyReportTypesNothingButIsStillSaved) {
    EXPECT_EQ(sequenceText(reportSequence(ReportState())), "ctrl wait 250 wait 250 save");
}

TEST(TypingSequence, ControlCharactersAreNeverTyped) {
    ReportState report = reportOf({L"Ann\x1B\x08\x7F\tB"});
    EXPECT_EQ(sequenceText(reportSequence(report)), "ctrl wait 250 [AnnB] wait 250 ctrl enter wait 250 save");
}

TEST(TypingSequence, OneLineTextsHaveNoPauses) { EXPECT_EQ(sequenceText(oneLineSequence(L"Fen")), "ctrl [Fen] enter"); }

TEST(TypingSequence, RuleTextChunksEachGetAPauseEnterAndGap) {
    EXPECT_EQ(sequenceText(ruleTextSequence("No rush\r\nBe nice")),
              "ctrl [No rush] wait 250 ctrl enter wait 100 [Be nice] wait 250 ctrl enter wait 100")
        << "the chunk's line feed is not typed; its Enter ends the line";
    EXPECT_EQ(sequenceText(ruleTextSequence("")), "ctrl");
}

TEST(TypingSequence, SavedResultLinesAreTypedThenPaused) {
    EXPECT_EQ(sequenceText(savedResultSequence("one\r\n\r\ntwo\r\nunfinished")),
              "ctrl [one] ctrl enter wait 250 [] ctrl enter wait 250 [two] ctrl enter wait 250");
}

TEST(TypingSequence, OpenChatOpensEachLineWithTextAndLeavesBlankLinesOut) {
    TypingStyle style;
    style.open_chat = true;
    EXPECT_EQ(sequenceText(reportSequence(reportOf({L"Seed: 7", L"", L" \t", L"Ann"}), style)),
              "ctrl wait 250 ctrl enter wait 150 [Seed: 7] wait 250 ctrl enter ctrl enter wait 150 [Ann] wait 250 ctrl "
              "enter wait 250 save");
    EXPECT_EQ(sequenceText(ruleTextSequence("Go\n\nOn", style)),
              "ctrl ctrl enter wait 150 [Go] wait 250 ctrl enter wait 100 ctrl enter wait 150 [On] wait 250 ctrl enter "
              "wait 100")
        << "a chunk of nothing but a line feed is blank";
    EXPECT_EQ(sequenceText(oneLineSequence(L"Heads", style)), "ctrl enter wait 150 [Heads] enter");
}

TEST(TypingSequence, LinePauseStartsEveryLineOfMultiLineSequences) {
    TypingStyle style;
    style.line_pause_ms = 1100;
    EXPECT_EQ(sequenceText(savedResultSequence("a\r\nb\r\n", style)),
              "ctrl pace 1100 [a] ctrl enter wait 250 pace 1100 [b] ctrl enter wait 250");
    EXPECT_EQ(sequenceText(oneLineSequence(L"Fen", style)), "ctrl [Fen] enter") << "one line needs no pause";
    style.open_chat = true;
    EXPECT_EQ(sequenceText(savedResultSequence("a\r\n", style)),
              "ctrl pace 1100 ctrl enter wait 150 [a] ctrl enter wait 250")
        << "the line starts with the Enter that opens the chat";
}

// Every kind of sequence types a line longer than the cap in pieces, each a
// line of its own.
TEST(TypingSequence, LineCapTypesLongLinesInPieces) {
    TypingStyle style;
    style.line_cap = 20;
    EXPECT_EQ(sequenceText(oneLineSequence(L"Map: Hollow Fjords of the North", style)),
              "ctrl [Map: Hollow Fjords] enter [+ of the North] enter");
    EXPECT_EQ(sequenceText(savedResultSequence("T1 1601: Kestrel, Ana, Mo\r\n", style)),
              "ctrl [T1 1601: Kestrel,] ctrl enter wait 250 [T1+ Ana, Mo] ctrl enter wait 250");
    // The report's save keeps the pieces, so that a repost types them again.
    const TypingSequence report = reportSequence(reportOf({L"T2: Ana (Oak), Mo (Fen), Bo\x1B", L""}), style);
    EXPECT_EQ(report.back().lines, (std::vector<std::wstring>{L"T2: Ana (Oak),", L"T2+ Mo (Fen), Bo", L""}));
}

// The estimate matches what was measured under Wine: a report of 21 lines in
// 8.9 s, about 29 s with real keys; line_pause makes each line last at least
// its pause.
TEST(TypingSequence, EstimatesTheTimeAReportTakes) {
    ReportState report;
    const std::wstring line(30, L'x');
    for (report.report_line_count = 0; report.report_line_count < 21; ++report.report_line_count)
        boundedCopy(report.report_lines[report.report_line_count], kReportLineUnits, line.c_str());
    const TypingSequence plain = reportSequence(report);
    EXPECT_EQ(typedLineCount(plain), 21);
    EXPECT_EQ(estimatedTypingMs(plain, false), 8900);
    EXPECT_NEAR(estimatedTypingMs(plain, true), 29000, 1000);
    TypingStyle style;
    style.line_pause_ms = 2500;
    style.open_chat = true;
    const TypingSequence paced = reportSequence(report, style);
    EXPECT_EQ(typedLineCount(paced), 21);
    EXPECT_GE(estimatedTypingMs(paced, false), 21 * 2500);
}

struct ChunkCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> chunks;
};

TEST(RuleTextChunks, FollowTheFgetsRules) {
    const std::string hundred(100, 'x');
    const std::vector<ChunkCase> cases = {
        {"empty file", "", {}},
        {"one line without a line end", "abc", {"abc"}},
        {"CR LF reads as one line feed", "ab\r\ncd\r\n", {"ab\n", "cd\n"}},
        {"a lone CR stays", "a\rb\n", {"a\rb\n"}},
        {"empty lines are chunks of a line feed", "\n\n", {"\n", "\n"}},
        {"100 characters and a line break: 49, 49, 2 with the line feed",
         hundred + "\r\n",
         {std::string(49, 'x'), std::string(49, 'x'), "xx\n"}},
        {"exactly 49 bytes then a line feed", std::string(49, 'y') + "\n", {std::string(49, 'y'), "\n"}},
        {"48 bytes and a line feed fill one chunk", std::string(48, 'z') + "\n", {std::string(48, 'z') + "\n"}},
        // UTF-8: the 49 bytes stay the limit, but a character is never split.
        {"a two-byte character that would pass 49 bytes starts the next chunk",
         std::string(48, 'x') + "\xC3\xA9",
         {std::string(48, 'x'), "\xC3\xA9"}},
        {"a two-byte character that ends at byte 49 stays",
         std::string(47, 'x') + "\xC3\xA9z",
         {std::string(47, 'x') + "\xC3\xA9", "z"}},
        {"a four-byte character moves whole",
         std::string(46, 'x') + "\xF0\x9F\x98\x80\n",
         {std::string(46, 'x'), "\xF0\x9F\x98\x80\n"}},
        {"the byte order mark is not typed", "\xEF\xBB\xBF\xD0\x92\xD0\xBB\r\n", {"\xD0\x92\xD0\xBB\n"}},
    };
    for (const ChunkCase& c : cases) {
        std::vector<std::string> got;
        for (const std::wstring& chunk : ruleTextChunks(c.bytes)) got.push_back(toUtf8(chunk));
        EXPECT_EQ(got, c.chunks) << c.name;
    }
}

TEST(RuleTextChunks, BytesOfAFileThatIsNoUtf8BecomeTheSameCodeUnits) {
    std::vector<std::wstring> chunks = ruleTextChunks("\xe9t\xe9");
    ASSERT_EQ(chunks.size(), 1u);
    EXPECT_EQ(chunks[0], std::wstring(L"\u00e9t\u00e9"));
    // 49 Latin-1 bytes are 49 characters, cut as before.
    chunks = ruleTextChunks(std::string(50, '\xe9'));
    ASSERT_EQ(chunks.size(), 2u);
    EXPECT_EQ(chunks[0], std::wstring(49, L'\u00e9'));
}

TEST(SavedResultLines, FollowTheDataFileRules) {
    std::vector<ChunkCase> cases = {
        {"empty file", "", {}},
        {"last line without a line break is not typed", "a\r\nb", {"a"}},
        {"CR LF and LF both end a line", "a\r\nb\n", {"a", "b"}},
        {"empty lines stay", "\r\n\r\nx\r\n", {"", "", "x"}},
        {"a line longer than 400 characters is cut to 400", std::string(450, 'q') + "\r\n", {std::string(400, 'q')}},
        {"400 characters are kept whole", std::string(400, 'k') + "\r\n", {std::string(400, 'k')}},
    };
    std::string e400;
    for (int i = 0; i < 400; ++i) e400 += "\xC3\xA9";
    const std::string lines =
        "Jos\xC3\xA9 \xE6\x9D\x8E\xE9\x9B\xB7\r\n" + e400 + "\xC3\xA9\xC3\xA9\r\n" + e400 + "\r\n";
    cases.push_back({"UTF-8 lines are cut to 400 characters, not bytes",
                     lines,
                     {"Jos\xC3\xA9 \xE6\x9D\x8E\xE9\x9B\xB7", e400, e400}});
    cases.push_back({"a byte order mark is not typed", "\xEF\xBB\xBFZo\xC3\xAB\r\n", {"Zo\xC3\xAB"}});
    for (const ChunkCase& c : cases) {
        std::vector<std::string> got;
        for (const std::wstring& line : savedResultLines(c.bytes)) got.push_back(toUtf8(line));
        EXPECT_EQ(got, c.chunks) << c.name;
    }
}

}  // namespace
