#include "ratings/evening.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Lines of only a time stamp each, in file order.
std::vector<MatchLine> linesAt(const std::vector<MatchTime>& times) {
    std::vector<MatchLine> lines;
    for (const MatchTime& when : times) {
        MatchLine line;
        line.when = when;
        lines.push_back(line);
    }
    return lines;
}

// Two neighbouring lines belong to one evening when at most six hours lie
// between them, counted across midnight, month and year ends and leap days.
TEST(Evening, NeighboursAtMostSixHoursApartShareTheEvening) {
    struct Case {
        MatchTime earlier;
        MatchTime later;
        bool oneEvening;
        const char* what;
    };
    const Case cases[] = {
        {{2026, 3, 14, 23, 30}, {2026, 3, 15, 0, 15}, true, "across midnight"},
        {{2026, 3, 14, 22, 0}, {2026, 3, 15, 4, 0}, true, "six hours exactly, across midnight"},
        {{2026, 3, 14, 22, 0}, {2026, 3, 15, 4, 1}, false, "a minute more than six hours"},
        {{2026, 3, 14, 20, 0}, {2026, 3, 15, 20, 0}, false, "the same hour a day later"},
        {{2026, 1, 31, 23, 0}, {2026, 2, 1, 2, 0}, true, "across a month's end"},
        {{2026, 12, 31, 23, 0}, {2027, 1, 1, 1, 0}, true, "across New Year"},
        {{2027, 2, 28, 22, 0}, {2027, 3, 1, 1, 0}, true, "February of 28 days"},
        {{2028, 2, 28, 22, 0}, {2028, 3, 1, 1, 0}, false, "February of a leap year"},
        {{2026, 3, 14, 21, 0}, {2026, 3, 14, 19, 0}, true, "a line edited in out of order"},
    };
    for (const Case& c : cases) {
        const std::vector<MatchLine> lines = linesAt({c.earlier, c.later});
        EXPECT_EQ(firstMatchOfTonight(lines, 2), c.oneEvening ? 0u : 1u) << c.what;
    }
}

// Tonight is the evening of the last line given, however long ago its time
// stamp; lines after end are not looked at.
TEST(Evening, TonightIsTheLastRunOfLinesBeforeTheEnd) {
    const std::vector<MatchLine> lines = linesAt({{2026, 3, 13, 21, 0},
                                                  {2026, 3, 14, 19, 0},
                                                  {2026, 3, 14, 23, 30},
                                                  {2026, 3, 15, 2, 0},
                                                  {2026, 3, 21, 20, 0},
                                                  {2026, 3, 21, 20, 20}});
    EXPECT_EQ(firstMatchOfTonight(lines, 6), 4u);
    EXPECT_EQ(firstMatchOfTonight(lines, 5), 4u);
    EXPECT_EQ(firstMatchOfTonight(lines, 4), 1u) << "19:00, 23:30 and 02:00 the night after";
    EXPECT_EQ(firstMatchOfTonight(lines, 1), 0u);
    EXPECT_EQ(firstMatchOfTonight(lines, 0), 0u) << "no lines, no evening";
}

}  // namespace
