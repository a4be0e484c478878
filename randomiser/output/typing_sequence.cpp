#include "randomiser/output/typing_sequence.h"

#include <algorithm>

#include "common/text_convert.h"
#include "randomiser/output/line_cap.h"

namespace {

constexpr size_t kChunkBytes = 49;                     // a 50-byte fgets buffer less its terminator
constexpr size_t kSavedLineChars = kCompactLineChars;  // the longest report line

TypingStep step(StepKind kind, int waitMs = 0, std::wstring text = std::wstring()) {
    TypingStep result;
    result.kind = kind;
    result.wait_ms = waitMs;
    result.text = std::move(text);
    return result;
}

// The bytes with every CR LF pair read as one line feed, as text mode reads them.
std::string foldLineEnds(const std::string& bytes) {
    std::string folded;
    folded.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
        folded.push_back(bytes[i]);
    }
    return folded;
}

// The waits of one kind of sequence, in milliseconds (0: no wait step).
struct LinePacing {
    int before_first;  // after the first Ctrl wait
    int after_text;    // between a line and its Enter
    int after_enter;   // after each line's Enter
    int after_last;    // once the lines are typed
    bool multi_line;   // the Enters wait for Ctrl, and line_pause applies
};

constexpr LinePacing kReportPacing = {kLinePauseMs, kLinePauseMs, 0, kLinePauseMs, true};
constexpr LinePacing kRuleTextPacing = {0, kLinePauseMs, kChunkGapMs, 0, true};
constexpr LinePacing kSavedResultPacing = {0, 0, kLinePauseMs, 0, true};
constexpr LinePacing kOneLinePacing = {0, 0, 0, 0, false};

void appendWait(TypingSequence& steps, int waitMs) {
    if (waitMs > 0) steps.push_back(step(StepKind::Wait, waitMs));
}

// Enter, in multi-line sequences with a wait for the release of Ctrl right
// before it: a Ctrl key held down, from a hotkey pressed while the sequence
// types, would make it Ctrl+Enter.
void appendEnter(TypingSequence& steps, const LinePacing& pacing) {
    if (pacing.multi_line) steps.push_back(step(StepKind::AwaitCtrlRelease));
    steps.push_back(step(StepKind::PressEnter));
}

// A line of nothing but blanks, which a chat opened for it would send empty
// or close on.
bool isBlank(const std::wstring& line) { return line.find_first_not_of(L' ') == std::wstring::npos; }

// The line without its control characters (below U+0020, and U+007F): a
// game shows them as glyphs or acts on them (a rule text's line feed, an Esc
// or a backspace in a name). The Enter that ends the line stays.
std::wstring printable(const std::wstring& line) {
    std::wstring kept;
    for (wchar_t unit : line)
        if (unit >= L' ' && unit != L'\x7F') kept.push_back(unit);
    return kept;
}

// The typed lines (see typedLines), each typed and sent with Enter, paced
// and shaped by the style.
TypingSequence linesSequence(const std::vector<std::wstring>& typed, const LinePacing& pacing,
                             const TypingStyle& style) {
    TypingSequence steps;
    steps.push_back(step(StepKind::AwaitCtrlRelease));
    appendWait(steps, pacing.before_first);
    for (const std::wstring& text : typed) {
        if (style.open_chat && isBlank(text)) continue;
        if (pacing.multi_line && style.line_pause_ms > 0)
            steps.push_back(step(StepKind::PaceLine, style.line_pause_ms));
        if (style.open_chat) {
            appendEnter(steps, pacing);
            steps.push_back(step(StepKind::Wait, kChatOpenMs));
        }
        steps.push_back(step(StepKind::TypeText, 0, text));
        appendWait(steps, pacing.after_text);
        appendEnter(steps, pacing);
        appendWait(steps, pacing.after_enter);
    }
    appendWait(steps, pacing.after_last);
    return steps;
}

}  // namespace

std::vector<std::wstring> typedLines(const std::vector<std::wstring>& lines, size_t lineCap) {
    std::vector<std::wstring> typed;
    for (const std::wstring& line : lines) {
        for (std::wstring& piece : cappedLine(printable(line), lineCap)) typed.push_back(std::move(piece));
    }
    return typed;
}

