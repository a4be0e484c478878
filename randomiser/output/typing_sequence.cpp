#include "randomiser/output/typing_sequence.h"

#include "common/text_convert.h"

namespace {

constexpr size_t kChunkBytes = 49;      // a 50-byte fgets buffer less its terminator
constexpr size_t kSavedLineChars = 79;  // the longest report line

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

// Enter with a wait for the release of Ctrl right before it: a Ctrl key held
// down, from a hotkey pressed while the sequence types, would make it Ctrl+Enter.
void appendEnter(TypingSequence& steps) {
    steps.push_back(step(StepKind::AwaitCtrlRelease));
    steps.push_back(step(StepKind::PressEnter));
}

}  // namespace

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

TypingSequence reportSequence(const ReportState& report) {
    TypingSequence steps;
    steps.push_back(step(StepKind::AwaitCtrlRelease));
    steps.push_back(step(StepKind::Wait, kLinePauseMs));
    for (int i = 0; i < report.report_line_count && i < kReportLines; ++i) {
        steps.push_back(step(StepKind::TypeText, 0, report.report_lines[i]));
        steps.push_back(step(StepKind::Wait, kLinePauseMs));
        appendEnter(steps);
    }
    steps.push_back(step(StepKind::Wait, kLinePauseMs));
    steps.push_back(step(StepKind::SaveReport));
    return steps;
}

TypingSequence ruleTextSequence(const std::string& fileBytes) {
    TypingSequence steps;
    steps.push_back(step(StepKind::AwaitCtrlRelease));
    for (const std::wstring& chunk : ruleTextChunks(fileBytes)) {
        steps.push_back(step(StepKind::TypeText, 0, chunk));
        steps.push_back(step(StepKind::Wait, kLinePauseMs));
        appendEnter(steps);
        steps.push_back(step(StepKind::Wait, kChunkGapMs));
    }
    return steps;
}

TypingSequence savedResultSequence(const std::string& fileBytes) {
    TypingSequence steps;
    steps.push_back(step(StepKind::AwaitCtrlRelease));
    for (const std::wstring& line : savedResultLines(fileBytes)) {
        steps.push_back(step(StepKind::TypeText, 0, line));
        appendEnter(steps);
        steps.push_back(step(StepKind::Wait, kLinePauseMs));
    }
    return steps;
}

TypingSequence oneLineSequence(const std::wstring& text) {
    return {step(StepKind::AwaitCtrlRelease), step(StepKind::TypeText, 0, text), step(StepKind::PressEnter)};
}
