#include "randomiser/output/compact_report.h"

#include <algorithm>
#include <vector>

#include "common/bounded_copy.h"
#include "common/text_convert.h"
#include "common/version.h"
#include "randomiser/output/report_cells.h"
#include "randomiser/output/team_chances.h"

namespace {

// "62%": the team's chance to win by the learned ratings.
std::wstring winChanceOf(const Randomiser& randomiser, int team) {
    double chances[kMaxTeams] = {};
    drawnTeamWinChances(randomiser.players, randomiser.history, chances);
    return winChancePercents(&chances[team], 1);
}

// The match cells, one after the other.
std::wstring optionsLine(const std::vector<ReportCell>& cells) {
    std::wstring line;
    for (const ReportCell& cell : cells) {
        if (cell.kind != ReportCellKind::Match) continue;
        line += (line.empty() ? L"" : L", ") + cell.text;
    }
    return line;
}

void setLine(ReportState& report, int line, const std::wstring& text) {
    boundedCopy(report.report_lines[line], firstChars(text, kCompactLineChars).c_str());
}

}  // namespace

std::wstring compactTeamLine(const Randomiser& randomiser, int team, bool withCivs) {
    const PlayerTable& players = randomiser.players;
    std::wstring line = L"T" + std::to_wstring(team + 1);
    if (randomiser.options().use_ratings) line += L" " + std::to_wstring(randomiser.teams.team_scores[team]);
    if (randomiser.options().learned_ratings) line += L" " + winChanceOf(randomiser, team);
    line += L":";
    bool first = true;
    for (int p = 0; p < players.player_count; ++p) {
        if (players.player_teams[p] != team + 1) continue;
        line += first ? L" " : L", ";
        first = false;
        line += players.player_names[p];
        if (randomiser.options().use_ratings && players.player_unrated[p]) line += L'?';
        wchar_t civ[kCivNameUnits];
        civDisplayName(randomiser, p, civ);
        if (withCivs && civ[0] != 0) line += std::wstring(L" (") + civ + L")";
    }
    return line;
}

void buildCompactReport(Randomiser& randomiser, const std::vector<ReportCell>& cells) {
    ReportState& report = randomiser.report;
    report = ReportState{};
    int line = 0;
    setLine(report, line++,
            std::wstring(L"~-~ Brenlow Sortilane ") + kVersionText + L" ~-~ Seed: " + seedText(randomiser));
    setLine(report, line++, optionsLine(cells));
    for (int team = 0; team < randomiser.players.team_count && team < kMaxTeams; ++team)
        setLine(report, line++, compactTeamLine(randomiser, team));
    // The standings on a line of their own, as wide as a full report's line
    // and within line_cap.
    const int cap = randomiser.options().line_cap > 0 ? randomiser.options().line_cap : 79;
    const std::wstring standings = standingsText(randomiser, static_cast<size_t>(std::min(79, cap)));
    if (!standings.empty()) setLine(report, line++, standings);
    setLine(report, line++, std::wstring(L"Map: ") + randomiser.current.map_name);
    report.report_line_count = line;
}
