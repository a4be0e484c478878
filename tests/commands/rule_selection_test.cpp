#include "randomiser/commands/rule_selection.h"

#include <gtest/gtest.h>

#include <cwchar>

#include "common/bounded_copy.h"
#include "common/crt_random.h"
#include "output/sequence_text.h"
#include "randomiser/commands/hotkey_commands.h"
#include "randomiser/startup/command_line.h"
#include "startup/game_folder.h"
#include "test_support.h"

namespace {

std::vector<RuleRecord> threeRules() {
    std::vector<RuleRecord> rules(3);
    boundedCopy(rules[0].path, L"./Rules/Usual.txt");
    boundedCopy(rules[1].path, L"./Rules/fortress.txt");
    boundedCopy(rules[2].path, L"./Rules/nomads.txt");
    return rules;
}

TEST(ChooseRule, NumbersAndPaths) {
    struct Case {
        const wchar_t* entry;
        int chosen;
    };
    const Case cases[] = {
        {L"1", 0},
        {L"3", 2},
        {L"0", -1},
        {L"4", -1},
        {L"2nd", 1},
        {L"  2", 1},
        {L"\t3\r\n", 2},
        {L"99999999999999", -1},
        {L"-1", -1},
        {L"./Rules/fortress.txt", 1},
        {L"./rules/fortress.txt", -1},
        {L" ./Rules/nomads.txt", 2},
        {L"./Rules/nomads.txt ", -1},
        {L"", -1},
    };
    const std::vector<RuleRecord> rules = threeRules();
    for (const Case& c : cases) EXPECT_EQ(chooseRule(c.entry, rules), c.chosen) << "entry [" << c.entry << "]";
}

TEST(RulePrompt, NamesTheCount) { EXPECT_EQ(rulePrompt(3), L"Enter a Number From 1 to 3"); }

TEST(RuleList, NumbersEachRuleSetWithTheNameOfItsFile) {
    std::vector<RuleRecord> rules(3);
    boundedCopy(rules[0].path, L"./Rules/Usual.txt");
    boundedCopy(rules[1].path, L"Rules\\nomads.TXT");
    boundedCopy(rules[2].path, L"house");
    EXPECT_EQ(ruleList(rules), L"1. Usual\n2. nomads\n3. house");
}

class SubmitRuleEntry : public ::testing::Test {
protected:
    Randomiser randomiser;
    wchar_t result[kRuleEntryUnits] = L"unchanged";
    void SetUp() override {
        randomiser.game.rule_table = threeRules();
        boundedCopy(randomiser.current.rules_path, L"./Rules/Usual.txt");
    }
    std::wstring path() const { return randomiser.current.rules_path; }
};

TEST_F(SubmitRuleEntry, SelectionChangesThePathAndTellsSo) {
    EXPECT_EQ(submitRuleEntry(randomiser, L"2", result), RuleEntryOutcome::Selected);
    EXPECT_EQ(path(), L"./Rules/fortress.txt");
    EXPECT_STREQ(result, L"Selected New Rules - ./Rules/fortress.txt");
}

TEST_F(SubmitRuleEntry, UnknownEntryKeepsThePath) {
    EXPECT_EQ(submitRuleEntry(randomiser, L"Usual", result), RuleEntryOutcome::Refused);
    EXPECT_EQ(path(), L"./Rules/Usual.txt");
    EXPECT_STREQ(result, L"Error: ~ Could Not Find Rules In List");
}

TEST_F(SubmitRuleEntry, EmptyEntryChangesNothing) {
    EXPECT_EQ(submitRuleEntry(randomiser, L"", result), RuleEntryOutcome::Empty);
    EXPECT_STREQ(result, L"unchanged");
    EXPECT_EQ(path(), L"./Rules/Usual.txt");
}

TEST_F(SubmitRuleEntry, ALongPathIsCutToFitTheResult) {
    std::wstring longPath(259, L'p');
    boundedCopy(randomiser.game.rule_table[0].path, longPath.c_str());
    EXPECT_EQ(submitRuleEntry(randomiser, L"1", result), RuleEntryOutcome::Selected);
    EXPECT_EQ(path(), longPath);
    EXPECT_EQ(std::wcslen(result), kRuleEntryUnits - 1);
    EXPECT_EQ(std::wstring(result), (L"Selected New Rules - " + longPath).substr(0, kRuleEntryUnits - 1));
}

// Ctrl+2 types the rule text the words name, in a check run too, until the
// host chooses another; the choice is the run's, the option keeps the words' path.
TEST(RuleSelection, TheRunTypesTheWordsRulesUntilTheHostChoosesOthers) {
    TempFolder folder;
    GameFolder files;
    files.write();
    Randomiser randomiser;
    std::vector<std::wstring> words = {L"sortilane.exe", L"rules", L"./rules/fast.txt", L"validate"};
    crtSrand(1);
    ASSERT_TRUE(parseCommandLine(randomiser, words));
    EXPECT_EQ(sequenceText(runCommand(randomiser, 2).sequence), "ctrl [Go fast] wait 250 ctrl enter wait 100");

    wchar_t result[kRuleEntryUnits] = {};
    ASSERT_EQ(submitRuleEntry(randomiser, L"1", result), RuleEntryOutcome::Selected);
    EXPECT_EQ(sequenceText(runCommand(randomiser, 2).sequence), "ctrl [Be nice] wait 250 ctrl enter wait 100");
    EXPECT_STREQ(randomiser.options().usual_rules_path, L"./rules/fast.txt");
}

}  // namespace
