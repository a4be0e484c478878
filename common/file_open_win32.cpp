#include <cwchar>
#include <string>

#include "common/file_open.h"
#include "common/text_convert.h"

FILE* openFile(const char* path, const char* mode) {
    return _wfopen(decodeText(path, TextEncoding::Utf8).c_str(), decodeText(mode, TextEncoding::Utf8).c_str());
}

bool removeFile(const char* path) { return _wremove(decodeText(path, TextEncoding::Utf8).c_str()) == 0; }
