#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "randomiser/state/randomiser_state.h"

// Ctrl+0: a draw the room will not accept is drawn again, before the report
// is typed, with a new seed; the report's seed line then says which draw it
// is ("Seed: 123456 (draw 2)"), and the preview reproduces it from that seed.
// Under "seed_word WORD" draw N's seed is the word's for N (word_seed.h), so
// that the lobby can compute it too: "Seed: 1234 (word pancake, draw 2)".

// The seed of the next draw without a seed_word: the clock's, or the last
// seed + 1 when the clock has not moved past it (two draws within a second).
int64_t nextDrawSeed(int64_t lastSeed, int64_t clockSeconds);

// Computes the whole match again from the words the run started with (as
// the start does: data files, map, teams, civilisations, report) with the
// next seed and the next draw number. On success it replaces the run's match;
// on failure (a data file changed meanwhile and is refused) the run keeps its
// match and false is returned, the reason in the debug log.
bool drawAgain(Randomiser& randomiser, const std::vector<std::wstring>& startWords, int64_t clockSeconds);
