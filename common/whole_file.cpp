#include "common/whole_file.h"

#include <cerrno>

#include "common/file_open.h"

WholeFileRead readWholeFile(FILE* file, size_t maxBytes, std::string& bytes) {
    bytes.clear();
    char block[4096];
    for (;;) {
        // bytes never holds more than maxBytes, so room does not wrap; one
        // byte more than the room tells a file that is too long.
        const size_t room = maxBytes - bytes.size();
        const size_t wanted = room < sizeof block ? room + 1 : sizeof block;
        const size_t got = std::fread(block, 1, wanted, file);
        if (got > room) {
            bytes.clear();
            return WholeFileRead::TooLong;
        }
        bytes.append(block, got);
        if (got < wanted) return std::ferror(file) ? WholeFileRead::Failed : WholeFileRead::Read;
    }
}

WholeFileRead readWholeFile(const char* path, size_t maxBytes, std::string& bytes) {
    bytes.clear();
    errno = 0;
    FILE* file = openFile(path, "rb");
    if (file == nullptr) return errno == ENOENT ? WholeFileRead::Missing : WholeFileRead::Unopenable;
    const WholeFileRead read = readWholeFile(file, maxBytes, bytes);
    std::fclose(file);
    return read;
}
