#include "randomiser/output/team_chances.h"

#include <cmath>

#include "ratings/rating_update.h"
#include "ratings/win_chance.h"

void teamWinChances(const PlayerTable& players, const MatchHistory& history, const int* team_of, double* chances) {
    MatchSkills match;
    match.player_count = players.player_count;
    match.team_count = players.team_count;
    for (int p = 0; p < players.player_count; ++p) {
        match.players[p] = history.player_skills[p];
        match.team_of[p] = team_of[p];
    }
    winChances(match, kResultsRatingParams.beta, chances);
}

void drawnTeamWinChances(const PlayerTable& players, const MatchHistory& history, double* chances) {
    int teamOf[kPlayerSlots] = {};
    for (int p = 0; p < players.player_count; ++p) teamOf[p] = players.player_teams[p] - 1;
    teamWinChances(players, history, teamOf, chances);
}

std::wstring winChancePercents(const double* chances, int team_count) {
    std::wstring text;
    for (int t = 0; t < team_count; ++t) {
        if (t > 0) text += L" ";
        text += std::to_wstring(static_cast<int>(std::floor(chances[t] * 100 + 0.5))) + L"%";
    }
    return text;
}
