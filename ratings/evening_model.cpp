#include "ratings/evening_model.h"

#include <algorithm>
#include <cmath>

#include "ratings/evening.h"
#include "ratings/rating_replay.h"
#include "ratings/rating_update.h"
#include "ratings/win_chance.h"

namespace {

bool isRated(const MatchLine& match, int teamCount) {
    return match.result >= '1' && match.result <= '4' && teamCount > 1;
}

// The line's teams in team number order, with their players' skills as the
// replay knows them before the line, and each team's chance to win.
struct LineTeams {
    MatchSkills skills;
    int numbers[kMaxTeams] = {};  // team number of team index t
    double chances[kMaxTeams] = {};
};

LineTeams lineTeams(const RatingReplay& replay, const MatchLine& match) {
    LineTeams line;
    for (int number = 1; number <= kMaxTeams; ++number) {
        if (lineHasTeam(match, number)) line.numbers[line.skills.team_count++] = number;
    }
    line.skills.player_count = static_cast<int>(match.players.size());
    for (int p = 0; p < line.skills.player_count; ++p) {
        const ResultPlayer& player = match.players[p];
        for (int t = 0; t < line.skills.team_count; ++t) {
            if (line.numbers[t] == player.team) line.skills.team_of[p] = t;
        }
        line.skills.players[p] = skillOf(replay, player.name, player.rating);
    }
    if (line.skills.team_count > 1) winChances(line.skills, kResultsRatingParams.beta, line.chances);
    return line;
}

TonightMatch tonightMatch(const MatchLine& match, const LineTeams& line) {
    TonightMatch shown;
    shown.when = match.when;
    shown.result = match.result;
    shown.teams.reserve(static_cast<size_t>(line.skills.team_count));
    for (int t = 0; t < line.skills.team_count; ++t) {
        MatchTeam team;
        team.number = line.numbers[t];
        team.chance_percent = line.skills.team_count > 1 ? static_cast<int>(std::lround(line.chances[t] * 100)) : 0;
        team.players.reserve(match.players.size());
        team.civs.reserve(match.players.size());
        for (const ResultPlayer& player : match.players) {
            if (player.team != team.number) continue;
            team.players.push_back(player.name);
            team.civs.push_back(player.civ);
        }
        shown.teams.push_back(std::move(team));
    }
    return shown;
}

// The favourite's count of a rated match: a team whose chance is above
// every other team's.
void countFavourite(const MatchLine& match, const LineTeams& line, EveningModel& model, double& expected) {
    int favourite = 0;
    bool alone = true;
    for (int t = 1; t < line.skills.team_count; ++t) {
        if (line.chances[t] > line.chances[favourite]) {
            favourite = t;
            alone = true;
        } else if (line.chances[t] == line.chances[favourite]) {
            alone = false;
        }
    }
    if (!alone) return;
    ++model.favourite_matches;
    expected += line.chances[favourite];
    if (match.result - '0' == line.numbers[favourite]) ++model.favourite_wins;
}

void countCiv(std::vector<CivRow>& civs, const ResultPlayer& player, bool won) {
    if (player.civ.empty()) return;
    auto found = std::find_if(civs.begin(), civs.end(), [&](const CivRow& row) { return row.name == player.civ; });
    if (found == civs.end()) found = civs.insert(civs.end(), CivRow{player.civ, 0, 0});
    ++found->games;
    if (won) ++found->wins;
}

// The standings and the chart's series in the order of the standings.
void fillStandings(const RatingReplay& replay, const std::vector<int32_t>& beforeTonight,
                   const std::vector<bool>& playedTonight, std::vector<ChartSeries>& series, EveningModel& model) {
    std::vector<size_t> order;
    for (size_t k = 0; k < replay.players.size(); ++k) {
        const ReplayedPlayer& player = replay.players[k];
        StandingRow row;
        row.name = player.name;
        row.rating = ratingOfMu(player.skill.mu);
        row.sigma = static_cast<int32_t>(std::lround(player.skill.sigma));
        row.new_tonight = k >= beforeTonight.size();
        row.change = row.new_tonight ? 0 : row.rating - beforeTonight[k];
        row.played_tonight = playedTonight[k];
        row.rated_matches = player.rated_matches;
        row.wins = player.wins;
        model.standings.push_back(row);
        order.push_back(k);
    }
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return model.standings[a].rating > model.standings[b].rating; });
    std::vector<StandingRow> rows;
    for (size_t k : order) {
        rows.push_back(model.standings[k]);
        model.series.push_back(std::move(series[k]));
    }
    model.standings = std::move(rows);
}

}  // namespace

EveningModel eveningModel(const ResultsLog& log) {
    EveningModel model;
    model.match_count = static_cast<int>(log.matches.size());
    model.skipped_lines = static_cast<int>(log.skipped.size());
    const size_t firstTonight = firstMatchOfTonight(log.matches, log.matches.size());
    RatingReplay replay;
    std::vector<int32_t> beforeTonight;  // by the replay's place; the players known before tonight
    std::vector<bool> playedTonight;
    std::vector<ChartSeries> series;  // by the replay's place
    double favouriteExpected = 0;
    for (size_t i = 0; i < log.matches.size(); ++i) {
        const MatchLine& match = log.matches[i];
        const bool tonight = i >= firstTonight;
        if (i == firstTonight) {
            for (const ReplayedPlayer& player : replay.players) beforeTonight.push_back(ratingOfMu(player.skill.mu));
        }
        const LineTeams line = lineTeams(replay, match);
        const bool rated = isRated(match, line.skills.team_count);
        if (tonight) model.tonight.push_back(tonightMatch(match, line));
        if (tonight && rated) countFavourite(match, line, model, favouriteExpected);

        int record[kMaxLinePlayers] = {};
        replayLine(replay, match, record);
        while (series.size() < replay.players.size()) {
            const ReplayedPlayer& added = replay.players[series.size()];
            series.push_back({added.name, {{model.chart_matches, ratingOfMu(added.skill.mu)}}});
            playedTonight.push_back(false);
        }
        if (!rated) continue;
        ++model.rated_count;
        ++model.chart_matches;
        for (size_t p = 0; p < match.players.size(); ++p) {
            const ResultPlayer& player = match.players[p];
            const bool won = player.team == match.result - '0';
            series[record[p]].points.push_back({model.chart_matches, ratingOfMu(replay.players[record[p]].skill.mu)});
            countCiv(model.civs, player, won);
            if (!tonight) continue;
            playedTonight[record[p]] = true;
        }
    }
    model.favourite_expected_tenths = static_cast<int>(std::lround(favouriteExpected * 10));
    fillStandings(replay, beforeTonight, playedTonight, series, model);

    model.tally = tonightTally(log.matches, log.matches.size());
    model.civs.erase(std::remove_if(model.civs.begin(), model.civs.end(),
                                    [](const CivRow& row) { return row.games < kCivShownGames; }),
                     model.civs.end());
    // The best share of wins first: a.wins / a.games > b.wins / b.games.
    std::stable_sort(model.civs.begin(), model.civs.end(), [](const CivRow& a, const CivRow& b) {
        const int64_t left = static_cast<int64_t>(a.wins) * b.games;
        const int64_t right = static_cast<int64_t>(b.wins) * a.games;
        return left != right ? left > right : a.games > b.games;
    });
    return model;
}
