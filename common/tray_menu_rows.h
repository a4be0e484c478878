#pragma once
#include <cstddef>

// The numbering of a tray menu's rows: the fixed rows from 1, then the rows
// the program adds each time the menu opens; 0 is a menu dismissed.

// The number of the row'th fixed row.
unsigned fixedRowNumber(size_t row);

// The number of the row'th added row, below fixedCount fixed rows.
unsigned addedRowNumber(size_t fixedCount, size_t row);

// The row a chosen number stands for: a fixed row, an added row, or none.
struct ChosenRow {
    bool fixed = false;
    bool added = false;
    size_t row = 0;  // among the fixed or the added rows
};
ChosenRow chosenRowOf(unsigned number, size_t fixedCount, size_t addedCount);
