#pragma once

// What a key-down means to the editor's keyboard hook. Keys are told apart by
// their Windows virtual-key code, so Ctrl, Esc and the top-row digits work
// with every keyboard layout.

// Windows virtual-key codes, as numbers so that portable code can name them.
constexpr unsigned kVkControl = 0x11;
constexpr unsigned kVkEscape = 0x1B;
constexpr unsigned kVkLeftControl = 0xA2;
constexpr unsigned kVkRightControl = 0xA3;

enum class EditorKey { Other, Ctrl, Esc, Digit };

struct EditorKeyPress {
    EditorKey key = EditorKey::Other;
    int digit = 0;  // 1..9 for EditorKey::Digit
};

// Either Ctrl key, Esc, a top-row digit '1'..'9', or any other key.
EditorKeyPress classifyEditorKey(unsigned virtualKey);

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
EditorCommand onEditorKeyDown(CtrlLatch& latch, EditorKeyPress press);
