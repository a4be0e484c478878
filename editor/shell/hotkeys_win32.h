#pragma once
// The editor's hotkeys and the commands they start.
#include "common/hotkey_latch.h"
#include "editor/editor_hotkeys.h"

// The keyboard hook, posting to the main window, and the timer that looks
// twice a second whether the randomiser runs; false when the hook cannot be
// installed.
bool installEditorHotkeys();

// A hotkey the hook posted; the hotkeys rest while the randomiser runs.
void handleHotkey(Hotkey hotkey);

void runEditorCommand(EditorCommand command);
