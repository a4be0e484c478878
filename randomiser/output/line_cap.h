#pragma once
#include <cstddef>
#include <string>
#include <vector>

// Chats cut long lines (65 characters in some games' match chats, 254 in
// lobbies), so "line_cap N" types no line longer than N characters.

// The line as pieces of at most cap characters each (all of it when it fits,
// or when cap is 0; a longer line first loses the blanks at its end). A
// piece ends at the last separator that fits: " | ", then ", ", then a
// blank; the separator's own blanks at the cut are not typed. Without any,
// the line is cut where the cap falls, but never inside a character: a
// surrogate pair, a character and the combining marks after it, and
// characters joined by a zero-width joiner stay whole. Every piece after the
// first starts with the line's prefix: "T1+ " for a team's line ("T1 ...",
// "T1: ..." or "T1+ ..."), else "+ ".
std::vector<std::wstring> cappedLine(const std::wstring& line, size_t cap);

// The prefix the pieces after the first of the line start with.
std::wstring continuationPrefix(const std::wstring& line);
