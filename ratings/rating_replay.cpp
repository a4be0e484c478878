#include "ratings/rating_replay.h"

#include "ratings/rating_update.h"

namespace {

// The player's place in the replay, or -1.
int findPlayer(const RatingReplay& replay, const std::string& name) {
    for (size_t k = 0; k < replay.players.size(); ++k) {
        if (replay.players[k].name == name) return static_cast<int>(k);
    }
    return -1;
}

// Updates the players of a match with a winner; record[p] is the replay's
// place of the line's player p. A line of one team teaches nothing.
void rateLine(RatingReplay& replay, const MatchLine& match, const int* record) {
    const int winner = match.result - '0';
    MatchSkills skills;
    int ranks[kMaxTeams] = {};
    int teamIndex[kMaxTeams + 1] = {-1, -1, -1, -1, -1};  // by team number
    skills.player_count = static_cast<int>(match.players.size());
    for (int p = 0; p < skills.player_count; ++p) {
        const int number = match.players[p].team;
        if (teamIndex[number] < 0) {
            teamIndex[number] = skills.team_count;
            ranks[skills.team_count++] = number == winner ? 1 : 2;
        }
        skills.team_of[p] = teamIndex[number];
        skills.players[p] = replay.players[record[p]].skill;
    }
    if (skills.team_count < 2) return;
    rateMatch(skills, ranks, kResultsRatingParams);
    for (int p = 0; p < skills.player_count; ++p) {
        ReplayedPlayer& player = replay.players[record[p]];
        player.skill = skills.players[p];
        ++player.rated_matches;
        if (match.players[p].team == winner) ++player.wins;
    }
}

}  // namespace

void replayLine(RatingReplay& replay, const MatchLine& match, int* record) {
    for (size_t p = 0; p < match.players.size(); ++p) {
        const ResultPlayer& player = match.players[p];
        record[p] = findPlayer(replay, player.name);
        if (record[p] >= 0) continue;
        record[p] = static_cast<int>(replay.players.size());
        const double sigma = player.unrated ? kUnratedPlayerSigma : kNewPlayerSigma;
        replay.players.push_back({player.name, Skill{static_cast<double>(player.rating), sigma}});
    }
    if (match.result >= '1' && match.result <= '4') rateLine(replay, match, record);
}

RatingReplay replayResults(const ResultsLog& log, int stop_before_line) {
    RatingReplay replay;
    replay.aliases = log.aliases;
    for (const MatchLine& match : log.matches) {
        if (match.line_number >= stop_before_line) break;
        int record[kMaxLinePlayers] = {};
        replayLine(replay, match, record);
    }
    return replay;
}

const ReplayedPlayer* findRecord(const RatingReplay& replay, const std::string& name) {
    const int found = findPlayer(replay, aliasedName(replay.aliases, name));
    return found >= 0 ? &replay.players[found] : nullptr;
}

Skill skillOf(const RatingReplay& replay, const std::string& name, int32_t rating) {
    const ReplayedPlayer* record = findRecord(replay, name);
    if (record != nullptr) return record->skill;
    return Skill{static_cast<double>(rating), kNewPlayerSigma};
}
