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

// What a field holds: player names, ratings or FMT groups.
enum class FieldKind { Names, Ratings, FmtGroups };
constexpr int kFieldKinds = 3;

const wchar_t* nounOf(FieldKind kind) {
    switch (kind) {
        case FieldKind::Ratings: return L"rating";
        case FieldKind::FmtGroups: return L"FMT group";
        case FieldKind::Names: break;
    }
    return L"name";
}

int32_t& sequenceIndexOf(EditorState& state, FieldKind kind) {
    switch (kind) {
        case FieldKind::Ratings: return state.ratingIndex;
        case FieldKind::FmtGroups: return state.fmtIndex;
        case FieldKind::Names: break;
    }
    return state.nameIndex;
}

// The player's value of that kind as memory holds it: as it read back from
// the file after the store.
std::wstring storedText(const EditorState& state, FieldKind kind, int index) {
    const PlayerRecord& player = state.players[index];
    switch (kind) {
        case FieldKind::Ratings: return std::to_wstring(player.rating);
        case FieldKind::FmtGroups: return std::to_wstring(player.fmtGroup);
        case FieldKind::Names: break;
    }
    return player.name;
}

// The value a token stands for (a name stands for itself); false with the
// reason when it stands for none.
bool valueOfToken(FieldKind kind, const std::wstring& token, int32_t& value, std::wstring& reason) {
    const std::wstring typed = quoted(token);
    switch (kind) {
        case FieldKind::Names:
            if (charCount(token) <= kNameChars) return true;
            reason = typed + L" is longer than 15 characters";
            return false;
        case FieldKind::Ratings:
            if (ratingOfToken(token, value)) return true;
            reason = typed + L" is not a rating: a number of up to 5 digits, or a rating word";
            return false;
        case FieldKind::FmtGroups:
            value = readLeadingInt(token.c_str());
            if (charCount(token) <= kMaxFmtChars) return true;
            reason = typed + L" is longer than 3 characters";
            return false;
    }
    return false;
}

// Stores a token's value for the player at index. True with shown set to the
// value as the file holds it now; false with the reason it was not stored.
bool storeValue(EditorState& state, FieldKind kind, const std::wstring& token, int32_t value, int index,
                std::wstring& shown, std::wstring& reason) {
    bool stored = false;
    switch (kind) {
        case FieldKind::Names: stored = storePlayerName(state, index, token.c_str()); break;
        case FieldKind::Ratings: stored = storePlayerRating(state, index, value); break;
        case FieldKind::FmtGroups: stored = storePlayerFmt(state, index, value); break;
    }
    if (index >= kPlayerSlots) {
        reason = kAllPlayersFilled;
        return false;
    }
    if (!stored) {
        reason = kUnwritten;
        return false;
    }
    shown = storedText(state, kind, index) + L" (player " + std::to_wstring(index + 1) + L")";
    return true;
}

// "Entered: <values>" for what was stored, then "Not stored: <reason>" for
// what was not.
std::wstring fieldLabel(const std::wstring& entered, const std::wstring& reason) {
    std::wstring label;
    if (!entered.empty()) label = L"Entered: " + entered;
    if (!reason.empty()) label += (label.empty() ? L"" : L"\n") + std::wstring(L"Not stored: ") + reason;
    return label;
}

// Takes one token of a field for the target player or the next in sequence;
// a target takes one value of each kind per entry. True with shown set to
// the value the file holds now; false with the reason it was not stored.
bool takeToken(EditorState& state, FieldKind kind, const std::wstring& token, int target,
               bool (&targetTaken)[kFieldKinds], int& index, std::wstring& shown, std::wstring& reason) {
    bool& taken = targetTaken[static_cast<int>(kind)];
    if (target != kNextInSequence && taken) {
        reason = quoted(token) + L": player " + std::to_wstring(target + 1) + L" takes one " + nounOf(kind);
        return false;
    }
    int32_t value = 0;
    if (!valueOfToken(kind, token, value, reason)) return false;
    index = target != kNextInSequence ? target : sequenceIndexOf(state, kind)++;
    if (!storeValue(state, kind, token, value, index, shown, reason)) return false;
    taken = true;
    return true;
}

