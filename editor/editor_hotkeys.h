#pragma once
#include "common/hotkey_keys.h"

// What a key-down means to the editor's keyboard hook.

// The commands of Ctrl+1 to Ctrl+9, and Quit for Esc as well.
enum class EditorCommand {
    None,
    CaptureClipboard,  // Ctrl+1
    EnterNameAndRating,  // Ctrl+2
    EditRuleText,  // Ctrl+3
    EnterFmt,  // Ctrl+4
    EnterCounts,  // Ctrl+5
    ShowDisplay,  // Ctrl+6
    ShowTooltips,  // Ctrl+7
    ResetPlayerData,  // Ctrl+8
    Quit,  // Ctrl+9 and Esc
};

// The Ctrl state: set by a Ctrl key-down, cleared by the key-down of any
// other key. Key releases do not touch it, so a digit fires when it is the
// first key pressed after Ctrl.
struct CtrlLatch {
    bool ctrlDown = false;
};

// The command a key-down starts, if any: Esc always quits; a digit starts its
// command when the Ctrl state is set.
EditorCommand onEditorKeyDown(CtrlLatch& latch, KeyPress press);
