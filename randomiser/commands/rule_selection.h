#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "randomiser/state/randomiser_state.h"

constexpr size_t kRuleEntryUnits = 256;  // entry text and result text

// The index of the rule record an entry of the rule selection window names:
// a text that starts with a digit is a number from 1 (only its leading digits
// count); any other text is compared exactly with each record's path. Blanks
// and other white space before the number or path are skipped. -1 when the
// entry names no record.
int chooseRule(const wchar_t* entry, const std::vector<RuleRecord>& rules);

// Makes the rule record at index the rule text that typing uses.
void selectRule(Randomiser& randomiser, int index);

// The prompt "Enter a Number From 1 to %i" with the number of rule sets.
std::wstring rulePrompt(int ruleCount);

// The rule sets as the window lists them, one a line: the number to enter
// and the name of the rule text file (without its folder and ".txt").
std::wstring ruleList(const std::vector<RuleRecord>& rules);

// What a submitted entry came to: nothing (an empty entry), a refusal that
// the window shows while it stays open, or a selection, after which it closes.
enum class RuleEntryOutcome { Empty, Refused, Selected };

// Handles a submitted entry: an empty entry changes nothing; otherwise the
// chosen path becomes the run's current rule text and result holds
// "Selected New Rules - <path>" (cut to fit), or result holds the error text
// and the path stays.
RuleEntryOutcome submitRuleEntry(Randomiser& randomiser, const wchar_t* entry, wchar_t (&result)[kRuleEntryUnits]);
