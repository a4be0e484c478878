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

void captureClipboard(EditorState& state, EditorShell& shell, const wchar_t* clipboardText) {
    if (clipboardText == nullptr) {
        shell.showErrorBox(L"Invalid data in Clipboard");
        return;
    }
    const std::wstring text = firstChars(clipboardText, kClipboardChars);
    if (!loadPlayerDataForStore(state)) return;

    size_t position = 0;
    std::wstring token;
    TokenKind kind = TokenKind::None;
    while (nextClipboardToken(text.c_str(), position, token, kind)) {
        // The indexes count on even when a store fails, so a capture past
        // the eighth player stays refused until the reset.
        if (kind == TokenKind::Name && charCount(token) <= kNameChars) {
            storePlayerName(state, state.nameIndex, token.c_str());
            ++state.nameIndex;
        } else if (kind == TokenKind::Rating && token.size() <= kMaxRatingDigits) {
            storePlayerRating(state, state.ratingIndex, readLeadingInt(token.c_str()));
            ++state.ratingIndex;
        }
        refreshDisplay(state, shell);
    }
}

bool runResetCommand(EditorState& state, EditorShell& shell) {
    if (!resetPlayerData(state, shell)) return false;
    state.nameIndex = 0;
    state.ratingIndex = 0;
    state.fmtIndex = 0;
    return true;
}
