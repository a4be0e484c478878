#pragma once
#include <cstddef>

// A rule text under Rules/, which the editor saves and the randomiser types
// into the chat: the longest text, in bytes as the file holds them, that the
// randomiser types. Both programs keep to this definition only.
constexpr size_t kRuleTextMaxBytes = 255;
