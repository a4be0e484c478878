#include "ratings/win_chance.h"

#include <cmath>

void winChances(const MatchSkills& match, double beta, double* chances) {
    const TeamSkills teams = teamSkills(match);
    const double c = matchScale(teams, match.team_count, beta);
    double x[kMaxTeams] = {};
    bool everyTeam[kMaxTeams] = {};
    for (int t = 0; t < match.team_count; ++t) {
        x[t] = teams.mu[t] / c;
        everyTeam[t] = true;
    }
    for (int t = 0; t < match.team_count; ++t) chances[t] = shareInSet(x, everyTeam, match.team_count, t);
}

int32_t ratingOfMu(double mu) {
    if (!(mu > 0)) return 0;  // also a mu that is not a number
    if (mu >= kMaxRating) return kMaxRating;
    return static_cast<int32_t>(std::lround(mu));
}
