#include <gtest/gtest.h>

#include "editor/editor_hotkeys.h"

namespace {

TEST(EditorHotkeysTest, EachHotkeyHasItsCommand) {
    const EditorCommand expected[9] = {
        EditorCommand::CaptureClipboard, EditorCommand::EnterNameAndRating, EditorCommand::EditRuleText,
        EditorCommand::EnterFmt,         EditorCommand::EnterCounts,        EditorCommand::ShowDisplay,
        EditorCommand::ShowTooltips,     EditorCommand::ResetPlayerData,    EditorCommand::Quit,
    };
    for (int digit = 1; digit <= 9; ++digit) {
        Hotkey hotkey;
        hotkey.digit = digit;
        EXPECT_EQ(editorCommandOf(hotkey), expected[digit - 1]) << digit;
    }
    Hotkey esc;
    esc.esc = true;
    EXPECT_EQ(editorCommandOf(esc), EditorCommand::None) << "one Esc quits nothing";
    EXPECT_EQ(editorCommandOf(Hotkey()), EditorCommand::None);
}

}  // namespace
