#pragma once

// Moves the file from over the file to (UTF-8 paths), replacing it when it
// exists.
bool moveFileOver(const char* from, const char* to);
