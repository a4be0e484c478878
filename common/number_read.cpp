#include "common/number_read.h"

#include <limits>

namespace {

template <typename Char>
int32_t readLeadingIntOf(const Char* text) {
    const Char* p = text;
    while (isRuntimeBlank(*p)) ++p;
    bool negative = false;
    if (*p == '-' || *p == '+') {
        negative = (*p == '-');
        ++p;
    }
    // Accumulate as a magnitude that saturates just past the 32-bit range.
    const int64_t limit = static_cast<int64_t>(std::numeric_limits<int32_t>::max()) + 1;
    int64_t magnitude = 0;
    while (*p >= '0' && *p <= '9') {
        magnitude = magnitude * 10 + (*p - '0');
        if (magnitude > limit) magnitude = limit;
        ++p;
    }
    if (negative) return static_cast<int32_t>(-magnitude);  // -2^31 fits exactly
    if (magnitude >= limit) return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(magnitude);
}

}  // namespace

int32_t readLeadingInt(const char* text) { return readLeadingIntOf(text); }
int32_t readLeadingInt(const wchar_t* text) { return readLeadingIntOf(text); }
