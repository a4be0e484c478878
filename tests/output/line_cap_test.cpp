#include "randomiser/output/line_cap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/text_convert.h"
#include "output/line_cap_check.h"
#include "test_support.h"

namespace {

TEST(LineCap, SplitsAtTheLastSeparatorThatFits) {
    // ", " before a blank; the team's prefix on every continuation.
    EXPECT_EQ(cappedLine(L"T1 1601: Kestrel (Solveni), Ana (Ysterhold), Mo? (Dravosi)", 40),
              (std::vector<std::wstring>{L"T1 1601: Kestrel (Solveni),", L"T1+ Ana (Ysterhold), Mo? (Dravosi)"}));
    // A team's line without ratings goes on with its team too, and so does a
    // piece of one cut again.
    EXPECT_EQ(cappedLine(L"T2: Mirelle (Emberlings), Tobin_Quay (Keshwyn), Pellworth (Vaelwyn)", 50),
              (std::vector<std::wstring>{L"T2: Mirelle (Emberlings), Tobin_Quay (Keshwyn),", L"T2+ Pellworth (Vaelwyn)"}));
    EXPECT_EQ(cappedLine(L"T1+ Ana (Ysterhold), Mo? (Dravosi)", 25),
              (std::vector<std::wstring>{L"T1+ Ana (Ysterhold),", L"T1+ Mo? (Dravosi)"}));
    // " | " first, the cell's bar kept at the end of the piece.
    EXPECT_EQ(cappedLine(L"| P-6 T-2 | | Ratings Based | | Tier Range Mid | ", 30),
              (std::vector<std::wstring>{L"| P-6 T-2 | | Ratings Based |", L"+ | Tier Range Mid |"}));
    // A word longer than the room is cut where the cap falls.
    EXPECT_EQ(cappedLine(std::wstring(45, L'x'), 20),
              (std::vector<std::wstring>{std::wstring(20, L'x'), L"+ " + std::wstring(18, L'x'),
                                         L"+ " + std::wstring(7, L'x')}));
    EXPECT_EQ(cappedLine(L"short", 20), std::vector<std::wstring>{L"short"});
    EXPECT_EQ(cappedLine(std::wstring(30, L'y'), 0), std::vector<std::wstring>{std::wstring(30, L'y')});
}

TEST(LineCap, NamesOfEveryScriptKeepEveryCharacterWhole) {
    const std::vector<std::wstring> lines = {
        readFileText("T2 1577: \xE6\x9D\x8E\xE5\xB0\x8F\xE9\xBE\x99 (Ysterhold), \xC3\x98rjan (Solveni), "
                     "\xD0\x92\xD0\xBB\xD0\xB0\xD0\xB4 (Dravosi), Jos\xC3\xA9 (Keshwyn)"),
        // Emoji beyond U+FFFF, combining accents and a joined family, with no blank to cut at.
        readFileText("\xF0\x9F\x98\x80\xF0\x9F\x98\x80\xF0\x9F\x98\x80"
                     "e\xCC\x81"
                     "e\xCC\x81\xCC\xA7"
                     "\xF0\x9F\x91\xA8\xE2\x80\x8D\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x91\xA7"
                     "abcdefghijklmnopqrstuvwxyz\xE6\x9D\x8E\xE6\x9D\x8E\xE6\x9D\x8E\xF0\x9F\x98\x80"),
    };
    for (size_t cap : {20, 21, 22, 23, 65, 127}) {
        for (const std::wstring& line : lines) {
            SCOPED_TRACE(toUtf8(line) + " at " + std::to_string(cap));
            expectCappedWhole(line, cappedLine(line, cap), cap);
        }
    }
}

}  // namespace
