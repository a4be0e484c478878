#pragma once
#include <string>

#include "script/player_data_file.h"

// Recording the result of the last match in Results.txt, as the host asks for
// it from the editor's tray menu or the randomiser's word "result".

// What recording a result did, for the host to read.
struct ResultNote {
    bool recorded = false;  // false: refused, Results.txt is as it was
    std::wstring text;      // fits a tray balloon (kBalloonUnits)
};

// Sets the last match line's result to result ('1' .. '4': that team won,
// '0': not rated, '-': no result, which undoes the last one) and says what
// happened: "Team 2 won.", "Not rated." or "Result undone.", followed, when
// a rating moved, by a line for every player of the line with the rating
// before and after the change ("José 1850 → 1872"), the ratings replayed
// from the whole file; whole lines as the balloon holds, "…" for the rest. A result the line holds already is not
// written again. A change that cannot be made leaves the file as it was and says why.
ResultNote recordResult(char result);

// The last match line of Results.txt as the editor's menu offers it: whether
// there is one, its result and the teams its players are in.
struct LastMatch {
    bool found = false;
    char result = '-';
    bool has_team[kMaxTeams] = {};  // [team number - 1]
};

// Reads Results.txt; writes nothing, not even to debug.txt.
LastMatch readLastMatch();
