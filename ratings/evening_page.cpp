#include "ratings/evening_page.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "common/safe_write.h"
#include "ratings/results_file.h"

namespace {

const char* const kMinus = "\xE2\x88\x92";  // U+2212, the minus sign
const char* const kDash = "\xE2\x80\x93";   // U+2013, for "none"

// Readable on screen and on paper; the second eight are drawn dashed, so
// that two lines of similar colours stay apart in grey print too.
const char* const kSeriesColours[kChartedPlayers] = {
    "#1f77b4", "#d62728", "#2ca02c", "#ff7f0e", "#9467bd", "#8c564b", "#e377c2", "#17becf",
    "#1f77b4", "#d62728", "#2ca02c", "#ff7f0e", "#9467bd", "#8c564b", "#e377c2", "#17becf",
};

const char* const kStyle =
    "body{font-family:sans-serif;margin:1.5em;color:#111;background:#fff;max-width:64em}"
    "h1{font-size:1.6em;margin:0 0 .2em}h2{font-size:1.2em;margin:1.4em 0 .4em;border-bottom:1px solid #999}"
    "table{border-collapse:collapse;margin:.3em 0}th,td{border:1px solid #bbb;padding:.15em .5em;text-align:left}"
    "th{background:#eee}td.n{text-align:right}.up{color:#1a7f1a}.down{color:#b01c1c}.prov{font-style:italic;"
    "color:#555}i{color:#555}svg{width:100%;height:auto;max-width:60em}.series{fill:none;stroke-width:2}"
    ".key{stroke-width:3}.dashed{stroke-dasharray:7 4}"
    "@media print{body{margin:0}h2{break-after:avoid}tr,svg{break-inside:avoid}}";

// The most bytes of a page, under 300 000: tonight's list holds the newest
// matches that fit in what the other parts leave, and at least the newest
// one, so only the standings of a history of more than about a thousand
// players take the page beyond.
constexpr size_t kPageBytesMost = 299999;

void add(std::string& page, const std::string& text) { page += text; }

std::string number(int64_t value) { return std::to_string(value); }

// A share in whole percent, rounded half up; a dash when there is nothing to share.
std::string percent(int part, int whole) {
    if (whole <= 0) return kDash;
    return number((static_cast<int64_t>(part) * 200 + whole) / (2 * static_cast<int64_t>(whole))) + "%";
}

std::string timeOfDay(const MatchTime& when) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", when.hour % 100, when.minute % 100);
    return text;
}

std::string dateAndTime(const MatchTime& when) {
    char text[24];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d ", when.year % 10000, when.month % 100, when.day % 100);
    return text + timeOfDay(when);
}

// "+34", "−12" or "0"; "new" for a player first named tonight, a dash for
// one who did not play tonight.
std::string changeCell(const StandingRow& row) {
    if (row.new_tonight) return "<td class=\"n\">new</td>";
    if (!row.played_tonight) return "<td class=\"n\">" + std::string(kDash) + "</td>";
    if (row.change > 0) return "<td class=\"n up\">+" + number(row.change) + "</td>";
    if (row.change < 0) return "<td class=\"n down\">" + std::string(kMinus) + number(-row.change) + "</td>";
    return "<td class=\"n\">0</td>";
}

std::string cell(const std::string& text) { return "<td>" + text + "</td>"; }
std::string numberCell(int64_t value) { return "<td class=\"n\">" + number(value) + "</td>"; }

void addStandings(std::string& page, const EveningModel& model) {
    add(page, "<h2 id=\"standings\">Standings</h2>\n");
    if (model.standings.empty()) {
        add(page, "<p>Results.txt holds no match yet.</p>\n");
        return;
    }
    add(page,
        "<table class=\"standings\"><tr><th>#</th><th>Player</th><th>Rating</th><th>Tonight</th>"
        "<th>Sigma</th><th>Rated matches</th><th>Wins</th><th>Win %</th></tr>\n");
    bool anyProvisional = false;
    for (size_t k = 0; k < model.standings.size(); ++k) {
        const StandingRow& row = model.standings[k];
        std::string name = escapedHtml(row.name);
        if (row.rated_matches < kSettledMatches) {
            name += " <span class=\"prov\">(provisional)</span>";
            anyProvisional = true;
        }
        add(page, "<tr>" + numberCell(static_cast<int64_t>(k) + 1) + cell(name) + numberCell(row.rating) +
                      changeCell(row) + numberCell(row.sigma) + numberCell(row.rated_matches) + numberCell(row.wins) +
                      "<td class=\"n\">" + percent(row.wins, row.rated_matches) + "</td></tr>\n");
    }
    add(page, "</table>\n");
    if (anyProvisional) {
        add(page, "<p class=\"prov\">Provisional: fewer than " + number(kSettledMatches) +
                      " rated matches so far, so the rating is still a first guess and moves a lot.</p>\n");
    }
}

