#pragma once
#include <cstddef>
#include <string>

// The step at which replacing a file's contents stopped.
enum class ReplaceStep {
    Done,             // the file holds the new bytes
    CreateTemporary,  // the temporary file could not be created
    WriteTemporary,   // the bytes could not all be written and flushed
    MoveOver,         // the temporary file could not be moved over the file
};

// Replaces the file at the UTF-8 path with the given bytes so that a failure never
// leaves a half-written file: the bytes go to a temporary file in the same
// folder, which is moved over the old file only when all of them were written
// and flushed. On failure the old file is left as it was and the temporary
// file is removed; the result names the step that failed, and reason holds
// the system's own words for it ("Permission denied"; empty when Done), for
// a box that says why.
ReplaceStep replaceFile(const char* path, const char* data, size_t size, std::string& reason);

// replaceFile, true when it was Done.
bool replaceFileContents(const char* path, const char* data, size_t size);
