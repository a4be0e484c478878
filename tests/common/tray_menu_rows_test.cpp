#include "common/tray_menu_rows.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// What the number stands for below fixedCount fixed rows and addedCount
// added ones: "f2" the third fixed row, "a0" the first added, "-" none.
std::string chosenText(unsigned number, size_t fixedCount, size_t addedCount) {
    const ChosenRow chosen = chosenRowOf(number, fixedCount, addedCount);
    if (chosen.fixed) return "f" + std::to_string(chosen.row);
    if (chosen.added) return "a" + std::to_string(chosen.row);
    return "-";
}

// Each row's number stands for that row again, and a number of no row (a
// menu dismissed, a row gone) for none; as the editor's five fixed rows and
// its result rows (two teams, "Not rated", "Undo last result").
TEST(TrayMenuRows, EachRowsNumberChoosesItAndNoOther) {
    for (size_t row = 0; row < 5; ++row) EXPECT_EQ(chosenText(fixedRowNumber(row), 5, 4), "f" + std::to_string(row));
    for (size_t row = 0; row < 4; ++row) EXPECT_EQ(chosenText(addedRowNumber(5, row), 5, 4), "a" + std::to_string(row));
    EXPECT_EQ(addedRowNumber(5, 0), fixedRowNumber(4) + 1) << "the added rows follow the fixed ones";
    EXPECT_EQ(chosenText(0, 5, 4), "-") << "a menu dismissed";
    EXPECT_EQ(chosenText(addedRowNumber(5, 4), 5, 4), "-") << "one past the last row";
    EXPECT_EQ(chosenText(1, 0, 0), "-");
}

}  // namespace
