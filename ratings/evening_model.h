#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "ratings/evening.h"
#include "ratings/results_log.h"

// What the evening page shows, computed once from the history by the
// replay: the standings, tonight's matches and tally, every player's rating
// after each rated match, the civilisations' records and how often the
// favourite won. The page only lays these parts out.

// A player with fewer rated matches than this is provisional: the rating
// may still move a lot.
constexpr int kSettledMatches = 3;

// A civilisation is shown with at least this many rated games.
constexpr int kCivShownGames = 5;

// One row of the standings.
struct StandingRow {
    std::string name;
    int32_t rating = 0;        // mu rounded, as learned_ratings uses it
    int32_t sigma = 0;         // rounded
    int32_t change = 0;        // rating now less the rating before tonight
    bool new_tonight = false;  // tonight's lines first name the player
    bool played_tonight = false;
    int rated_matches = 0;
    int wins = 0;
};

// One team of a match: its number, players and the chance the ratings gave
// it before the match, in whole percent.
struct MatchTeam {
    int number = 0;
    std::vector<std::string> players;
    std::vector<std::string> civs;  // beside players; "" where the line names none
    int chance_percent = 0;
};

struct TonightMatch {
    MatchTime when;
    char result = '-';             // as the line holds it
    std::vector<MatchTeam> teams;  // in team number order
};

// A player's rating after each rated match they played (the first point the
// rating they came with, before their first rated match).
struct ChartPoint {
    int match = 0;  // rated matches before it: 0 .. chart_matches
    int32_t rating = 0;
};

struct ChartSeries {
    std::string name;
    std::vector<ChartPoint> points;
};

struct CivRow {
    std::string name;
    int games = 0;
    int wins = 0;
};

struct EveningModel {
    int match_count = 0;    // every match line of the history
    int skipped_lines = 0;  // lines that did not read as a match
    int rated_count = 0;
    std::vector<StandingRow> standings;  // highest rating first
    std::vector<TonightMatch> tonight;   // in file order
    std::vector<TallyRow> tally;         // most wins first
    std::vector<ChartSeries> series;     // in the order of the standings
    int chart_matches = 0;               // the rated matches of the history
    std::vector<CivRow> civs;            // those with at least kCivShownGames, best win share first
    // Tonight's rated matches with one favourite (a team whose chance is
    // above every other's), how many of them it won and the sum of its
    // chances, in tenths of a match.
    int favourite_matches = 0;
    int favourite_wins = 0;
    int favourite_expected_tenths = 0;
};

// Replays the history once, line by line, and fills every part from it.
EveningModel eveningModel(const ResultsLog& log);
