#include "randomiser/startup/draw_again.h"

#include <memory>

#include "randomiser/startup/match_from_words.h"

int64_t nextDrawSeed(int64_t lastSeed, int64_t clockSeconds) {
    return clockSeconds > lastSeed ? clockSeconds : lastSeed + 1;
}

bool drawAgain(Randomiser& randomiser, const std::vector<std::wstring>& startWords, int64_t clockSeconds) {
    std::unique_ptr<Randomiser> next(new Randomiser());  // large: on the heap
    std::vector<std::wstring> words = startWords;
    next->draw_number = randomiser.draw_number + 1;  // beside the seed, and the seed of a seed_word
    if (!computeMatch(*next, nextDrawSeed(randomiser.seed, clockSeconds), words)) return false;
    randomiser = *next;
    return true;
}
