#include "editor/rule_text.h"

#include <cstdio>
#include <cwchar>
#include <string>

#include "common/file_open.h"
#include "common/file_status.h"
#include "common/safe_write.h"
#include "common/text_convert.h"
#include "common/whole_file.h"

namespace {

// How a character a file name cannot hold is named in the box.
std::wstring shownCharacter(wchar_t c) {
    if (c >= L' ') return std::wstring(1, c);
    const wchar_t* const digits = L"0123456789ABCDEF";
    return std::wstring(L"the control character U+00") + digits[(c >> 4) & 0xF] + digits[c & 0xF];
}

// An empty name does nothing; a long one, or one that no file name can
// hold, is refused with an error box.
bool nameUsable(EditorPort& port, const std::wstring& name) {
    if (name.empty()) return false;
    if (charCount(name) > kMaxRuleNameChars) {
        port.showErrorBox(L"Too many characters found in filename input field");
        return false;
    }
    const wchar_t refused = characterNoFileNameHolds(name);
    if (refused != 0) {
        port.showErrorBox((L"The name holds " + shownCharacter(refused) +
                           L", which a file name cannot hold (nor any of \\ / : * ? \" < > |). "
                           L"Take it out of the name.")
                              .c_str());
        return false;
    }
    return true;
}

}  // namespace

wchar_t characterNoFileNameHolds(const std::wstring& name) {
    for (wchar_t c : name) {
        if (c < L' ' || std::wcschr(L"\\/:*?\"<>|", c) != nullptr) return c;
    }
    return 0;
}

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

std::string ruleTextFileBytes(const std::wstring& text) {
    // The box ends its lines with CR LF; a lone CR or LF (from a paste) is
    // a line break too.
    std::wstring lines;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') continue;
        if (text[i] == L'\r' || text[i] == L'\n')
            lines += L"\r\n";
        else
            lines += text[i];
    }
    if (!lines.empty() && (lines.size() < 2 || lines.compare(lines.size() - 2, 2, L"\r\n") != 0)) lines += L"\r\n";
    return toUtf8(lines);
}

std::wstring ruleTextCount(const std::wstring& text) {
    const size_t bytes = ruleTextFileBytes(text).size();
    std::wstring count = std::to_wstring(bytes) + L" of " + std::to_wstring(kRuleTextMaxBytes) + L" bytes";
    if (bytes > kRuleTextMaxBytes) count += L": too long for Sortilane to type";
    return count;
}

bool saveRuleText(EditorPort& port, const std::wstring& name, const std::wstring& text) {
    if (!nameUsable(port, name)) return false;
    const std::string content = ruleTextFileBytes(text);
    if (content.size() > kRuleTextMaxBytes) {
        const std::wstring text = L"Not saved: the text holds " + std::to_wstring(content.size()) +
                                  L" bytes, and Sortilane types at most " + std::to_wstring(kRuleTextMaxBytes) +
                                  L". Shorten it and save again.";
        port.showErrorBox(text.c_str());
        return false;
    }
    const std::wstring path = ruleTextPath(name);
    const wchar_t* why = L"";
    std::string reason;
    switch (replaceFile(toUtf8(path).c_str(), content.data(), content.size(), reason)) {
        case ReplaceStep::Done: return true;
        case ReplaceStep::CreateTemporary:
            why = L"no new file can be made in the Rules folder (it may be missing, read-only or full).";
            break;
        case ReplaceStep::WriteTemporary: why = L"the text could not be written out (the disk may be full)."; break;
        case ReplaceStep::MoveOver:
            why = L"the file could not be replaced (it may be read-only, a folder, or open in another program).";
            break;
    }
    port.showErrorBox((L"Not saved: " + path + L" - " + why + L" The system says: " +
                       decodeText(reason, TextEncoding::Utf8) + L". The text stays in the window.")
                          .c_str());
    return false;
}
