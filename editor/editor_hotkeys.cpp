#include "editor/editor_hotkeys.h"

namespace {

const EditorCommand kDigitCommands[9] = {
    EditorCommand::CaptureClipboard, EditorCommand::EnterNameAndRating, EditorCommand::EditRuleText,
    EditorCommand::EnterFmt,         EditorCommand::EnterCounts,        EditorCommand::ShowDisplay,
    EditorCommand::ShowTooltips,     EditorCommand::ResetPlayerData,    EditorCommand::Quit,
};

}  // namespace

EditorCommand onEditorKeyDown(CtrlLatch& latch, KeyPress press) {
    if (press.key == HotKey::Ctrl) {
        latch.ctrlDown = true;
        return EditorCommand::None;
    }
    const bool ctrlWasDown = latch.ctrlDown;
    latch.ctrlDown = false;
    if (press.key == HotKey::Esc) return EditorCommand::Quit;
    if (press.key == HotKey::Digit && ctrlWasDown && press.digit >= 1 && press.digit <= 9)
        return kDigitCommands[press.digit - 1];
    return EditorCommand::None;
}
