#include "common/file_status.h"

#include <cerrno>
#include <cstdio>

bool fileIsMissing(const char* path) {
    errno = 0;
    FILE* file = std::fopen(path, "rb");
    if (file != nullptr) {
        std::fclose(file);
        return false;
    }
    return errno == ENOENT;
}
