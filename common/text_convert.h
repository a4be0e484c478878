#pragma once
#include <cstddef>
#include <string>
#include <vector>

// Texts in memory are wide strings: UTF-16 where wchar_t has 16 bits
// (Windows), one code point per unit where it has 32 (Linux). Both forms are
// handled alike: a high surrogate followed by a low one is one character, so
// a character is one or two units on either platform.
//
// The files are 8-bit text. A file whose bytes are valid UTF-8 as a whole is
// read as UTF-8 (a byte order mark at its start is skipped); any other file
// is read one byte one character, which is how ASCII and Latin-1 files have
// always been read. Everything the programs write is UTF-8, so an ASCII text
// gives the same bytes as ever.

// The most units one character takes in a wide string.
constexpr size_t kMaxCharUnits = sizeof(wchar_t) == 2 ? 2 : 1;

// The units a fixed array needs for a text of chars characters and its
// terminator.
constexpr size_t unitsForChars(size_t chars) { return chars * kMaxCharUnits + 1; }

// How the bytes of a file text map to characters.
enum class TextEncoding {
    Utf8,   // the whole text is valid UTF-8
    Bytes,  // anything else: each byte is the character of its value (U+0000 to U+00FF)
};

// Utf8 when all size bytes are valid UTF-8 (shortest forms, no surrogates,
// nothing beyond U+10FFFF), Bytes otherwise.
TextEncoding detectEncoding(const char* bytes, size_t size);
// The same for a zero-terminated text (up to its first zero byte).
TextEncoding detectEncoding(const char* text);

// The characters of a whole file's bytes: the encoding is detected and, for
// UTF-8, a byte order mark at the start is skipped.
std::wstring readFileText(const std::string& fileBytes);

// The length of the UTF-8 byte order mark at the start of bytes: 3 or 0.
size_t byteOrderMarkLength(const std::string& bytes);

// Decodes bytes in the given encoding. A byte that starts no valid UTF-8
// sequence is read as the character of its value.
std::wstring decodeText(const std::string& bytes, TextEncoding encoding);

// Decodes the zero-terminated src into dst (capacity dstUnits, at least 1):
// at most maxChars characters, and only whole characters that fit in
// dstUnits - 1 units. Always terminates.
void decodeText(wchar_t* dst, size_t dstUnits, const char* src, TextEncoding encoding, size_t maxChars);

// The length in bytes of the character that starts at bytes[0] of a text of
// size bytes in the given encoding (1 for Bytes); at least 1 when size > 0.
size_t encodedCharLength(const char* bytes, size_t size, TextEncoding encoding);

// The text as UTF-8. A lone surrogate, which no UTF-8 can hold, becomes '?'.
std::string toUtf8(const std::wstring& text);

// The number of characters of text: a surrogate pair counts as one.
size_t charCount(const std::wstring& text);

// The number of units that the first maxChars characters of text take (all
// of text when it is shorter); never ends between the two units of a pair.
size_t unitsOfChars(const wchar_t* text, size_t maxChars);

// The first maxChars characters of text.
std::wstring firstChars(const std::wstring& text, size_t maxChars);

// The most UTF-16 units a tray balloon's text holds (its array, less the end):
// every note the programs show at their icons is fitted to it.
constexpr size_t kBalloonUnits = 255;

// The text as it fits maxUnits UTF-16 units (the room of a tray balloon, say):
// whole when it fits, else its first characters and "\u2026" (one unit) in
// maxUnits; never cut inside a character.
std::wstring fittedText(const std::wstring& text, size_t maxUnits);

// The lines one below the other (joined by line feeds) in maxUnits UTF-16
// units: as many whole lines as fit, and when some are left out a last line
// "\u2026" in their place. A first line too long on its own is fitted as
// fittedText does.
std::wstring fittedLines(const std::vector<std::wstring>& lines, size_t maxUnits);

// The same into a fixed array of dstBytes (at least 1), cut before a
// character whose bytes do not fit; always terminated.
void toUtf8(char* dst, size_t dstBytes, const wchar_t* text);
