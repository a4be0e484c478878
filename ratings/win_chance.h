#pragma once
#include <cstdint>

#include "ratings/team_skill.h"

// Each team's chance to win the match, in chances[0 .. team_count - 1]:
// exp(mu_t / c) over the sum of exp(mu_s / c) over every team, with mu_t the
// team's summed mu and c the match scale for beta. The chances add up to 1.
void winChances(const MatchSkills& match, double beta, double* chances);

// A learned mu as a rating of PlayerData.txt: rounded to the nearest whole
// number (halves away from zero) and kept within 0 .. kMaxRating.
int32_t ratingOfMu(double mu);
