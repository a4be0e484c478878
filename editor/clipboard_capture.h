#pragma once
#include <cstddef>
#include <string>

#include "editor/editor_shell.h"
#include "editor/editor_state.h"

constexpr size_t kClipboardChars = 256;  // the capture reads at most this much of the clipboard
constexpr size_t kMaxRatingDigits = 5;

enum class TokenKind { None, Name, Rating };

// Takes the next token of text from position on: blanks (space, tab, LF, VT,
// CR and the blanks beyond ASCII, such as the no-break space) are skipped,
// then characters are scanned up to the next blank or the end. Digits,
// letters are kept: A-Z, a-z, '_' and every character above U+007F, of any
// script (any letter makes the token a name, digits alone a rating). Markup
// from '<' to the next '>' is passed over, other ASCII characters are
// dropped. position ends where the scan stopped. False, with kind None, when
// nothing was kept.
bool nextClipboardToken(const wchar_t* text, size_t& position, std::wstring& token, TokenKind& kind);

// Ctrl+1: stores the names and ratings found in the clipboard text (null when
// the clipboard held no text; its first 256 characters are read) into the
// next players in sequence: a name of at most 15 characters at nameIndex, a
// rating of at most 5 digits at
// ratingIndex; other tokens are passed over. The first token that keeps
// nothing ends the capture. The display is refreshed after every token.
void captureClipboard(EditorState& state, EditorShell& shell, const wchar_t* clipboardText);

// Ctrl+8: resets PlayerData.txt and, when that worked, the capture indexes.
bool runResetCommand(EditorState& state, EditorShell& shell);
