#include "randomiser/commands/rule_selection.h"

#include <cwchar>

#include "common/bounded_copy.h"
#include "common/number_read.h"

int chooseRule(const wchar_t* entry, const std::vector<RuleRecord>& rules) {
    while (isRuntimeBlank(*entry)) ++entry;
    const int count = static_cast<int>(rules.size());
    if (*entry >= L'0' && *entry <= L'9') {
        int64_t n = static_cast<int64_t>(readLeadingInt(entry)) - 1;
        return (n >= 0 && n < count) ? static_cast<int>(n) : -1;
    }
    for (int i = 0; i < count; ++i) {
        if (std::wcscmp(entry, rules[i].path) == 0) return i;
    }
    return -1;
}

void selectRule(Randomiser& randomiser, int index) {
    boundedCopy(randomiser.current.rules_path, randomiser.game.rule_table[index].path);
}

std::wstring rulePrompt(int ruleCount) { return L"Enter a Number From 1 to " + std::to_wstring(ruleCount); }

std::wstring ruleList(const std::vector<RuleRecord>& rules) {
    std::wstring list;
    for (size_t i = 0; i < rules.size(); ++i) {
        std::wstring name = rules[i].path;
        const size_t folderEnd = name.find_last_of(L"/\\");
        if (folderEnd != std::wstring::npos) name.erase(0, folderEnd + 1);
        const size_t dot = name.size() >= 4 ? name.size() - 4 : std::wstring::npos;
        if (dot != std::wstring::npos && (name.compare(dot, 4, L".txt") == 0 || name.compare(dot, 4, L".TXT") == 0))
            name.erase(dot);
        list += (i == 0 ? L"" : L"\n") + std::to_wstring(i + 1) + L". " + name;
    }
    return list;
}

RuleEntryOutcome submitRuleEntry(Randomiser& randomiser, const wchar_t* entry, wchar_t (&result)[kRuleEntryUnits]) {
    if (entry[0] == L'\0') return RuleEntryOutcome::Empty;
    int chosen = chooseRule(entry, randomiser.game.rule_table);
    if (chosen < 0) {
        boundedCopy(result, L"Error: ~ Could Not Find Rules In List");
        return RuleEntryOutcome::Refused;
    }
    selectRule(randomiser, chosen);
    const std::wstring text = std::wstring(L"Selected New Rules - ") + randomiser.current.rules_path;
    boundedCopy(result, text.c_str());
    return RuleEntryOutcome::Selected;
}
