#pragma once
#include <cstddef>
#include <string>

#include "editor/editor_state.h"

constexpr size_t kDisplayTextUnits = 1024;

// Appends field and, when it has fewer than width characters, spaces up to
// the width; a longer field is appended whole.
void padAppend(std::wstring& text, const std::wstring& field, size_t width);

// What the live display shows of a player's learned rating beside his own:
// "\u2192 1562 (+34 tonight)", "\u2192 1562 (new tonight)" for a player
// tonight's lines are the first to name, "\u2192 1562" when tonight did not
// move it; empty for a player the history does not know.
std::wstring learnedRatingText(const LearnedRating& learned);

// The live display's text: the counts, a rule, a table of the players in play
// (name, rating, FMT group between bars; when the history knows one of
// them, the learned rating after the rating) and a closing rule. An unrated
// player's rating has '?' after it, and a line under the table says why; an
// unrated player a result has rated has no '?', and a line under the table
// names him with his rated matches ("learned from 6 matches: NewGuy").
void buildDisplayText(const EditorState& state, wchar_t (&buffer)[kDisplayTextUnits]);
