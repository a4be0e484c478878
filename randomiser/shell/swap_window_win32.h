#pragma once
// The swap window of the tray menu's "Swap two players…".
#include <string>
#include <vector>

#include "win32/tray_program_win32.h"

// The rows the tray menu adds: "Swap two players…" when the run has drawn
// teams, none otherwise.
std::vector<AddedMenuRow> swapMenuRows();

// Opens the swap window (the only added row): two lists of the players with
// their teams, the teams the swap would give and a Swap button; the caret in
// the first list. Enter swaps, Esc closes.
void chooseSwapMenuRow(size_t row);
