#include "editor/clipboard_capture.h"

#include <algorithm>
#include <vector>

#include "common/number_read.h"
#include "common/text_convert.h"
#include "editor/player_data.h"
#include "editor/rating_words.h"

namespace {

// The blanks beyond ASCII: the space characters of Unicode (next line,
// no-break space, the typographic spaces, line and paragraph separators and
// the ideographic space).
bool isWideBlank(wchar_t c) {
    return c == 0x0085 || c == 0x00A0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 ||
           c == 0x202F || c == 0x205F || c == 0x3000;
}
bool isClipboardBlank(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\n' || c == L'\v' || c == L'\r' || isWideBlank(c);
}
bool isDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
// Every unit above U+007F that is no blank is a letter, so the two units of
// a surrogate pair are kept together.
bool isNameCharacter(wchar_t c) {
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || c == L'_' ||
           (static_cast<unsigned long>(c) > 0x7F && !isWideBlank(c));
}

}  // namespace

bool nextClipboardToken(const wchar_t* text, size_t& position, std::wstring& token, TokenKind& kind) {
    while (isClipboardBlank(text[position])) ++position;
    kind = TokenKind::None;
    token.clear();
    while (text[position] != L'\0' && !isClipboardBlank(text[position])) {
        const wchar_t c = text[position];
        if (c == L'<') {
            while (text[position] != L'\0' && text[position] != L'>') ++position;
            if (text[position] == L'>') ++position;
            continue;
        }
        if (isDigit(c) || isNameCharacter(c)) {
            if (isNameCharacter(c))
                kind = TokenKind::Name;
            else if (kind == TokenKind::None)
                kind = TokenKind::Rating;
            token.push_back(c);
        }
        ++position;
    }
    return !token.empty();
}

std::wstring tokenTextBetween(const wchar_t* text, size_t start, size_t end) {
    while (start < end && isClipboardBlank(text[start])) ++start;
    return std::wstring(text + start, text + end);
}

