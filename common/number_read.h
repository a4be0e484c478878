#pragma once
#include <cstdint>

// The blanks the runtime's number reading skips: space, \t \n \v \f \r.
template <typename Char>
bool isRuntimeBlank(Char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Reads the leading integer of a text as the Windows runtime's atoi/_wtoi do:
// optional blanks (space, \t \n \v \f \r), an optional sign, then decimal
// digits up to the first other character. No digits gives 0; a value outside
// the 32-bit range is clamped to INT32_MAX or INT32_MIN.
int32_t readLeadingInt(const char* text);
int32_t readLeadingInt(const wchar_t* text);
