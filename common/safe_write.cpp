#include "common/safe_write.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "common/file_move.h"
#include "common/file_open.h"

ReplaceStep replaceFile(const char* path, const char* data, size_t size, std::string& reason) {
    reason.clear();
    const std::string temporary = std::string(path) + ".tmp";
    errno = 0;
    FILE* file = openFile(temporary.c_str(), "wb");
    if (file == nullptr) {
        reason = std::strerror(errno);
        return ReplaceStep::CreateTemporary;
    }
    // The first call that fails says why: a full disk, most often.
    bool written = std::fwrite(data, 1, size, file) == size;
    if (!written) reason = std::strerror(errno);
    if (std::fflush(file) != 0 && written) {
        written = false;
        reason = std::strerror(errno);
    }
    if (std::fclose(file) != 0 && written) {
        written = false;
        reason = std::strerror(errno);
    }
    ReplaceStep step = ReplaceStep::WriteTemporary;
    if (written) step = moveFileOver(temporary.c_str(), path, reason) ? ReplaceStep::Done : ReplaceStep::MoveOver;
    if (step != ReplaceStep::Done) removeFile(temporary.c_str());
    return step;
}

bool replaceFileContents(const char* path, const char* data, size_t size) {
    std::string reason;
    return replaceFile(path, data, size, reason) == ReplaceStep::Done;
}
