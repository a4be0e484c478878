// Feeds arbitrary text, as a host may paste or a chat line may hold, to the
// lobby reader and the line cap, and checks what the editor and the typing
// rely on: every player's name fits the file's limit, and the pieces of a
// capped line fit the cap and keep the line's characters in order.
#include <cstdint>
#include <string>
#include <vector>

#include "common/text_convert.h"
#include "editor/lobby_text.h"
#include "randomiser/output/line_cap.h"
#include "script/player_data_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::wstring text = readFileText(std::string(reinterpret_cast<const char*>(data), size));
    for (const LobbyLine& line : readLobbyLines(text.c_str())) {
        if (isPlayerLine(line) && (line.name.empty() || charCount(line.name) > kMaxNameChars)) __builtin_trap();
        if (line.name.find(L'\'') != std::wstring::npos) __builtin_trap();  // the file's names cannot hold it
    }
    for (size_t cap : {20, 21, 65}) {
        const std::vector<std::wstring> pieces = cappedLine(text, cap);
        const std::wstring prefix = continuationPrefix(text);
        std::wstring kept;
        for (size_t i = 0; i < pieces.size(); ++i) {
            if (charCount(pieces[i]) > cap && pieces.size() > 1) __builtin_trap();
            kept += i == 0 ? pieces[i] : pieces[i].substr(prefix.size());
        }
        std::wstring expected;
        for (wchar_t c : text)
            if (c != L' ') expected += c;
        std::wstring got;
        for (wchar_t c : kept)
            if (c != L' ') got += c;
        if (got != expected) __builtin_trap();
    }
    return 0;
}
