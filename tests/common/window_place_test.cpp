#include "common/window_place.h"

#include <gtest/gtest.h>

namespace {

struct PlaceCase {
    const char* what;
    int width;
    int height;
    PixelBox area;
    PixelBox expected;
};

// The work area of a 1024x768 desktop less a taskbar of 30 pixels, at 96
// and 144 DPI the same.
constexpr PixelBox kDesktop = {0, 0, 1024, 738};

TEST(WindowPlace, CentredInTheWorkAreaAndKeptInside) {
    const PlaceCase cases[] = {
        {"the input window at 96 DPI", 500, 400, kDesktop, {262, 169, 500, 400}},
        {"the input window at 144 DPI", 750, 600, kDesktop, {137, 69, 750, 600}},
        {"the rule selection window at 144 DPI", 900, 675, kDesktop, {62, 31, 900, 675}},
        {"the splash at 144 DPI", 900, 600, kDesktop, {62, 69, 900, 600}},
        {"taller than the work area", 900, 1200, kDesktop, {62, 0, 900, 738}},
        {"wider too", 1500, 1200, kDesktop, {0, 0, 1024, 738}},
        {"a taskbar at the top", 600, 400, {0, 40, 1024, 728}, {212, 204, 600, 400}},
        {"a monitor left of the first", 600, 400, {-1280, 0, 1280, 1024}, {-940, 312, 600, 400}},
    };
    for (const PlaceCase& c : cases) {
        const PixelBox box = placeInWorkArea(c.width, c.height, c.area);
        EXPECT_EQ(box.x, c.expected.x) << c.what;
        EXPECT_EQ(box.y, c.expected.y) << c.what;
        EXPECT_EQ(box.width, c.expected.width) << c.what;
        EXPECT_EQ(box.height, c.expected.height) << c.what;
    }
}

}  // namespace
