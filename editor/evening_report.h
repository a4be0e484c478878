#pragma once
#include <string>

#include "editor/editor_port.h"

// The tray menu's "Evening report": Evening.html written from Results.txt,
// then opened with the program the system has for .html.

// Writes Evening.html; when that fails, the error box says why and that
// the page from before is left as it was, and the result is false.
bool writeEveningReport(EditorPort& port);

// What the error box says when no program opened the page at the full path
// (which the shell has put on the clipboard).
std::wstring eveningOpenFailure(const std::wstring& path);
