#pragma once
#include <cstdio>

// Paths are held as UTF-8 byte strings, like every text the programs write.
// These open and remove files by such a path: on Windows through the wide
// functions of the runtime, which take every character of a name; elsewhere
// the UTF-8 bytes are the file system's own names.

// std::fopen with a UTF-8 path. The letters A to Z of a path match whatever
// their case, as on Windows: elsewhere a path that does not exist as written
// is looked for again with the case of each part ignored.
FILE* openFile(const char* path, const char* mode);

// std::remove with a UTF-8 path; true when the file was removed.
bool removeFile(const char* path);
