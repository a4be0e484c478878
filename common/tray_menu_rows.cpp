#include "common/tray_menu_rows.h"

unsigned fixedRowNumber(size_t row) { return static_cast<unsigned>(row + 1); }

unsigned addedRowNumber(size_t fixedCount, size_t row) { return static_cast<unsigned>(fixedCount + row + 1); }

ChosenRow chosenRowOf(unsigned number, size_t fixedCount, size_t addedCount) {
    ChosenRow chosen;
    if (number >= 1 && number <= fixedCount) {
        chosen.fixed = true;
        chosen.row = number - 1;
    } else if (number > fixedCount && number - fixedCount <= addedCount) {
        chosen.added = true;
        chosen.row = number - fixedCount - 1;
    }
    return chosen;
}