namespace {

// "1 name", "2 names".
std::wstring counted(int count, const wchar_t* noun) {
    return std::to_wstring(count) + L" " + noun + (count == 1 ? L"" : L"s");
}

// A token as the note quotes it: at most 20 characters.
std::wstring shortened(const std::wstring& text) {
    const size_t kMaxQuoted = 20;
    return charCount(text) <= kMaxQuoted ? text : firstChars(text, kMaxQuoted) + L"...";
}

// Counts a value stored (or not) at the sequence index as taken, past the
// last player or not taken, and moves the index on. It moves on even when
// the store failed, so a capture past the eighth player stays refused until
// the reset.
void captureValue(bool stored, int32_t& index, int& taken, CaptureReport& report) {
    if (index >= kPlayerSlots)
        ++report.pastLastPlayer;
    else if (stored)
        ++taken;
    else
        ++report.unwritten;
    ++index;
}

// A name captured into a slot makes it another player's, so the friend group
// the slot held is no longer his: it is set to 0, in the file and in memory.
// Called after the name was stored, with the file loaded again.
void clearFriendGroup(EditorState& state, int index, CaptureReport& report) {
    if (index < 0 || index >= kPlayerSlots || state.script->getInt(kPlayerFmtKey, index) == 0) return;
    if (storePlayerFmt(state, index, 0))
        ++report.groupsCleared;
    else
        ++report.unwritten;
}

// Stores the tokens of the text in turn until one keeps nothing.
void captureTokens(EditorState& state, EditorPort& port, const wchar_t* text, CaptureReport& report) {
    size_t position = 0;
    std::wstring token;
    TokenKind kind = TokenKind::None;
    for (;;) {
        const size_t start = position;
        if (!nextClipboardToken(text, position, token, kind)) {
            report.stoppedAt = tokenTextBetween(text, start, position);
            return;
        }
        if (kind == TokenKind::Name && charCount(token) <= kNameChars) {
            const bool stored = storePlayerName(state, state.nameIndex, token.c_str());
            if (stored) clearFriendGroup(state, state.nameIndex, report);
            captureValue(stored, state.nameIndex, report.names, report);
        } else if (kind == TokenKind::Rating && token.size() <= kMaxRatingDigits) {
            const bool stored = storePlayerRating(state, state.ratingIndex, readLeadingInt(token.c_str()));
            captureValue(stored, state.ratingIndex, report.ratings, report);
        } else {
            ++report.passedOver;
        }
        refreshDisplay(state, port);
    }
}

// A lobby pasted line by line, such as
//
//     Saturday Night 4v4 - Host: Kestrel
//     1. José 1850
//     2. Ana María 1600
//
// A line ends at a line feed, a carriage return, a vertical tab, a next line
// (U+0085) or a line or paragraph separator (U+2028, U+2029); so CR LF ends a
// line and leaves an empty one, and a line of blanks alone is ignored.
//
// A line is read token by token as nextClipboardToken reads the text, except
// that a token that keeps nothing (a dash, a lone colon) is only passed over.
// The first token of a line, when it reads "3.", "3)" or "#3", is a list
// number and is neither rating nor name. Every other token of digits alone
// is a rating (stored when it has at most 5 digits), and so is a rating word
// (nb, xp, ...). The other tokens are the words of the name, joined with '_'
// and kept as nextClipboardToken keeps them: letters of every script, digits
// and '_' ("Ana María" gives Ana_María).
//
// A line that holds a name and exactly one rating is a player's. The text is
// read line by line when at least two of its lines are players'; any other
// text, one line or many, is read token by token as ever, so "Alpha 1500
// Beta 1600" and a name and a rating on lines of their own work as before.
struct LobbyLine {
    std::wstring name;
    int ratings = 0;             // numbers and rating words
    int32_t rating = 0;          // the last of them
    bool ratingTooLong = false;  // the last of them was a number of more than 5 digits
};

bool isLineEnd(wchar_t c) {
    return c == L'\n' || c == L'\r' || c == L'\v' || c == 0x0085 || c == 0x2028 || c == 0x2029;
}

// "3.", "3)" or "#3": what a numbered list puts before each entry.
bool isListNumber(const std::wstring& text) {
    if (text.size() < 2) return false;
    const bool hashFirst = text[0] == L'#';
    if (!hashFirst && text.back() != L'.' && text.back() != L')') return false;
    const size_t digitsEnd = hashFirst ? text.size() : text.size() - 1;
    for (size_t i = hashFirst ? 1 : 0; i < digitsEnd; ++i) {
        if (!isDigit(text[i])) return false;
    }
    return true;
}

LobbyLine readLobbyLine(const std::wstring& line) {
    LobbyLine result;
    const wchar_t* text = line.c_str();
    size_t position = 0;
    std::wstring token;
    TokenKind kind = TokenKind::None;
    for (bool first = true; text[position] != L'\0'; first = false) {
        const size_t start = position;
        if (!nextClipboardToken(text, position, token, kind)) continue;
        if (first && isListNumber(tokenTextBetween(text, start, position))) continue;
        int32_t wordRating = 0;
        if (kind == TokenKind::Rating) {
            ++result.ratings;
            result.rating = readLeadingInt(token.c_str());
            result.ratingTooLong = token.size() > kMaxRatingDigits;
        } else if (ratingOfWord(token, wordRating)) {
            ++result.ratings;
            result.rating = wordRating;
            result.ratingTooLong = false;
        } else {
            if (!result.name.empty()) result.name += L'_';
            result.name += token;
        }
    }
    return result;
}

bool isPlayerLine(const LobbyLine& line) { return !line.name.empty() && line.ratings == 1; }

// The lines of the text that hold more than blanks, each read.
std::vector<LobbyLine> lobbyLinesOf(const wchar_t* text) {
    std::vector<LobbyLine> lines;
    std::wstring line;
    bool hasText = false;
    for (size_t i = 0;; ++i) {
        const wchar_t c = text[i];
        if (c == L'\0' || isLineEnd(c)) {
            if (hasText) lines.push_back(readLobbyLine(line));
            if (c == L'\0') return lines;
            line.clear();
            hasText = false;
        } else {
            line.push_back(c);
            if (!isClipboardBlank(c)) hasText = true;
        }
    }
}

// Whether the text is to be read line by line: two player lines or more.
bool isLobbyByLines(const std::vector<LobbyLine>& lines) {
    int players = 0;
    for (const LobbyLine& line : lines) {
        if (isPlayerLine(line)) ++players;
    }
    return players >= 2;
}

// Stores one player a line. A line's name and rating go to the same player,
// the first at the later of nameIndex and ratingIndex: where they differ
// (after a rating pasted alone, say) no value captured before is
// overwritten, and the player before keeps his half. Both indexes then stand
// after the last line stored. A line that is no player's, or whose name has
// more than 15 characters or rating more than 5 digits, is passed over and
// moves no index.
void captureLines(EditorState& state, EditorPort& port, const std::vector<LobbyLine>& lines, CaptureReport& report) {
    const int32_t start = std::max(state.nameIndex, state.ratingIndex);
    int32_t index = start;
    for (const LobbyLine& line : lines) {
        if (!isPlayerLine(line)) {
            ++report.linesPassedOver;
            continue;
        }
        if (charCount(line.name) > kNameChars) {
            ++report.longNames;
            continue;
        }
        if (line.ratingTooLong) {
            ++report.longRatings;
            continue;
        }
        const bool nameStored = storePlayerName(state, index, line.name.c_str());
        if (nameStored) clearFriendGroup(state, index, report);
        const bool ratingStored = storePlayerRating(state, index, line.rating);
        if (index >= kPlayerSlots) {
            ++report.pastLastPlayer;
        } else if (nameStored && ratingStored) {
            if (report.players == 0) report.firstPlayer = index;
            report.lastPlayer = index;
            ++report.players;
        } else {
            report.unwritten += (nameStored ? 0 : 1) + (ratingStored ? 0 : 1);
        }
        ++index;
        refreshDisplay(state, port);
    }
    if (index == start) return;
    state.nameIndex = index;
    state.ratingIndex = index;
}

// "1 line", "2 lines" and why they were passed over.
std::wstring linesPassedOver(int count, const wchar_t* reason) {
    return L"\npassed over " + counted(count, L"line") + L": " + reason;
}

// The first line of the note of a lobby read line by line, with the players
// that took its lines (counted from 1).
std::wstring linesTakenNote(const CaptureReport& report) {
    std::wstring note = L"Taken line by line: " + counted(report.players, L"player");
    const std::wstring first = std::to_wstring(report.firstPlayer + 1);
    if (report.players == 1) note += L" (player " + first + L")";
    if (report.players > 1) note += L" (players " + first + L" to " + std::to_wstring(report.lastPlayer + 1) + L")";
    return note;
}

}  // namespace

