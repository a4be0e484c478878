#include "randomiser/commands/hotkey_commands.h"

#include <gtest/gtest.h>

#include "common/bounded_copy.h"
#include "common/crt_random.h"
#include "output/sequence_text.h"
#include "support/randomiser_builder.h"
#include "test_support.h"

namespace {

class HotkeyCommands : public ::testing::Test {
protected:
    TempFolder folder;
    Randomiser randomiser;

    void SetUp() override {
        crtSrand(1);  // the runtime's first values from seed 1: 41, 18467, 6334, 26500
        addRule(L"./Rules/Usual.txt", 1);
        addRule(L"./Rules/fast.txt", 1);
        addMap(L"Fen", 1);
        addMap(L"Crag", 1);
        boundedCopy(randomiser.current.map_name, L"Fen");
        boundedCopy(randomiser.current.rules_path, L"./Rules/Usual.txt");
        writeFile("Rules/Usual.txt", "Be nice\r\n");
        writeFile("Rules/fast.txt", "Go fast");
    }
    void addRule(const wchar_t* path, int ratio) {
        RuleRecord rule;
        rule.ratio = ratio;
        boundedCopy(rule.path, path);
        randomiser.game.rule_table.push_back(rule);
    }
    void addMap(const wchar_t* name, int ratio) {
        MapRecord map;
        map.ratio = ratio;
        boundedCopy(map.name, name);
        randomiser.game.map_table.push_back(map);
    }
    std::string run(int command) { return sequenceText(runCommand(randomiser, command).sequence); }
};

TEST_F(HotkeyCommands, OneTypesTheReportSavesAndQuits) {
    boundedCopy(randomiser.report.report_lines[0], L"Seed: 1");
    randomiser.report.report_line_count = 1;
    CommandOutcome outcome = runCommand(randomiser, 1);
    EXPECT_EQ(sequenceText(outcome.sequence), "ctrl wait 250 [Seed: 1] wait 250 ctrl enter wait 250 save quit");
    EXPECT_FALSE(outcome.quit) << "the quit comes after the typing, as its last step";
}

TEST_F(HotkeyCommands, OneWithoutAReportLeavesDataTxtAndSaysWhy) {
    changeOptions(randomiser, [](OptionSet& options) { options.validate_only = 1; });
    CommandOutcome outcome = runCommand(randomiser, 1);
    EXPECT_TRUE(outcome.sequence.empty()) << "no save step may empty data.txt: " << sequenceText(outcome.sequence);
    EXPECT_FALSE(outcome.quit) << "the program stays to show its balloon";
    EXPECT_NE(outcome.note.find(L"check run has nothing to type"), std::wstring::npos);
}

TEST_F(HotkeyCommands, TwoTypesTheCurrentRuleText) {
    EXPECT_EQ(run(2), "ctrl [Be nice] wait 250 ctrl enter wait 100") << "the line feed is not typed";
    writeFile("Rules/Usual.txt", std::string(256, 'x'));
    CommandOutcome outcome = runCommand(randomiser, 2);
    EXPECT_TRUE(outcome.sequence.empty());
    EXPECT_EQ(outcome.error, L"Rule Text Over 255 characters long - ./Rules/Usual.txt");
}

TEST_F(HotkeyCommands, TwoWithAMissingFileSaysWhichFile) {
    boundedCopy(randomiser.current.rules_path, L"./Rules/gone.txt");
    CommandOutcome outcome = runCommand(randomiser, 2);
    EXPECT_TRUE(outcome.sequence.empty());
    EXPECT_EQ(outcome.error, L"Could not find file - ./Rules/gone.txt");
}

TEST_F(HotkeyCommands, SixDrawsAMapThatThreeTypesAgain) {
    EXPECT_EQ(run(6), "ctrl [Crag] enter") << "41 % 2 = 1 draws the second map";
    EXPECT_EQ(run(3), "ctrl [Crag] enter");
    EXPECT_STREQ(randomiser.current.map_name, L"Crag");
}

TEST_F(HotkeyCommands, FiveDrawsARuleSetTypesItAndKeepsIt) {
    EXPECT_EQ(run(5), "ctrl [Go fast] wait 250 ctrl enter wait 100");
    EXPECT_STREQ(randomiser.current.rules_path, L"./Rules/fast.txt");
    EXPECT_EQ(run(2), "ctrl [Go fast] wait 250 ctrl enter wait 100");
}

TEST_F(HotkeyCommands, FiveWithAMissingFileShowsAnErrorAndKeepsThePath) {
    boundedCopy(randomiser.game.rule_table[1].path, L"./Rules/gone.txt");
    CommandOutcome outcome = runCommand(randomiser, 5);
    EXPECT_TRUE(outcome.sequence.empty());
    EXPECT_EQ(outcome.error, L"Could not find file - ./Rules/gone.txt");
    EXPECT_STREQ(randomiser.current.rules_path, L"./Rules/gone.txt");
    EXPECT_EQ(run(2), "") << "command 2 now names the missing file";
}

TEST_F(HotkeyCommands, ZeroRatiosNeverDrawAndAZeroTotalShowsAnError) {
    randomiser.game.map_table[0].ratio = 0;
    for (int i = 0; i < 5; ++i) EXPECT_EQ(run(6), "ctrl [Crag] enter");
    randomiser.game.map_table[1].ratio = 0;
    randomiser.game.rule_table[0].ratio = 0;
    randomiser.game.rule_table[1].ratio = 0;
    for (int command : {5, 6}) {
        CommandOutcome outcome = runCommand(randomiser, command);
        EXPECT_TRUE(outcome.sequence.empty()) << command;
        EXPECT_FALSE(outcome.error.empty()) << command;
    }
    EXPECT_STREQ(randomiser.current.map_name, L"Crag");
    EXPECT_STREQ(randomiser.current.rules_path, L"./Rules/Usual.txt");
}

TEST_F(HotkeyCommands, EightTossesACoinFromTheSharedGenerator) {
    EXPECT_EQ(run(8), "ctrl [Tails] enter");  // 41
    EXPECT_EQ(run(8), "ctrl [Tails] enter");  // 18467
    EXPECT_EQ(run(8), "ctrl [Heads] enter");  // 6334
}

TEST_F(HotkeyCommands, WindowAndQuitCommands) {
    EXPECT_TRUE(runCommand(randomiser, 4).open_rule_selection);
    EXPECT_TRUE(runCommand(randomiser, 7).open_tooltips);
    CommandOutcome quit = runCommand(randomiser, 9);
    EXPECT_TRUE(quit.quit);
    EXPECT_TRUE(quit.sequence.empty());
    EXPECT_TRUE(runCommand(randomiser, kDigitZero).draw_again);
    changeOptions(randomiser, [](OptionSet& options) { options.validate_only = 1; });
    EXPECT_FALSE(runCommand(randomiser, kDigitZero).draw_again) << "a check run has no match to draw again";
}

TEST_F(HotkeyCommands, EveryCommandThatTypesIsRefusedInTheProgramsOwnWindow) {
    boundedCopy(randomiser.report.report_lines[0], L"Seed: 1");
    randomiser.report.report_line_count = 1;
    writeFile("data.txt", "a\r\n");
    for (int repost : {0, 1}) {
        changeOptions(randomiser, [&](OptionSet& options) { options.repost_only = repost; });
        for (int command : {1, 2, 3, 4, 5, 6, 7, 8, 9, kDigitZero}) {
            const std::wstring refusal = ownWindowRefusal(randomiser, command);
            Randomiser copy = randomiser;
            EXPECT_EQ(!refusal.empty(), !runCommand(copy, command).sequence.empty()) << repost << " " << command;
            EXPECT_TRUE(refusal.empty() || refusal.find(L"Click into the game's chat first") != std::wstring::npos);
        }
    }
}

// The shell types a command's sequence in the outcome's style: with
// real_keys as key presses, in the repost mode too.
TEST_F(HotkeyCommands, TheSequenceComesWithItsStyleOfTyping) {
    EXPECT_FALSE(runCommand(randomiser, 3).style.real_keys);
    changeOptions(randomiser, [](OptionSet& options) { options.real_keys = 1; });
    EXPECT_TRUE(runCommand(randomiser, 3).style.real_keys);
    changeOptions(randomiser, [](OptionSet& options) { options.repost_only = 1; });
    writeFile("data.txt", "a\r\n");
    EXPECT_TRUE(runCommand(randomiser, 1).style.real_keys);
}

TEST_F(HotkeyCommands, RepostModeTypesDataTxtOnlyOnOneAndQuitsOnNine) {
    changeOptions(randomiser, [](OptionSet& options) { options.repost_only = 1; });
    writeFile("data.txt", "a\r\nb\r\nrest");
    EXPECT_EQ(run(1), "ctrl [a] ctrl enter wait 250 [b] ctrl enter wait 250 quit");
    for (int command : {2, 3, 4, 5, 6, 7, 8, kDigitZero}) {
        CommandOutcome outcome = runCommand(randomiser, command);
        EXPECT_TRUE(outcome.sequence.empty() && outcome.error.empty() && !outcome.quit) << command;
        EXPECT_FALSE(outcome.open_rule_selection || outcome.open_tooltips || outcome.draw_again) << command;
    }
    CommandOutcome quit = runCommand(randomiser, 9);
    EXPECT_TRUE(quit.quit);
    EXPECT_TRUE(quit.sequence.empty());
    EXPECT_EQ(readFile("data.txt"), "a\r\nb\r\nrest") << "typing the saved result does not save it again";
    std::remove("data.txt");
    EXPECT_EQ(run(1), "quit");
    EXPECT_EQ(debugLogText(), "data.txt\nOpening A File\n");
}

}  // namespace
