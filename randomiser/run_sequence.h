#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "randomiser/randomiser_state.h"

// What the randomiser computes before it opens any window, shared by the
// Windows program and the native preview: seeds the generator with the low 32
// bits of seed, parses the words (loading the game data) and, unless only
// validating or reposting, assigns teams and civilisations and builds the
// report. Under fair_teams it first reads the previous match's line-up from
// data.txt in the working folder. False when the words or the data are refused.
bool computeStartup(Randomiser& randomiser, int64_t seed, std::vector<std::wstring>& words);
