#pragma once
#include <string>
#include <vector>

#include "editor/editor_port.h"
#include "ratings/result_record.h"

// The rows of the editor's tray menu that record the last match's result.

struct ResultMenuRow {
    char result;        // what the row records: '1' .. '4', '0' or '-'
    std::wstring text;  // "Team 2 won", "Not rated", "Undo last result"
    bool checked;       // the last match holds this result
};

// "Team N won" for each team the last match line has, in team order, then
// "Not rated" and "Undo last result"; the row of the result the line holds
// is checked.
std::vector<ResultMenuRow> resultMenuRows(const LastMatch& last);

// Records the result in Results.txt and shows what happened as a note, or
// why nothing changed in the error box.
void recordResultFromMenu(EditorPort& port, char result);
