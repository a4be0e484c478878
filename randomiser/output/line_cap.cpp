#include "randomiser/output/line_cap.h"

#include "common/text_convert.h"

namespace {

// Marks that belong to the character before them: combining marks, variation
// selectors and the zero-width joiner.
bool joinsThePrevious(wchar_t c) {
    return (c >= 0x0300 && c <= 0x036F) || (c >= 0x1AB0 && c <= 0x1AFF) || (c >= 0x1DC0 && c <= 0x1DFF) ||
           (c >= 0x20D0 && c <= 0x20FF) || (c >= 0xFE20 && c <= 0xFE2F) || (c >= 0xFE00 && c <= 0xFE0F) || c == 0x200D;
}
bool isLowSurrogateUnit(wchar_t c) { return sizeof(wchar_t) == 2 && c >= 0xDC00 && c <= 0xDFFF; }
bool isHighSurrogateUnit(wchar_t c) { return sizeof(wchar_t) == 2 && c >= 0xD800 && c <= 0xDBFF; }

// The units of text's first chars characters (a surrogate pair counts as
// one); a zero unit is a character like any other here, not the end.
size_t unitsOfFirst(const std::wstring& text, size_t chars) {
    size_t units = 0;
    for (size_t counted = 0; units < text.size() && counted < chars; ++counted) {
        const bool pair =
            isHighSurrogateUnit(text[units]) && units + 1 < text.size() && isLowSurrogateUnit(text[units + 1]);
        units += pair ? 2 : 1;
    }
    return units;
}

// Whether text may be cut before the unit at position: not inside a
// surrogate pair, not before a mark of the character before, not after a
// zero-width joiner.
bool isCutPoint(const std::wstring& text, size_t position) {
    if (position == 0 || position >= text.size()) return true;
    return !isLowSurrogateUnit(text[position]) && !joinsThePrevious(text[position]) && text[position - 1] != 0x200D;
}

// The cut that splits text, of which the first fit units may be taken: the
// end of the piece and the start of the rest. The last separator that fits
// comes first, then the last cut point.
void findCut(const std::wstring& text, size_t fit, size_t& pieceEnd, size_t& restStart) {
    const wchar_t* const separators[] = {L" | ", L", ", L" "};
    for (const wchar_t* separator : separators) {
        const std::wstring s = separator;
        const size_t kept = s.find_last_not_of(L' ') + 1;  // " |", ",", "": what the piece keeps of it
        for (size_t at = text.rfind(s, fit); at != std::wstring::npos && at > 0; at = text.rfind(s, at - 1)) {
            if (at + kept > fit) continue;
            pieceEnd = at + kept;
            restStart = at + s.size();
            while (restStart < text.size() && text[restStart] == L' ') ++restStart;
            if (pieceEnd > 0 && restStart < text.size()) return;
        }
    }
    pieceEnd = fit;
    while (pieceEnd > 1 && !isCutPoint(text, pieceEnd)) --pieceEnd;
    if (pieceEnd == 0) pieceEnd = 1;  // every piece takes something, so the cutting ends
    restStart = pieceEnd;
}

}  // namespace

// A team's line of the compact report starts with its team: "T1 1460: ..."
// with ratings, "T1: ..." without, and "T1+ ..." in a piece that a repost
// with a shorter cap cuts again.
std::wstring continuationPrefix(const std::wstring& line) {
    const bool teamLine = line.size() >= 3 && line[0] == L'T' && line[1] >= L'1' && line[1] <= L'9' &&
                          (line[2] == L' ' || line[2] == L':' || line[2] == L'+');
    if (teamLine) return line.substr(0, 2) + L"+ ";
    return L"+ ";
}

std::vector<std::wstring> cappedLine(const std::wstring& line, size_t cap) {
    if (cap == 0 || charCount(line) <= cap) return {line};
    // Blanks at the end show nothing: they are not worth a piece of their own.
    std::wstring rest = line.substr(0, line.find_last_not_of(L' ') + 1);
    if (charCount(rest) <= cap) return {rest};
    const std::wstring prefix = continuationPrefix(line);
    std::vector<std::wstring> pieces;
    for (bool first = true;; first = false) {
        const std::wstring lead = first ? L"" : prefix;
        const size_t room = cap - charCount(lead);
        if (charCount(rest) <= room) {
            pieces.push_back(lead + rest);
            return pieces;
        }
        size_t pieceEnd = 0;
        size_t restStart = 0;
        findCut(rest, unitsOfFirst(rest, room), pieceEnd, restStart);
        pieces.push_back(lead + rest.substr(0, pieceEnd));
        rest = rest.substr(restStart);
    }
}
