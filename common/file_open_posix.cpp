#include <dirent.h>
#include <sys/stat.h>

#include <cerrno>
#include <string>

#include "common/file_open.h"

namespace {

bool pathExists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    }
    return true;
}

// The name of the first entry of folder ("" for the working folder) that
// equals part when the letters A to Z are compared without case; part itself
// when there is none.
std::string entryIgnoringCase(const std::string& folder, const std::string& part) {
    DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr) return part;
    std::string found = part;
    while (const dirent* entry = readdir(dir)) {
        if (sameIgnoringCase(entry->d_name, part)) {
            found = entry->d_name;
            break;
        }
    }
    closedir(dir);
    return found;
}

// Windows finds a file whatever the case of the letters A to Z in its path,
// and the data files name their paths as Windows finds them (./rules/ for the
// folder Rules, say). So that the native build finds the same files, each
// part of the path that does not exist as written is replaced by an entry of
// its folder whose name differs only in that case; a part without one is
// kept as written.
std::string pathIgnoringCase(const std::string& path) {
    std::string found;  // the parts so far, each followed by '/'
    size_t start = 0;
    if (!path.empty() && path[0] == '/') {
        found = "/";
        start = 1;
    }
    while (start <= path.size()) {
        size_t end = path.find('/', start);
        if (end == std::string::npos) end = path.size();
        std::string part = path.substr(start, end - start);
        if (!part.empty() && !pathExists(found + part)) part = entryIgnoringCase(found, part);
        found += part;
        if (end < path.size()) found += '/';
        start = end + 1;
    }
    return found;
}

}  // namespace

FILE* openFile(const char* path, const char* mode) {
    FILE* file = std::fopen(path, mode);
    if (file != nullptr || errno != ENOENT) return file;
    const std::string found = pathIgnoringCase(path);
    if (found != path) return std::fopen(found.c_str(), mode);
    errno = ENOENT;  // the search may have changed it
    return nullptr;
}

bool removeFile(const char* path) { return std::remove(path) == 0; }
