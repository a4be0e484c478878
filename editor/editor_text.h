#pragma once
#include <cstddef>

#include "common/text_convert.h"

// The editor's conversion of the file's byte texts into its wide texts: one
// byte per character, always terminated, cut to the room of the destination
// array.
template <size_t N>
void toWide(wchar_t (&wide)[N], const char* bytes) {
    bytesToWide(wide, N, bytes);
}
