#include "randomiser/output/draw_note.h"

#include <algorithm>
#include <vector>

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

// The fair split count from which the teams of an evening no longer take turns.
constexpr size_t kVariedSplits = 3;

// The spreads, lowest first, of the splits that keep the friend groups as
// the fair ones do: those a wider margin can make fair.
std::vector<int64_t> competingSpreads(const SplitList& list, const FairSplits& fair) {
    std::vector<int64_t> spreads;
    for (int i = 0; i < list.count; ++i) {
        const TeamSplit& split = list.splits[i];
        if (split.group_teams == fair.fewest_group_teams && split.broken_groups == fair.fewest_broken)
            spreads.push_back(split.spread);
    }
    std::sort(spreads.begin(), spreads.end());
    return spreads;
}

}  // namespace

std::wstring fewFairSplitsNote(const Randomiser& randomiser) {
    if (!randomiser.teams.fair_balanced) return L"";
    SplitList list;
    listSplits(randomiser.players, randomiser.teams.friend_groups, randomiser.history, list);
    FairSplits fair;
    const int margin = std::max(randomiser.options().fair_margin, 0);
    findFairSplits(list, margin, fair);
    const size_t fairCount = static_cast<size_t>(fair.count);
    if (fairCount >= kVariedSplits) return L"";
    // The margin that lets in a third split, or as many as the friend groups leave.
    const std::vector<int64_t> spreads = competingSpreads(list, fair);
    const size_t allows = std::min(kVariedSplits, spreads.size());
    if (allows <= fairCount) return L"";
    const int64_t wider = spreads[allows - 1] - fair.best_spread;
    const std::wstring splits = fairCount == 1 ? L"Only 1 fair split" : L"Only 2 fair splits";
    const std::wstring teams = fairCount == 1 ? L"the same teams each match" : L"the teams take turns";
    return splits + L" (margin " + std::to_wstring(margin) + L"): " + teams + L"; fair_teams " +
           std::to_wstring(wider) + L" allows " + std::to_wstring(allows);
}

std::wstring drawBalloonText(const Randomiser& randomiser, const std::wstring& notes, size_t maxUnits) {
    // The draw itself (the team lines, the map line, the few-splits line that
    // tells of this draw only, and the "…" line when notes follow) decides
    // whether the civilisations have room; the notes, shown in the start
    // balloon too, get what is left.
    const std::wstring fewSplits = fewFairSplitsNote(randomiser);
    const std::wstring allNotes = (fewSplits.empty() ? L"" : L"\n" + fewSplits) + notes;
    const std::vector<std::wstring> withCivs = balloonLines(randomiser, true, allNotes);
    const size_t drawLines = static_cast<size_t>(randomiser.players.team_count) + (fewSplits.empty() ? 1 : 2);
    std::vector<std::wstring> draw(withCivs.begin(), withCivs.begin() + drawLines);
    if (!notes.empty()) draw.push_back(L"\u2026");
    if (fittedLines(draw, maxUnits) == joinedLines(draw)) return fittedLines(withCivs, maxUnits);
    return fittedLines(balloonLines(randomiser, false, allNotes), maxUnits);
}

std::wstring drawBalloonTitle(const Randomiser& randomiser) {
    if (randomiser.draw_number > 1) return L"Sortilane: draw " + std::to_wstring(randomiser.draw_number);
    return L"Sortilane: the teams";
}

std::wstring drawTooltipText(const Randomiser& randomiser) {
    return L"Sortilane" + std::wstring(kDot) + L"seed " + seedText(randomiser) + spreadText(randomiser);
}
