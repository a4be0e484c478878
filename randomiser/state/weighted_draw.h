#pragma once
#include <cstdint>
#include <vector>

#include "common/crt_random.h"

// Sum of the ratios of a map or rule table, wide enough never to overflow.
template <typename Record>
int64_t ratioTotal(const std::vector<Record>& table) {
    int64_t total = 0;
    for (const Record& record : table) total += record.ratio;
    return total;
}

// Draws one record by its ratio: r = rand() % total, and the first record
// whose running sum of ratios exceeds r is chosen. Returns its index, or -1
// without drawing when the total is not a positive 32-bit value.
template <typename Record>
int weightedDraw(const std::vector<Record>& table) {
    int64_t total = ratioTotal(table);
    if (total <= 0 || total > INT32_MAX) return -1;
    int64_t r = crtRand() % total;
    int64_t running = 0;
    for (size_t i = 0; i < table.size(); ++i) {
        running += table[i].ratio;
        if (running > r) return static_cast<int>(i);
    }
    return -1;  // unreachable with non-negative ratios
}
