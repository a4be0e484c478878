#pragma once

// True when the UTF-8 path names no file at all (opening it fails with "no such file or
// folder"); a file that exists but may not be read is not missing. This is
// the existence test of both programs, without the weight of a file-system
// library in the Windows programs.
bool fileIsMissing(const char* path);
