#pragma once
#include "randomiser/state/randomiser_state.h"

// Writes the match's result report into report_lines and sets
// report_line_count: the full report (title, seed, option summary, player
// table; report.h) or with "compact" the compact report (compact_report.h),
// both laid out from the same cells (report_cells.h). Writes the match's line
// of Results.txt (all but its time) into results_line.
void buildReport(Randomiser& randomiser);