// Stores the tokens of a field in turn, adding the players that took one to
// stored. The label shows the values stored and, when one was not, why; the
// field is emptied when all of it was stored. False when a value that was
// not stored ends the whole entry; a token that keeps nothing only ends the
// field.
bool enterField(EditorState& state, const std::wstring& field, FieldKind kind, int target,
                bool (&targetTaken)[kFieldKinds], std::vector<int>& stored, std::wstring& label, bool& emptied) {
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
        if (!takeToken(state, kind, token, target, targetTaken, index, shown, reason)) {
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

// Players named without a rating are given the mean rating of the other
// rated players in play (the file's default rating when there are none) and
// marked unrated, as a lobby pasted without their ratings would. A rating of
// 0 is left out of the mean: it is what a new lobby's placeholders hold. The
// label says so.
void rateNamedPlayers(EditorState& state, const std::vector<int>& named, std::wstring& label) {
    int64_t total = 0;
    int rated = 0;
    for (int i = 0; i < state.playerCount && i < kPlayerSlots; ++i) {
        const PlayerRecord& player = state.players[i];
        if (player.unrated || player.rating <= 0 || std::find(named.begin(), named.end(), i) != named.end()) continue;
        total += player.rating;
        ++rated;
    }
    const int32_t rating = meanRating(total, rated, defaultRating(*state.script));
    std::wstring given;
    for (int index : named) {
        if (!storeUnratedPlayer(state, index, rating)) {
            label = std::wstring(L"Not stored: ") + kUnwritten;
            return;
        }
        state.ratingIndex = std::max(state.ratingIndex, index + 1);
        given += (given.empty() ? L"" : L", ") + std::to_wstring(index + 1);
    }
    if (!given.empty())
        label = L"Unrated, given the " + std::wstring(rated > 0 ? L"mean " : L"default ") + std::to_wstring(rating) +
                L" (player " + given + L")";
}

// The leading digits of the field's first token as a number; false when the
// field holds no token.
bool firstNumber(const std::wstring& field, int32_t& number) {
    size_t position = 0;
    std::wstring token;
    TokenKind kind = TokenKind::None;
    if (!nextClipboardToken(field.c_str(), position, token, kind)) return false;
    number = readLeadingInt(token.c_str());
    return true;
}

struct CountLimits {
    int32_t low;
    int32_t high;
    const wchar_t* invalidText;  // follows the value in the message
};

const CountLimits kPlayerLimits = {kMinPlayers, kPlayerSlots, L" - Player min/max - 2/8"};
const CountLimits kTeamLimits = {kMinTeams, kMaxTeams, L" - Team min/max - 2/4"};

enum class CountField { Empty, NoNumber, Accepted, Refused };

// Reads one counts field. A field without a number, or with one out of its
// limits, shows why in its label and is emptied.
CountField readCount(const std::wstring& field, const CountLimits& limits, int32_t& count, std::wstring& label,
                     bool& emptied) {
    if (field.empty()) return CountField::Empty;
    emptied = true;
    if (!firstNumber(field, count)) {
        label = L"Not stored: " + quoted(field) + L" is not a number";
        return CountField::NoNumber;
    }
    if (count >= limits.low && count <= limits.high) {
        emptied = false;
        return CountField::Accepted;
    }
    label = L"INVALID INPUT: " + std::to_wstring(count) + limits.invalidText;
    return CountField::Refused;
}

// Stores a count unless the file holds it already; the label then shows the
// count the file holds.
std::wstring storeCount(EditorState& state, const char* key, int32_t count, bool (*store)(EditorState&, int32_t),
                        const wchar_t* unit) {
    if (state.script->getInt(key, 0) != count && !store(state, count))
        return std::wstring(L"Not stored: ") + kUnwritten;
    return L"Entered: " + std::to_wstring(state.script->getInt(key, 0)) + unit;
}

// Counts mode. The new counts must divide evenly, the count not entered
// taken from memory.
void enterCounts(EditorState& state, const EntryFields& fields, EntryOutcome& outcome) {
    int32_t players = state.playerCount;
    int32_t teams = state.teamCount;
    const CountField playerField =
        readCount(fields.field1, kPlayerLimits, players, outcome.result1, outcome.emptyField1);
    if (playerField == CountField::Refused) {
        outcome.result2 = notStored(fields.field2, kStoppedAbove);
        return;
    }
    const CountField teamField = readCount(fields.field2, kTeamLimits, teams, outcome.result2, outcome.emptyField2);
    if (teamField == CountField::Refused) {
        if (playerField == CountField::Accepted) outcome.result1 = notStored(fields.field1, kStoppedBelow);
        return;
    }
    if (playerField != CountField::Accepted && teamField != CountField::Accepted) return;

    if (players % teams == 0) {
        outcome.result1 = storeCount(state, kPlayerNumKey, players, storePlayerCount, L" Players");
        outcome.result2 = storeCount(state, kTeamNumKey, teams, storeTeamCount, L" Teams");
    } else {
        const std::wstring reason = L" - Player count Required to be\nevenly divisable by teams";
        outcome.result1 = L"INVALID ENTRY: " + std::to_wstring(players) + reason;
        outcome.result2 = L"INVALID ENTRY: " + std::to_wstring(teams) + reason;
    }
    outcome.emptyField1 = true;
    outcome.emptyField2 = true;
}

}  // namespace

ModeLabels labelsForMode(InputMode mode) {
    switch (mode) {
        case InputMode::Counts: return {L"Number Of Players:", L"Number Of Teams:"};
        case InputMode::Fmt: return {L"Player's FMT:", L"Player's FMT:"};
        case InputMode::NameAndRating: break;
    }
    return {L"Player's Name:", L"Player's Rate:"};
}

EntryOutcome enterData(EditorState& state, EditorPort& port, const EntryFields& fields) {
    EntryOutcome outcome;
    if (!loadPlayerDataForStore(state)) {
        outcome.result1 = notStored(fields.field1, kUnreadable);
        outcome.result2 = notStored(fields.field2, kUnreadable);
        return outcome;
    }
    if (state.inputMode == InputMode::Counts) {
        enterCounts(state, fields, outcome);
        refreshDisplay(state, port);
        return outcome;
    }
    int target = kNextInSequence;
    if (!readTarget(fields.element, state.playerCount, target)) {
        const std::wstring reason = L"element " + quoted(fields.element) + L" is not a player: 1 to " +
                                    std::to_wstring(state.playerCount) + L", or -1 for the next";
        outcome.result1 = notStored(fields.field1, reason);
        outcome.result2 = notStored(fields.field2, reason);
        return outcome;
    }
    const bool fmtMode = state.inputMode == InputMode::Fmt;
    bool targetTaken[kFieldKinds] = {};
    std::vector<int> stored;
    if (fields.field1.empty() || enterField(state, fields.field1, fmtMode ? FieldKind::FmtGroups : FieldKind::Names,
                                            target, targetTaken, stored, outcome.result1, outcome.emptyField1)) {
        if (!fields.field2.empty())
            enterField(state, fields.field2, fmtMode ? FieldKind::FmtGroups : FieldKind::Ratings, target, targetTaken,
                       stored, outcome.result2, outcome.emptyField2);
        else if (!fmtMode)
            rateNamedPlayers(state, stored, outcome.result2);
    } else {
        outcome.result2 = notStored(fields.field2, kStoppedAbove);
    }
    refreshDisplay(state, port);
    return outcome;
}
