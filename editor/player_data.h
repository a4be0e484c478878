#pragma once
#include <cstdint>

#include "editor/editor_port.h"
#include "editor/editor_state.h"

// Start-up: creates the script store, creates PlayerData.txt with the
// default content when it does not exist, loads it and fills the records,
// correcting values out of range in memory only. False ends the program,
// also when the file lacks one of its keys, or a name or rating for one of
// the players (the reason in the debug log).
bool setupPlayerData(EditorState& state, EditorPort& port);

// Replaces the file by the default content and sets the records from that
// content, then refreshes the display. When the file cannot be written an error box
// is shown, memory is left as it was and false is returned.
bool resetPlayerData(EditorState& state, EditorPort& port);

// Builds the display text and hands it to the live display.
void refreshDisplay(const EditorState& state, EditorPort& port);

// Loads PlayerData.txt into the store and records its path for the writer,
// as every change does before it stores. False when it cannot be loaded.
bool loadPlayerDataForStore(EditorState& state);

// Each stores one value into PlayerData.txt and, only when the file took it,
// puts the value as it reads back from the file into the records in memory,
// so the display never shows a value the randomiser will not read. The
// store's own failures are in the debug log.
// Names are written in UTF-8; a file that is not yet UTF-8 is first
// rewritten in UTF-8 when the name is not plain ASCII.
bool storePlayerName(EditorState& state, int index, const wchar_t* name);
bool storePlayerRating(EditorState& state, int index, int32_t rating);
bool storePlayerFmt(EditorState& state, int index, int32_t fmtGroup);
bool storePlayerCount(EditorState& state, int32_t count);
bool storeTeamCount(EditorState& state, int32_t count);
