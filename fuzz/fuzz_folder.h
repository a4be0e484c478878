#pragma once
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

// The fuzzer's own working folder.
inline std::string& fuzzFolder() {
    static std::string folder;
    return folder;
}

inline void removeFuzzFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(fuzzFolder(), ignored);
}

// Moves the fuzzer into a fresh temporary folder (holding a copy of source
// when given), so that the debug log and any files it writes stay out of the
// project. The folder is removed at a normal exit and kept after a finding.
inline void enterFuzzFolder(const char* source) {
    std::string pattern = (std::filesystem::temp_directory_path() / "brenlow-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    fuzzFolder() = pattern;
    std::atexit(removeFuzzFolder);
    if (source != nullptr) std::filesystem::copy(source, pattern, std::filesystem::copy_options::recursive);
    if (chdir(pattern.c_str()) != 0) std::abort();
}
