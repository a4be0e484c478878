#pragma once
#include "randomiser/state/randomiser_state.h"

// Reads PlayerData.txt and the civilisation, map and rule scripts named in the
// options into the tables, and draws the match map, the run's current map.
// False (with the reasons in the debug log) when a file cannot be read or its
// counts cannot be used.
bool loadGameData(Randomiser& randomiser);

// Removes the civilisation at index; later records move down by one.
void removeCivAt(GameTables& game, int index);
