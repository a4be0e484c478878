#include <cerrno>
#include <cstdio>
#include <cstring>

#include "common/file_move.h"

bool moveFileOver(const char* from, const char* to, std::string& reason) {
    if (std::rename(from, to) == 0) return true;
    reason = std::strerror(errno);
    return false;
}
