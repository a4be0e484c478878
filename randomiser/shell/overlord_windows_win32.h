#pragma once
// The randomiser's secondary windows, one at a time, each in front with the
// focus; a window that cannot be made says why in the error box.

// The rule selection window, with the caret in its entry.
void openRuleSelection();

void openTooltips();
void openCredits();
