#include "editor/evening_report.h"

#include "common/text_convert.h"
#include "ratings/evening_page.h"

bool writeEveningReport(EditorPort& port) {
    const std::string why = writeEveningPage();
    if (why.empty()) return true;
    const std::wstring text = L"Evening.html was not written: " + decodeText(why, TextEncoding::Utf8) +
                              L". The page from before is left as it was.";
    port.showErrorBox(text.c_str());
    return false;
}

std::wstring eveningOpenFailure(const std::wstring& path) {
    return L"The evening report was written, but no program opened it. Open it in a browser:\n" + path +
           L"\n(The path is on the clipboard.)";
}
