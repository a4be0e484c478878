#pragma once

// The tray menu's "Evening report": writes Evening.html and opens it with
// the program the system has for .html; when none opens it, a box gives the
// page's full path, which is also put on the clipboard.
void openEveningReport();
