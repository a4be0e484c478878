#pragma once
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

// Moves the fuzzer into a fresh temporary folder (holding a copy of source
// when given), so that the debug log and any files it writes stay out of the
// project.
inline void enterFuzzFolder(const char* source) {
    std::string pattern = (std::filesystem::temp_directory_path() / "brenlow-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    if (source != nullptr)
        std::filesystem::copy(source, pattern, std::filesystem::copy_options::recursive);
    if (chdir(pattern.c_str()) != 0) std::abort();
}
