#pragma once
#include <string>

#include "randomiser/state/randomiser_state.h"

// Where the report build writes next: a line and, in the option summary, a column.
struct ReportCursor {
    int line = 0;
    int column = 0;
};

// Writes the whole result report (title, seed, option summary, player table)
// into report_lines and sets report_line_count, and the match's line of
// Results.txt (all but its time) into results_line; with "compact" the
// compact report instead (compact_report.h).
void buildReport(Randomiser& randomiser);

// The seed as the report prints it: the low 32 bits, signed.
int32_t reportedSeed(int64_t seed);

// The seed as every layout shows it: "805679160", with what the room needs to
// know beside it: the lobby's word and a draw again, "805679160 (word
// pancake, draw 2)", "1765000001 (draw 2)".
std::wstring seedText(const Randomiser& randomiser);

// The option summary, from the line of the cursor on; the cursor ends on its
// last line. The values the civilisation draw changes come from civ_draw.
void buildOptionSummary(Randomiser& randomiser, ReportCursor& cursor);

// Appends "| text | " at the cursor. A cell that would carry the line past 79
// characters starts the next line; a cell longer than 79 characters is cut.
void addReportCell(ReportState& report, ReportCursor& cursor, const wchar_t* text);

// Names printed for rating classes 0..5, reshape bases 0..4 and score combos
// 0..4; any other value has the empty name.
const wchar_t* ratingClassName(int ratingClass);

// The line the tray balloon adds at start when players are marked unrated
// (their rating the mean the editor gave them), naming them; empty otherwise.
std::wstring unratedPlayersNote(const PlayerTable& players);

// The line that takes its place for the players PlayerData.txt marks
// unrated but the results have rated ("learned from 6 matches: NewGuy"), the
// players of one count of rated matches together; empty when there are none.
std::wstring learnedPlayersNote(const PlayerTable& players, const MatchHistory& history);

// With learned_ratings, "new tonight: Mo": the players the history does not
// know yet; empty without the word or when it knows them all.
std::wstring newPlayersTonightNote(const PlayerTable& players, const MatchHistory& history, bool learnedRatings);

// "Results.txt: 3 lines skipped (see debug.txt)" when the history read
// skipped lines as no match; empty otherwise.
std::wstring skippedLinesNote(const MatchHistory& history);

const wchar_t* reshapeBasisName(int basis);
const wchar_t* scoreComboName(int combo);

// Player p's civilisation as the report names it, the first letter a..z
// made upper case; empty when no civilisations were drawn.
void civDisplayName(const Randomiser& randomiser, int p, wchar_t (&out)[kCivNameUnits]);
