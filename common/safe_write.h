#pragma once
#include <cstddef>

// Replaces the file at the UTF-8 path with the given bytes so that a failure never
// leaves a half-written file: the bytes go to a temporary file in the same
// folder, which is moved over the old file only when all of them were written
// and flushed. On failure the old file is left as it was, the temporary file
// is removed, and false is returned.
bool replaceFileContents(const char* path, const char* data, size_t size);
