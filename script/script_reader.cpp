#include <cstdio>
#include <cstring>
#include <string>

#include "common/bounded_copy.h"
#include "common/debug_log.h"
#include "common/file_open.h"
#include "common/number_read.h"
#include "common/whole_file.h"
#include "script/script.h"

namespace {

const char* const kInvalidTextLine = "Invalid Character in text check debugging";
constexpr size_t kUnmatchedShownChars = 30;  // of the string whose quote has no match

// Walks the text of one store and fills its tables. Every method that can fail
// logs its own line and returns false.
struct TextParser {
    Script& script;
    const char* name;
    size_t pos = 0;
    int int_count = 0;     // integers stored in the current entry
    int string_count = 0;  // short strings stored in the current entry

    char at() const { return script.text[pos]; }
    bool atEnd() const { return pos >= Script::kTextBytes || script.text[pos] == '\0'; }

    void skipBlanks() { pos = script.skipBlanks(pos); }

    // Between entries: blanks, comments and every character that cannot start
    // a key are passed over. Stops at a lower-case letter or the end.
    void skipToNextKey() {
        while (!atEnd()) {
            char c = at();
            if (c >= 'a' && c <= 'z') return;
            if (c == '#') {
                while (!atEnd() && at() != '\n') ++pos;
            } else {
                ++pos;
            }
        }
    }

    // The key name runs to a blank, '{' or the end; 99 characters are kept.
    void readKeyName(char* out) {
        size_t length = 0;
        while (!atEnd() && !Script::isBlank(at()) && at() != '{') {
            if (length + 1 < Script::kKeyBytes) out[length++] = at();
            ++pos;
        }
        out[length] = '\0';
    }

    // Says which quote has no match: the line of the opening quote at start
    // and what follows it on that line, so the host finds the string to close.
    void logUnmatched(const char* unmatchedLine, size_t start) const {
        int line = 1;
        for (size_t i = 0; i < start; ++i)
            if (script.text[i] == '\n') ++line;
        size_t end = start + 1;
        while (end < Script::kTextBytes && end - start <= kUnmatchedShownChars && script.text[end] != '\0' &&
               script.text[end] != '\n' && script.text[end] != '\r')
            ++end;
        debugLog(unmatchedLine, name, line, static_cast<int>(end - start), script.text + start);
    }

    // Reads a quoted string starting at the opening quote. The characters are
    // copied to out (when out is not null) up to maxChars; more is an error.
    // A value ends at a blank, '}' or the next quote, so a closing quote that
    // touches anything else was really the opening quote of the next string:
    // the quote of this one is missing.
    bool readQuoted(char quote, size_t maxChars, char* out, const char* unmatchedLine, const char* tooLongLine) {
        const size_t start = pos;
        ++pos;  // opening quote
        size_t length = 0;
        while (!atEnd() && at() != quote) {
            if (length == maxChars) {
                debugLog(tooLongLine, name);
                return false;
            }
            if (out != nullptr) out[length] = at();
            ++length;
            ++pos;
        }
        if (atEnd()) {
            logUnmatched(unmatchedLine, start);
            return false;
        }
        ++pos;  // closing quote
        if (!atEnd() && !Script::isBlank(at()) && at() != '}' && at() != '\'' && at() != '"') {
            logUnmatched(unmatchedLine, start);
            return false;
        }
        if (out != nullptr) out[length] = '\0';
        return true;
    }

    bool readShortString() {
        char value[Script::kTokenChars + 1];
        if (!readQuoted('\'', Script::kTokenChars, value, "Short String without matching ' - %s, line %i: %.*s",
                        "too many characters in data (Short String) - %s"))
            return false;
        if (string_count == Script::kMaxElements) {
            debugLog("too many short strings in one list (at most 100) - %s", name);
            return false;
        }
        boundedCopy(script.string_values[script.key_count][string_count++], Script::kStringBytes, value);
        return true;
    }

    bool readLongString() {
        return readQuoted('"', Script::kLongStringChars, nullptr, "Long String without matching \" - %s, line %i: %.*s",
                          "too many characters in data (Long String) - %s");
    }

    // A number token runs to a blank, '}' or the end. Only digits, '.' and '-'
    // are kept: with a '.' it is a float (dropped), with a digit an integer,
    // with neither it is no value at all.
    bool readNumber() {
        char stored[Script::kTokenChars + 1];
        size_t length = 0;
        bool hasDigit = false;
        bool hasPoint = false;
        for (const size_t end = script.skipToken(pos); pos < end; ++pos) {
            char c = at();
            if ((c >= '0' && c <= '9') || c == '.' || c == '-') {
                if (length == Script::kTokenChars) {
                    debugLog(c == '.' ? "too many characters in data (numeric(float)) - %s"
                                      : "too many characters in data (numeric(int)) - %s",
                             name);
                    return false;
                }
                stored[length++] = c;
                if (c == '.') hasPoint = true;
                if (c >= '0' && c <= '9') hasDigit = true;
            }
        }
        stored[length] = '\0';
        if (hasPoint || !hasDigit) return true;  // float or no value: nothing stored
        if (int_count == Script::kMaxElements) {
            debugLog("too many integers in one list (at most 100) - %s", name);
            return false;
        }
        // The stored characters are digits and minus signs: an optional
        // leading minus, then the digits up to the next minus, give the value.
        script.int_values[script.key_count][int_count++] = readLeadingInt(stored);
        return true;
    }

    bool readValue() {
        char c = at();
        if (c == '\'') return readShortString();
        if (c == '"') return readLongString();
        return readNumber();
    }

