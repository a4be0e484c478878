#pragma once
// What the files of the editor's Windows shell share: the editor's state, the
// bridge the portable code calls back through, and the operations each file
// offers the others. Each file keeps the handles of the windows it owns in
// one plain struct of its own.
#include <windows.h>

#include "editor/editor_hotkeys.h"
#include "editor/editor_port.h"
#include "editor/editor_state.h"

extern EditorState g_editor;  // PlayerData.txt in memory, capture indexes, input mode

// editor_port_win32.cpp
EditorPort& editorPort();  // error box, live display text, tray notes

// live_display_win32.cpp
bool createLiveDisplay();
void setLiveDisplayText(const wchar_t* text);
void showLiveDisplay();
void hideLiveDisplay();
void destroyLiveDisplay();

// input_windows_win32.cpp
bool openInputWindow();
bool openRuleTextWindow();
void focusFirstField();
void releaseRuleTextBackground();  // at shutdown

// info_windows_win32.cpp
void openTooltips();
void openCredits();

// hotkeys_win32.cpp
bool installEditorHotkeys();       // the keyboard hook, posting to the main window
void handleHotkey(Hotkey hotkey);  // rests while the randomiser runs
void runEditorCommand(EditorCommand command);
