#pragma once
#include <optional>
#include <string>

#include "editor/editor_shell.h"
#include "editor/editor_state.h"

// The element field's text when the window opens and after every entry.
extern const wchar_t* const kElementFieldDefault;

// The texts of the input window's two field labels in each mode.
struct ModeLabels {
    const wchar_t* first;
    const wchar_t* second;
};
ModeLabels labelsForMode(InputMode mode);

// The texts of the input window's three fields when "Enter Data" is pressed.
struct EntryFields {
    std::wstring field1;
    std::wstring field2;
    std::wstring element;
};

// What the window shows after the entry. The element field always goes back
// to kElementFieldDefault; a result label without a text keeps its old one.
struct EntryOutcome {
    std::optional<std::wstring> result1;
    std::optional<std::wstring> result2;
    bool emptyField1 = false;
    bool emptyField2 = false;
};

// "Enter Data" in the state's input mode: stores the names and ratings, the
// FMT groups or the player and team counts typed into the fields into
// PlayerData.txt (and, where the file took them, into memory), then refreshes
// the display. Some inputs end the entry early, silently or with a message
// in a result label; values stored before that stay stored.
EntryOutcome enterData(EditorState& state, EditorShell& shell, const EntryFields& fields);
