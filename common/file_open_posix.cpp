#include "common/file_open.h"

FILE* openFile(const char* path, const char* mode) { return std::fopen(path, mode); }

bool removeFile(const char* path) { return std::remove(path) == 0; }
