#include "editor/clipboard_capture.h"

#include "common/number_read.h"
#include "common/text_convert.h"
#include "editor/player_data.h"

namespace {

// The blanks beyond ASCII: the space characters of Unicode (next line,
// no-break space, the typographic spaces, line and paragraph separators and
// the ideographic space).
bool isWideBlank(wchar_t c) {
    return c == 0x0085 || c == 0x00A0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 ||
           c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
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
            if (isNameCharacter(c)) kind = TokenKind::Name;
            else if (kind == TokenKind::None) kind = TokenKind::Rating;
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
    if (index >= kPlayerSlots) ++report.pastLastPlayer;
    else if (stored) ++taken;
    else ++report.unwritten;
    ++index;
}

// A name captured into a slot makes it another player's, so the friend group
// the slot held is no longer his: it is set to 0, in the file and in memory.
// Called after the name was stored, with the file loaded again.
void clearFriendGroup(EditorState& state, int index, CaptureReport& report) {
    if (index < 0 || index >= kPlayerSlots || state.script->getInt(kPlayerFmtKey, index) == 0) return;
    if (storePlayerFmt(state, index, 0)) ++report.groupsCleared;
    else ++report.unwritten;
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

}  // namespace

const wchar_t* const kAllPlayersFilled = L"all 8 players are filled; Ctrl+8 starts again at player 1";

std::wstring captureNote(const CaptureReport& report) {
    if (!report.loaded) return L"Nothing taken: PlayerData.txt could not be read (see debug.txt)";
    std::wstring note = L"Taken: " + counted(report.names, L"name") + L" and " + counted(report.ratings, L"rating");
    if (!report.stoppedAt.empty()) note += L"\nstopped at '" + shortened(report.stoppedAt) + L"'";
    if (report.pastLastPlayer > 0) note += std::wstring(L"\n") + kAllPlayersFilled;
    if (report.passedOver > 0)
        note += L"\npassed over " + std::to_wstring(report.passedOver) +
                L": names of more than 15 characters, ratings of more than 5 digits";
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
    if (report.loaded) captureTokens(state, port, text.c_str(), report);
    port.showNote(captureNote(report).c_str());
}

bool runResetCommand(EditorState& state, EditorPort& port) {
    if (!resetPlayerData(state, port)) return false;
    state.nameIndex = 0;
    state.ratingIndex = 0;
    state.fmtIndex = 0;
    return true;
}
