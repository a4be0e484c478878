#pragma once
// The editor's input window and rule text window, secondary windows shown in
// front with the focus.
#include "editor/editor_state.h"

// The input window for the mode, with the caret in its first field.
void openInputWindow(InputMode mode);

// The rule text window; it stays shut when its background picture cannot be
// loaded.
void openRuleTextWindow();

// The caret in the input window's first field, when that window is open.
void focusFirstField();

// At shutdown: the brush of the rule text box.
void releaseRuleTextBackground();