    bool readEntry() {
        if (script.key_count == Script::kMaxKeys) {
            debugLog("too many entries in file (at most 10) - %s", name);
            return false;
        }
        readKeyName(script.key_names[script.key_count]);
        int_count = 0;
        string_count = 0;
        skipBlanks();
        if (atEnd() || at() != '{') {
            debugLog("No Beginning Curly Bracket - %s", name);
            return false;
        }
        ++pos;
        for (;;) {
            skipBlanks();
            if (atEnd()) break;
            if (at() == '}') {
                ++pos;
                break;
            }
            if (!readValue()) return false;
        }
        script.int_counts[script.key_count] = int_count;
        script.string_counts[script.key_count] = string_count;
        ++script.key_count;
        return true;
    }

    bool parse() {
        for (;;) {
            skipToNextKey();
            if (atEnd()) return true;
            if (!readEntry()) return false;
        }
    }
};

// A text saved as UTF-16 (as Notepad's "Unicode" does) starts with its byte
// order mark, or, without one, with an ASCII character and a zero byte; read
// as bytes, it would end at its first zero. A zero byte further on still
// ends the text.
bool savedAsUtf16(const std::string& bytes) {
    if (bytes.size() < 2) return false;
    const bool littleEndianMark = bytes[0] == '\xFF' && bytes[1] == '\xFE';
    const bool bigEndianMark = bytes[0] == '\xFE' && bytes[1] == '\xFF';
    const bool unmarked = bytes[0] != '\0' && bytes[1] == '\0';
    return littleEndianMark || bigEndianMark || unmarked;
}

}  // namespace

void Script::clearValues() {
    key_count = 0;
    std::memset(key_names, 0, sizeof key_names);
    std::memset(int_values, 0, sizeof int_values);
    std::memset(string_values, 0, sizeof string_values);
    std::memset(int_counts, 0, sizeof int_counts);
    std::memset(string_counts, 0, sizeof string_counts);
}

bool Script::parseText(const char* name) {
    clearValues();
    TextParser parser{*this, name};
    if (parser.parse()) return true;
    clearValues();
    debugLog("%s", kInvalidTextLine);
    return false;
}

bool Script::load(const char* filePath) { return loadFile(filePath, true); }

bool Script::loadForReading(const char* filePath) { return loadFile(filePath, false); }

bool Script::loadFile(const char* filePath, bool mustBeWritable) {
    std::memset(text, 0, sizeof text);
    clearValues();

    FILE* file = openFile(filePath, "rb");
    if (file == nullptr) {
        debugLog("filename doesnt exist - %s", filePath);
        debugLog("%s", kInvalidTextLine);
        return false;
    }
    if (mustBeWritable) {
        // Opened again for reading and writing: a file that may not be
        // written does not load, since the writer must be able to store into it.
        std::fclose(file);
        file = openFile(filePath, "r+b");
        if (file == nullptr) {
            logOpenFailure(filePath);
            debugLog("%s", kInvalidTextLine);
            return false;
        }
    }

    // The text must keep a terminating zero: a file that would fill all of
    // it (100 000 bytes or more) is refused rather than cut.
    std::string bytes;
    const WholeFileRead read = readWholeFile(file, kTextBytes - 1, bytes);
    std::fclose(file);
    if (read == WholeFileRead::Failed) {
        debugLog("Error reading file - Invalid Data In - %s", filePath);
        debugLog("%s", kInvalidTextLine);
        return false;
    }
    if (read == WholeFileRead::TooLong) {
        debugLog("file too large (at most 99999 bytes) - %s", filePath);
        debugLog("%s", kInvalidTextLine);
        return false;
    }
    if (savedAsUtf16(bytes)) {
        debugLog("%s is saved as UTF-16: save it as UTF-8 or ANSI", filePath);
        debugLog("%s", kInvalidTextLine);
        return false;
    }
    std::memcpy(text, bytes.data(), bytes.size());  // at most kTextBytes - 1 bytes
    return parseText(filePath);
}

bool Script::isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

size_t Script::skipBlanks(size_t pos) const {
    while (pos < kTextBytes && text[pos] != '\0' && isBlank(text[pos])) ++pos;
    return pos;
}

size_t Script::skipToken(size_t pos) const {
    while (pos < kTextBytes && text[pos] != '\0' && !isBlank(text[pos]) && text[pos] != '}') ++pos;
    return pos;
}

int Script::findKey(const char* key) const {
    for (int k = 0; k < key_count; ++k) {
        if (std::strcmp(key_names[k], key) == 0) return k;
    }
    return -1;
}

int Script::intsHeld(const char* key) const {
    int k = findKey(key);
    return k < 0 ? 0 : int_counts[k];
}

int Script::stringsHeld(const char* key) const {
    int k = findKey(key);
    return k < 0 ? 0 : string_counts[k];
}

bool Script::listHolds(const char* key, Kind kind, int count, const char* countKey) const {
    int held = kind == Kind::Integers ? intsHeld(key) : stringsHeld(key);
    if (held >= count) return true;
    debugLog("%s holds %i values, fewer than %s %i", key, held, countKey, count);
    return false;
}

int32_t Script::getInt(const char* key, int element) {
    int k = findKey(key);
    if (k < 0) {
        debugLog("script - expected integer missing");
        return 0;
    }
    if (element >= kMaxElements) {
        debugLog("beyond end of int array - couldnt find the element");
        return 0;
    }
    return int_values[k][element < 0 ? 0 : element];
}

const char* Script::getString(const char* key, int element) {
    int k = findKey(key);
    if (k < 0) {
        debugLog("script - expected string missing");
        return nullptr;
    }
    if (element >= kMaxElements) {
        debugLog("beyond end of string array - couldnt find the element");
        return nullptr;
    }
    return string_values[k][element < 0 ? 0 : element];
}
