#include "editor/rule_text.h"

#include <algorithm>
#include <cstdio>

#include "common/file_open.h"
#include "common/file_status.h"
#include "common/safe_write.h"
#include "common/text_convert.h"

namespace {

const size_t kReadBlockBytes = 256;

// An empty name does nothing; a long one is refused with an error box.
bool nameUsable(EditorPort& port, const std::wstring& name) {
    if (name.empty()) return false;
    if (charCount(name) > kMaxRuleNameChars) {
        port.showErrorBox(L"Too many characters found in filename input field");
        return false;
    }
    return true;
}

// Reads at most kRuleTextBytes bytes of the file into buffer, in blocks, and
// terminates them; the count read is returned (kRuleTextBytes means the file
// is too long to keep).
size_t readRuleBytes(FILE* file, char (&buffer)[kRuleTextBytes + 1]) {
    size_t total = 0;
    while (total < kRuleTextBytes) {
        const size_t block = std::min(kReadBlockBytes, kRuleTextBytes - total);
        const size_t got = std::fread(buffer + total, 1, block, file);
        total += got;
        if (got < block) break;
    }
    buffer[total] = '\0';
    return total;
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
    char buffer[kRuleTextBytes + 1] = {};
    const size_t size = readRuleBytes(file, buffer);
    std::fclose(file);
    if (size == 0 || size >= kRuleTextBytes) {
        port.showErrorBox(L"Too many characters in text file to retrieve for the program");
        return false;
    }
    text = readFileText(std::string(buffer, size));
    return true;
}

bool saveRuleText(EditorPort& port, const std::wstring& name, const std::vector<std::wstring>& lines) {
    if (!nameUsable(port, name)) return false;
    // A text that ends with a line break shows one more, empty, line after
    // it; that line is no line of the text, and writing it would make every
    // load and save add an empty line to the file.
    size_t count = lines.size();
    if (count > 1 && lines.back().empty()) --count;
    std::string content;
    for (size_t i = 0; i < count; ++i) content += toUtf8(lines[i]) + "\r\n";
    return replaceFileContents(toUtf8(ruleTextPath(name)).c_str(), content.data(), content.size());
}
