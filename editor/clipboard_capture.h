#pragma once
#include <cstddef>

#include "editor/editor_shell.h"
#include "editor/editor_state.h"

constexpr size_t kClipboardChars = 256;  // the capture reads at most this much of the clipboard
constexpr size_t kTokenBytes = 256;
constexpr size_t kMaxRatingDigits = 5;

enum class TokenKind { None, Name, Rating };

// Takes the next token of text from position on: blanks (space, tab, LF, VT,
// CR) are skipped, then characters are scanned up to the next blank or the
// end. Digits and the letters A-Z, a-z and '_' are kept (any letter or '_'
// makes the token a name, digits alone a rating), markup from '<' to the
// next '>' is passed over, everything else is dropped. position ends where
// the scan stopped. False, with kind None, when nothing was kept.
bool nextClipboardToken(const wchar_t* text, size_t& position, char (&token)[kTokenBytes], TokenKind& kind);

// Ctrl+1: stores the names and ratings found in the clipboard text (null when
// the clipboard held no text) into the next players in sequence: a name of
// at most 15 characters at nameIndex, a rating of at most 5 digits at
// ratingIndex; other tokens are passed over. The first token that keeps
// nothing ends the capture. The display is refreshed after every token.
void captureClipboard(EditorState& state, EditorShell& shell, const wchar_t* clipboardText);

// Ctrl+8: resets PlayerData.txt and, when that worked, the capture indexes.
bool runResetCommand(EditorState& state, EditorShell& shell);
