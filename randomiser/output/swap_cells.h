#pragma once
#include <string>
#include <vector>

#include "randomiser/state/randomiser_state.h"

// The report's cells of the host's swaps after the draw, one a swap in the
// order made: "Host swapped Senna <-> Orrick". None without swaps.
std::vector<std::wstring> hostSwapCells(const Randomiser& randomiser);
