#pragma once
#include <cstdint>

#include "randomiser/state/randomiser_state.h"

// Reads Results.txt into the history of this match's players. Only the lines
// written before this match count: the first line whose seed is this match's
// (as the report prints it) and every line after it are left out, so that a
// check of the match with its seed, later, sees what the match saw. Players
// are found by their exact name, or the name an alias line gives it (for the
// learned ratings and the teammates alike). Without Results.txt, or when it cannot be
// read (debug.txt says why), the history knows no player and no teammates.
void readMatchHistory(const PlayerTable& players, int32_t seed, MatchHistory& history);

// Gives each player the history has learned the rating of its mu (rounded
// to the nearest whole number) in place of the one PlayerData.txt holds, and
// takes the unrated mark from each player a match with a winner has rated.
void useLearnedRatings(const MatchHistory& history, PlayerTable& players);
