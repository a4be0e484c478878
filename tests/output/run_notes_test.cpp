#include "randomiser/output/run_notes.h"

#include <gtest/gtest.h>

#include "support/randomiser_builder.h"

namespace {

Randomiser runWith(void (*change)(OptionSet& options)) {
    Randomiser randomiser;
    changeOptions(randomiser, change);
    return randomiser;
}

TEST(RunNotes, TheStartNamesTheModeAndOnlyADrawingRunShowsTheDraw) {
    const Randomiser usual;
    const Randomiser repost = runWith([](OptionSet& options) { options.repost_only = 1; });
    const Randomiser validate = runWith([](OptionSet& options) { options.validate_only = 1; });
    EXPECT_EQ(startBalloonText(usual, RunFacts()), L"Sortilane.\nCross-Game Usage");
    EXPECT_EQ(startBalloonText(repost, RunFacts()),
              L"Sortilane: repost.\nCtrl+1 types the saved result (data.txt), Esc twice quits");
    EXPECT_EQ(startBalloonText(validate, RunFacts()), L"Sortilane: validate.\nFiles and words are fine");
    EXPECT_TRUE(showsDrawBalloon(usual));
    EXPECT_FALSE(showsDrawBalloon(repost));
    EXPECT_FALSE(showsDrawBalloon(validate));
}

TEST(RunNotes, EachNoteTheRunHasALineInTheTablesOrder) {
    Randomiser randomiser = runWith([](OptionSet& options) { options.open_chat = 1; });
    randomiser.history.skipped_lines = 2;
    RunFacts editorRuns;
    editorRuns.editor_runs = true;
    EXPECT_EQ(runNotes(randomiser, editorRuns),
              L"\nopen_chat: close the chat: Ctrl+1 opens it for each line"
              L"\nRostrix's hotkeys rest until Sortilane ends"
              L"\nResults.txt: 2 lines skipped (see debug.txt)");
    EXPECT_EQ(runNotes(Randomiser(), RunFacts()), L"") << "nothing to know";
    EXPECT_EQ(startBalloonText(randomiser, RunFacts()),
              L"Sortilane.\nCross-Game Usage\nopen_chat: close the chat: Ctrl+1 opens it for each line"
              L"\nResults.txt: 2 lines skipped (see debug.txt)")
        << "the editor does not run";
}

}  // namespace
