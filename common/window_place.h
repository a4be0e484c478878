#pragma once
#include "common/dpi_scale.h"

// Where a window goes on the screen: centred in the work area (the screen
// less the taskbar), and wholly inside it.

// The window's box for a window of that size: no wider or taller than the
// area, centred in it (an odd pixel left over goes right and below).
PixelBox placeInWorkArea(int width, int height, const PixelBox& area);
