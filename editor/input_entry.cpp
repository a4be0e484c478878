#include "editor/input_entry.h"

#include <algorithm>
#include <vector>

#include "common/number_read.h"
#include "common/text_convert.h"
#include "editor/lobby_text.h"
#include "editor/player_data.h"
#include "editor/rating_words.h"

const wchar_t* const kElementFieldDefault = L"-1";

namespace {

const int kNextInSequence = -1;
const size_t kMaxFmtChars = 3;

const wchar_t* const kUnreadable = L"PlayerData.txt could not be read (see debug.txt)";
const wchar_t* const kUnwritten = L"PlayerData.txt did not take it (see debug.txt)";
const wchar_t* const kStoppedAbove = L"the entry stopped at the field above";
const wchar_t* const kStoppedBelow = L"the entry stopped at the field below";

std::wstring quoted(const std::wstring& text) { return L"'" + text + L"'"; }

// The label of a field that was not stored: cleared when the field is empty.
std::wstring notStored(const std::wstring& field, const std::wstring& reason) {
    return field.empty() ? std::wstring() : L"Not stored: " + reason;
}

// The player the element field names, as an index, or kNextInSequence when
// it is empty or -1. False for anything else: a number outside 1 to
// playerCount or text.
bool readTarget(const std::wstring& element, int32_t playerCount, int& target) {
    const wchar_t* const blanks = L" \t\n\v\f\r";
    const size_t first = element.find_first_not_of(blanks);
    const std::wstring number =
        first == std::wstring::npos ? L"" : element.substr(first, element.find_last_not_of(blanks) - first + 1);
    if (number.empty() || number == kElementFieldDefault) {
        target = kNextInSequence;
        return true;
    }
    if (number.find_first_not_of(L"0123456789") != std::wstring::npos) return false;
    const int32_t value = readLeadingInt(number.c_str());
    if (value < 1 || value > playerCount) return false;
    target = value - 1;
    return true;
}

// A rating is a number, where one below 100 counts in hundreds (17 is 1700),
// or one of the rating words. False for anything else.
bool ratingOfToken(const std::wstring& token, int32_t& rating) {
    if (token[0] < L'0' || token[0] > L'9') return ratingOfWord(token, rating);
    const int32_t value = readLeadingInt(token.c_str());
    if (value < 100) {
        rating = value * 100;
        return true;
    }
    if (charCount(token) > kMaxRatingDigits) return false;
    rating = value;
    return true;
}

// A number of digits only, at most high; the value read when it is one.
bool digitsUpTo(const std::wstring& token, int32_t& value, int32_t high) {
    if (token.find_first_not_of(L"0123456789") != std::wstring::npos || charCount(token) > 4) return false;
    value = readLeadingInt(token.c_str());
    return value <= high;
}

// A count is the number its token begins with; true when it lies within
// low to high.
bool countWithin(const std::wstring& token, int32_t& count, int32_t low, int32_t high) {
    count = readLeadingInt(token.c_str());
    return count >= low && count <= high;
}

// A count is written only when the file holds another.
bool storeCountIfChanged(EditorState& state, const char* key, int32_t count, bool (*store)(EditorState&, int32_t)) {
    return state.script->getInt(key, 0) == count || store(state, count);
}

// The count the file holds under key.
std::wstring countInFile(const EditorState& state, const char* key) {
    return std::to_wstring(state.script->getInt(key, 0));
}

// The fields of the window that a row fills: the first, the second (the
// mode's first row fills it too when no row is for it), or the FMT mode's pin
// and apart fields.
enum class Field { First, Second, Pin, Apart };

// What differs between the fields of the input window, one row for each kind
// of field. The names, ratings, FMT groups, team pins and apart groups fields
// take one value a token, for the player the element field names or the next
// in sequence; the counts fields take the number their first token begins
// with.
struct FieldRow {
    InputMode mode;  // the mode that shows it
    Field field;
    const wchar_t* label;              // beside the field in the window
    const wchar_t* noun;               // one value of the field
    int32_t EditorState::*next_index;  // the next player in sequence (none for the counts)
    // Whether a token is a value of the field (a count: within its limits),
    // and which; refusal follows the quoted token (the count) when it is not.
    bool (*read_value)(const std::wstring& token, int32_t& value);
    const wchar_t* refusal;
    // Stores the value for the player at index (a count for the file), and
    // the value as the file holds it after that.
    bool (*store)(EditorState& state, int index, const std::wstring& token, int32_t value);
    std::wstring (*stored_text)(const EditorState& state, int index);
    bool rates_named_when_empty;  // left empty, it gives the players the other field named the mean rating
};

const FieldRow kFieldRows[] = {
    {InputMode::NameAndRating, Field::First, L"Player's Name:", L"name", &EditorState::name_index,
     [](const std::wstring& token, int32_t&) { return charCount(token) <= kNameChars; },
     L" is longer than 15 characters",
     [](EditorState& state, int index, const std::wstring& token, int32_t) {
         return storePlayerName(state, index, token.c_str());
     },
     [](const EditorState& state, int index) { return std::wstring(state.players[index].name); }, false},
    {InputMode::NameAndRating, Field::Second, L"Player's Rate:", L"rating", &EditorState::rating_index, ratingOfToken,
     L" is not a rating: a number of up to 5 digits, or a rating word",
     [](EditorState& state, int index, const std::wstring&, int32_t rating) {
         return storePlayerRating(state, index, rating);
     },
     [](const EditorState& state, int index) { return std::to_wstring(state.players[index].rating); }, true},
    {InputMode::Fmt, Field::First, L"Player's FMT:", L"FMT group", &EditorState::fmt_index,
     [](const std::wstring& token, int32_t& group) {
         group = readLeadingInt(token.c_str());
         return charCount(token) <= kMaxFmtChars;
     },
     L" is longer than 3 characters",
     [](EditorState& state, int index, const std::wstring&, int32_t group) {
         return storePlayerFmt(state, index, group);
     },
     [](const EditorState& state, int index) { return std::to_wstring(state.players[index].fmt_group); }, false},
    {InputMode::Fmt, Field::Pin, L"Team pin (0 none):", L"team pin", &EditorState::pin_index,
     [](const std::wstring& token, int32_t& pin) { return digitsUpTo(token, pin, kMaxTeamPin); },
     L" is not a team pin: 0 for none, or team 1 to 4",
     [](EditorState& state, int index, const std::wstring&, int32_t pin) {
         return storePlayerTeamPin(state, index, pin);
     },
     [](const EditorState& state, int index) { return std::to_wstring(state.players[index].team_pin); }, false},
    {InputMode::Fmt, Field::Apart, L"Apart group (0 none):", L"apart group", &EditorState::apart_index,
     [](const std::wstring& token, int32_t& group) { return digitsUpTo(token, group, kMaxApartGroup); },
     L" is not an apart group: 0 for none, or a number of up to 4 digits",
     [](EditorState& state, int index, const std::wstring&, int32_t group) {
         return storePlayerApartGroup(state, index, group);
     },
     [](const EditorState& state, int index) { return std::to_wstring(state.players[index].apart_group); }, false},
    {InputMode::Counts, Field::First, L"Number Of Players:", L"Players", nullptr,
     [](const std::wstring& token, int32_t& count) { return countWithin(token, count, kMinPlayers, kPlayerSlots); },
     L" - Player min/max - 2/8",
     [](EditorState& state, int, const std::wstring&, int32_t count) {
         return storeCountIfChanged(state, kPlayerNumKey, count, storePlayerCount);
     },
     [](const EditorState& state, int) { return countInFile(state, kPlayerNumKey); }, false},
    {InputMode::Counts, Field::Second, L"Number Of Teams:", L"Teams", nullptr,
     [](const std::wstring& token, int32_t& count) { return countWithin(token, count, kMinTeams, kMaxTeams); },
     L" - Team min/max - 2/4",
     [](EditorState& state, int, const std::wstring&, int32_t count) {
         return storeCountIfChanged(state, kTeamNumKey, count, storeTeamCount);
     },
     [](const EditorState& state, int) { return countInFile(state, kTeamNumKey); }, false},
};

// The rows of the two fields a mode shows.
struct ModeRows {
    const FieldRow* first = nullptr;
    const FieldRow* second = nullptr;
    const FieldRow* pin = nullptr;  // null outside the FMT mode
    const FieldRow* apart = nullptr;
};

ModeRows rowsOfMode(InputMode mode) {
    ModeRows rows;
    for (const FieldRow& row : kFieldRows) {
        if (row.mode != mode) continue;
        const FieldRow** place[] = {&rows.first, &rows.second, &rows.pin, &rows.apart};
        *place[static_cast<int>(row.field)] = &row;
    }
    if (rows.second == nullptr) rows.second = rows.first;
    return rows;
}

// "Entered: <values>" for what was stored, then "Not stored: <reason>" for
// what was not.
std::wstring fieldLabel(const std::wstring& entered, const std::wstring& reason) {
    std::wstring label;
    if (!entered.empty()) label = L"Entered: " + entered;
    if (!reason.empty()) label += (label.empty() ? L"" : L"\n") + std::wstring(L"Not stored: ") + reason;
    return label;
}

// The player the element field names and the rows whose value that player
// took in this entry: he takes one value of each kind. In the FMT mode both
// fields share a row.
struct Target {
    int player = kNextInSequence;
    std::vector<const FieldRow*> took;
};

// Takes one token of a field for the target player or the next in sequence.
// True with shown set to the value the file holds now; false with the reason
// it was not stored.
bool takeToken(EditorState& state, const FieldRow& row, const std::wstring& token, Target& target, int& index,
               std::wstring& shown, std::wstring& reason) {
    const bool given = target.player != kNextInSequence;
    if (given && std::find(target.took.begin(), target.took.end(), &row) != target.took.end()) {
        reason = quoted(token) + L": player " + std::to_wstring(target.player + 1) + L" takes one " + row.noun;
        return false;
    }
    int32_t value = 0;
    if (!row.read_value(token, value)) {
        reason = quoted(token) + row.refusal;
        return false;
    }
    index = given ? target.player : (state.*row.next_index)++;
    const bool stored = row.store(state, index, token, value);
    if (index >= kPlayerSlots || !stored) {
        reason = index >= kPlayerSlots ? kAllPlayersFilled : kUnwritten;
        return false;
    }
    shown = row.stored_text(state, index) + L" (player " + std::to_wstring(index + 1) + L")";
    if (given) target.took.push_back(&row);
    return true;
}

// Stores the tokens of a field in turn, adding the players that took one to
// stored. The label shows the values stored and, when one was not, why; the
// field is emptied when all of it was stored. False when a value that was
// not stored ends the whole entry; a token that keeps nothing only ends the
// field.
bool enterField(EditorState& state, const std::wstring& field, const FieldRow& row, Target& target,
                std::vector<int>& stored, std::wstring& label, bool& emptied) {
    std::wstring entered;
    std::wstring reason;
    bool endsEntry = false;
    std::wstring token;
    TokenKind tokenKind = TokenKind::None;
    for (size_t start = 0, position = 0;; start = position) {
        if (!nextClipboardToken(field.c_str(), position, token, tokenKind)) {
            const std::wstring rest = tokenTextBetween(field.c_str(), start, position);
            if (!rest.empty()) reason = L"stopped at " + quoted(rest);
            break;
        }
        std::wstring shown;
        int index = 0;
        if (!takeToken(state, row, token, target, index, shown, reason)) {
            endsEntry = true;
            break;
        }
        stored.push_back(index);
        entered += (entered.empty() ? L"" : L", ") + shown;
    }
    label = fieldLabel(entered, reason);
    emptied = reason.empty();
    return !endsEntry;
}

// Players named without a rating whom resultsText (the text of Results.txt)
// knows are given their learned rating, as their own. The others are given
// the mean rating of the other rated players in play (the file's default
// rating when there are none) and marked unrated, as a lobby pasted without
// their ratings would. A rating of 0 is left out of the mean: it is what a
// new lobby's placeholders hold. The label says so.
void rateNamedPlayers(EditorState& state, const std::vector<int>& named, const std::string& resultsText,
                      std::wstring& label) {
    int64_t total = 0;
    int rated = 0;
    for (int i = 0; i < state.player_count && i < kPlayerSlots; ++i) {
        const PlayerRecord& player = state.players[i];
        if (player.unrated || player.rating <= 0 || std::find(named.begin(), named.end(), i) != named.end()) continue;
        total += player.rating;
        ++rated;
    }
    const int32_t rating = meanRating(total, rated, defaultRating(*state.script));
    std::vector<std::string> names;
    for (int index : named) names.push_back(toUtf8(state.players[index].name));
    const std::vector<LearnedRating> learned = learnedRatings(resultsText, names);
    std::wstring fromHistory;
    std::wstring given;
    for (size_t k = 0; k < named.size(); ++k) {
        const int index = named[k];
        const bool known = learned[k].known;
        if (!(known ? storePlayerRating(state, index, learned[k].rating) : storeUnratedPlayer(state, index, rating))) {
            label = std::wstring(L"Not stored: ") + kUnwritten;
            return;
        }
        state.rating_index = std::max(state.rating_index, index + 1);
        const std::wstring player = std::to_wstring(index + 1);
        if (known)
            fromHistory +=
                (fromHistory.empty() ? L"" : L", ") + std::to_wstring(learned[k].rating) + L" (player " + player + L")";
        else
            given += (given.empty() ? L"" : L", ") + player;
    }
    std::wstring unrated;
    if (!given.empty())
        unrated = L"Unrated, given the " + std::wstring(rated > 0 ? L"mean " : L"default ") + std::to_wstring(rating) +
                  L" (player " + given + L")";
    if (!fromHistory.empty()) label = L"From the history: " + fromHistory + (unrated.empty() ? L"" : L"\n");
    label += unrated;
}

// The FMT mode's pin or apart field, entered while no field above ended the
// entry (goesOn, which a value it cannot store clears).
void enterLowerField(EditorState& state, const std::wstring& field, const FieldRow& row, Target& target, bool& goesOn,
                     std::wstring& label, bool& emptied) {
    if (field.empty()) return;
    if (!goesOn) {
        label = notStored(field, kStoppedAbove);
        return;
    }
    std::vector<int> stored;
    goesOn = enterField(state, field, row, target, stored, label, emptied);
}

enum class CountField { Empty, NoNumber, Accepted, Refused };

// Reads one counts field: the number its first token begins with. A field
// without a token, or with a number out of its limits, shows why in its
// label and is emptied.
CountField readCount(const std::wstring& field, const FieldRow& row, int32_t& count, std::wstring& label,
                     bool& emptied) {
    if (field.empty()) return CountField::Empty;
    emptied = true;
    size_t position = 0;
    std::wstring token;
    TokenKind kind = TokenKind::None;
    if (!nextClipboardToken(field.c_str(), position, token, kind)) {
        label = L"Not stored: " + quoted(field) + L" is not a number";
        return CountField::NoNumber;
    }
    if (row.read_value(token, count)) {
        emptied = false;
        return CountField::Accepted;
    }
    label = L"INVALID INPUT: " + std::to_wstring(count) + row.refusal;
    return CountField::Refused;
}

// Stores a count; the label then shows the count the file holds.
std::wstring storeCount(EditorState& state, const FieldRow& row, int32_t count) {
    if (!row.store(state, 0, std::wstring(), count)) return std::wstring(L"Not stored: ") + kUnwritten;
    return L"Entered: " + row.stored_text(state, 0) + L" " + row.noun;
}

// Counts mode. The new counts must divide evenly, the count not entered
// taken from memory.
void enterCounts(EditorState& state, const ModeRows& rows, const EntryFields& fields, EntryOutcome& outcome) {
    int32_t players = state.player_count;
    int32_t teams = state.team_count;
    const CountField playerField =
        readCount(fields.field1, *rows.first, players, outcome.result1, outcome.empty_field1);
    if (playerField == CountField::Refused) {
        outcome.result2 = notStored(fields.field2, kStoppedAbove);
        return;
    }
    const CountField teamField = readCount(fields.field2, *rows.second, teams, outcome.result2, outcome.empty_field2);
    if (teamField == CountField::Refused) {
        if (playerField == CountField::Accepted) outcome.result1 = notStored(fields.field1, kStoppedBelow);
        return;
    }
    if (playerField != CountField::Accepted && teamField != CountField::Accepted) return;

    if (players % teams == 0) {
        outcome.result1 = storeCount(state, *rows.first, players);
        outcome.result2 = storeCount(state, *rows.second, teams);
    } else {
        const std::wstring reason = L" - Player count Required to be\nevenly divisable by teams";
        outcome.result1 = L"INVALID ENTRY: " + std::to_wstring(players) + reason;
        outcome.result2 = L"INVALID ENTRY: " + std::to_wstring(teams) + reason;
    }
    outcome.empty_field1 = true;
    outcome.empty_field2 = true;
}

}  // namespace

