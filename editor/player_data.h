#pragma once
#include <cstdint>

#include "editor/editor_port.h"
#include "editor/editor_state.h"

// Start-up: creates the script store, creates PlayerData.txt with the
// default content when it does not exist, loads it and fills the records,
// correcting values out of range in memory only. False ends the program,
// also when the file lacks one of its keys, counts players or teams its
// lists cannot hold (0, more than 8 players, more than 4 teams), or lacks a
// name or rating for one of the players (the reason in the debug log).
bool setupPlayerData(EditorState& state, EditorPort& port);

// Where the reset keeps the players it replaces.
constexpr const char* kPlayerDataBackup = "PlayerData.bak";

// Keeps the file as PlayerData.bak, replaces it by the default content and
// sets the records from that content, then refreshes the display. When
// either file cannot be written an error box is shown, memory and
// PlayerData.txt are left as they were and false is returned.
bool resetPlayerData(EditorState& state, EditorPort& port);

// Reads PlayerData.txt into the records again, so that changes made outside
// the editor show too, then builds the display text and hands it to the live
// display (the records as they were when the file cannot be read).
void refreshDisplay(EditorState& state, EditorPort& port);

// Loads PlayerData.txt into the store and records its path for the writer,
// as every change does before it stores. False when it cannot be loaded.
bool loadPlayerDataForStore(EditorState& state);

// Why a value for a ninth player is not stored, by the capture and the input
// window alike.
extern const wchar_t* const kAllPlayersFilled;

// Each stores one value into PlayerData.txt and, only when the file took it,
// puts the value as it reads back from the file into the records in memory,
// so the display never shows a value the randomiser will not read. The
// store's own failures are in the debug log.
// Names are written in UTF-8; a file that is not yet UTF-8 is first
// rewritten in UTF-8 when the name is not plain ASCII.
bool storePlayerName(EditorState& state, int index, const wchar_t* name);
// A rating stored this way is the player's own: his unrated mark goes.
bool storePlayerRating(EditorState& state, int index, int32_t rating);
// A rating the editor gives a player who came without one: he is marked
// unrated, in the file (whose list of marks is added when it has none) and
// in memory.
bool storeUnratedPlayer(EditorState& state, int index, int32_t rating);
bool storePlayerFmt(EditorState& state, int index, int32_t fmtGroup);
// The pin and the apart group go to their own lists, which are added to the
// file the first time a player is given a value other than 0.
bool storePlayerTeamPin(EditorState& state, int index, int32_t pin);
bool storePlayerApartGroup(EditorState& state, int index, int32_t group);
bool storePlayerCount(EditorState& state, int32_t count);
bool storeTeamCount(EditorState& state, int32_t count);

// The rating an unrated player gets when no rated player gives a mean: the
// loaded file's default_rating, when it holds one within the rating limits,
// else kDefaultRating.
int32_t defaultRating(Script& script);

// The mean of count ratings that add up to total, rounded to the nearest
// whole number; fallback when count is 0.
int32_t meanRating(int64_t total, int count, int32_t fallback);

// When PlayerData.txt, or its folder, cannot be written because it is
// read-only (or the user lacks the rights), shows one error box that says so
// and how to mend it, logs the system's reason and returns true. False, with
// nothing shown, for any other cause.
bool sayIfReadOnly(EditorPort& port);