std::string resultText(char result) {
    if (result == '0') return "not rated";
    if (result == '-') return "no result yet";
    return std::string("Team ") + result + " won";
}

// Appends a team of tonight's list: its number, its chance, its players
// with their civilisations, in bold when it won. Written straight into the
// row: an evening of a thousand matches makes many of them.
void addTeamText(std::string& row, const TonightMatch& match, const MatchTeam& team) {
    const bool won = match.result - '0' == team.number;
    row += won ? "<b>Team " : "Team ";
    row += number(team.number);
    if (match.teams.size() > 1) row += " " + number(team.chance_percent) + "%";
    row += ": ";
    for (size_t p = 0; p < team.players.size(); ++p) {
        if (p > 0) row += ", ";
        addEscapedHtml(row, team.players[p]);
        if (team.civs[p].empty()) continue;
        row += " <i>";
        addEscapedHtml(row, team.civs[p]);
        row += "</i>";
    }
    if (won) row += "</b>";
}

void addFairness(std::string& page, const EveningModel& model) {
    add(page, "<p class=\"fair\">");
    if (model.favourite_matches == 0) {
        add(page, "No rated match tonight had a favourite yet.</p>\n");
        return;
    }
    const int tenths = model.favourite_expected_tenths;
    add(page, "The team the ratings favoured won " + number(model.favourite_wins) + " of " +
                  number(model.favourite_matches) + (model.favourite_matches == 1 ? " match" : " matches") +
                  " (the chances expected " + number(tenths / 10) + "." + number(tenths % 10) + ")</p>\n");
}

// One row of tonight's list. The cells' and the row's end tags are left
// out, as HTML allows: an evening of a thousand matches is a thousand rows.
std::string matchRow(const TonightMatch& match) {
    std::string row = "<tr><td>" + timeOfDay(match.when) + "<td>";
    for (size_t t = 0; t < match.teams.size(); ++t) {
        if (t > 0) row += "<br>";
        addTeamText(row, match, match.teams[t]);
    }
    row += "<td>";
    row += resultText(match.result);
    row += "\n";
    return row;
}

// Room kept for the line that says how many of tonight's matches are left out.
constexpr size_t kLeftOutLineRoom = 256;

