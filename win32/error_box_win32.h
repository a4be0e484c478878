#pragma once
#include <windows.h>

// The error box of a failure that ends the program: caption "Error", this
// run's debug lines and the hint "See debug.txt in <working folder>". The box
// is owned by owner or, when that is null (nothing is shown yet), by a hidden
// window made for it, and it is brought to the front with the focus, so the
// host sees it above the game or the console that started the program.
void showRunFailureBox(HWND owner);
