#pragma once
#include <cstdint>

#include "randomiser/state/game_data.h"
#include "ratings/evening.h"
#include "ratings/team_skill.h"

constexpr int kTierCount = 4;

// Integer mean, truncated, as a team's score is counted; the sum is kept wide
// so that large ratings cannot overflow.
inline int truncatedMean(int64_t sum, int count) { return static_cast<int>(sum / count); }

// What team assignment leaves for civilisation assignment and the report.
struct TeamState {
    int team_scores[kMaxTeams] = {};                // mean rating of each team's players
    int team_score_average = 0;                     // mean of the team scores (rated runs only)
    int team_roster[kMaxTeams][kMaxTeamSize] = {};  // player index per team row and place
    uint8_t fmt_present = 0;                        // some player has a non-zero FMT group
    int fmt_unit_splits = 0;                        // how often a unit of friends was halved to fit the teams
    uint8_t fair_balanced = 0;                      // fair_teams chose the teams (every rating was known)
    int64_t fair_best_spread = 0;                   // fair_teams: the lowest spread its group rules allow
    int friend_groups[kPlayerSlots] = {};           // the FMT groups as read, before the group check split any
};

// What Results.txt tells of this match's players, read at start under
// fair_teams, learned_ratings or standings from the lines written before this match's
// own (a line with this match's seed and every line after it are left out).
struct MatchHistory {
    // The skill each player brings: the replay's for a name it knows, else
    // the rating with the sigma of a new player.
    Skill player_skills[kPlayerSlots];
    uint8_t player_learned[kPlayerSlots] = {};    // the replay knows the player's name
    int player_rated_matches[kPlayerSlots] = {};  // the lines with a winner that rated the player
    int skipped_lines = 0;                        // the lines of Results.txt that read as no match
    // teammate_weights[p][q]: how much a fair_teams draw avoids putting
    // players p and q together again, added over tonight's lines (the
    // evening of the newest line before this match's) that had them in one
    // team: 8 for the newest line, 4 for the one before, 2 for the third
    // newest and 1 for each older line of tonight.
    int teammate_weights[kPlayerSlots][kPlayerSlots] = {};
    // Every player's wins and losses in tonight's lines before this match's,
    // for the standings line.
    std::vector<TallyRow> tonight_tally;
};

// The civilisation-table indexes of one tier, in table order.
struct TierLists {
    int count[kTierCount] = {};
    int civs[kTierCount][kMaxListEntries] = {};
};

// One civilisation drawn: its civilisation-table index, its place in the list
// of its tier and the tier index.
struct CivChoice {
    int civ = -1;
    int place = -1;
    int tier = -1;
};

// Working data of civilisation assignment.
struct CivDrawState {
    // The draw's own copies of the options it changes as it runs, filled by
    // prepareCivDraw from the OptionSet, which the draw only reads. The report
    // shows their final values. The defaults are those of the OptionSet.
    uint8_t handicap = 0;                            // also on when friends may team, unless fmt_uncounter
    uint8_t civ_cycle = 0;                           // always on under varied_tier_ratios
    uint8_t repeat_ally = 0;                         // off for each player unless repeat_same_team; a guard sets it
    uint8_t repeat_enemy[kPlayerSlots] = {};         // a guard sets it for a player of a later team
    int32_t repeat_combo = 8;                        // a guard sets it to 80
    int32_t score_combo = 0;                         // 0 once no civilisation qualifies or a guard drops it
    int32_t tier_ratios[kTierCount] = {1, 1, 1, 1};  // 0 for empty tiers and those the range refuses
    int32_t reshape_amount = 0;                      // 4 (impact) once reshape runs with a value outside 1..3

    TierLists tier_lists;
    int slot_tiers[kMaxTeamSize] = {};        // tier number 1..4 per team position
    uint8_t slot_taken[kMaxTeamSize] = {};    // positions used inside the team being drawn
    CivChoice reference_civs[kMaxTeams];      // team_random: one civilisation per team
    CivChoice team_one_record[kMaxTeamSize];  // the civilisation drawn at each team-1 position
    // Each player's place in the list of the tier it was drawn from. A handicap
    // shift changes the player's tier but not this place until the team is
    // drawn again, and the repeat checks compare tier and place.
    int civ_places[kPlayerSlots] = {};
    uint8_t civs_not_drawn = 0;  // the options left no civilisation to draw
};
