#include "common/safe_write.h"

#include <cstdio>
#include <string>

#include "common/file_move.h"
#include "common/file_open.h"

bool replaceFileContents(const char* path, const char* data, size_t size) {
    const std::string temporary = std::string(path) + ".tmp";
    FILE* file = openFile(temporary.c_str(), "wb");
    if (file == nullptr) return false;
    bool written = std::fwrite(data, 1, size, file) == size;
    written = (std::fflush(file) == 0) && written;
    written = (std::fclose(file) == 0) && written;
    if (written && moveFileOver(temporary.c_str(), path)) return true;
    removeFile(temporary.c_str());
    return false;
}