// Tonight's heading, tally, favourite's line and list of matches, within
// `room` bytes: when the whole list does not fit, it holds the newest
// matches that do (at least the newest one), and a line before it says how
// many earlier ones are left out.
void addTonight(std::string& page, const EveningModel& model, size_t room) {
    std::string head = "<h2 id=\"tonight\">Tonight</h2>\n";
    if (model.tonight.empty()) {
        add(page, head + "<p>No match yet.</p>\n");
        return;
    }
    const size_t matchCount = model.tonight.size();
    head += "<p>" + dateAndTime(model.tonight.front().when) + " to " + dateAndTime(model.tonight.back().when) + ": " +
            number(static_cast<int64_t>(matchCount)) + " matches.</p>\n";
    if (model.tally.empty()) {
        head += "<p>No rated match tonight yet.</p>\n";
    } else {
        head += "<table class=\"tally\"><tr><th>Player</th><th>Won</th><th>Lost</th></tr>\n";
        for (const TallyRow& row : model.tally)
            head += "<tr>" + cell(escapedHtml(row.name)) + numberCell(row.wins) + numberCell(row.losses) + "</tr>\n";
        head += "</table>\n";
    }
    addFairness(head, model);
    const std::string tableHead =
        "<table class=\"matches\"><tr><th>Time</th><th>Teams, with the chance the ratings gave them before "
        "the match</th><th>Result</th></tr>\n";
    const std::string tableEnd = "</table>\n";
    const size_t fixed = head.size() + kLeftOutLineRoom + tableHead.size() + tableEnd.size();
    const size_t rowRoom = room > fixed ? room - fixed : 0;

    std::vector<std::string> rows;  // newest first
    size_t rowBytes = 0;
    for (size_t k = matchCount; k-- > 0;) {
        std::string row = matchRow(model.tonight[k]);
        if (!rows.empty() && rowBytes + row.size() > rowRoom) break;
        rowBytes += row.size();
        rows.push_back(std::move(row));
    }
    const size_t leftOut = matchCount - rows.size();
    if (leftOut > 0) {
        head += "<p class=\"left-out\">The first " + number(static_cast<int64_t>(leftOut)) +
                " matches of tonight are not listed, to keep the page small: below are the newest " +
                number(static_cast<int64_t>(rows.size())) + ". The tally and the line above count all " +
                number(static_cast<int64_t>(matchCount)) + ".</p>\n";
    }
    add(page, head + tableHead);
    for (size_t k = rows.size(); k-- > 0;) add(page, rows[k]);
    add(page, tableEnd);
}

// The chart's frame: the plot's edges in the picture's own units.
struct ChartFrame {
    int left = 64;
    int right = 944;
    int top = 16;
    int bottom = 336;
    int32_t low = 0;  // the rating at the bottom edge
    int32_t high = 0;
    int matches = 1;  // the rated match at the right edge
};

int chartX(const ChartFrame& frame, int match) {
    return frame.left + static_cast<int>(static_cast<int64_t>(match) * (frame.right - frame.left) / frame.matches);
}

int chartY(const ChartFrame& frame, int32_t rating) {
    const int64_t span = static_cast<int64_t>(frame.high) - frame.low;
    return frame.bottom -
           static_cast<int>((static_cast<int64_t>(rating) - frame.low) * (frame.bottom - frame.top) / span);
}

// The first step of 1, 2 or 5 times a power of ten that cuts span into at
// most `most` parts.
int64_t tickStep(int64_t span, int64_t most) {
    for (int64_t power = 1;; power *= 10) {
        for (int64_t factor : {1, 2, 5}) {
            if (span <= power * factor * most) return power * factor;
        }
    }
}

// A series' line as SVG path data: the first point, then relative steps,
// "h" along a rating that stays, "v" where a match falls on the column of
// the one before, "l" otherwise. The rating stays as it was until the match
// before the player's next one. The "v" steps of one column add up to one:
// a column of the picture is narrower than a match only in a long history,
// and there the line goes from the rating before the column's matches to
// the rating after them.
std::string seriesPath(const ChartFrame& frame, const ChartSeries& series) {
    std::string path;
    int lastX = 0;
    int lastY = 0;
    char held = 0;  // an "h" or "v" step not written yet, which the next step of its kind adds to
    int heldBy = 0;
    auto writeHeld = [&]() {
        if (held != 0 && heldBy != 0) path += held + number(heldBy);
        held = 0;
        heldBy = 0;
    };
    auto addPoint = [&](int match, int32_t rating) {
        const int x = chartX(frame, match);
        const int y = chartY(frame, rating);
        if (path.empty()) {
            path = "M" + number(x) + "," + number(y);
        } else if (x == lastX || y == lastY) {
            const char step = y == lastY ? 'h' : 'v';
            if (step != held) writeHeld();
            held = step;
            heldBy += step == 'h' ? x - lastX : y - lastY;
        } else {
            writeHeld();
            path += "l" + number(x - lastX) + (y > lastY ? "," : "") + number(y - lastY);
        }
        lastX = x;
        lastY = y;
    };
    for (size_t k = 0; k < series.points.size(); ++k) {
        if (k > 0 && series.points[k].match - 1 > series.points[k - 1].match)
            addPoint(series.points[k].match - 1, series.points[k - 1].rating);
        addPoint(series.points[k].match, series.points[k].rating);
    }
    addPoint(frame.matches, series.points.back().rating);
    writeHeld();
    return path;
}

