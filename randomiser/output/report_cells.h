#pragma once
#include <string>
#include <vector>

#include "randomiser/state/randomiser_state.h"

// What both layouts of the result report show of the match, made once from
// it: the cells of the option summary, and the names the report prints.
//
// The full report (report.h) prints each cell in bars, starting its line
// anew where the cell says so (a line with no cell stays blank):
//
//     | P-4 T-2 | | Ratings Based | | Tier Range Mid |
//     | Reshape Civs To Higher Rated - Tier Based |
//     | Civ Tier 2 4 1 3 |
//     | Team Scores 1510 1470 ~ Average 1490 |
//
// The compact report (compact_report.h) joins the match cells on its options
// line, "P-4 T-2, Ratings Based, Tier Range Mid, Reshape Civs ...", and
// leaves the team values to its team lines.
//
// Adding a cell is one line in reportCells() (report_cells.cpp), where the
// cell stands in the summary, with a function that makes its text (empty
// when the cell is not shown):
//   - a cell on the line of the one before, in both layouts:
//         cells.add(ReportCellKind::Match, pinnedPlayersText(randomiser));
//   - a cell on a line of its own in the full report:
//         cells.addOnNewLine(ReportCellKind::Match, tonightText(randomiser));
// A cell the compact report should print as a line of its own, rather than
// on its options line, needs a kind of its own, laid out in compact_report.cpp.

enum class ReportCellKind {
    Match,       // an option or a fact of the whole match: in both layouts
    TeamValues,  // civilisation tiers, team scores, win chances: the compact team lines carry these
    Standings,   // tonight's wins and losses: a line of its own in both layouts
};

struct ReportCell {
    ReportCellKind kind = ReportCellKind::Match;
    std::wstring text;  // without its bars
    // The line of the summary the cell stands on, from 0: a cell on a later
    // line than the one before starts a line, and a line no cell stands on
    // stays blank.
    int line = 0;
};

// The cells of the option summary, in order. The values the civilisation
// draw changes come from civ_draw.
std::vector<ReportCell> reportCells(const Randomiser& randomiser);

// "Tonight: Kestrel 3-1, Влад 2-1, Mo 1-0": the players of tonight's lines
// with a winner, most wins first, as many as maxChars characters hold;
// empty without the word standings or without such a line.
std::wstring standingsText(const Randomiser& randomiser, size_t maxChars);

// Names printed for rating classes 0..5, reshape bases 0..4 and score combos
// 0..4; any other value has the empty name.
const wchar_t* ratingClassName(int ratingClass);
const wchar_t* reshapeBasisName(int basis);
const wchar_t* scoreComboName(int combo);

// Player p's civilisation as the report names it, the first letter a..z
// made upper case; empty when no civilisations were drawn.
void civDisplayName(const Randomiser& randomiser, int p, wchar_t (&out)[kCivNameUnits]);

// The seed as the report prints it: the low 32 bits, signed.
int32_t reportedSeed(int64_t seed);

// The seed as every layout shows it: "805679160", with what the room needs to
// know beside it: the lobby's word and a draw again, "805679160 (word
// pancake, draw 2)", "1765000001 (draw 2)".
std::wstring seedText(const Randomiser& randomiser);
