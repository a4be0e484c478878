#include "common/safe_write.h"

#include <cstdio>
#include <string>

#include "common/file_move.h"
#include "common/file_open.h"

ReplaceStep replaceFile(const char* path, const char* data, size_t size) {
    const std::string temporary = std::string(path) + ".tmp";
    FILE* file = openFile(temporary.c_str(), "wb");
    if (file == nullptr) return ReplaceStep::CreateTemporary;
    bool written = std::fwrite(data, 1, size, file) == size;
    written = (std::fflush(file) == 0) && written;
    written = (std::fclose(file) == 0) && written;
    ReplaceStep step = ReplaceStep::WriteTemporary;
    if (written) step = moveFileOver(temporary.c_str(), path) ? ReplaceStep::Done : ReplaceStep::MoveOver;
    if (step != ReplaceStep::Done) removeFile(temporary.c_str());
    return step;
}

bool replaceFileContents(const char* path, const char* data, size_t size) {
    return replaceFile(path, data, size) == ReplaceStep::Done;
}