void addAxes(std::string& page, const ChartFrame& frame) {
    const int64_t ratingStep = tickStep(static_cast<int64_t>(frame.high) - frame.low, 8);
    for (int64_t rating = frame.low; rating <= frame.high; rating += ratingStep) {
        const int y = chartY(frame, static_cast<int32_t>(rating));
        add(page, "<line x1=\"" + number(frame.left) + "\" y1=\"" + number(y) + "\" x2=\"" + number(frame.right) +
                      "\" y2=\"" + number(y) + "\" stroke=\"#ddd\"/><text x=\"" + number(frame.left - 6) + "\" y=\"" +
                      number(y + 4) + "\" text-anchor=\"end\">" + number(rating) + "</text>\n");
    }
    const int64_t matchStep = tickStep(frame.matches, 10);
    for (int64_t match = 0; match <= frame.matches; match += matchStep) {
        const int x = chartX(frame, static_cast<int>(match));
        add(page, "<line x1=\"" + number(x) + "\" y1=\"" + number(frame.bottom) + "\" x2=\"" + number(x) + "\" y2=\"" +
                      number(frame.bottom + 5) + "\" stroke=\"#555\"/><text x=\"" + number(x) + "\" y=\"" +
                      number(frame.bottom + 20) + "\" text-anchor=\"middle\">" + number(match) + "</text>\n");
    }
    add(page, "<rect x=\"" + number(frame.left) + "\" y=\"" + number(frame.top) + "\" width=\"" +
                  number(frame.right - frame.left) + "\" height=\"" + number(frame.bottom - frame.top) +
                  "\" fill=\"none\" stroke=\"#555\"/>\n<text x=\"" + number((frame.left + frame.right) / 2) +
                  "\" y=\"" + number(frame.bottom + 40) + "\" text-anchor=\"middle\">rated matches</text>\n");
    add(page, "<text x=\"14\" y=\"" + number((frame.top + frame.bottom) / 2) + "\" text-anchor=\"middle\" " +
                  "transform=\"rotate(-90 14 " + number((frame.top + frame.bottom) / 2) + ")\">rating</text>\n");
}

void addChart(std::string& page, const EveningModel& model) {
    add(page, "<h2 id=\"chart\">Ratings over the matches</h2>\n");
    const size_t drawn = std::min(model.series.size(), kChartedPlayers);
    if (model.chart_matches == 0 || drawn == 0) {
        add(page, "<p>No rated match yet: the chart starts with the first result.</p>\n");
        return;
    }
    ChartFrame frame;
    frame.matches = model.chart_matches;
    int32_t low = model.series[0].points[0].rating;
    int32_t high = low;
    for (size_t s = 0; s < drawn; ++s) {
        for (const ChartPoint& point : model.series[s].points) {
            low = std::min(low, point.rating);
            high = std::max(high, point.rating);
        }
    }
    const int64_t step = tickStep(std::max<int64_t>(static_cast<int64_t>(high) - low, 1), 8);
    frame.low = static_cast<int32_t>(low / step * step);
    frame.high = static_cast<int32_t>((high + step - 1) / step * step);
    if (frame.high <= frame.low) frame.high = static_cast<int32_t>(frame.low + step);

    const int legendRows = static_cast<int>((drawn + 3) / 4);
    const int height = frame.bottom + 56 + legendRows * 22;
    add(page, "<svg class=\"chart\" xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 960 " + number(height) +
                  "\" width=\"960\" height=\"" + number(height) +
                  "\" font-family=\"sans-serif\" font-size=\"13\" role=\"img\" aria-label=\"Each player's rating "
                  "after each rated match\">\n");
    addAxes(page, frame);
    for (size_t s = 0; s < drawn; ++s) {
        const char* dashed = s >= kChartedPlayers / 2 ? " dashed" : "";
        add(page, "<path class=\"series" + std::string(dashed) + "\" stroke=\"" + kSeriesColours[s] + "\" d=\"" +
                      seriesPath(frame, model.series[s]) + "\"><title>" + escapedHtml(model.series[s].name) +
                      "</title></path>\n");
    }
    for (size_t s = 0; s < drawn; ++s) {
        const int x = frame.left + static_cast<int>(s % 4) * 220;
        const int y = frame.bottom + 62 + static_cast<int>(s / 4) * 22;
        const char* dashed = s >= kChartedPlayers / 2 ? " dashed" : "";
        add(page, "<line class=\"key" + std::string(dashed) + "\" x1=\"" + number(x) + "\" y1=\"" + number(y - 4) +
                      "\" x2=\"" + number(x + 28) + "\" y2=\"" + number(y - 4) + "\" stroke=\"" + kSeriesColours[s] +
                      "\"/><text class=\"legend\" x=\"" + number(x + 34) + "\" y=\"" + number(y) + "\">" +
                      escapedHtml(model.series[s].name) + "</text>\n");
    }
    add(page, "</svg>\n");
    if (drawn < model.series.size()) {
        std::string rest;
        for (size_t s = drawn; s < model.series.size(); ++s)
            rest += (s > drawn ? ", " : "") + escapedHtml(model.series[s].name);
        add(page, "<p>Not drawn (the chart shows the " + number(kChartedPlayers) + " highest): " + rest + ".</p>\n");
    }
}

