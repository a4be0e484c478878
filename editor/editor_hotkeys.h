#pragma once
#include "common/hotkey_latch.h"

// The editor's commands: Ctrl+1 to Ctrl+9 (Esc pressed twice quits too, see
// esc_quit.h).
enum class EditorCommand {
    None,
    CaptureClipboard,    // Ctrl+1
    EnterNameAndRating,  // Ctrl+2
    EditRuleText,        // Ctrl+3
    EnterFmt,            // Ctrl+4
    EnterCounts,         // Ctrl+5
    ShowDisplay,         // Ctrl+6
    ShowTooltips,        // Ctrl+7
    ResetPlayerData,     // Ctrl+8
    Quit,                // Ctrl+9
};

// The command a digit hotkey of the latch starts, None when it starts
// nothing (Esc among them).
EditorCommand editorCommandOf(Hotkey hotkey);
