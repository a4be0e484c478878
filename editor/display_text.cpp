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

const size_t kPinWidth = 3;
const size_t kApartWidth = 5;

// One row of the table; the learned column only when the table has it, the
// pin and apart columns only when hostRules.
struct RowTexts {
    std::wstring name;
    std::wstring rating;
    std::wstring learned;
    std::wstring fmt;
    std::wstring pin;
    std::wstring apart;
};

void appendRow(std::wstring& text, const RowTexts& row, bool learned, bool hostRules) {
    text += L"| ";
    padAppend(text, row.name, kNameWidth);
    text += L" | ";
    padAppend(text, row.rating, kRatingWidth);
    text += L" | ";
    if (learned) {
        padAppend(text, row.learned, kLearnedWidth);
        text += L" | ";
    }
    padAppend(text, row.fmt, kFmtWidth);
    if (hostRules) {
        text += L" | ";
        padAppend(text, row.pin, kPinWidth);
        text += L" | ";
        padAppend(text, row.apart, kApartWidth);
    }
    text += L" |\n";
}

// Whether a player in play is pinned or kept apart: the table then shows both.
bool showsHostRules(const EditorState& state, int rows) {
    for (int i = 0; i < rows; ++i) {
        if (state.players[i].team_pin != 0 || state.players[i].apart_group != 0) return true;
    }
    return false;
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
    const bool hostRules = showsHostRules(state, rows);
    appendRow(text, {L"Player Name", L"Rating", L"Learned", L"FMT", L"Pin", L"Apart"}, anyKnown, hostRules);
    bool unrated = false;
    std::vector<LearnedNewcomer> learned;
    for (int i = 0; i < rows; ++i) {
        const PlayerRecord& player = state.players[i];
        const bool shownUnrated = player.unrated && player.learned.rated_matches == 0;
        appendRow(text,
                  {player.name, std::to_wstring(player.rating) + (shownUnrated ? L"?" : L""),
                   learnedRatingText(player.learned), std::to_wstring(player.fmt_group),
                   std::to_wstring(player.team_pin), std::to_wstring(player.apart_group)},
                  anyKnown, hostRules);
        unrated = unrated || shownUnrated;
        if (player.unrated && !shownUnrated) learned.push_back({player.name, player.learned.rated_matches});
    }
    text += kRule;
    if (unrated) text += L"\n? unrated: given the lobby's mean";
    if (!learned.empty()) text += L"\n" + learnedNewcomersNote(learned);
    boundedCopy(buffer, text.c_str());
}