ModeLabels labelsForMode(InputMode mode) {
    const ModeRows rows = rowsOfMode(mode);
    return {rows.first->label, rows.second->label, rows.pin != nullptr ? rows.pin->label : nullptr,
            rows.apart != nullptr ? rows.apart->label : nullptr};
}

EntryOutcome enterData(EditorState& state, EditorPort& port, const EntryFields& fields,
                       const std::string& resultsText) {
    EntryOutcome outcome;
    if (!loadPlayerDataForStore(state)) {
        outcome.result1 = notStored(fields.field1, kUnreadable);
        outcome.result2 = notStored(fields.field2, kUnreadable);
        return outcome;
    }
    const ModeRows rows = rowsOfMode(state.input_mode);
    if (state.input_mode == InputMode::Counts) {
        enterCounts(state, rows, fields, outcome);
        refreshDisplay(state, port);
        return outcome;
    }
    Target target;
    if (!readTarget(fields.element, state.player_count, target.player)) {
        const std::wstring reason = L"element " + quoted(fields.element) + L" is not a player: 1 to " +
                                    std::to_wstring(state.player_count) + L", or -1 for the next";
        outcome.result1 = notStored(fields.field1, reason);
        outcome.result2 = notStored(fields.field2, reason);
        return outcome;
    }
    std::vector<int> stored;
    bool goesOn = fields.field1.empty() ||
                  enterField(state, fields.field1, *rows.first, target, stored, outcome.result1, outcome.empty_field1);
    if (!goesOn) {
        outcome.result2 = notStored(fields.field2, kStoppedAbove);
    } else if (!fields.field2.empty()) {
        goesOn = enterField(state, fields.field2, *rows.second, target, stored, outcome.result2, outcome.empty_field2);
    } else if (rows.second->rates_named_when_empty) {
        rateNamedPlayers(state, stored, resultsText, outcome.result2);
    }
    if (rows.pin != nullptr) {
        enterLowerField(state, fields.pin, *rows.pin, target, goesOn, outcome.result_pin, outcome.empty_pin);
        enterLowerField(state, fields.apart, *rows.apart, target, goesOn, outcome.result_apart, outcome.empty_apart);
    }
    refreshDisplay(state, port);
    return outcome;
}
