#pragma once
#include "ratings/team_skill.h"

// The update of the players' skills from one match's ranking: the
// Plackett-Luce model of Weng and Lin's Bayesian approximation ("A Bayesian
// Approximation Method for Online Ranking", JMLR 12, 2011, Algorithm 4).

struct RatingParams {
    double beta;   // the spread of one match's performance around the skill
    double tau;    // added to every sigma before a match, so skills can move again
    double kappa;  // the least factor a sigma squared is multiplied by
};

// The parameters the results teach the ratings with.
constexpr RatingParams kResultsRatingParams{125.0, 5.0, 0.0001};

// Updates every player of the match from the ranks of the teams (ranks[t] of
// team t: 1 is the best, a lower number beats a higher one, equal numbers
// tie). First every sigma becomes sqrt(sigma^2 + tau^2). Then, with team mu
// and variance the sums over the team's players, c the match scale and, for
// each team q, A_q the number of teams of q's rank and C_q the sum of
// exp(mu_s / c) over the teams s ranked as q or below:
//   Omega_i = (var_i / c) * sum over q ranked as i or above of
//             (1 if q is i, else 0, minus exp(mu_i / c) / C_q) / A_q
//   Delta_i = (sqrt(var_i) / c) * (var_i / c^2) * sum over the same q of
//             (exp(mu_i / c) / C_q) * (1 - exp(mu_i / c) / C_q) / A_q
// and each player j of team i, with r = sigma_j^2 / var_i, takes
//   mu_j += r * Omega_i,  sigma_j^2 *= max(1 - r * Delta_i, kappa).
void rateMatch(MatchSkills& match, const int* ranks, const RatingParams& params);
