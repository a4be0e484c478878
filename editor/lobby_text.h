#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// How the editor reads the text a host pastes or types: tokens (names and
// numbers) and, for a lobby pasted whole, one player a line.

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

// The text from start to end without the blanks before it: what a token
// scanned there looked like before anything was dropped.
std::wstring tokenTextBetween(const wchar_t* text, size_t start, size_t end);

// What one line of a lobby holds.
enum class LobbyLineKind {
    Rated,       // a name and one rating (a number or a rating word)
    Unrated,     // a name without a rating, on a numbered line or as a single word
    Header,      // words without a rating: a title, a date, "Players:"
    NoName,      // a rating, or marks, without a name
    TwoRatings,  // more than one rating: which one is meant is not clear
    LongRating,  // a name and a number of more than 5 digits
};

struct LobbyLine {
    LobbyLineKind kind = LobbyLineKind::Header;
    std::wstring text;      // the line as pasted, without the blanks around it
    std::wstring name;      // at most 15 characters
    bool name_cut = false;  // the name had more and was cut
    int32_t rating = 0;     // Rated: the rating
};

// The lines of a text that hold more than blanks, each read as a lobby line:
//
//     Saturday Night 4v4 - Host: Kestrel      a header
//     1. [HOST] Kestrel_the_Great 1720 elo    Kestrel_the_Gre, 1720
//     2. Ana María 1600                       Ana_María, 1600
//     3) Vlad: 1810 (captain)                 Vlad, 1810
//     #4 Mo                                   Mo, unrated
//
// A line ends at LF, CR, VT, U+0085, U+2028 or U+2029. A list number first
// ("3.", "3)", "#3") is dropped, and so are tags in brackets ("[HOST]",
// "(sub)") anywhere in the line. The name is the words before the rating,
// joined with '_' (the words after it when there are none before), each
// word kept as nextClipboardToken keeps it, except that '-' and an
// apostrophe between two letters of a name stay: '-' as it is, the
// apostrophe as U+2019, since a quote cannot stand in the file's names. A
// name of more than 15 characters is cut to 15.
std::vector<LobbyLine> readLobbyLines(const wchar_t* text);

// A line that gives a player: Rated or Unrated.
bool isPlayerLine(const LobbyLine& line);

// Whether a text of these lines is a lobby, read one player a line: at
// least two of them give a player.
bool isLobby(const std::vector<LobbyLine>& lines);
