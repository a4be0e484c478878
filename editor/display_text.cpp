#include "editor/display_text.h"

#include <algorithm>
#include <vector>

#include "common/bounded_copy.h"
#include "common/text_convert.h"
#include "ratings/learned_note.h"

namespace {

const size_t kNameWidth = 15;
const size_t kRatingWidth = 6;
const size_t kLearnedWidth = 20;
const size_t kFmtWidth = 4;
const std::wstring kRule(80, L'_');

// A row of the table; the learned column only when the table has it.
void appendRow(std::wstring& text, const std::wstring& name, const std::wstring& rating, const std::wstring* learned,
               const std::wstring& fmt) {
    text += L"| ";
    padAppend(text, name, kNameWidth);
    text += L" | ";
    padAppend(text, rating, kRatingWidth);
    text += L" | ";
    if (learned != nullptr) {
        padAppend(text, *learned, kLearnedWidth);
        text += L" | ";
    }
    padAppend(text, fmt, kFmtWidth);
    text += L" |\n";
}

}  // namespace

void padAppend(std::wstring& text, const std::wstring& field, size_t width) {
    text += field;
    const size_t chars = charCount(field);
    if (chars < width) text.append(width - chars, L' ');
}

std::wstring learnedRatingText(const LearnedRating& learned) {
    if (!learned.known) return L"";
    std::wstring text = L"\u2192 " + std::to_wstring(learned.rating);
    if (learned.new_tonight) return text + L" (new tonight)";
    const int32_t change = learned.tonight_change;
    if (change != 0) text += L" (" + std::wstring(change > 0 ? L"+" : L"") + std::to_wstring(change) + L" tonight)";
    return text;
}

void buildDisplayText(const EditorState& state, wchar_t (&buffer)[kDisplayTextUnits]) {
    std::wstring text = L"Number Of Players ~ " + std::to_wstring(state.player_count) + L" | Number Of Teams ~ " +
                        std::to_wstring(state.team_count) + L"\n\n";
    text += kRule + L"\n";
    const int rows = std::clamp(state.player_count, 0, kPlayerSlots);
    bool anyKnown = false;
    for (int i = 0; i < rows; ++i) anyKnown = anyKnown || state.players[i].learned.known;
    const std::wstring heading = L"Learned";
    appendRow(text, L"Player Name", L"Rating", anyKnown ? &heading : nullptr, L"FMT");
    bool unrated = false;
    std::vector<LearnedNewcomer> learned;
    for (int i = 0; i < rows; ++i) {
        const PlayerRecord& player = state.players[i];
        const bool shownUnrated = player.unrated && player.learned.rated_matches == 0;
        const std::wstring learnedText = learnedRatingText(player.learned);
        appendRow(text, player.name, std::to_wstring(player.rating) + (shownUnrated ? L"?" : L""),
                  anyKnown ? &learnedText : nullptr, std::to_wstring(player.fmt_group));
        unrated = unrated || shownUnrated;
        if (player.unrated && !shownUnrated) learned.push_back({player.name, player.learned.rated_matches});
    }
    text += kRule;
    if (unrated) text += L"\n? unrated: given the lobby's mean";
    if (!learned.empty()) text += L"\n" + learnedNewcomersNote(learned);
    boundedCopy(buffer, text.c_str());
}
