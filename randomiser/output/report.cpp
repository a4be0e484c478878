#include "randomiser/output/report.h"

#include <algorithm>
#include <string>
#include <vector>

#include "common/bounded_copy.h"
#include "common/text_convert.h"
#include "common/version.h"
#include "randomiser/output/compact_report.h"
#include "randomiser/output/team_chances.h"
#include "ratings/learned_note.h"

namespace {

constexpr int kLineChars = static_cast<int>(kReportLineChars);
constexpr int kRuleChars = 49;
constexpr size_t kCellUnits = 256;

const wchar_t* const kRatingClassNames[] = {L"", L"Newb", L"Rook", L"Inter", L"Expert", L"Extreme"};
const wchar_t* const kReshapeBasisNames[] = {L"", L"Tier", L"Eco", L"Military", L"Impact"};
const wchar_t* const kScoreComboNames[] = {L"", L"Eco", L"Military", L"Eco And Mil", L"Impact"};

template <size_t N>
const wchar_t* nameAt(const wchar_t* const (&names)[N], int index) {
    return index >= 0 && static_cast<size_t>(index) < N ? names[index] : L"";
}

// A text built in a fixed buffer; what does not fit is dropped.
struct CellText {
    wchar_t text[kCellUnits] = {};
    size_t length = 0;

    // Whole characters only: a surrogate pair is never cut in half.
    void append(const wchar_t* more) {
        for (size_t i = 0; more[i] != 0;) {
            const size_t units = unitsOfChars(more + i, 1);
            if (length + units + 1 > kCellUnits) break;
            for (size_t u = 0; u < units; ++u) text[length++] = more[i++];
        }
        text[length] = 0;
    }
    void appendInt(int value) {
        wchar_t digits[12];
        int64_t rest = value < 0 ? -static_cast<int64_t>(value) : value;
        int count = 0;
        do {
            digits[count++] = static_cast<wchar_t>(L'0' + rest % 10);
            rest /= 10;
        } while (rest > 0);
        wchar_t out[13];
        int n = 0;
        if (value < 0) out[n++] = L'-';
        while (count > 0) out[n++] = digits[--count];
        out[n] = 0;
        append(out);
    }
    // " %i" after a label.
    void appendNumber(int value) {
        append(L" ");
        appendInt(value);
    }
};

// Appends text to a line, never past 79 characters.
void appendToLine(ReportState& report, int line, const wchar_t* text) {
    if (line < 0 || line >= kReportLines) return;
    std::wstring joined = report.report_lines[line];
    joined += text;
    boundedCopy(report.report_lines[line], firstChars(joined, kReportLineChars).c_str());
}

// Replaces a line by text, cut to 79 characters.
void writeLine(ReportState& report, int line, const wchar_t* text) {
    if (line < 0 || line >= kReportLines) return;
    boundedCopy(report.report_lines[line], firstChars(text, kReportLineChars).c_str());
}

void writeRepeated(ReportState& report, int line, wchar_t c, int count) {
    CellText text;
    for (int i = 0; i < count; ++i) {
        const wchar_t one[2] = {c, 0};
        text.append(one);
    }
    writeLine(report, line, text.text);
}

void nextSummaryLine(ReportCursor& cursor) {
    ++cursor.line;
    cursor.column = 0;
}

// A cell of a label and one number per flag of the first count positions.
void addFlagsCell(ReportState& report, ReportCursor& cursor, const wchar_t* label, const uint8_t* flags, int count) {
    CellText cell;
    cell.append(label);
    for (int i = 0; i < count; ++i) cell.appendNumber(flags[i]);
    addReportCell(report, cursor, cell.text);
}

bool anyFlag(const uint8_t* flags, int count) {
    for (int i = 0; i < count; ++i) {
        if (flags[i]) return true;
    }
    return false;
}

// "| " + value cut or padded to width characters + closing.
void appendField(CellText& row, const wchar_t* value, size_t width, const wchar_t* closing) {
    row.append(L"| ");
    const std::wstring cut = firstChars(value, width);
    row.append(cut.c_str());
    for (size_t i = charCount(cut); i < width; ++i) row.append(L" ");
    row.append(closing);
}

// The columns of the player table.
constexpr size_t kNameWidth = 16;
constexpr size_t kTeamWidth = 4;
const wchar_t* const kNameClosing = L" | ";
const wchar_t* const kTeamClosing = L" |";

constexpr size_t kRateWidth = 7;  // "Extreme"; one more for the mark of an unrated player

void writeTableRow(ReportState& report, int line, size_t rateWidth, const wchar_t* name, const wchar_t* rate,
                   const wchar_t* civ, const wchar_t* team) {
    CellText row;
    appendField(row, name, kNameWidth, kNameClosing);
    appendField(row, rate, rateWidth, L" | ");
    appendField(row, civ, 10, L" | ");
    appendField(row, team, kTeamWidth, kTeamClosing);
    writeLine(report, line, row.text);
}

}  // namespace

