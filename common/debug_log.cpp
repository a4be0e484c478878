#include "common/debug_log.h"

#include <cstdarg>
#include <cstdio>

const char* const kDebugLogName = "debug.txt";

void debugLog(const char* format, ...) {
    FILE* file = std::fopen(kDebugLogName, "a+b");
    if (file == nullptr) return;
    va_list args;
    va_start(args, format);
    std::vfprintf(file, format, args);
    va_end(args);
    // Lines end with CR LF, as the runtime's text mode writes them on Windows.
    std::fputs("\r\n", file);
    std::fclose(file);
}
