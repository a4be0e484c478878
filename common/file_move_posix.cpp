#include <cstdio>

#include "common/file_move.h"

bool moveFileOver(const char* from, const char* to) { return std::rename(from, to) == 0; }
