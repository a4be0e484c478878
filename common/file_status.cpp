#include "common/file_status.h"

#include <cerrno>
#include <cstdio>

#include "common/file_open.h"

bool fileIsMissing(const char* path) {
    errno = 0;
    FILE* file = openFile(path, "rb");
    if (file != nullptr) {
        std::fclose(file);
        return false;
    }
    return errno == ENOENT;
}
