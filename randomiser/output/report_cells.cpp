#include "randomiser/output/report_cells.h"

#include <algorithm>

#include "common/bounded_copy.h"
#include "common/text_convert.h"
#include "randomiser/allocation/host_rules.h"
#include "randomiser/output/swap_cells.h"
#include "randomiser/output/team_chances.h"

namespace {

const wchar_t* const kRatingClassNames[] = {L"", L"Newb", L"Rook", L"Inter", L"Expert", L"Extreme"};
const wchar_t* const kReshapeBasisNames[] = {L"", L"Tier", L"Eco", L"Military", L"Impact"};
const wchar_t* const kScoreComboNames[] = {L"", L"Eco", L"Military", L"Eco And Mil", L"Impact"};

template <size_t N>
const wchar_t* nameAt(const wchar_t* const (&names)[N], int index) {
    return index >= 0 && static_cast<size_t>(index) < N ? names[index] : L"";
}

// The cells in the making: each added on the summary's current line.
struct CellList {
    std::vector<ReportCell> cells;
    int line = 0;

    // A cell with no text is not shown.
    void add(ReportCellKind kind, const std::wstring& text) {
        if (!text.empty()) cells.push_back({kind, text, line});
    }
    void nextLine() { ++line; }
    // The cell, when it is shown, on a line of its own.
    void addOnNewLine(ReportCellKind kind, const std::wstring& text) {
        if (text.empty()) return;
        nextLine();
        add(kind, text);
    }
};

// " %i" after a label.
void appendNumber(std::wstring& text, int64_t value) { text += L" " + std::to_wstring(value); }

// The label and one number per flag of the first count positions; empty when
// no flag is set.
std::wstring flagsText(const wchar_t* label, const uint8_t* flags, int count) {
    std::wstring text = label;
    bool any = false;
    for (int i = 0; i < count; ++i) {
        appendNumber(text, flags[i]);
        any = any || flags[i] != 0;
    }
    return any ? text : L"";
}

std::wstring countsText(const PlayerTable& players) {
    return L"P-" + std::to_wstring(players.player_count) + L" T-" + std::to_wstring(players.team_count);
}

// The range named is the one the draw applies: the first of low, high, mid.
const wchar_t* tierRangeText(const OptionSet& options) {
    if (options.tier_range_low) return L"Tier Range Low";
    if (options.tier_range_high) return L"Tier Range High";
    if (options.tier_range_mid) return L"Tier Range Mid";
    return L"";
}

std::wstring reshapeText(const Randomiser& randomiser) {
    if (!randomiser.options().reshape) return L"";
    return std::wstring(L"Reshape Civs To Higher Rated - ") + reshapeBasisName(randomiser.civ_draw.reshape_amount) +
           L" Based";
}

std::wstring singleTierText(const OptionSet& options) {
    if (!options.single_tier) return L"";
    std::wstring text = L"Single Tier";
    appendNumber(text, options.single_tier_value);
    return text;
}

std::wstring variedTierText(const Randomiser& randomiser) {
    if (!randomiser.options().varied_tier_ratios) return L"";
    std::wstring text = L"Varied Tier";
    for (int32_t ratio : randomiser.civ_draw.tier_ratios) appendNumber(text, ratio);
    return text;
}

std::wstring fairTeamsText(const Randomiser& randomiser) {
    if (!randomiser.teams.fair_balanced) return L"";
    std::wstring text = L"Fair Teams";
    appendNumber(text, randomiser.options().fair_margin);
    return text;
}

std::wstring scoreComboText(const CivDrawState& drawn) {
    if (drawn.score_combo <= 0) return L"";
    return std::wstring(L"Score Combo Low - ") + scoreComboName(drawn.score_combo);
}

std::wstring friendsText(const Randomiser& randomiser) {
    if (!randomiser.teams.fmt_present) return L"";
    const PlayerTable& players = randomiser.players;
    std::wstring text = L"Friends May Team";
    for (int p = 0; p < players.player_count; ++p) appendNumber(text, players.player_fmt_groups[p]);
    return text;
}

// What the host asked of the teams, on a line of their own when there is
// any: the pins and apart groups, then each swap after the draw.
void addHostCells(CellList& cells, const Randomiser& randomiser) {
    std::vector<std::wstring> texts = hostRuleCells(randomiser.players);
    for (const std::wstring& swap : hostSwapCells(randomiser)) texts.push_back(swap);
    if (texts.empty()) return;
    cells.nextLine();
    for (const std::wstring& text : texts) cells.add(ReportCellKind::Match, text);
}

std::wstring civTiersText(const PlayerTable& players) {
    std::wstring text = L"Civ Tier";
    for (int p = 0; p < players.player_count; ++p) appendNumber(text, int64_t{players.player_tiers[p]} + 1);
    return text;
}

std::wstring teamScoresText(const Randomiser& randomiser) {
    if (!randomiser.options().use_ratings) return L"";
    std::wstring text = L"Team Scores";
    for (int t = 0; t < randomiser.players.team_count; ++t) appendNumber(text, randomiser.teams.team_scores[t]);
    text += L" ~ Average";
    appendNumber(text, randomiser.teams.team_score_average);
    return text;
}

std::wstring winChanceText(const Randomiser& randomiser) {
    if (!randomiser.options().learned_ratings) return L"";
    double chances[kMaxTeams] = {};
    drawnTeamWinChances(randomiser.players, randomiser.history, chances);
    return L"Win Chance " + winChancePercents(chances, randomiser.players.team_count);
}

// The cells of the draw's options, on one line.
void addDrawCells(CellList& cells, const Randomiser& randomiser) {
    const OptionSet& options = randomiser.options();
    cells.add(ReportCellKind::Match, singleTierText(options));
    cells.add(ReportCellKind::Match, variedTierText(randomiser));
    cells.add(ReportCellKind::Match, options.team_random ? L"Team Random" : L"");
    cells.add(ReportCellKind::Match, fairTeamsText(randomiser));
    cells.add(ReportCellKind::Match, randomiser.civ_draw.handicap ? L"Handicap" : L"");
    cells.add(ReportCellKind::Match, scoreComboText(randomiser.civ_draw));
}

}  // namespace

