#include "ratings/results_log.h"

#include <cstdio>
#include <utility>

#include "common/text_convert.h"

namespace {

// Reads a whole field as a decimal integer: an optional '-', then 1 to 18
// digits and nothing else, within min .. max.
bool readWholeNumber(const std::string& field, int64_t min, int64_t max, int64_t& value) {
    const size_t start = !field.empty() && field[0] == '-' ? 1 : 0;
    const size_t digits = field.size() - start;
    if (digits == 0 || digits > 18) return false;
    int64_t magnitude = 0;
    for (size_t k = start; k < field.size(); ++k) {
        if (field[k] < '0' || field[k] > '9') return false;
        magnitude = magnitude * 10 + (field[k] - '0');
    }
    value = start == 1 ? -magnitude : magnitude;
    return value >= min && value <= max;
}

// The digits at text[at .. at + count - 1] as a number within min .. max.
bool readDigits(const std::string& text, size_t at, size_t count, int min, int max, int& value) {
    value = 0;
    for (size_t k = at; k < at + count; ++k) {
        if (text[k] < '0' || text[k] > '9') return false;
        value = value * 10 + (text[k] - '0');
    }
    return value >= min && value <= max;
}

// YYYY-MM-DD HH:MM
bool readMatchTime(const std::string& field, MatchTime& when) {
    if (field.size() != 16 || field[4] != '-' || field[7] != '-' || field[10] != ' ' || field[13] != ':') return false;
    return readDigits(field, 0, 4, 0, 9999, when.year) && readDigits(field, 5, 2, 1, 12, when.month) &&
           readDigits(field, 8, 2, 1, 31, when.day) && readDigits(field, 11, 2, 0, 23, when.hour) &&
           readDigits(field, 14, 2, 0, 59, when.minute);
}

// The team field: the team number 1 to 4, and after it, in the lines
// written since civilisations are recorded, one space and the player's
// civilisation.
bool readTeamField(const std::string& field, TextEncoding encoding, ResultPlayer& player) {
    const size_t space = field.find(' ');
    int64_t number = 0;
    if (!readWholeNumber(field.substr(0, space), 1, 4, number)) return false;
    player.team = static_cast<int>(number);
    if (space == std::string::npos) return true;
    const std::string civ = field.substr(space + 1);
    player.civ = encoding == TextEncoding::Utf8 ? civ : toUtf8(decodeText(civ, encoding));
    return true;
}

std::vector<std::string> splitFields(const std::string& line) {
    std::vector<std::string> fields;
    fields.reserve(3 + 3 * kMaxLinePlayers);
    size_t start = 0;
    for (size_t tab = line.find('\t'); tab != std::string::npos; tab = line.find('\t', start)) {
        fields.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
    fields.push_back(line.substr(start));
    return fields;
}

std::string playerReason(size_t player, const char* what) {
    return "player " + std::to_string(player + 1) + " " + what;
}

// The reason a name field cannot be a player's name, or "".
const char* nameFault(const std::string& name) {
    if (name.empty()) return "has no name";
    // A CR or a zero byte in a name (a line end of another system, a
    // broken copy) would not be written back as read.
    for (unsigned char c : name) {
        if (c < 0x20 || c == 0x7F) return "has a control character in the name";
    }
    return "";
}

std::string nameOfField(const std::string& field, TextEncoding encoding) {
    return encoding == TextEncoding::Utf8 ? field : toUtf8(decodeText(field, encoding));
}

bool isAliasLine(const std::string& line) { return line.compare(0, 6, "alias\t") == 0; }

// Reads "alias<TAB>OLD<TAB>NEW" and adds it to the aliases; an empty result,
// or the reason the line was skipped.
std::string readAliasLine(const std::string& line, TextEncoding encoding, std::vector<NameAlias>& aliases) {
    const std::vector<std::string> fields = splitFields(line);
    if (fields.size() != 3) return "an alias line is alias, the old name and the new name";
    if (*nameFault(fields[1]) != '\0' || *nameFault(fields[2]) != '\0')
        return "an alias name is empty or has a control character";
    const NameAlias alias = {nameOfField(fields[1], encoding), nameOfField(fields[2], encoding)};
    if (alias.old_name == alias.new_name) return "the alias names " + alias.old_name + " twice";
    for (const NameAlias& earlier : aliases) {
        if (earlier.old_name == alias.old_name)
            return alias.old_name + " is an alias of " + earlier.new_name + " already";
    }
    if (aliasedName(aliases, alias.new_name) == alias.old_name)
        return "the alias closes a circle: " + alias.new_name + " is known as " + alias.old_name + " already";
    aliases.push_back(alias);
    return "";
}

// Reads one line (without its line end) into match; an empty result, or the
// reason the line is no match.
std::string readMatchLine(const std::string& line, TextEncoding encoding, const std::vector<NameAlias>& aliases,
                          MatchLine& match) {
    const std::vector<std::string> fields = splitFields(line);
    if (fields.size() < 6 || fields.size() % 3 != 0)
        return "the fields (" + std::to_string(fields.size()) +
               ") are not the date, seed, result and three for each player";
    if (!readMatchTime(fields[0], match.when)) return "the date is not YYYY-MM-DD HH:MM";
    int64_t number = 0;
    if (!readWholeNumber(fields[1], INT32_MIN, INT32_MAX, number)) return "the seed is not a 32-bit whole number";
    match.seed = static_cast<int32_t>(number);
    if (fields[2].size() != 1 || !isResultChar(fields[2][0])) return "the result is not 1 to 4, 0 or -";
    match.result = fields[2][0];
    const size_t playerCount = fields.size() / 3 - 1;
    if (playerCount > kMaxLinePlayers) return "more than " + std::to_string(kMaxLinePlayers) + " players";
    for (size_t p = 0; p < playerCount; ++p) {
        const std::string& name = fields[3 + 3 * p];
        ResultPlayer player;
        const char* fault = nameFault(name);
        if (*fault != '\0') return playerReason(p, fault);
        player.name = aliasedName(aliases, nameOfField(name, encoding));
        if (!readTeamField(fields[4 + 3 * p], encoding, player)) return playerReason(p, "has no team 1 to 4");
        // "1601?": the rating of a player PlayerData.txt marked unrated.
        std::string rating = fields[5 + 3 * p];
        player.unrated = !rating.empty() && rating.back() == '?';
        if (player.unrated) rating.pop_back();
        if (!readWholeNumber(rating, INT64_MIN + 1, INT64_MAX, number)) return playerReason(p, "has no whole rating");
        if (number < 0 || number > kMaxRating)
            return playerReason(p, ("has a rating outside 0 to " + std::to_string(kMaxRating)).c_str());
        player.rating = static_cast<int32_t>(number);
        for (const ResultPlayer& earlier : match.players) {
            if (earlier.name == player.name) return "names " + player.name + " twice";
        }
        match.players.push_back(std::move(player));
    }
    if (match.result >= '1' && match.result <= '4' && !lineHasTeam(match, match.result - '0'))
        return std::string("the winning team ") + match.result + " has no player";
    return "";
}

// A TAB, CR or LF, which would break the line, as a space.
std::string withoutLineBreaks(std::string text) {
    for (char& c : text) {
        if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    }
    return text;
}

}  // namespace

std::string aliasedName(const std::vector<NameAlias>& aliases, const std::string& name) {
    std::string known = name;
    // No alias closes a circle, so each step leaves the chain's earlier
    // names behind; the count bounds the walk all the same.
    for (size_t steps = 0; steps <= aliases.size(); ++steps) {
        const NameAlias* next = nullptr;
        for (const NameAlias& alias : aliases) {
            if (alias.old_name == known) next = &alias;
        }
        if (next == nullptr) break;
        known = next->new_name;
    }
    return known;
}

namespace {

// A line of the file: its text without the line end, its number and where
// it begins.
struct ResultsFileLine {
    std::string text;
    int number = 0;
    size_t start = 0;
};

}  // namespace

ResultsLog parseResults(const std::string& bytes) {
    const size_t bom = byteOrderMarkLength(bytes);
    const TextEncoding encoding = detectEncoding(bytes.data() + bom, bytes.size() - bom);
    std::vector<ResultsFileLine> lines;
    for (size_t start = bom; start < bytes.size();) {
        size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        size_t textEnd = end;
        if (textEnd > start && bytes[textEnd - 1] == '\r') --textEnd;
        lines.push_back({bytes.substr(start, textEnd - start), static_cast<int>(lines.size()) + 1, start});
        start = end + 1;
    }
    // The aliases first: they hold for the lines before them too.
    ResultsLog log;
    std::vector<std::string> reasons(lines.size());  // why each line is skipped, if it is
    for (size_t k = 0; k < lines.size(); ++k) {
        if (isAliasLine(lines[k].text)) reasons[k] = readAliasLine(lines[k].text, encoding, log.aliases);
    }
    for (size_t k = 0; k < lines.size(); ++k) {
        const ResultsFileLine& line = lines[k];
        if (line.text.empty() || line.text[0] == '#') continue;
        if (isAliasLine(line.text)) {
            if (!reasons[k].empty()) log.skipped.push_back({line.number, reasons[k]});
            continue;
        }
        MatchLine match;
        const std::string reason = readMatchLine(line.text, encoding, log.aliases, match);
        if (reason.empty()) {
            match.line_number = line.number;
            // The result follows the date and the seed, each with its TAB.
            match.result_offset = line.text.find('\t', line.text.find('\t') + 1) + 1 + line.start;
            log.matches.push_back(std::move(match));
        } else {
            log.skipped.push_back({line.number, reason});
        }
    }
    return log;
}

std::string formatMatchLine(const MatchLine& match) {
    char head[64];
    std::snprintf(head, sizeof head, "%04d-%02d-%02d %02d:%02d\t%ld\t%c", match.when.year, match.when.month,
                  match.when.day, match.when.hour, match.when.minute, static_cast<long>(match.seed), match.result);
    std::string line = head;
    for (const ResultPlayer& player : match.players) {
        std::string team = std::to_string(player.team);
        if (!player.civ.empty()) team += ' ' + player.civ;
        line += '\t' + withoutLineBreaks(player.name) + '\t' + withoutLineBreaks(team) + '\t' +
                std::to_string(player.rating);
        if (player.unrated) line += '?';
    }
    return line;
}

bool isResultChar(char result) { return (result >= '0' && result <= '4') || result == '-'; }

bool lineHasTeam(const MatchLine& match, int team) {
    for (const ResultPlayer& player : match.players) {
        if (player.team == team) return true;
    }
    return false;
}
