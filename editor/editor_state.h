#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>

#include "common/text_convert.h"
#include "ratings/learned_note.h"
#include "script/player_data_file.h"
#include "script/script.h"

constexpr size_t kNameChars = kMaxNameChars;  // the longest name, in characters
constexpr size_t kNameUnits = unitsForChars(kNameChars);

struct PlayerRecord {
    wchar_t name[kNameUnits];
    int32_t rating;
    int32_t fmt_group;
    int32_t team_pin;     // 0 for none, else the team he plays in
    int32_t apart_group;  // 0 for none, else the players of his number play in other teams
    bool unrated;         // the rating is a mean the editor gave him, not his own
    // What Results.txt taught of him, as the display last read it: his
    // learned rating and its change tonight are shown beside his own, and an
    // unrated player a match with a winner rated is no longer shown unrated.
    LearnedRating learned;
};

// What the input window enters, chosen by the hotkey that opens it.
enum class InputMode { NameAndRating, Fmt, Counts };

// Everything the editor keeps while it runs: its copy of PlayerData.txt, the
// script store it reads and writes the file through, the capture indexes and
// the input mode. The shell owns one and hands it to every operation.
struct EditorState {
    int32_t player_count = 0;
    int32_t team_count = 0;
    PlayerRecord players[kPlayerSlots] = {};
    std::unique_ptr<Script> script;

    // Next player whose name, rating or FMT group is filled in sequence.
    int32_t name_index = 0;
    int32_t rating_index = 0;
    int32_t fmt_index = 0;
    int32_t pin_index = 0;    // next player whose team pin is filled in sequence
    int32_t apart_index = 0;  // next player whose apart group is filled in sequence

    InputMode input_mode = InputMode::NameAndRating;
};
