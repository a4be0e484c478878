#pragma once
#include <string>

// Moves the file from over the file to (UTF-8 paths), replacing it when it
// exists. When it cannot, reason holds the system's own words for why.
bool moveFileOver(const char* from, const char* to, std::string& reason);