std::vector<std::wstring> ruleTextChunks(const std::string& fileBytes) {
    const std::string text = foldLineEnds(fileBytes);
    const TextEncoding encoding = detectEncoding(text.data(), text.size());
    std::vector<std::wstring> chunks;
    std::string chunk;
    for (size_t i = encoding == TextEncoding::Utf8 ? byteOrderMarkLength(text) : 0; i < text.size();) {
        // A character whose bytes do not fit in the chunk starts the next one.
        const size_t length = encodedCharLength(text.data() + i, text.size() - i, encoding);
        if (chunk.size() + length > kChunkBytes) {
            chunks.push_back(decodeText(chunk, encoding));
            chunk.clear();
        }
        chunk.append(text, i, length);
        i += length;
        if (text[i - 1] == '\n' || chunk.size() == kChunkBytes) {
            chunks.push_back(decodeText(chunk, encoding));
            chunk.clear();
        }
    }
    if (!chunk.empty()) chunks.push_back(decodeText(chunk, encoding));
    return chunks;
}

std::vector<std::wstring> savedResultLines(const std::string& fileBytes) {
    const std::wstring text = readFileText(foldLineEnds(fileBytes));
    std::vector<std::wstring> lines;
    size_t start = 0;
    for (size_t end = text.find(L'\n'); end != std::wstring::npos; end = text.find(L'\n', start)) {
        lines.push_back(firstChars(text.substr(start, end - start), kSavedLineChars));
        start = end + 1;
    }
    return lines;
}

TypingStyle typingStyleOf(const OptionSet& options) {
    TypingStyle style;
    style.open_chat = options.open_chat != 0;
    style.line_pause_ms = options.line_pause_ms;
    style.line_cap = static_cast<size_t>(options.line_cap);
    style.real_keys = options.real_keys != 0;
    return style;
}

std::vector<std::wstring> typedReportLines(const ReportState& report, size_t lineCap) {
    std::vector<std::wstring> lines;
    for (int i = 0; i < report.report_line_count && i < kReportLines; ++i) lines.push_back(report.report_lines[i]);
    return typedLines(lines, lineCap);
}

TypingSequence reportSequence(const ReportState& report, const TypingStyle& style) {
    const std::vector<std::wstring> typed = typedReportLines(report, style.line_cap);
    TypingSequence steps = linesSequence(typed, kReportPacing, style);
    steps.push_back(step(StepKind::SaveReport));
    steps.back().lines = typed;
    return steps;
}

TypingSequence ruleTextSequence(const std::string& fileBytes, const TypingStyle& style) {
    return linesSequence(typedLines(ruleTextChunks(fileBytes), style.line_cap), kRuleTextPacing, style);
}

TypingSequence savedResultSequence(const std::string& fileBytes, const TypingStyle& style) {
    return linesSequence(typedLines(savedResultLines(fileBytes), style.line_cap), kSavedResultPacing, style);
}

TypingSequence oneLineSequence(const std::wstring& text, const TypingStyle& style) {
    return linesSequence(typedLines({text}, style.line_cap), kOneLinePacing, style);
}

namespace {

constexpr int64_t kLineOverheadMs = 150;  // a line's Enter, Ctrl wait and timers, beyond its waits
constexpr int64_t kRealKeyMs = 33;        // one character as key presses (the key held 20 ms)

}  // namespace

int typedLineCount(const TypingSequence& steps) {
    int lines = 0;
    for (size_t i = 0; i < steps.size(); ++i) {
        // An Enter followed by the chat's opening wait opens the chat; it sends nothing.
        const bool opensChat = i + 1 < steps.size() && steps[i + 1].kind == StepKind::Wait &&
                               steps[i + 1].wait_ms == kChatOpenMs && steps[i].kind == StepKind::PressEnter;
        if (steps[i].kind == StepKind::PressEnter && !opensChat) ++lines;
    }
    return lines;
}

int64_t estimatedTypingMs(const TypingSequence& steps, bool realKeys) {
    int64_t total = 0;
    int64_t line = 0;  // the time of the line being typed, from its start
    int64_t pace = 0;  // the least time of that line (line_pause)
    for (const TypingStep& step : steps) {
        switch (step.kind) {
            case StepKind::PaceLine:
                total += std::max(line, pace);
                line = 0;
                pace = step.wait_ms;
                break;
            case StepKind::Wait: line += step.wait_ms; break;
            case StepKind::TypeText:
                line += kLineOverheadMs + (realKeys ? kRealKeyMs * static_cast<int64_t>(step.text.size()) : 0);
                break;
            case StepKind::AwaitCtrlRelease:
            case StepKind::PressEnter:
            case StepKind::SaveReport:
            case StepKind::Quit: break;
        }
    }
    return total + std::max(line, pace);
}
