#include "ratings/team_skill.h"

#include <cmath>

TeamSkills teamSkills(const MatchSkills& match) {
    TeamSkills teams;
    for (int p = 0; p < match.player_count; ++p) {
        const Skill& skill = match.players[p];
        teams.mu[match.team_of[p]] += skill.mu;
        teams.variance[match.team_of[p]] += skill.sigma * skill.sigma;
    }
    return teams;
}

double matchScale(const TeamSkills& teams, int team_count, double beta) {
    double sum = 0;
    for (int t = 0; t < team_count; ++t) sum += teams.variance[t] + beta * beta;
    return std::sqrt(sum);
}

double shareInSet(const double* x, const bool* in_set, int count, int i) {
    double highest = x[i];
    for (int s = 0; s < count; ++s) {
        if (in_set[s] && x[s] > highest) highest = x[s];
    }
    double sum = 0;
    for (int s = 0; s < count; ++s) {
        if (in_set[s]) sum += std::exp(x[s] - highest);
    }
    return std::exp(x[i] - highest) / sum;
}
