#pragma once
#include <cstdint>
#include <string>

// The rating words a host may give instead of a number, in the input window
// and in a lobby pasted line by line: noob or nb 1300, rook or rk 1450,
// inter or nt 1600, expert or xp 1750, extreme or xt 1900, in any mix of
// upper and lower case. True with the rating when token is one of them.
bool ratingOfWord(const std::wstring& token, int32_t& rating);
