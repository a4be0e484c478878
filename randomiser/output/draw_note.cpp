#include "randomiser/output/draw_note.h"

#include "common/text_convert.h"
#include "randomiser/allocation/fair_teams.h"
#include "randomiser/output/compact_report.h"

namespace {

const wchar_t* const kDot = L" \u00B7 ";

std::wstring spreadText(const Randomiser& randomiser) {
    if (!randomiser.options().use_ratings) return L"";
    return kDot + std::wstring(L"spread ") + std::to_wstring(teamScoreSpread(randomiser));
}

// The team lines, the map line and the notes' lines, one line each.
std::vector<std::wstring> balloonLines(const Randomiser& randomiser, bool withCivs, const std::wstring& notes) {
    std::vector<std::wstring> lines;
    for (int team = 0; team < randomiser.players.team_count && team < kMaxTeams; ++team)
        lines.push_back(compactTeamLine(randomiser, team, withCivs));
    std::wstring line = std::wstring(L"Map: ") + randomiser.current.map_name + spreadText(randomiser);
    for (wchar_t c : notes) {
        if (c != L'\n') {
            line += c;
            continue;
        }
        lines.push_back(line);
        line.clear();
    }
    lines.push_back(line);
    return lines;
}

std::wstring joinedLines(const std::vector<std::wstring>& lines) {
    std::wstring text;
    for (const std::wstring& line : lines) text += (text.empty() ? L"" : L"\n") + line;
    return text;
}

std::wstring seedText(const Randomiser& randomiser) {
    std::wstring text = std::to_wstring(static_cast<int32_t>(static_cast<uint32_t>(randomiser.seed)));
    if (randomiser.draw_number > 1) text += L" (draw " + std::to_wstring(randomiser.draw_number) + L")";
    return text;
}

}  // namespace

std::wstring drawBalloonText(const Randomiser& randomiser, const std::wstring& notes, size_t maxUnits) {
    // The draw itself (the team lines and the map line, and the "…" line
    // when notes follow) decides whether the civilisations have room; the
    // notes, shown in the start balloon too, get what is left.
    const std::vector<std::wstring> withCivs = balloonLines(randomiser, true, notes);
    std::vector<std::wstring> draw(withCivs.begin(), withCivs.begin() + randomiser.players.team_count + 1);
    if (!notes.empty()) draw.push_back(L"\u2026");
    if (fittedLines(draw, maxUnits) == joinedLines(draw)) return fittedLines(withCivs, maxUnits);
    return fittedLines(balloonLines(randomiser, false, notes), maxUnits);
}

std::wstring drawBalloonTitle(const Randomiser& randomiser) {
    if (randomiser.draw_number > 1) return L"Sortilane: draw " + std::to_wstring(randomiser.draw_number);
    return L"Sortilane: the teams";
}

std::wstring drawTooltipText(const Randomiser& randomiser) {
    return L"Sortilane" + std::wstring(kDot) + L"seed " + seedText(randomiser) + spreadText(randomiser);
}
