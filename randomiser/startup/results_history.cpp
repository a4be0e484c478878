#include "randomiser/startup/results_history.h"

#include <string>

#include "common/text_convert.h"
#include "ratings/evening.h"
#include "ratings/rating_replay.h"
#include "ratings/results_file.h"
#include "ratings/win_chance.h"

namespace {

// The number of the first line that holds the seed, or kWholeLog.
int lineOfSeed(const ResultsLog& log, int32_t seed) {
    for (const MatchLine& match : log.matches) {
        if (match.seed == seed) return match.line_number;
    }
    return kWholeLog;
}

// The number of matches before the stop line (the log holds them in file order).
size_t matchesBefore(const ResultsLog& log, int stopLine) {
    size_t end = 0;
    while (end < log.matches.size() && log.matches[end].line_number < stopLine) ++end;
    return end;
}

// How much a line of tonight weighs in the teammates to avoid: 8 for the
// newest (age 0), halved for each line back down to 2, then 1.
int teammateWeight(size_t age) { return age < 3 ? 8 >> age : 1; }

// The team number the line gives the name, or 0 when the line does not name it.
int teamInLine(const MatchLine& match, const std::string& name) {
    for (const ResultPlayer& player : match.players) {
        if (player.name == name) return player.team;
    }
    return 0;
}

}  // namespace

void readMatchHistory(const PlayerTable& players, int32_t seed, MatchHistory& history) {
    history = MatchHistory{};
    ResultsLog log;
    loadResults(log);
    const int stopLine = lineOfSeed(log, seed);
    const RatingReplay replay = replayResults(log, stopLine);
    history.skipped_lines = static_cast<int>(log.skipped.size());

    // Each name as the lines know it: an alias line may give it another.
    std::string names[kPlayerSlots];
    for (int p = 0; p < players.player_count; ++p) {
        names[p] = aliasedName(log.aliases, toUtf8(players.player_names[p]));
        history.player_skills[p] = skillOf(replay, names[p], players.player_ratings[p]);
        const ReplayedPlayer* record = findRecord(replay, names[p]);
        if (record == nullptr) continue;
        history.player_learned[p] = 1;
        history.player_rated_matches[p] = record->rated_matches;
    }

    // Tonight's lines before the stop line, newest first.
    const size_t end = matchesBefore(log, stopLine);
    const size_t first = firstMatchOfTonight(log.matches, end);
    history.tonight_tally = tonightTally(log.matches, end);
    for (size_t i = end; i > first; --i) {
        const MatchLine& match = log.matches[i - 1];
        const int weight = teammateWeight(end - i);
        int teams[kPlayerSlots] = {};
        for (int p = 0; p < players.player_count; ++p) teams[p] = teamInLine(match, names[p]);
        for (int p = 0; p < players.player_count; ++p) {
            for (int q = 0; q < players.player_count; ++q) {
                if (p != q && teams[p] != 0 && teams[p] == teams[q]) history.teammate_weights[p][q] += weight;
            }
        }
    }
}

void useLearnedRatings(const MatchHistory& history, PlayerTable& players) {
    for (int p = 0; p < players.player_count; ++p) {
        if (history.player_learned[p]) players.player_ratings[p] = ratingOfMu(history.player_skills[p].mu);
        // A result has rated him: his rating is no longer the lobby's mean.
        if (history.player_rated_matches[p] > 0) players.player_unrated[p] = 0;
    }
}
