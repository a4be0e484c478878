#include "editor/clipboard_capture.h"

#include <cstring>

#include "common/bounded_copy.h"
#include "common/number_read.h"
#include "common/text_convert.h"
#include "editor/player_data.h"

namespace {

bool isClipboardBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\n' || c == L'\v' || c == L'\r'; }
bool isDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool isNameCharacter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || c == L'_'; }

}  // namespace

bool nextClipboardToken(const wchar_t* text, size_t& position, char (&token)[kTokenBytes], TokenKind& kind) {
    while (isClipboardBlank(text[position])) ++position;
    kind = TokenKind::None;
    size_t length = 0;
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
            // Characters beyond the buffer are dropped: such a token is far
            // too long for any use and is passed over anyway.
            if (length + 1 < kTokenBytes) token[length++] = wideToByte(c);
        }
        ++position;
    }
    token[length] = '\0';
    return length > 0;
}

void captureClipboard(EditorState& state, EditorShell& shell, const wchar_t* clipboardText) {
    if (clipboardText == nullptr) {
        shell.showErrorBox(L"Invalid data in Clipboard");
        return;
    }
    wchar_t text[kClipboardChars + 1];
    boundedCopy(text, clipboardText);
    if (!loadPlayerDataForStore(state)) return;

    size_t position = 0;
    char token[kTokenBytes];
    TokenKind kind = TokenKind::None;
    while (nextClipboardToken(text, position, token, kind)) {
        const size_t length = std::strlen(token);
        // The indexes count on even when a store fails, so a capture past
        // the eighth player stays refused until the reset.
        if (kind == TokenKind::Name && length <= kNameBytes) {
            storePlayerName(state, state.nameIndex, token);
            ++state.nameIndex;
        } else if (kind == TokenKind::Rating && length <= kMaxRatingDigits) {
            storePlayerRating(state, state.ratingIndex, readLeadingInt(token));
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
