#include "editor/hotkey_rest.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Plays the events on the rest of an editor that starts with the randomiser
// running or not (and no game in front): 'S' and 'E' the randomiser starts and ends, 'G' and 'L' a
// full-screen game comes to the front and leaves it, 'k' a hotkey (its
// command due at once), 'w' a look of the watch. The trace holds what the
// shell does: 'c' a command ran, 'h' the hook renewed, and the notes 'R'
// rest, 'A' awake, 'F' full screen.
std::string restTrace(const std::string& events, bool randomiserRuns = false) {
    HotkeyRest rest = restAtStart(randomiserRuns);
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

TEST(HotkeyRest, WhileTheRandomiserRunsTheHotkeysRestAndARunTheEditorSawBeginIsNotNotedAgain) {
    EXPECT_EQ(restTrace("kSwkkk"), "c") << "the randomiser's start balloon says it";
    EXPECT_EQ(restTrace("kSkwk"), "c") << "a hotkey before the watch saw the start";
    EXPECT_EQ(restTrace("SwkEwkSwkk"), "hAc") << "its end renews the hook and says so";
    EXPECT_EQ(restTrace("SwkEkw"), "chA") << "a hotkey before the watch saw the end runs";
    EXPECT_EQ(restTrace("SEw"), "") << "a run the watch never saw ends in silence";
    EXPECT_EQ(restTrace("kkwEwk", true), "RhAc") << "a run going on at the editor's start: its first hotkey says why";
}

TEST(HotkeyRest, AFullScreenGameInFrontRestsEachStretchOnce) {
    EXPECT_EQ(restTrace("Gkkk"), "F");
    EXPECT_EQ(restTrace("GkLkGkwGk"), "Fc") << "the watch must see the game leave before a new note";
    EXPECT_EQ(restTrace("GkLwkGk"), "FcF");
}

}  // namespace
