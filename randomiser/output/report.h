#pragma once
#include <string>
#include <vector>

#include "randomiser/output/match_report.h"  // buildReport, which picks this layout or the compact one
#include "randomiser/output/report_cells.h"
#include "randomiser/state/randomiser_state.h"

// The full result report: the title, the seed, the option summary and the
// player table.

// Where the report build writes next: a line and, in the option summary, a column.
struct ReportCursor {
    int line = 0;
    int column = 0;
};

// Writes the full report of the match, its option summary laid out from
// cells, into report_lines and sets report_line_count.
void buildFullReport(Randomiser& randomiser, const std::vector<ReportCell>& cells);

// Appends "| text | " at the cursor. A cell that would carry the line past 79
// characters starts the next line; a cell longer than 79 characters is cut.
void addReportCell(ReportState& report, ReportCursor& cursor, const wchar_t* text);

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
