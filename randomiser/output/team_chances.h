#pragma once
#include <string>

#include "randomiser/state/randomiser_state.h"

// Each team's chance to win, in chances[0 .. team_count - 1], for the teams
// team_of gives the players (0 .. team_count - 1): the win chance of the
// ratings (beta kResultsRatingParams.beta) from the skills of the history.
void teamWinChances(const PlayerTable& players, const MatchHistory& history, const int* team_of, double* chances);

// The same for the teams of the draw (player_teams, from 1).
void drawnTeamWinChances(const PlayerTable& players, const MatchHistory& history, double* chances);

// "62% 38%": each chance rounded to the nearest whole percent (halves up),
// so the percentages may not add up to 100.
std::wstring winChancePercents(const double* chances, int team_count);
