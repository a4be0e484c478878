#pragma once
#include <cstdint>

// The one process-wide random generator. It reproduces the Windows C runtime's
// srand/rand exactly, so a seed gives the same draws on Windows, under Wine and
// in the native tools and tests. Never use the platform's own rand/srand.
void crtSrand(uint32_t seed);

// 0..32767, the next value of the runtime's linear congruential sequence.
int crtRand();

// The generator's state now: crtSrand(crtState()) later goes on with the same
// values from here.
uint32_t crtState();
