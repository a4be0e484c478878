#include "editor/editor_hotkeys.h"

namespace {

const EditorCommand kDigitCommands[9] = {
    EditorCommand::CaptureClipboard, EditorCommand::EnterNameAndRating, EditorCommand::EditRuleText,
    EditorCommand::EnterFmt,         EditorCommand::EnterCounts,        EditorCommand::ShowDisplay,
    EditorCommand::ShowTooltips,     EditorCommand::ResetPlayerData,    EditorCommand::Quit,
};

}  // namespace

EditorKeyPress classifyEditorKey(unsigned virtualKey) {
    EditorKeyPress press;
    if (virtualKey == kVkControl || virtualKey == kVkLeftControl || virtualKey == kVkRightControl) {
        press.key = EditorKey::Ctrl;
    } else if (virtualKey == kVkEscape) {
        press.key = EditorKey::Esc;
    } else if (virtualKey >= '1' && virtualKey <= '9') {
        press.key = EditorKey::Digit;
        press.digit = static_cast<int>(virtualKey - '0');
    }
    return press;
}

EditorCommand onEditorKeyDown(CtrlLatch& latch, EditorKeyPress press) {
    if (press.key == EditorKey::Ctrl) {
        latch.ctrlDown = true;
        return EditorCommand::None;
    }
    const bool ctrlWasDown = latch.ctrlDown;
    latch.ctrlDown = false;
    if (press.key == EditorKey::Esc) return EditorCommand::Quit;
    if (press.key == EditorKey::Digit && ctrlWasDown && press.digit >= 1 && press.digit <= 9)
        return kDigitCommands[press.digit - 1];
    return EditorCommand::None;
}
