#pragma once
#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "ratings/results_log.h"
#include "ratings/team_skill.h"

// The ratings the results teach, computed again from the log every time.

// What the log tells of one player, known by the exact name.
struct ReplayedPlayer {
    std::string name;
    Skill skill;
    int rated_matches = 0;
    int wins = 0;
};

// The players in the order the log first names them, each under the name
// the log's aliases give him, and those aliases.
struct RatingReplay {
    std::vector<ReplayedPlayer> players;
    std::vector<NameAlias> aliases;
};

// A line number past every line: replay the whole log.
constexpr int kWholeLog = INT_MAX;

// Replays the log's matches, from its first line up to (not including) the
// line numbered stop_before_line. A player starts, at the first line that
// names them, with mu the rating of that line and sigma kNewPlayerSigma, or
// kUnratedPlayerSigma when that line marks the rating unrated. A
// line with a winning team and at least two teams updates all its players
// by rateMatch with kResultsRatingParams, the winners ranked 1 and every
// other team 2; a line with result 0 or - only brings in its new players.
RatingReplay replayResults(const ResultsLog& log, int stop_before_line);

// One step of replayResults: brings in the line's new players and, when the
// line has a winner, updates its players. record[p] becomes the replay's
// place of the line's player p (record holds kMaxLinePlayers places).
void replayLine(RatingReplay& replay, const MatchLine& match, int* record);

// The replay's record of the player of that name, or of the name an alias
// gives it; null when the replay does not know him.
const ReplayedPlayer* findRecord(const RatingReplay& replay, const std::string& name);

// The skill the player brings to the next match: the replay's, or, for a
// player the replay does not know, the rating with kNewPlayerSigma.
Skill skillOf(const RatingReplay& replay, const std::string& name, int32_t rating);
