#include "editor/lobby_text.h"

#include "common/number_read.h"
#include "common/text_convert.h"
#include "editor/rating_words.h"
#include "script/player_data_file.h"

namespace {

// The blanks beyond ASCII: the space characters of Unicode (next line,
// no-break space, the typographic spaces, line and paragraph separators and
// the ideographic space).
bool isWideBlank(wchar_t c) {
    return c == 0x0085 || c == 0x00A0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 ||
           c == 0x202F || c == 0x205F || c == 0x3000;
}
bool isBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\n' || c == L'\v' || c == L'\r' || isWideBlank(c); }
bool isDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
// Every unit above U+007F that is no blank is a letter, so the two units of
// a surrogate pair are kept together.
bool isNameCharacter(wchar_t c) {
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || c == L'_' ||
           (static_cast<unsigned long>(c) > 0x7F && !isWideBlank(c));
}
bool isKept(wchar_t c) { return isDigit(c) || isNameCharacter(c); }

const wchar_t kApostrophe = 0x2019;

// The scan of nextClipboardToken; with innerMarks, a '-' or an apostrophe
// between two kept characters is kept too (the apostrophe as U+2019).
bool scanToken(const wchar_t* text, size_t& position, std::wstring& token, TokenKind& kind, bool innerMarks) {
    while (isBlank(text[position])) ++position;
    kind = TokenKind::None;
    token.clear();
    while (text[position] != L'\0' && !isBlank(text[position])) {
        const wchar_t c = text[position];
        if (c == L'<') {
            while (text[position] != L'\0' && text[position] != L'>') ++position;
            if (text[position] == L'>') ++position;
            continue;
        }
        if (isKept(c)) {
            if (isNameCharacter(c))
                kind = TokenKind::Name;
            else if (kind == TokenKind::None)
                kind = TokenKind::Rating;
            token.push_back(c);
        } else if (innerMarks && (c == L'-' || c == L'\'') && !token.empty() && isKept(text[position + 1])) {
            kind = TokenKind::Name;
            token.push_back(c == L'-' ? c : kApostrophe);
        }
        ++position;
    }
    return !token.empty();
}

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

// The line with every tag in brackets ("[HOST]", "(sub)") made a blank; a
// bracket that is not closed is left as it is.
std::wstring withoutTags(const std::wstring& line) {
    std::wstring result;
    for (size_t i = 0; i < line.size(); ++i) {
        const wchar_t close = line[i] == L'[' ? L']' : line[i] == L'(' ? L')' : L'\0';
        const size_t end = close != L'\0' ? line.find(close, i + 1) : std::wstring::npos;
        if (end == std::wstring::npos) {
            result.push_back(line[i]);
        } else {
            result.push_back(L' ');
            i = end;
        }
    }
    return result;
}

std::wstring trimmed(const std::wstring& line) {
    size_t first = 0;
    size_t end = line.size();
    while (first < end && isBlank(line[first])) ++first;
    while (end > first && isBlank(line[end - 1])) --end;
    return line.substr(first, end - first);
}

// A time or a date ("20:00", "12.05", "5/6"): digits, then ':', '.' or '/',
// then a digit. Neither a rating nor a part of a name.
bool isTimeOrDate(const std::wstring& typed) {
    for (size_t i = 1; i + 1 < typed.size(); ++i) {
        const wchar_t c = typed[i];
        if ((c == L':' || c == L'.' || c == L'/') && isDigit(typed[i - 1]) && isDigit(typed[i + 1])) return true;
    }
    return false;
}

// More words than a name has: a sentence of a post, not a player.
constexpr int kMostNameWords = 3;

void joinWord(std::wstring& name, const std::wstring& word) {
    if (!name.empty()) name += L'_';
    name += word;
}

LobbyLine readLobbyLine(const std::wstring& line) {
    LobbyLine result;
    result.text = trimmed(line);
    const std::wstring text = withoutTags(result.text);
    std::wstring before;  // the words before the first rating
    std::wstring after;   // the words after it
    int ratings = 0;
    int words = 0;
    int wordsBefore = 0;  // before the first rating
    bool numbered = false;
    bool ratingTooLong = false;
    std::wstring lastWordText;
    size_t position = 0;
    std::wstring token;
    TokenKind kind = TokenKind::None;
    for (bool first = true; text[position] != L'\0'; first = false) {
        const size_t start = position;
        if (!scanToken(text.c_str(), position, token, kind, true)) continue;
        const std::wstring typed = tokenTextBetween(text.c_str(), start, position);
        if (first && isListNumber(typed)) {
            numbered = true;
            continue;
        }
        if (isTimeOrDate(typed)) {
            ++words;
            if (ratings == 0) ++wordsBefore;
            continue;
        }
        int32_t wordRating = 0;
        if (kind == TokenKind::Rating || ratingOfWord(token, wordRating)) {
            if (++ratings == 1) {
                result.rating = kind == TokenKind::Rating ? readLeadingInt(token.c_str()) : wordRating;
                ratingTooLong = kind == TokenKind::Rating && token.size() > kMaxRatingDigits;
            }
            continue;
        }
        ++words;
        if (ratings == 0) ++wordsBefore;
        lastWordText = typed;
        joinWord(ratings == 0 ? before : after, token);
    }
    const std::wstring name = before.empty() ? after : before;
    result.name = firstChars(name, kMaxNameChars);
    result.name_cut = result.name.size() < name.size();
    if (wordsBefore > kMostNameWords)
        result.kind = LobbyLineKind::Header;
    else if (ratings > 1)
        result.kind = LobbyLineKind::TwoRatings;
    else if (name.empty())
        result.kind = LobbyLineKind::NoName;
    else if (ratings == 1)
        result.kind = ratingTooLong ? LobbyLineKind::LongRating : LobbyLineKind::Rated;
    else if (numbered || (words == 1 && lastWordText.back() != L':'))
        result.kind = LobbyLineKind::Unrated;  // "4. Mo", "Mo"; but "Players:" heads a list
    else
        result.kind = LobbyLineKind::Header;
    return result;
}

}  // namespace

bool nextClipboardToken(const wchar_t* text, size_t& position, std::wstring& token, TokenKind& kind) {
    return scanToken(text, position, token, kind, false);
}

std::wstring tokenTextBetween(const wchar_t* text, size_t start, size_t end) {
    while (start < end && isBlank(text[start])) ++start;
    return std::wstring(text + start, text + end);
}

std::vector<LobbyLine> readLobbyLines(const wchar_t* text) {
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
            if (!isBlank(c)) hasText = true;
        }
    }
}

bool isPlayerLine(const LobbyLine& line) {
    return line.kind == LobbyLineKind::Rated || line.kind == LobbyLineKind::Unrated;
}

bool isLobby(const std::vector<LobbyLine>& lines) {
    int players = 0;
    for (const LobbyLine& line : lines) {
        if (isPlayerLine(line)) ++players;
    }
    return players >= 2;
}
