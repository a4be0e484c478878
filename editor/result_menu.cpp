#include "editor/result_menu.h"

std::vector<ResultMenuRow> resultMenuRows(const LastMatch& last) {
    std::vector<ResultMenuRow> rows;
    for (int team = 1; team <= kMaxTeams; ++team) {
        if (!last.has_team[team - 1]) continue;
        const char result = static_cast<char>('0' + team);
        rows.push_back({result, L"Team " + std::to_wstring(team) + L" won", last.found && last.result == result});
    }
    rows.push_back({'0', L"Not rated", last.found && last.result == '0'});
    rows.push_back({'-', L"Undo last result", false});
    return rows;
}

void recordResultFromMenu(EditorPort& port, char result) {
    const ResultNote note = recordResult(result);
    if (note.recorded) {
        port.showNote(note.text.c_str());
    } else {
        port.showErrorBox(note.text.c_str());
    }
}
