#pragma once
#include <cstddef>
#include <cstdio>
#include <string>

// How reading a whole file ended.
enum class WholeFileRead {
    Read,        // the whole file is in bytes
    Missing,     // no file by that name (reading by path only)
    Unopenable,  // the file is there but cannot be opened (reading by path only)
    TooLong,     // the file holds more than maxBytes bytes; bytes is empty
    Failed,      // a read failed; bytes holds what was read before it
};

// Reads what is left of an open file into bytes (replacing what they held),
// in blocks until the end of the file, so it does not rely on a size the
// file reports. At most maxBytes bytes are kept. The file stays open.
WholeFileRead readWholeFile(FILE* file, size_t maxBytes, std::string& bytes);

// The same for the file of a UTF-8 path, opened as bytes ("rb") and closed
// again; bytes is empty when it cannot be opened.
WholeFileRead readWholeFile(const char* path, size_t maxBytes, std::string& bytes);
