#pragma once
#include <cstdint>
#include <string>

// A seed the lobby chooses: the 32-bit FNV-1a hash (offset basis 2166136261,
// prime 16777619) of a word's UTF-8 bytes, as the report prints a seed (a
// signed 32-bit number). Anyone who knows the word computes the same seed,
// so a host cannot draw again in secret under the same word.
int32_t wordSeed(const std::string& utf8Word);

// The seed of a run's draw N under the word: the word itself for the first
// draw, and for draw N >= 2 the word followed by "#N" ("pancake#2").
int32_t wordSeedForDraw(const std::string& utf8Word, int drawNumber);
