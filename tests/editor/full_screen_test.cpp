#include "editor/full_screen.h"

#include <gtest/gtest.h>

TEST(FullScreen, AWindowCoversItsMonitorOnlyWhenItReachesEveryEdge) {
    const ScreenRect second = {1920, 0, 3200, 1024};  // a monitor right of a 1920-pixel one
    EXPECT_TRUE(coversMonitor({1920, 0, 3200, 1024}, second));
    EXPECT_TRUE(coversMonitor({1912, -8, 3208, 1032}, second)) << "borders off the screen";
    EXPECT_FALSE(coversMonitor({1920, 0, 3200, 984}, second)) << "a maximised window above a taskbar";
    EXPECT_FALSE(coversMonitor({1921, 0, 3200, 1024}, second));
    EXPECT_FALSE(coversMonitor({0, 0, 1920, 1080}, second)) << "the first monitor's game";
}
