#include "randomiser/output/report.h"

#include <algorithm>
#include <string>
#include <vector>

#include "common/bounded_copy.h"
#include "common/text_convert.h"
#include "common/version.h"
#include "ratings/learned_note.h"

namespace {

constexpr int kLineChars = static_cast<int>(kReportLineChars);
constexpr int kRuleChars = 49;
constexpr size_t kCellUnits = 256;

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

}  // namespace

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

namespace {

// The option summary from the line of the cursor on, each cell on its line
// (after a cell that wrapped, one line further); the cursor ends on its last
// line.
void writeOptionSummary(ReportState& report, const std::vector<ReportCell>& cells, ReportCursor& cursor) {
    int line = 0;
    for (const ReportCell& cell : cells) {
        for (; line < cell.line; ++line) nextSummaryLine(cursor);
        addReportCell(report, cursor, cell.text.c_str());
    }
}

}  // namespace

void buildFullReport(Randomiser& randomiser, const std::vector<ReportCell>& cells) {
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
    writeOptionSummary(report, cells, cursor);

    int line = cursor.line + 1;
    writeRepeated(report, line, L'_', kRuleChars);
    writePlayerRows(randomiser, line + 1);
    int count = line + 2 + randomiser.players.player_count;
    report.report_line_count = count < kReportLines ? count : kReportLines;
}
