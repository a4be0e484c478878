#include "ratings/rating_update.h"

#include <algorithm>
#include <cmath>

namespace {

// The sums over q of Omega_i and Delta_i, before the team's variance and c
// scale them.
struct TeamChange {
    double omega = 0;
    double delta = 0;
};

TeamChange changeOfTeam(const double* x, const int* ranks, int team_count, int i) {
    TeamChange change;
    for (int q = 0; q < team_count; ++q) {
        if (ranks[q] > ranks[i]) continue;
        bool rankedAsQOrBelow[kMaxTeams] = {};
        int tied = 0;  // A_q
        for (int s = 0; s < team_count; ++s) {
            rankedAsQOrBelow[s] = ranks[s] >= ranks[q];
            if (ranks[s] == ranks[q]) ++tied;
        }
        double share = shareInSet(x, rankedAsQOrBelow, team_count, i);
        change.omega += ((q == i ? 1.0 : 0.0) - share) / tied;
        change.delta += share * (1.0 - share) / tied;
    }
    return change;
}

}  // namespace

void rateMatch(MatchSkills& match, const int* ranks, const RatingParams& params) {
    for (int p = 0; p < match.player_count; ++p) {
        Skill& skill = match.players[p];
        skill.sigma = std::sqrt(skill.sigma * skill.sigma + params.tau * params.tau);
    }
    const TeamSkills teams = teamSkills(match);
    const double c = matchScale(teams, match.team_count, params.beta);
    double x[kMaxTeams] = {};
    for (int t = 0; t < match.team_count; ++t) x[t] = teams.mu[t] / c;

    double omega[kMaxTeams] = {};
    double delta[kMaxTeams] = {};
    for (int i = 0; i < match.team_count; ++i) {
        const TeamChange change = changeOfTeam(x, ranks, match.team_count, i);
        const double variance = teams.variance[i];
        const double gamma = std::sqrt(variance) / c;
        omega[i] = variance / c * change.omega;
        delta[i] = gamma * variance / (c * c) * change.delta;
    }
    for (int p = 0; p < match.player_count; ++p) {
        Skill& skill = match.players[p];
        const int team = match.team_of[p];
        const double part = skill.sigma * skill.sigma / teams.variance[team];  // r
        skill.mu += part * omega[team];
        skill.sigma *= std::sqrt(std::max(1.0 - part * delta[team], params.kappa));
    }
}
