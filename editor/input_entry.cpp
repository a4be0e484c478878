#include "editor/input_entry.h"

#include "common/number_read.h"
#include "common/text_convert.h"
#include "editor/clipboard_capture.h"
#include "editor/player_data.h"

const wchar_t* const kElementFieldDefault = L"-1";

namespace {

const int kNextInSequence = -1;
const size_t kMaxFmtChars = 3;

struct RatingWord {
    const wchar_t* words[2];
    int32_t rating;
};

const RatingWord kRatingWords[] = {
    {{L"noob", L"nb"}, 1300}, {{L"rook", L"rk"}, 1450}, {{L"inter", L"nt"}, 1600},
    {{L"expert", L"xp"}, 1750}, {{L"extreme", L"xt"}, 1900},
};

// The player the element field names (1 to playerCount) as an index, or
// kNextInSequence for anything else.
int targetPlayer(const std::wstring& element, int32_t playerCount) {
    const int32_t number = readLeadingInt(element.c_str());
    return number >= 1 && number <= playerCount ? number - 1 : kNextInSequence;
}

// The index a value goes to: the target player, or the next one in sequence,
// whose index then counts on.
int takeIndex(int target, int32_t& sequenceIndex) { return target != kNextInSequence ? target : sequenceIndex++; }

bool ratingOfWord(const std::wstring& token, int32_t& rating) {
    std::wstring lower(token);
    for (wchar_t& c : lower) {
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    }
    for (const RatingWord& word : kRatingWords) {
        if (lower == word.words[0] || lower == word.words[1]) {
            rating = word.rating;
            return true;
        }
    }
    return false;
}

// A rating is a number, where one below 100 counts in hundreds (17 is 1700),
// or one of the rating words. False for anything else, which ends the entry.
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

// Each takes one token of a field and stores it for the target player; false
// ends the whole entry.
using TokenStore = bool (*)(EditorState& state, const std::wstring& token, int target);

bool storeNameToken(EditorState& state, const std::wstring& token, int target) {
    if (charCount(token) > kNameChars) return false;
    storePlayerName(state, takeIndex(target, state.nameIndex), token.c_str());
    return true;
}

bool storeRatingToken(EditorState& state, const std::wstring& token, int target) {
    int32_t rating = 0;
    if (!ratingOfToken(token, rating)) return false;
    storePlayerRating(state, takeIndex(target, state.ratingIndex), rating);
    return true;
}

bool storeFmtToken(EditorState& state, const std::wstring& token, int target) {
    if (charCount(token) > kMaxFmtChars) return false;
    storePlayerFmt(state, takeIndex(target, state.fmtIndex), readLeadingInt(token.c_str()));
    return true;
}

// Stores every token of a field. When all are taken the result label shows
// what was entered and the field is emptied; false when a token ended the
// entry.
bool enterTokens(EditorState& state, const std::wstring& field, int target, TokenStore store,
                 std::optional<std::wstring>& result, bool& emptied) {
    size_t position = 0;
    std::wstring token;
    TokenKind kind = TokenKind::None;
    while (nextClipboardToken(field.c_str(), position, token, kind)) {
        if (!store(state, token, target)) return false;
    }
    result = L"Entered: " + field;
    emptied = true;
    return true;
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

const CountLimits kPlayerLimits = {2, 8, L" - Player min/max - 2/8"};
const CountLimits kTeamLimits = {2, 4, L" - Team min/max - 2/4"};

enum class CountField { Empty, NoToken, Accepted, Refused };

// Reads one counts field. A field without a token shows what was entered; a
// value out of its limits shows the invalid-input message.
CountField readCount(const std::wstring& field, const CountLimits& limits, int32_t& count,
                     std::optional<std::wstring>& result, bool& emptied) {
    if (field.empty()) return CountField::Empty;
    if (!firstNumber(field, count)) {
        result = L"Entered: " + field;
        emptied = true;
        return CountField::NoToken;
    }
    if (count >= limits.low && count <= limits.high) return CountField::Accepted;
    result = L"INVALID INPUT: " + std::to_wstring(count) + limits.invalidText;
    emptied = true;
    return CountField::Refused;
}

// Counts mode. The new counts must divide evenly, the counts not entered
// taken from memory; only changed counts are stored.
void enterCounts(EditorState& state, EditorShell& shell, const EntryFields& fields, EntryOutcome& outcome) {
    int32_t players = state.playerCount;
    int32_t teams = state.teamCount;
    const CountField playerField = readCount(fields.field1, kPlayerLimits, players, outcome.result1,
                                             outcome.emptyField1);
    if (playerField == CountField::Refused) return;
    const CountField teamField = readCount(fields.field2, kTeamLimits, teams, outcome.result2, outcome.emptyField2);
    if (teamField == CountField::Refused) return;

    if (playerField == CountField::Accepted || teamField == CountField::Accepted) {
        if (players % teams == 0) {
            if (players != state.playerCount) storePlayerCount(state, players);
            if (teams != state.teamCount) storeTeamCount(state, teams);
            outcome.result1 = L"Entered: " + std::to_wstring(players) + L" Players";
            outcome.result2 = L"Entered: " + std::to_wstring(teams) + L" Teams";
        } else {
            const std::wstring reason = L" - Player count Required to be\nevenly divisable by teams";
            outcome.result1 = L"INVALID ENTRY: " + std::to_wstring(players) + reason;
            outcome.result2 = L"INVALID ENTRY: " + std::to_wstring(teams) + reason;
        }
        outcome.emptyField1 = true;
        outcome.emptyField2 = true;
    }
    refreshDisplay(state, shell);
}

}  // namespace

ModeLabels labelsForMode(InputMode mode) {
    switch (mode) {
        case InputMode::Counts:
            return {L"Number Of Players:", L"Number Of Teams:"};
        case InputMode::Fmt:
            return {L"Player's FMT:", L"Player's FMT:"};
        case InputMode::NameAndRating:
            break;
    }
    return {L"Player's Name:", L"Player's Rate:"};
}

EntryOutcome enterData(EditorState& state, EditorShell& shell, const EntryFields& fields) {
    EntryOutcome outcome;
    const int target = targetPlayer(fields.element, state.playerCount);
    if (!loadPlayerDataForStore(state)) return outcome;

    if (state.inputMode == InputMode::Counts) {
        enterCounts(state, shell, fields, outcome);
        return outcome;
    }
    const bool fmtMode = state.inputMode == InputMode::Fmt;
    const TokenStore first = fmtMode ? storeFmtToken : storeNameToken;
    const TokenStore second = fmtMode ? storeFmtToken : storeRatingToken;
    if (!fields.field1.empty() &&
        !enterTokens(state, fields.field1, target, first, outcome.result1, outcome.emptyField1))
        return outcome;
    if (!fields.field2.empty() &&
        !enterTokens(state, fields.field2, target, second, outcome.result2, outcome.emptyField2))
        return outcome;
    refreshDisplay(state, shell);
    return outcome;
}
