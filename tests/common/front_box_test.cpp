#include <gtest/gtest.h>

#include "common/front_box.h"

TEST(FrontBox, EveryBoxIsTopmostAndTakesTheForeground) {
    for (BoxKind kind : {BoxKind::Error, BoxKind::Information}) {
        const FrontBoxPlan plan = planFrontBox(kind, L"Could not type", false, true, true, 255);
        EXPECT_EQ(plan.style & (kBoxTopmost | kBoxSetForeground), kBoxTopmost | kBoxSetForeground);
    }
}

TEST(FrontBox, ShownSecondaryWindowOwnsTheBoxElseMainElseMadeOne) {
    EXPECT_EQ(planFrontBox(BoxKind::Error, L"x", true, true, true, 255).owner, BoxOwner::OpenWindow);
    EXPECT_EQ(planFrontBox(BoxKind::Error, L"x", false, true, true, 255).owner, BoxOwner::MainWindow);
    EXPECT_EQ(planFrontBox(BoxKind::Error, L"x", false, false, false, 255).owner, BoxOwner::MadeWindow);
}

TEST(FrontBox, BalloonRepeatsTheFirstLineOnlyWithATrayIcon) {
    const std::wstring text = L"The report was typed but not saved.\nSee debug.txt";
    EXPECT_EQ(planFrontBox(BoxKind::Error, text, false, true, true, 255).balloon,
              L"The report was typed but not saved.");
    EXPECT_EQ(planFrontBox(BoxKind::Error, text, false, true, true, 11).balloon, L"The report\u2026");
    EXPECT_EQ(planFrontBox(BoxKind::Error, text, false, true, false, 255).balloon, L"");
}
