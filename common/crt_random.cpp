#include "common/crt_random.h"

namespace {
uint32_t g_state = 1;  // the runtime starts as if srand(1) had been called
}

void crtSrand(uint32_t seed) { g_state = seed; }

int crtRand() {
    g_state = g_state * 214013u + 2531011u;  // unsigned: wraps mod 2^32
    return static_cast<int>((g_state >> 16) & 0x7FFF);
}

uint32_t crtState() { return g_state; }
