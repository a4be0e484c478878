#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "randomiser/state/randomiser_state.h"

// What the randomiser computes before it opens any window, shared by the
// Windows program and the native preview: seeds the generator with the low 32
// bits of seed (with "seed_word WORD" among the words, the parser takes the
// word's seed for the run's draw_number instead: set it first), parses the
// words (loading the game data) and, unless only
// validating or reposting, assigns teams and civilisations and builds the
// report (nothing of this for "result N", which records a result instead).
// Under fair_teams or learned_ratings it first reads the match history from
// Results.txt in the working folder (the lines before this seed's own line
// only). False when the words or the data are refused;
// also, in the repost mode, when there is no data.txt to post again, and in the
// validate mode when checkRuleTexts fails.
bool computeMatch(Randomiser& randomiser, int64_t seed, std::vector<std::wstring>& words);

// What a match needs later, which a check of the files looks at before it
// starts: each rule text that the rule table or the "rules" word names exists
// and holds at most 255 bytes. False, with one debug line for each that does
// not, otherwise.
bool checkRuleTexts(const Randomiser& randomiser);
