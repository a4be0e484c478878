#include <gtest/gtest.h>

#include <vector>

#include "editor/editor_hotkeys.h"

namespace {

const unsigned kVkShift = 0x10;

// Feeds key-downs (virtual-key codes) through one latch and returns the
// command of each.
std::vector<EditorCommand> pressKeys(const std::vector<unsigned>& keys) {
    CtrlLatch latch;
    std::vector<EditorCommand> commands;
    for (unsigned key : keys) commands.push_back(onEditorKeyDown(latch, classifyKey(key)));
    return commands;
}

TEST(EditorHotkeysTest, EachDigitAfterCtrlStartsItsCommand) {
    const EditorCommand expected[9] = {
        EditorCommand::CaptureClipboard, EditorCommand::EnterNameAndRating, EditorCommand::EditRuleText,
        EditorCommand::EnterFmt,         EditorCommand::EnterCounts,        EditorCommand::ShowDisplay,
        EditorCommand::ShowTooltips,     EditorCommand::ResetPlayerData,    EditorCommand::Quit,
    };
    for (unsigned digit = 1; digit <= 9; ++digit) {
        SCOPED_TRACE(digit);
        EXPECT_EQ(pressKeys({kVkLeftControl, '0' + digit}).back(), expected[digit - 1]);
    }
}

TEST(EditorHotkeysTest, DigitWithoutCtrlDoesNothing) {
    EXPECT_EQ(pressKeys({'3'}).back(), EditorCommand::None);
}

TEST(EditorHotkeysTest, AnotherKeyBetweenCtrlAndDigitCancels) {
    EXPECT_EQ(pressKeys({kVkControl, kVkShift, '3'}).back(), EditorCommand::None);
}

TEST(EditorHotkeysTest, HeldCtrlRepeatsAndACommandClearsTheLatch) {
    const std::vector<EditorCommand> commands = pressKeys({kVkLeftControl, kVkLeftControl, '1', '1'});
    EXPECT_EQ(commands[2], EditorCommand::CaptureClipboard);
    EXPECT_EQ(commands[3], EditorCommand::None);
}

TEST(EditorHotkeysTest, EscQuitsWithOrWithoutCtrl) {
    EXPECT_EQ(pressKeys({kVkEscape}).back(), EditorCommand::Quit);
    const std::vector<EditorCommand> commands = pressKeys({kVkControl, kVkEscape, '2'});
    EXPECT_EQ(commands[1], EditorCommand::Quit);
    EXPECT_EQ(commands[2], EditorCommand::None);
}

}  // namespace