void addCivs(std::string& page, const EveningModel& model) {
    add(page, "<h2 id=\"civs\">Civilisations</h2>\n");
    if (model.civs.empty()) {
        add(page, "<p>No civilisation has " + number(kCivShownGames) +
                      " rated games yet. Each match's line records its civilisations.</p>\n");
        return;
    }
    add(page, "<table class=\"civs\"><tr><th>Civilisation</th><th>Rated games</th><th>Wins</th><th>Win %</th></tr>\n");
    for (const CivRow& row : model.civs) {
        add(page, "<tr>" + cell(escapedHtml(row.name)) + numberCell(row.games) + numberCell(row.wins) +
                      "<td class=\"n\">" + percent(row.wins, row.games) + "</td></tr>\n");
    }
    add(page, "</table>\n<p>Only civilisations with at least " + number(kCivShownGames) + " rated games.</p>\n");
}

}  // namespace

void addEscapedHtml(std::string& out, const std::string& text) {
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\'': out += "&#39;"; break;
            default: out += c;
        }
    }
}

std::string escapedHtml(const std::string& text) {
    std::string escaped;
    escaped.reserve(text.size());
    addEscapedHtml(escaped, text);
    return escaped;
}

std::string eveningPage(const EveningModel& model) {
    std::string page;
    page.reserve(64 * 1024);
    add(page,
        "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>The evening at a "
        "glance</title>\n<style>");
    add(page, kStyle);
    add(page, "</style>\n</head>\n<body>\n<h1>The evening at a glance</h1>\n");
    addStandings(page, model);
    addChart(page, model);
    std::string after;  // what follows tonight's section, which gets the room the rest leaves
    addCivs(after, model);
    add(after, "<p class=\"source\">Written from Results.txt: " + number(model.match_count) + " matches, " +
                   number(model.rated_count) + " of them rated.");
    if (model.skipped_lines > 0)
        add(after, " " + number(model.skipped_lines) + (model.skipped_lines == 1 ? " line does" : " lines do") +
                       " not read as a match; debug.txt names them.");
    add(after, "</p>\n</body>\n</html>\n");
    const size_t taken = page.size() + after.size();
    addTonight(page, model, kPageBytesMost > taken ? kPageBytesMost - taken : 0);
    add(page, after);
    return page;
}

std::string writeEveningPage() {
    ResultsLog log;
    if (loadResults(log) == ResultsLoad::Failed) return "Results.txt could not be read (debug.txt says why)";
    const std::string page = eveningPage(eveningModel(log));
    std::string reason;
    const ReplaceStep step = replaceFile(kEveningPageFile, page.data(), page.size(), reason);
    const std::string because = reason.empty() ? "" : " (" + reason + ")";
    switch (step) {
        case ReplaceStep::Done: return "";
        case ReplaceStep::CreateTemporary: return "no file could be made in the folder" + because;
        case ReplaceStep::WriteTemporary: return "the page could not be written whole" + because;
        case ReplaceStep::MoveOver: return "Evening.html could not be replaced" + because;
    }
    return "";
}
