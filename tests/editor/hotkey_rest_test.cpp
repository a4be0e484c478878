#include "editor/hotkey_rest.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Plays the events on a fresh rest, with the randomiser and any game gone at
// the start: 'S' and 'E' the randomiser starts and ends, 'G' and 'L' a
// full-screen game comes to the front and leaves it, 'k' a hotkey (its
// command due at once), 'w' a look of the watch. The trace holds what the
// shell does: 'c' a command ran, 'h' the hook renewed, and the notes 'R'
// rest, 'A' awake, 'F' full screen.
std::string restTrace(const std::string& events) {
    HotkeyRest rest;
    bool randomiserRuns = false;
    bool gameInFront = false;
    std::string trace;
    const auto follow = [&trace](const RestStep& step) {
        if (step.renew_hook) trace += 'h';
        const std::wstring note = step.note != nullptr ? step.note : L"";
        if (note == kRestNote) trace += 'R';
        if (note == kAwakeNote) trace += 'A';
        if (note == kFullScreenNote) trace += 'F';
        return step.go_on;
    };
    for (char event : events) {
        if (event == 'S' || event == 'E') randomiserRuns = event == 'S';
        if (event == 'G' || event == 'L') gameInFront = event == 'G';
        if (event == 'w') follow(onRestWatch(rest, randomiserRuns, gameInFront));
        if (event == 'k' && follow(onEditorHotkey(rest, randomiserRuns)) && follow(onCommandDue(rest, gameInFront)))
            trace += 'c';
    }
    return trace;
}

TEST(HotkeyRest, WhileTheRandomiserRunsTheFirstHotkeySaysWhyOnce) {
    EXPECT_EQ(restTrace("kSwkkk"), "cR") << "one note in a run of the randomiser";
    EXPECT_EQ(restTrace("SwkEwkSwkk"), "RhAcR") << "its end renews the hook, and its next run notes anew";
    EXPECT_EQ(restTrace("SwkEkw"), "RchA") << "a hotkey before the watch saw the end runs";
    EXPECT_EQ(restTrace("SEw"), "") << "a run the watch never saw ends in silence";
}

TEST(HotkeyRest, AFullScreenGameInFrontRestsEachStretchOnce) {
    EXPECT_EQ(restTrace("Gkkk"), "F");
    EXPECT_EQ(restTrace("GkLkGkwGk"), "Fc") << "the watch must see the game leave before a new note";
    EXPECT_EQ(restTrace("GkLwkGk"), "FcF");
}

}  // namespace
