#pragma once
#include <cstddef>

// Copies at most capacity - 1 units of the zero-terminated src into dst and
// always terminates dst. Every fixed-size text buffer is filled through these.
template <typename Char>
void boundedCopy(Char* dst, size_t capacity, const Char* src) {
    if (capacity == 0) return;
    size_t i = 0;
    for (; i + 1 < capacity && src[i] != 0; ++i) dst[i] = src[i];
    dst[i] = 0;
}

template <typename Char, size_t N>
void boundedCopy(Char (&dst)[N], const Char* src) {
    boundedCopy(dst, N, src);
}
