#include "editor/rule_text.h"

#include <cstdio>
#include <string>

#include "common/file_open.h"
#include "common/file_status.h"
#include "common/safe_write.h"
#include "common/text_convert.h"
#include "common/whole_file.h"

namespace {

// An empty name does nothing; a long one is refused with an error box.
bool nameUsable(EditorPort& port, const std::wstring& name) {
    if (name.empty()) return false;
    if (charCount(name) > kMaxRuleNameChars) {
        port.showErrorBox(L"Too many characters found in filename input field");
        return false;
    }
    return true;
}

}  // namespace

std::wstring ruleTextPath(const std::wstring& name) { return L"./Rules/" + name + L".txt"; }

bool loadRuleText(EditorPort& port, const std::wstring& name, std::wstring& text) {
    if (!nameUsable(port, name)) return false;
    const std::wstring path = ruleTextPath(name);
    const std::string bytePath = toUtf8(path);
    if (fileIsMissing(bytePath.c_str())) {
        port.showErrorBox((L"Cannot find - " + path).c_str());
        return false;
    }
    FILE* file = openFile(bytePath.c_str(), "r+b");
    if (file == nullptr) return false;
    // A read that fails keeps what was read before it, and an empty text is
    // refused like one that is too long.
    std::string bytes;
    const WholeFileRead read = readWholeFile(file, kRuleTextBytes - 1, bytes);
    std::fclose(file);
    if (read == WholeFileRead::TooLong || bytes.empty()) {
        port.showErrorBox(L"Too many characters in text file to retrieve for the program");
        return false;
    }
    text = readFileText(bytes);
    return true;
}

std::string ruleTextFileBytes(const std::vector<std::wstring>& lines) {
    // A text that ends with a line break shows one more, empty, line after
    // it; that line is no line of the text, and writing it would make every
    // load and save add an empty line to the file.
    size_t count = lines.size();
    if (count > 1 && lines.back().empty()) --count;
    std::string content;
    for (size_t i = 0; i < count; ++i) content += toUtf8(lines[i]) + "\r\n";
    return content;
}

std::wstring ruleTextCount(const std::vector<std::wstring>& lines) {
    const size_t bytes = ruleTextFileBytes(lines).size();
    std::wstring count = std::to_wstring(bytes) + L" of " + std::to_wstring(kRuleTextMaxBytes) + L" bytes";
    if (bytes > kRuleTextMaxBytes) count += L": too long for Sortilane to type";
    return count;
}

bool saveRuleText(EditorPort& port, const std::wstring& name, const std::vector<std::wstring>& lines) {
    if (!nameUsable(port, name)) return false;
    const std::string content = ruleTextFileBytes(lines);
    if (content.size() > kRuleTextMaxBytes) {
        const std::wstring text = L"Not saved: the text holds " + std::to_wstring(content.size()) +
                                  L" bytes, and Sortilane types at most " + std::to_wstring(kRuleTextMaxBytes) +
                                  L". Shorten it and save again.";
        port.showErrorBox(text.c_str());
        return false;
    }
    return replaceFileContents(toUtf8(ruleTextPath(name)).c_str(), content.data(), content.size());
}