const wchar_t* const kAllPlayersFilled = L"all 8 players are filled; Ctrl+8 starts again at player 1";

std::wstring captureNote(const CaptureReport& report) {
    if (!report.loaded) return L"Nothing taken: PlayerData.txt could not be read (see debug.txt)";
    std::wstring note =
        report.byLines ? linesTakenNote(report)
                       : L"Taken: " + counted(report.names, L"name") + L" and " + counted(report.ratings, L"rating");
    if (!report.stoppedAt.empty()) note += L"\nstopped at '" + shortened(report.stoppedAt) + L"'";
    if (report.pastLastPlayer > 0) note += std::wstring(L"\n") + kAllPlayersFilled;
    if (report.passedOver > 0)
        note += L"\npassed over " + std::to_wstring(report.passedOver) +
                L": names of more than 15 characters, ratings of more than 5 digits";
    if (report.linesPassedOver > 0) note += linesPassedOver(report.linesPassedOver, L"not a name with 1 rating");
    if (report.longNames > 0) note += linesPassedOver(report.longNames, L"name of more than 15 characters");
    if (report.longRatings > 0) note += linesPassedOver(report.longRatings, L"rating of more than 5 digits");
    if (report.groupsCleared > 0) note += L"\nfriend groups cleared: " + std::to_wstring(report.groupsCleared);
    if (report.unwritten > 0)
        note += L"\nnot taken by PlayerData.txt: " + std::to_wstring(report.unwritten) + L" (see debug.txt)";
    return note;
}

void captureClipboard(EditorState& state, EditorPort& port, const wchar_t* clipboardText) {
    if (clipboardText == nullptr) {
        port.showErrorBox(L"Invalid data in Clipboard");
        return;
    }
    const std::wstring text = firstChars(clipboardText, kClipboardChars);
    CaptureReport report;
    report.loaded = loadPlayerDataForStore(state);
    if (report.loaded) {
        const std::vector<LobbyLine> lines = lobbyLinesOf(text.c_str());
        report.byLines = isLobbyByLines(lines);
        if (report.byLines)
            captureLines(state, port, lines, report);
        else
            captureTokens(state, port, text.c_str(), report);
    }
    port.showNote(captureNote(report).c_str());
}

bool runResetCommand(EditorState& state, EditorPort& port) {
    if (!resetPlayerData(state, port)) return false;
    state.nameIndex = 0;
    state.ratingIndex = 0;
    state.fmtIndex = 0;
    return true;
}
