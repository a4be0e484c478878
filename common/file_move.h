#pragma once

// Moves the file from over the file to, replacing it when it exists.
bool moveFileOver(const char* from, const char* to);
