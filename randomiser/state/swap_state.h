#pragma once
#include <cstdint>

constexpr int kMaxSwaps = 8;  // more than enough for eight players; each one is a cell of the report

// Two players the host swapped after the draw, by player index.
struct PlayerSwap {
    int first = -1;
    int second = -1;
};

// The host's swaps after the draw, in the order they were made, and the
// generator state the civilisations are drawn again from after each swap:
// the state that followed the team draw, so that the same seed, words and
// swaps always give the same report.
struct SwapState {
    uint32_t generator_after_teams = 0;
    PlayerSwap swaps[kMaxSwaps];
    int swap_count = 0;
};
