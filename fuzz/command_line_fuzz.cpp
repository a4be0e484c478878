// Feeds arbitrary option words to the whole start-up computation on a copy of
// the sample data: it must end, and never read or write out of bounds.
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_folder.h"
#include "randomiser/startup/match_from_words.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    enterFuzzFolder(BRENLOW_SAMPLE_DIR);
    return 0;
}

// The input is a seed (its first four bytes) and words separated by blanks or
// zero bytes, each byte one character.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4 || size > 4096) return 0;
    uint32_t seed = data[0] | data[1] << 8 | data[2] << 16 | static_cast<uint32_t>(data[3]) << 24;
    std::vector<std::wstring> words = {L"Brenlow_Sortilane.exe"};
    std::wstring word;
    for (size_t i = 4; i < size; ++i) {
        if (data[i] == ' ' || data[i] == 0) {
            if (!word.empty()) words.push_back(word);
            word.clear();
        } else {
            word.push_back(static_cast<wchar_t>(data[i]));
        }
    }
    if (!word.empty()) words.push_back(word);
    Randomiser randomiser;
    computeMatch(randomiser, seed, words);
    return 0;
}
