#include "editor/editor_hotkeys.h"

namespace {

const EditorCommand kDigitCommands[9] = {
    EditorCommand::CaptureClipboard, EditorCommand::EnterNameAndRating, EditorCommand::EditRuleText,
    EditorCommand::EnterFmt,         EditorCommand::EnterCounts,        EditorCommand::ShowDisplay,
    EditorCommand::ShowTooltips,     EditorCommand::ResetPlayerData,    EditorCommand::Quit,
};

}  // namespace

EditorCommand editorCommandOf(Hotkey hotkey) {
    if (hotkey.digit >= 1 && hotkey.digit <= 9) return kDigitCommands[hotkey.digit - 1];
    return EditorCommand::None;
}
