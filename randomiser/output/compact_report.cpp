#include "randomiser/output/compact_report.h"

#include <vector>

#include "common/bounded_copy.h"
#include "common/text_convert.h"
#include "common/version.h"
#include "randomiser/output/report.h"
#include "randomiser/output/team_chances.h"

namespace {

// The cells of the full report's option summary, in order, without their bars.
std::vector<std::wstring> summaryCells(const Randomiser& randomiser) {
    Randomiser scratch(randomiser.options());  // the summary is built into a report of its own
    scratch.players = randomiser.players;
    scratch.teams = randomiser.teams;
    scratch.civ_draw = randomiser.civ_draw;
    ReportCursor cursor;
    buildOptionSummary(scratch, cursor);
    std::vector<std::wstring> cells;
    for (int line = 0; line <= cursor.line && line < kReportLines; ++line) {
        const std::wstring text = scratch.report.report_lines[line];
        for (size_t start = text.find(L"| "); start != std::wstring::npos; start = text.find(L"| ", start)) {
            const size_t end = text.find(L" | ", start + 2);
            if (end == std::wstring::npos) break;
            cells.push_back(text.substr(start + 2, end - start - 2));
            start = end + 3;
        }
    }
    return cells;
}

bool isTeamCell(const std::wstring& cell) {
    return cell.compare(0, 8, L"Civ Tier") == 0 || cell.compare(0, 11, L"Team Scores") == 0 ||
           cell.compare(0, 10, L"Win Chance") == 0;
}

// "62%": the team's chance to win by the learned ratings.
std::wstring winChanceOf(const Randomiser& randomiser, int team) {
    const PlayerTable& players = randomiser.players;
    int teamOf[kPlayerSlots] = {};
    for (int p = 0; p < players.player_count; ++p) teamOf[p] = players.player_teams[p] - 1;
    double chances[kMaxTeams] = {};
    teamWinChances(players, randomiser.history, teamOf, chances);
    return winChancePercents(&chances[team], 1);
}

std::wstring optionsLine(const Randomiser& randomiser) {
    std::wstring line;
    for (const std::wstring& cell : summaryCells(randomiser)) {
        if (isTeamCell(cell)) continue;
        line += (line.empty() ? L"" : L", ") + cell;
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

void buildCompactReport(Randomiser& randomiser) {
    ReportState& report = randomiser.report;
    report = ReportState{};
    int line = 0;
    setLine(report, line++,
            std::wstring(L"~-~ Brenlow Sortilane ") + kVersionText + L" ~-~ Seed: " + seedText(randomiser));
    setLine(report, line++, optionsLine(randomiser));
    for (int team = 0; team < randomiser.players.team_count && team < kMaxTeams; ++team)
        setLine(report, line++, compactTeamLine(randomiser, team));
    setLine(report, line++, std::wstring(L"Map: ") + randomiser.current.map_name);
    report.report_line_count = line;
}
