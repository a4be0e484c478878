#pragma once
#include <cstddef>
#include <string>

#include "editor/editor_port.h"
#include "editor/editor_state.h"

constexpr size_t kClipboardChars = 256;  // the capture reads at most this much of the clipboard
constexpr size_t kMaxRatingDigits = 5;

// Why a value for a ninth player is not stored.
extern const wchar_t* const kAllPlayersFilled;

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

// The text from start to end without the blanks before it: what a token
// scanned there looked like before anything was dropped.
std::wstring tokenTextBetween(const wchar_t* text, size_t start, size_t end);

// What one clipboard capture did, for the note the shell shows after it.
struct CaptureReport {
    bool loaded = false;  // PlayerData.txt could be read
    int names = 0;        // stored
    int ratings = 0;
    int passedOver = 0;      // names of more than 15 characters, ratings of more than 5 digits
    int pastLastPlayer = 0;  // values for a ninth player or later
    bool byLines = false;    // read line by line, one player a line
    int players = 0;         // line by line: players stored, from firstPlayer to lastPlayer (indexes)
    int firstPlayer = 0;
    int lastPlayer = 0;
    int linesPassedOver = 0;  // lines that were not a name with one rating
    int longNames = 0;        // player lines with a name of more than 15 characters
    int longRatings = 0;      // player lines with a rating of more than 5 digits
    int groupsCleared = 0;    // friend groups set to 0 in the slots that took a name
    int unwritten = 0;        // values the file did not take
    std::wstring stoppedAt;   // the token that kept nothing and ended the capture, if any
};

// The note of a capture: how many names and ratings (or, line by line, how
// many players) were taken and, when it applies, where the capture stopped,
// that the eight players are filled, what was passed over, how many friend
// groups were cleared and what the file did not take.
std::wstring captureNote(const CaptureReport& report);

// Ctrl+1: stores the names and ratings found in the clipboard text (null when
// the clipboard held no text; its first 256 characters are read) into the
// next players in sequence.
// A text of two lines or more that each hold a name and one rating (a
// number or a rating word), such as a lobby copied as "1. José 1850", is
// read line by line: one player a line, the line's other words joined with
// '_' as the name, a list number dropped; lines that are not a name with one
// rating are passed over. Any other text is read token by token: a name of
// at most 15 characters at nameIndex, a rating of at most 5 digits at
// ratingIndex; other tokens are passed over, and the first token that keeps
// nothing ends the capture.
// A slot that takes a name loses its friend group (set to 0). The display is
// refreshed after every token (line by line: after every player), and the
// capture's note is shown at the end; a clipboard without text shows the
// error box instead.
void captureClipboard(EditorState& state, EditorPort& port, const wchar_t* clipboardText);

// Ctrl+8: resets PlayerData.txt and, when that worked, the capture indexes.
bool runResetCommand(EditorState& state, EditorPort& port);
