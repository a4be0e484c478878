#include "editor/rating_words.h"

namespace {

struct RatingWord {
    const wchar_t* words[2];
    int32_t rating;
};

const RatingWord kRatingWords[] = {
    {{L"noob", L"nb"}, 1300},   {{L"rook", L"rk"}, 1450},    {{L"inter", L"nt"}, 1600},
    {{L"expert", L"xp"}, 1750}, {{L"extreme", L"xt"}, 1900},
};

}  // namespace

bool ratingOfWord(const std::wstring& token, int32_t& rating) {
    std::wstring lower(token);
    for (wchar_t& c : lower) {
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    }
    for (const RatingWord& word : kRatingWords) {
        if (lower == word.words[0] || lower == word.words[1]) {
            rating = word.rating;
            return true;
        }
    }
    return false;
}
