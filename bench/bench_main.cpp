// Runs every benchmark in a fresh copy of the sample folder: the start-up
// benchmarks load its data files, and every run logs to debug.txt in the
// working folder, which must not be the sample folder itself (the end-to-end
// tests and the release copy it).
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    std::string pattern = (fs::temp_directory_path() / "brenlow-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::perror("brenlow_bench: no temporary folder");
        return 1;
    }
    const fs::path copy = pattern;
    std::error_code error;
    fs::copy(BRENLOW_SAMPLE_DIR, copy, fs::copy_options::recursive, error);
    if (error || chdir(copy.c_str()) != 0) {
        std::fprintf(stderr, "brenlow_bench: could not copy %s to %s\n", BRENLOW_SAMPLE_DIR, copy.c_str());
        fs::remove_all(copy, error);
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    const bool unknownArguments = benchmark::ReportUnrecognizedArguments(argc, argv);
    if (!unknownArguments) benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(copy, error);
    return unknownArguments ? 1 : 0;
}