std::vector<ReportCell> reportCells(const Randomiser& randomiser) {
    const OptionSet& options = randomiser.options();
    const int playerCount = randomiser.players.player_count;
    const CivDrawState& drawn = randomiser.civ_draw;  // the values the draw ended with
    CellList cells;
    cells.add(ReportCellKind::Match, countsText(randomiser.players));
    if (options.omit_civs) {
        cells.add(ReportCellKind::Match, L"Omit Civ Calculation");
        return cells.cells;
    }
    cells.add(ReportCellKind::Match, options.use_ratings ? L"Ratings Based" : L"");
    cells.add(ReportCellKind::Match, tierRangeText(options));
    cells.nextLine();
    cells.add(ReportCellKind::Match, reshapeText(randomiser));
    cells.nextLine();
    cells.add(ReportCellKind::Match, flagsText(L"Reflective Civs", options.reflective, playerCount));
    cells.add(ReportCellKind::Match, options.reflective_tiers ? L"Reflective Tiers" : L"");
    cells.nextLine();
    cells.add(ReportCellKind::Match, flagsText(L"Repeat Enemy", drawn.repeat_enemy, playerCount));
    cells.add(ReportCellKind::Match, drawn.repeat_ally ? L"Repeat Ally" : L"");
    cells.nextLine();
    addDrawCells(cells, randomiser);
    cells.addOnNewLine(ReportCellKind::Match, friendsText(randomiser));
    addHostCells(cells, randomiser);
    cells.nextLine();
    if (drawn.civs_not_drawn)
        cells.add(ReportCellKind::Match, L"Civs Not Drawn");  // the reason is in the debug log
    else
        cells.add(ReportCellKind::TeamValues, civTiersText(randomiser.players));
    cells.addOnNewLine(ReportCellKind::TeamValues, teamScoresText(randomiser));
    cells.addOnNewLine(ReportCellKind::TeamValues, winChanceText(randomiser));
    // The full report's cell holds 75 characters between its bars, and a
    // typed line no more than line_cap.
    const int cap = options.line_cap > 0 ? options.line_cap - 4 : 75;
    cells.addOnNewLine(ReportCellKind::Standings, standingsText(randomiser, static_cast<size_t>(std::min(75, cap))));
    return cells.cells;
}

std::wstring standingsText(const Randomiser& randomiser, size_t maxChars) {
    if (!randomiser.options().standings) return L"";
    std::wstring text = L"Tonight:";
    for (const TallyRow& row : randomiser.history.tonight_tally) {
        const std::wstring entry = (text.back() == L':' ? L" " : L", ") + readFileText(row.name) + L" " +
                                   std::to_wstring(row.wins) + L"-" + std::to_wstring(row.losses);
        if (charCount(text + entry) > maxChars) break;
        text += entry;
    }
    return text.back() == L':' ? L"" : text;
}

const wchar_t* ratingClassName(int ratingClass) { return nameAt(kRatingClassNames, ratingClass); }
const wchar_t* reshapeBasisName(int basis) { return nameAt(kReshapeBasisNames, basis); }
const wchar_t* scoreComboName(int combo) { return nameAt(kScoreComboNames, combo); }

void civDisplayName(const Randomiser& randomiser, int p, wchar_t (&out)[kCivNameUnits]) {
    out[0] = 0;
    if (randomiser.options().omit_civs || randomiser.civ_draw.civs_not_drawn) return;
    int civ = randomiser.players.player_civs[p];
    if (civ < 0 || static_cast<size_t>(civ) >= randomiser.game.civ_table.size()) return;
    boundedCopy(out, randomiser.game.civ_table[civ].name);
    if (out[0] >= L'a' && out[0] <= L'z') out[0] = static_cast<wchar_t>(out[0] - L'a' + L'A');
}

int32_t reportedSeed(int64_t seed) { return static_cast<int32_t>(static_cast<uint32_t>(seed)); }

// The word shows that the lobby chose the seed, the draw number that the host
// drew more than once.
std::wstring seedText(const Randomiser& randomiser) {
    std::wstring text = std::to_wstring(reportedSeed(randomiser.seed));
    std::wstring notes;
    if (!randomiser.seed_word.empty()) notes = L"word " + randomiser.seed_word;
    if (randomiser.draw_number > 1)
        notes += (notes.empty() ? L"draw " : L", draw ") + std::to_wstring(randomiser.draw_number);
    return notes.empty() ? text : text + L" (" + notes + L")";
}
