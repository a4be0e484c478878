#pragma once
#include <cstddef>
#include <string>

#include "editor/editor_port.h"
#include "script/rule_text_file.h"

constexpr size_t kMaxRuleNameChars = 39;
constexpr size_t kRuleTextBytes = 1024;  // Load shows a file of at most 1023 bytes, so a long one can be cut

// The first character of the name that a file name on Windows cannot hold
// (one of \ / : * ? " < > | or a control character), or 0 when there is
// none. A name with a slash would reach outside the Rules folder.
wchar_t characterNoFileNameHolds(const std::wstring& name);

// The file of a rule text name: "./Rules/<name>.txt".
std::wstring ruleTextPath(const std::wstring& name);

// "Load": reads the rule text of that name into text (UTF-8 when the file is
// valid UTF-8, else one byte one character). False when there is
// nothing to show: an empty name, or a failure (a name of 40 or more
// characters or with a character no file name holds, a missing file, an
// empty file or one of more than 1023 bytes each show an error box; a file
// that cannot be opened shows nothing).
bool loadRuleText(EditorPort& port, const std::wstring& name, std::wstring& text);

// The bytes that Save writes for the text of the box: the lines as the host
// typed them, however the box wraps them, in UTF-8 and each ended by CR LF
// as the runtime's text mode writes it (a last line without its line break
// gets one; an empty box has no line and writes nothing), so a loaded text
// saves back unchanged.
std::string ruleTextFileBytes(const std::wstring& text);

// What the window shows under the text box as the host types: how many bytes
// Save would write, of the most the randomiser types, and when it is too many.
std::wstring ruleTextCount(const std::wstring& text);

// "Save": writes ruleTextFileBytes of the text. A text of more than
// kRuleTextMaxBytes bytes, which the randomiser would refuse to type, is
// refused with an error box that gives its count and the limit. The old
// file is replaced only when the whole text was written; when it cannot be,
// an error box says why, in the system's words too. False when nothing was
// saved; the name is checked as for loadRuleText.
bool saveRuleText(EditorPort& port, const std::wstring& name, const std::wstring& text);
