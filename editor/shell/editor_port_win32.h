#pragma once
// The editor's state and the bridge the portable editor code calls back
// through.
#include "editor/editor_port.h"
#include "editor/editor_state.h"

extern EditorState g_editor;  // PlayerData.txt in memory, capture indexes, input mode

// The error box in front of the editor's windows, the live display's
// contents and the notes in the tray icon's balloon.
EditorPort& editorPort();