void civDisplayName(const Randomiser& randomiser, int p, wchar_t (&out)[kCivNameUnits]) {
    out[0] = 0;
    if (randomiser.options().omit_civs || randomiser.civ_draw.civs_not_drawn) return;
    int civ = randomiser.players.player_civs[p];
    if (civ < 0 || static_cast<size_t>(civ) >= randomiser.game.civ_table.size()) return;
    boundedCopy(out, randomiser.game.civ_table[civ].name);
    if (out[0] >= L'a' && out[0] <= L'z') out[0] = static_cast<wchar_t>(out[0] - L'a' + L'A');
}

namespace {

// A player's RATE cell: the rating class, with '?' after it when the rating
// is not the player's own but the mean the editor gave him.
std::wstring rateCell(const PlayerTable& players, int p) {
    std::wstring rate = ratingClassName(players.player_rating_classes[p]);
    if (!rate.empty() && players.player_unrated[p]) rate += L'?';
    return rate;
}

void writePlayerRows(Randomiser& randomiser, int firstLine) {
    const PlayerTable& players = randomiser.players;
    size_t rateWidth = kRateWidth;
    for (int p = 0; p < players.player_count; ++p) rateWidth = std::max(rateWidth, rateCell(players, p).size());
    writeTableRow(randomiser.report, firstLine, rateWidth, L"NAME", L"RATE", L"CIV", L"TEAM");
    for (int p = 0; p < players.player_count; ++p) {
        wchar_t civ[kCivNameUnits];
        civDisplayName(randomiser, p, civ);
        CellText team;
        team.appendInt(players.player_teams[p]);
        writeTableRow(randomiser.report, firstLine + 1 + p, rateWidth, players.player_names[p],
                      rateCell(players, p).c_str(), civ, team.text);
    }
}

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

const wchar_t* ratingClassName(int ratingClass) { return nameAt(kRatingClassNames, ratingClass); }

std::wstring unratedPlayersNote(const PlayerTable& players) {
    std::wstring names;
    for (int p = 0; p < players.player_count; ++p) {
        if (players.player_unrated[p]) names += (names.empty() ? L"" : L", ") + std::wstring(players.player_names[p]);
    }
    return names.empty() ? names : L"Unrated, given the lobby's mean (? in the report): " + names;
}

std::wstring learnedPlayersNote(const PlayerTable& players, const MatchHistory& history) {
    std::vector<LearnedNewcomer> newcomers;
    for (int p = 0; p < players.player_count; ++p) {
        // Marked in the file, no longer in the match: the results rated him.
        if (players.player_file_unrated[p] && !players.player_unrated[p] && history.player_rated_matches[p] > 0)
            newcomers.push_back({players.player_names[p], history.player_rated_matches[p]});
    }
    return learnedNewcomersNote(newcomers);
}

std::wstring newPlayersTonightNote(const PlayerTable& players, const MatchHistory& history, bool learnedRatings) {
    std::vector<std::wstring> names;
    for (int p = 0; p < players.player_count && learnedRatings; ++p) {
        if (!history.player_learned[p]) names.push_back(players.player_names[p]);
    }
    return newPlayersNote(names);
}

std::wstring skippedLinesNote(const MatchHistory& history) {
    if (history.skipped_lines == 0) return L"";
    return L"Results.txt: " + std::to_wstring(history.skipped_lines) +
           (history.skipped_lines == 1 ? L" line skipped" : L" lines skipped") + L" (see debug.txt)";
}
const wchar_t* reshapeBasisName(int basis) { return nameAt(kReshapeBasisNames, basis); }
const wchar_t* scoreComboName(int combo) { return nameAt(kScoreComboNames, combo); }

void addReportCell(ReportState& report, ReportCursor& cursor, const wchar_t* text) {
    int cellChars = static_cast<int>(charCount(text)) + 5;
    if (cursor.column > 0 && cursor.column + cellChars > kLineChars) nextSummaryLine(cursor);
    CellText cell;
    cell.append(L"| ");
    cell.append(text);
    cell.append(L" | ");
    appendToLine(report, cursor.line, cell.text);
    cursor.column += cellChars;
    if (cursor.column > kLineChars) cursor.column = kLineChars;
}

void buildOptionSummary(Randomiser& randomiser, ReportCursor& cursor) {
    const OptionSet& options = randomiser.options();
    const PlayerTable& players = randomiser.players;
    const TeamState& teams = randomiser.teams;
    const CivDrawState& drawn = randomiser.civ_draw;  // the values the draw ended with
    ReportState& report = randomiser.report;
    cursor.column = 0;

    CellText counts;
    counts.append(L"P-");
    counts.appendInt(players.player_count);
    counts.append(L" T-");
    counts.appendInt(players.team_count);
    addReportCell(report, cursor, counts.text);
    if (options.omit_civs) {
        addReportCell(report, cursor, L"Omit Civ Calculation");
        return;
    }
    if (options.use_ratings) addReportCell(report, cursor, L"Ratings Based");
    // The range named is the one the draw applies: the first of low, high, mid.
    if (options.tier_range_low) {
        addReportCell(report, cursor, L"Tier Range Low");
    } else if (options.tier_range_high) {
        addReportCell(report, cursor, L"Tier Range High");
    } else if (options.tier_range_mid) {
        addReportCell(report, cursor, L"Tier Range Mid");
    }

    nextSummaryLine(cursor);
    if (options.reshape) {
        CellText cell;
        cell.append(L"Reshape Civs To Higher Rated - ");
        cell.append(reshapeBasisName(drawn.reshape_amount));
        cell.append(L" Based");
        addReportCell(report, cursor, cell.text);
    }

    nextSummaryLine(cursor);
    if (anyFlag(options.reflective, players.player_count))
        addFlagsCell(report, cursor, L"Reflective Civs", options.reflective, players.player_count);
    if (options.reflective_tiers) addReportCell(report, cursor, L"Reflective Tiers");

    nextSummaryLine(cursor);
    if (anyFlag(drawn.repeat_enemy, players.player_count))
        addFlagsCell(report, cursor, L"Repeat Enemy", drawn.repeat_enemy, players.player_count);
    if (drawn.repeat_ally) addReportCell(report, cursor, L"Repeat Ally");

    nextSummaryLine(cursor);
    if (options.single_tier) {
        CellText cell;
        cell.append(L"Single Tier");
        cell.appendNumber(options.single_tier_value);
        addReportCell(report, cursor, cell.text);
    }
    if (options.varied_tier_ratios) {
        CellText cell;
        cell.append(L"Varied Tier");
        for (int32_t ratio : drawn.tier_ratios) cell.appendNumber(ratio);
        addReportCell(report, cursor, cell.text);
    }
    if (options.team_random) addReportCell(report, cursor, L"Team Random");
    if (teams.fair_balanced) {
        CellText cell;
        cell.append(L"Fair Teams");
        cell.appendNumber(options.fair_margin);
        addReportCell(report, cursor, cell.text);
    }
    if (drawn.handicap) addReportCell(report, cursor, L"Handicap");
    if (drawn.score_combo > 0) {
        CellText cell;
        cell.append(L"Score Combo Low - ");
        cell.append(scoreComboName(drawn.score_combo));
        addReportCell(report, cursor, cell.text);
    }

    if (teams.fmt_present) {
        nextSummaryLine(cursor);
        CellText cell;
        cell.append(L"Friends May Team");
        for (int p = 0; p < players.player_count; ++p) cell.appendNumber(players.player_fmt_groups[p]);
        addReportCell(report, cursor, cell.text);
    }

    nextSummaryLine(cursor);
    if (drawn.civs_not_drawn) {
        addReportCell(report, cursor, L"Civs Not Drawn");  // the reason is in the debug log
    } else {
        CellText tiers;
        tiers.append(L"Civ Tier");
        for (int p = 0; p < players.player_count; ++p) tiers.appendNumber(players.player_tiers[p] + 1);
        addReportCell(report, cursor, tiers.text);
    }

    if (options.use_ratings) {
        nextSummaryLine(cursor);
        CellText cell;
        cell.append(L"Team Scores");
        for (int t = 0; t < players.team_count; ++t) cell.appendNumber(teams.team_scores[t]);
        cell.append(L" ~ Average");
        cell.appendNumber(teams.team_score_average);
        addReportCell(report, cursor, cell.text);
    }
    if (options.learned_ratings) {
        nextSummaryLine(cursor);
        int teamOf[kPlayerSlots] = {};
        for (int p = 0; p < players.player_count; ++p) teamOf[p] = players.player_teams[p] - 1;
        double chances[kMaxTeams] = {};
        teamWinChances(players, randomiser.history, teamOf, chances);
        addReportCell(report, cursor, (L"Win Chance " + winChancePercents(chances, players.team_count)).c_str());
    }
}

namespace {

void buildFullReport(Randomiser& randomiser) {
    ReportState& report = randomiser.report;
    report = ReportState{};

    CellText title;
    title.append(L"~-~ Brenlow Sortilane - Version: ");
    title.append(kVersionText);
    title.append(L" ~-~");
    writeLine(report, 0, title.text);
    writeRepeated(report, 1, L' ', kRuleChars);
    writeLine(report, 2, (L"Seed: " + seedText(randomiser)).c_str());

    ReportCursor cursor;
    cursor.line = 3;
    buildOptionSummary(randomiser, cursor);

    int line = cursor.line + 1;
    writeRepeated(report, line, L'_', kRuleChars);
    writePlayerRows(randomiser, line + 1);
    int count = line + 2 + randomiser.players.player_count;
    report.report_line_count = count < kReportLines ? count : kReportLines;
}

}  // namespace

void buildReport(Randomiser& randomiser) {
    if (randomiser.options().compact)
        buildCompactReport(randomiser);
    else
        buildFullReport(randomiser);
    setResultsLine(randomiser);
}
