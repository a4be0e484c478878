#include <windows.h>

#include "common/file_move.h"

// rename refuses an existing target on Windows; MoveFileEx replaces it.
bool moveFileOver(const char* from, const char* to) {
    return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
