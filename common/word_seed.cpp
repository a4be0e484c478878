#include "common/word_seed.h"

int32_t wordSeed(const std::string& utf8Word) {
    uint32_t hash = 2166136261u;
    for (const unsigned char byte : utf8Word) {
        hash ^= byte;
        hash *= 16777619u;
    }
    // The same 32 bits read as signed, as the report prints a seed.
    return static_cast<int32_t>(static_cast<int64_t>(hash) - (hash > 0x7FFFFFFFu ? 0x100000000LL : 0));
}

int32_t wordSeedForDraw(const std::string& utf8Word, int drawNumber) {
    if (drawNumber < 2) return wordSeed(utf8Word);
    return wordSeed(utf8Word + "#" + std::to_string(drawNumber));
}
