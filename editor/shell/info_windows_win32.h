#pragma once
// The editor's tooltip and credits windows.

void openTooltips();

// The credits window; the live display hides behind it.
void openCredits();
