#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "common/text_convert.h"
#include "editor/rule_text.h"
#include "editor_fixture.h"

namespace {

class RuleTextTest : public ::testing::Test {
protected:
    TempFolder folder;
    RecordingPort port;

    void SetUp() override { std::filesystem::create_directory("Rules"); }
};

TEST_F(RuleTextTest, NameMayHoldAtMost39Characters) {
    const std::wstring name39(39, L'n');
    writeFile("Rules/" + toUtf8(name39) + ".txt", "No rush");
    std::wstring text;
    EXPECT_TRUE(loadRuleText(port, name39, text));
    EXPECT_EQ(text, L"No rush");
    EXPECT_TRUE(port.errors.empty());

    const std::wstring name40(40, L'n');
    EXPECT_FALSE(loadRuleText(port, name40, text));
    EXPECT_FALSE(saveRuleText(port, name40, L"x"));
    EXPECT_EQ(port.errors, std::vector<std::wstring>(2, L"Too many characters found in filename input field"));
    EXPECT_FALSE(std::filesystem::exists("Rules/" + toUtf8(name40) + ".txt"));
}

TEST_F(RuleTextTest, EmptyNameDoesNothing) {
    std::wstring text = L"kept";
    EXPECT_FALSE(loadRuleText(port, L"", text));
    EXPECT_FALSE(saveRuleText(port, L"", L"x"));
    EXPECT_EQ(text, L"kept");
    EXPECT_TRUE(port.errors.empty());
    EXPECT_TRUE(std::filesystem::is_empty("Rules"));
}

TEST_F(RuleTextTest, MissingFileShowsTheWholePath) {
    std::wstring text;
    EXPECT_FALSE(loadRuleText(port, L"Usual", text));
    EXPECT_EQ(port.errors, std::vector<std::wstring>{L"Cannot find - ./Rules/Usual.txt"});
}

TEST_F(RuleTextTest, TextMustHoldOneTo1023Bytes) {
    const struct {
        size_t bytes;
        bool loads;
    } cases[] = {{0, false}, {1, true}, {1023, true}, {1024, false}, {5000, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        port.errors.clear();
        writeFile("Rules/Usual.txt", std::string(c.bytes, 'r'));
        std::wstring text;
        EXPECT_EQ(loadRuleText(port, L"Usual", text), c.loads);
        if (c.loads) {
            EXPECT_EQ(text, std::wstring(c.bytes, L'r'));
            EXPECT_TRUE(port.errors.empty());
        } else {
            EXPECT_EQ(port.errors,
                      std::vector<std::wstring>{L"Too many characters in text file to retrieve for the program"});
        }
    }
}

TEST_F(RuleTextTest, SaveWritesTheLinesAsTypedAndLoadsBack) {
    ASSERT_TRUE(saveRuleText(port, L"Usual", L"No rush 20 minutes\r\n\r\nCaf\u00e9 rules \u674E"));
    EXPECT_EQ(readFile("Rules/Usual.txt"), "No rush 20 minutes\r\n\r\nCaf\xC3\xA9 rules \xE6\x9D\x8E\r\n");
    std::wstring text;
    ASSERT_TRUE(loadRuleText(port, L"Usual", text));
    EXPECT_EQ(text, L"No rush 20 minutes\r\n\r\nCaf\u00e9 rules \u674E\r\n");
}

// The randomiser types at most 255 bytes: Save refuses more, with the count
// and the limit, and keeps the old file.
TEST_F(RuleTextTest, SaveRefusesATextTooLongToType) {
    writeFile("Rules/Usual.txt", "old rules");
    ASSERT_FALSE(saveRuleText(port, L"Usual", std::wstring(254, L'r')));  // 256 bytes with its CR LF
    EXPECT_EQ(port.errors, std::vector<std::wstring>{L"Not saved: the text holds 256 bytes, and Sortilane types at "
                                                     L"most 255. Shorten it and save again."});
    EXPECT_EQ(readFile("Rules/Usual.txt"), "old rules");
    EXPECT_TRUE(saveRuleText(port, L"Usual", std::wstring(253, L'r')));
    EXPECT_EQ(ruleTextCount(std::wstring(254, L'r')), L"256 of 255 bytes: too long for Sortilane to type");
}

TEST_F(RuleTextTest, LoadReadsLatin1AndUtf8WithItsByteOrderMark) {
    writeFile("Rules/Usual.txt", "Caf\xe9 rules\r\n");
    std::wstring text;
    ASSERT_TRUE(loadRuleText(port, L"Usual", text));
    EXPECT_EQ(text, L"Caf\u00e9 rules\r\n");
    writeFile("Rules/Usual.txt", "\xEF\xBB\xBF\xD0\x92\xD0\xBB\xD0\xB0\xD0\xB4\r\n");
    ASSERT_TRUE(loadRuleText(port, L"Usual", text));
    EXPECT_EQ(text, L"\u0412\u043B\u0430\u0434\r\n");
}

TEST_F(RuleTextTest, LoadedTextSavesBackUnchanged) {
    writeFile("Rules/Usual.txt", "No rush\r\n\r\nWonders on land\r\n");
    std::wstring text;
    ASSERT_TRUE(loadRuleText(port, L"Usual", text));
    ASSERT_TRUE(saveRuleText(port, L"Usual", text));
    EXPECT_EQ(readFile("Rules/Usual.txt"), "No rush\r\n\r\nWonders on land\r\n");
}

// The count is what Save writes: nothing for an empty box, a line break
// for a box of one empty line.
TEST_F(RuleTextTest, EmptyBoxSavesAnEmptyFileAndCountsIt) {
    EXPECT_EQ(ruleTextCount(L""), L"0 of 255 bytes");
    ASSERT_TRUE(saveRuleText(port, L"Usual", L""));
    EXPECT_EQ(readFile("Rules/Usual.txt"), "");
    EXPECT_EQ(ruleTextCount(L"\r\n"), L"2 of 255 bytes");
    ASSERT_TRUE(saveRuleText(port, L"Usual", L"\r\n"));
    EXPECT_EQ(readFile("Rules/Usual.txt"), "\r\n");
}

// A character that no file name on Windows holds is named in the box, by
// Load and Save alike, and nothing is written.
TEST_F(RuleTextTest, NameWithACharacterNoFileNameHoldsIsRefusedByName) {
    const struct {
        const wchar_t* name;
        wchar_t refused;
    } cases[] = {{L"no?rush", L'?'}, {L"a*", L'*'},  {L"x:y", L':'},  {L"q\"", L'"'},   {L"<b", L'<'},
                 {L"b>", L'>'},      {L"p|q", L'|'}, {L"../PlayerData", L'/'}, {L"a\\b", L'\\'},
                 {L"tab\tx", L'\t'}, {L"Caf\u00e9 rules", 0}, {L"2v2 (no rush).", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(toUtf8(c.name));
        EXPECT_EQ(characterNoFileNameHolds(c.name), c.refused);
    }
    std::wstring text;
    EXPECT_FALSE(saveRuleText(port, L"no?rush", L"x"));
    EXPECT_FALSE(loadRuleText(port, L"tab\tx", text));
    EXPECT_EQ(port.errors,
              (std::vector<std::wstring>{L"The name holds ?, which a file name cannot hold (nor any of \\ / : * ? \" < > "
                                         L"|). Take it out of the name.",
                                         L"The name holds the control character U+0009, which a file name cannot hold "
                                         L"(nor any of \\ / : * ? \" < > |). Take it out of the name."}));
    EXPECT_TRUE(std::filesystem::is_empty("Rules"));
}

TEST_F(RuleTextTest, FailedSaveKeepsTheOldFileAndSaysWhy) {
    writeFile("Rules/Usual.txt", "old rules");
    std::filesystem::create_directory("Rules/Usual.txt.tmp");
    EXPECT_FALSE(saveRuleText(port, L"Usual", L"new rules"));
    EXPECT_EQ(readFile("Rules/Usual.txt"), "old rules");

    std::filesystem::remove_all("Rules");
    EXPECT_FALSE(saveRuleText(port, L"Usual", L"new rules"));
    const std::wstring why =
        L"Not saved: ./Rules/Usual.txt - no new file can be made in the Rules folder (it may "
        L"be missing, read-only or full). The system says: ";
    const std::wstring kept = L". The text stays in the window.";
    EXPECT_EQ(port.errors, (std::vector<std::wstring>{why + decodeText(std::strerror(EISDIR), TextEncoding::Utf8) + kept,
                                                      why + decodeText(std::strerror(ENOENT), TextEncoding::Utf8) + kept}));
}

}  // namespace
