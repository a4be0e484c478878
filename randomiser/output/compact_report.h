#pragma once
#include <string>
#include <vector>

#include "randomiser/output/report_cells.h"
#include "randomiser/state/randomiser_state.h"

// The report in a few lines, for chats that take few messages or close after
// each one ("compact"); no line is blank:
//
//     ~-~ Brenlow Sortilane 2.0k ~-~ Seed: 1412622073
//     P-6 T-2, Ratings Based, Handicap, Friends May Team 0 3 0 0 0 3
//     T1 1460: Tobin_Quay (Emberlings), Senna (Dravosi), Orrick (Pellgrave)
//     T2 1603: Halvard (Emberlings), Mirelle (Keshwyn), Pellworth (Solveni)
//     Map: Hollow Fjords
//
// The options line joins the match cells of the option summary
// (report_cells.h): all but the civilisation tiers, team scores and win
// chances, which the team lines carry. A team's line gives its score when
// the ratings are used (and its chance to win when they are learned: "T1
// 1460 38%:"), and each player's civilisation when they were drawn; an
// unrated player's name has '?' after it.
void buildCompactReport(Randomiser& randomiser, const std::vector<ReportCell>& cells);

// One team's line: "T2 1603: Halvard (Emberlings), Mirelle (Keshwyn)";
// without withCivs the civilisations are left out.
std::wstring compactTeamLine(const Randomiser& randomiser, int team, bool withCivs = true);
