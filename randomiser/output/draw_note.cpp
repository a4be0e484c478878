#include "randomiser/output/draw_note.h"

#include "common/text_convert.h"
#include "randomiser/allocation/fair_teams.h"
#include "randomiser/output/compact_report.h"
#include "randomiser/output/report.h"

namespace {

const wchar_t* const kDot = L" \u00B7 ";

std::wstring spreadText(const Randomiser& randomiser) {
    if (!randomiser.options().use_ratings) return L"";
    return kDot + std::wstring(L"spread ") + std::to_wstring(teamScoreSpread(randomiser));
}

std::wstring teamLines(const Randomiser& randomiser, bool withCivs) {
    std::wstring lines;
    for (int team = 0; team < randomiser.players.team_count && team < kMaxTeams; ++team)
        lines += compactTeamLine(randomiser, team, withCivs) + L"\n";
    return lines;
}

}  // namespace

std::wstring drawBalloonText(const Randomiser& randomiser, const std::wstring& notes, size_t maxUnits) {
    const std::wstring last = std::wstring(L"Map: ") + randomiser.current.map_name + spreadText(randomiser) + notes;
    std::wstring text = teamLines(randomiser, true) + last;
    if (fittedText(text, maxUnits) != text) text = teamLines(randomiser, false) + last;
    return fittedText(text, maxUnits);
}

std::wstring drawBalloonTitle(const Randomiser& randomiser) {
    if (randomiser.draw_number > 1) return L"Sortilane: draw " + std::to_wstring(randomiser.draw_number);
    return L"Sortilane: the teams";
}

std::wstring drawTooltipText(const Randomiser& randomiser) {
    return L"Sortilane" + std::wstring(kDot) + L"seed " + seedText(randomiser) + spreadText(randomiser);
}
