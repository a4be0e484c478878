#pragma once
#include <cstddef>

#include "common/text_convert.h"

// The editor's conversions between its wide texts and the byte texts of the
// files: one byte per character each way, always terminated, cut to the room
// of the destination array.
template <size_t N>
void toNarrow(char (&bytes)[N], const wchar_t* wide) {
    wideToBytes(bytes, N, wide);
}

template <size_t N>
void toWide(wchar_t (&wide)[N], const char* bytes) {
    bytesToWide(wide, N, bytes);
}
