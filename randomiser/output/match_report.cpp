#include "randomiser/output/match_report.h"

#include <vector>

#include "common/text_convert.h"
#include "randomiser/output/compact_report.h"
#include "randomiser/output/report.h"
#include "randomiser/output/report_cells.h"

namespace {

// The match's line of Results.txt, but for its time: the seed as the report
// prints it, no result yet, and each player of the table with the team, the
// rating PlayerData.txt holds (not a learned one) with its unrated mark, and
// the civilisation as the report names it.
void setResultsLine(Randomiser& randomiser) {
    const PlayerTable& players = randomiser.players;
    MatchLine& line = randomiser.report.results_line;
    line.seed = reportedSeed(randomiser.seed);
    line.result = '-';
    for (int p = 0; p < players.player_count; ++p) {
        ResultPlayer player;
        player.name = toUtf8(players.player_names[p]);
        player.team = players.player_teams[p];
        player.rating = players.player_file_ratings[p];
        player.unrated = players.player_file_unrated[p] != 0;
        wchar_t civ[kCivNameUnits];
        civDisplayName(randomiser, p, civ);
        player.civ = toUtf8(civ);
        line.players.push_back(player);
    }
    randomiser.report.records_match = 1;
}

}  // namespace

void buildReport(Randomiser& randomiser) {
    const std::vector<ReportCell> cells = reportCells(randomiser);
    if (randomiser.options().compact)
        buildCompactReport(randomiser, cells);
    else
        buildFullReport(randomiser, cells);
    setResultsLine(randomiser);
}
