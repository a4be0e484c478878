#pragma once
#include "script/player_data_file.h"

// A player's skill as the ratings learn it: the estimate mu, on the scale of
// the ratings, and its uncertainty sigma.
struct Skill {
    double mu = 0;
    double sigma = 0;
};

// The sigma of a player the results do not know yet.
constexpr double kNewPlayerSigma = 250.0;

// The sigma of a new player whose first line marks him unrated: his rating
// is the lobby's mean, a guess, so his first results move him further.
constexpr double kUnratedPlayerSigma = 2 * kNewPlayerSigma;

// The players of one match in their teams. Every team from 0 to
// team_count - 1 holds at least one player, and some player of each team
// has a sigma above 0 (a tau above 0 sees to it before an update).
struct MatchSkills {
    int player_count = 0;
    Skill players[kPlayerSlots];
    int team_of[kPlayerSlots] = {};  // 0 .. team_count - 1
    int team_count = 0;
};

// A team's skill: the sum of its players' mu and of their sigma squared.
struct TeamSkills {
    double mu[kMaxTeams] = {};
    double variance[kMaxTeams] = {};
};

TeamSkills teamSkills(const MatchSkills& match);

// The scale c of the match: the square root of the sum, over the teams, of
// the team's variance plus beta squared.
double matchScale(const TeamSkills& teams, int team_count, double beta);

// The share exp(x[i]) / (sum of exp(x[s]) over the teams s in the set) of a
// team i of the set. Every exponent is first lowered by the largest x of the
// set, which leaves the share as it is but keeps exp from overflowing: the
// top term is exp(0), so the sum is at least 1.
double shareInSet(const double* x, const bool* in_set, int count, int i);
