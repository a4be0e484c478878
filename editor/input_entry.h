#pragma once
#include <string>

#include "editor/editor_port.h"
#include "editor/editor_state.h"

// The element field's text when the window opens and after every entry.
extern const wchar_t* const kElementFieldDefault;

// The texts of the input window's field labels in each mode: two fields in
// every mode, and in the FMT mode two more below them (null in the others)
// for the team pin and the apart group.
struct ModeLabels {
    const wchar_t* first;
    const wchar_t* second;
    const wchar_t* pin;
    const wchar_t* apart;
};
ModeLabels labelsForMode(InputMode mode);

// The texts of the input window's three fields when "Enter Data" is pressed.
struct EntryFields {
    std::wstring field1;
    std::wstring field2;
    std::wstring element;
    std::wstring pin;    // the FMT mode's team pin field
    std::wstring apart;  // the FMT mode's apart group field
};

// What the window shows after the entry: the new texts of the two result
// labels (an empty text clears a label; no label keeps the text of an
// earlier entry) and which fields to empty. The element field always goes
// back to kElementFieldDefault. A label says "Entered: ..." only for values
// as they read back from PlayerData.txt, and "Not stored: <reason>" for
// what the file did not take.
struct EntryOutcome {
    std::wstring result1;
    std::wstring result2;
    bool empty_field1 = false;
    bool empty_field2 = false;
    std::wstring result_pin;  // the labels and emptying of the FMT mode's pin and apart fields
    std::wstring result_apart;
    bool empty_pin = false;
    bool empty_apart = false;
};

// "Enter Data" in the state's input mode: stores the names and ratings, the
// FMT groups with the team pins (0 to 4) and apart groups (0 to 9999), or
// the player and team counts typed into the fields, in that order, into
// PlayerData.txt (and, where the file took them, into memory), then
// refreshes the display. The element field names the player (1 to the
// player count) or, empty or -1, the next players in sequence; anything else
// is refused and nothing is stored. A value that cannot be stored ends the
// entry; values stored before it stay stored. Names entered with the rating
// field empty get the rating resultsText (the text of Results.txt) has
// learned for them, or, when it does not know them, the mean, marked unrated.
EntryOutcome enterData(EditorState& state, EditorPort& port, const EntryFields& fields,
                       const std::string& resultsText = std::string());
