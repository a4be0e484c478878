#include "output/sequence_text.h"

#include "common/text_convert.h"

std::string sequenceText(const TypingSequence& steps) {
    std::string out;
    for (const TypingStep& step : steps) {
        if (!out.empty()) out += ' ';
        switch (step.kind) {
            case StepKind::AwaitCtrlRelease: out += "ctrl"; break;
            case StepKind::PaceLine: out += "pace " + std::to_string(step.wait_ms); break;
            case StepKind::TypeText: {
                std::string text;
                for (char c : toUtf8(step.text)) text += (c == '\n') ? std::string("\\n") : std::string(1, c);
                out += "[" + text + "]";
                break;
            }
            case StepKind::PressEnter: out += "enter"; break;
            case StepKind::Wait: out += "wait " + std::to_string(step.wait_ms); break;
            case StepKind::SaveReport: out += "save"; break;
            case StepKind::Quit: out += "quit"; break;
        }
    }
    return out;
}
