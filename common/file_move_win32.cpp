#include <windows.h>

#include "common/file_move.h"
#include "common/text_convert.h"

// rename refuses an existing target on Windows; MoveFileEx replaces it.
bool moveFileOver(const char* from, const char* to) {
    return MoveFileExW(decodeText(from, TextEncoding::Utf8).c_str(), decodeText(to, TextEncoding::Utf8).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
