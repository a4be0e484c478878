#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "common/bounded_copy.h"
#include "common/debug_log.h"
#include "common/file_open.h"
#include "common/file_status.h"
#include "common/safe_write.h"
#include "script/script.h"

namespace {

// The stored text ends at its first zero byte or at the end of the buffer.
size_t textLength(const Script& script) { return strnlen(script.text, Script::kTextBytes); }

// Where the reader puts one value: an integer or a short-string place of the
// first entry of a key.
struct ValuePlace {
    int key;
    int element;
    bool is_int;
};

// True when every table of after equals the one of before, except the place
// given, which is not compared.
bool sameValuesExcept(const Script& before, const Script& after, const ValuePlace& place) {
    if (before.key_count != after.key_count) return false;
    for (int k = 0; k < Script::kMaxKeys; ++k) {
        if (std::strcmp(before.key_names[k], after.key_names[k]) != 0) return false;
        for (int e = 0; e < Script::kMaxElements; ++e) {
            bool skipped = k == place.key && e == place.element;
            if (!(skipped && place.is_int) && before.int_values[k][e] != after.int_values[k][e]) return false;
            if (!(skipped && !place.is_int) && std::strcmp(before.string_values[k][e], after.string_values[k][e]) != 0)
                return false;
        }
    }
    return true;
}

// The value the caller wants to find again after the store.
struct StoredValue {
    bool is_int;
    int32_t number;
    const char* string;
};

// Parses newText in a scratch store and checks that it gives back the value
// at the key and element and leaves every other value of the current store as
// it is. This is what makes a store safe: a replaced token that was only part
// of a value (a quoted string with blanks), a value of the other kind, or a
// match of the key's characters inside a comment or a longer name would
// otherwise shift or lose values the randomiser reads.
bool readsBack(const Script& current, const std::string& newText, const char* key, int element,
               const StoredValue& value) {
    std::unique_ptr<Script> check(new Script);
    std::memcpy(check->text, newText.c_str(), newText.size() + 1);
    if (!check->parseText(current.path)) return false;
    int k = check->findKey(key);
    if (k < 0 || element >= Script::kMaxElements) return false;
    bool valueThere = value.is_int ? check->int_values[k][element] == value.number
                                   : std::strcmp(check->string_values[k][element], value.string) == 0;
    return valueThere && sameValuesExcept(current, *check, ValuePlace{k, element, value.is_int});
}

// A file that exists must be writable by us: replacing it by a move would
// otherwise succeed even where the file itself is read-only.
bool mayReplace(const char* path) {
    FILE* file = openFile(path, "r+b");
    if (file != nullptr) {
        std::fclose(file);
        return true;
    }
    return fileIsMissing(path);  // gone since the load: it is written anew
}

// Refuses a short string that would not come back whole from the reader:
// a single quote would end it early, a blank or '}' would split it into
// several tokens for the writer, more than 100 characters the reader rejects.
bool shortStringFits(const char* key, int element, const char* value) {
    if (value == nullptr) {
        debugLog("Script store refused for %s, element %i: no string given", key, element);
        return false;
    }
    if (std::strlen(value) > Script::kTokenChars) {
        debugLog("Script store refused for %s, element %i: a short string holds at most 100 characters", key, element);
        return false;
    }
    for (const char* c = value; *c != '\0'; ++c) {
        if (*c == '\'' || *c == '}' || Script::isBlank(*c)) {
            debugLog("Script store refused for %s, element %i: a short string cannot hold a quote, blank or }", key,
                     element);
            return false;
        }
    }
    return true;
}

// The steps shared by storeInt and storeString: find the old value, put the
// written form in its place, check the result, replace the file, load it.
bool storeValue(Script& script, const char* key, int element, const std::string& written, const StoredValue& value) {
    size_t begin = 0;
    size_t end = 0;
    if (!script.findElement(key, element, begin, end)) return false;

    const size_t length = textLength(script);
    std::string newText;
    newText.reserve(length - (end - begin) + written.size());
    newText.append(script.text, begin);
    newText.append(written);
    newText.append(script.text + end, length - end);
    if (newText.size() >= Script::kTextBytes) {
        debugLog("Script store refused for %s, element %i: the file would grow beyond 99999 bytes", key, element);
        return false;
    }
    if (!readsBack(script, newText, key, element, value)) {
        debugLog("Script store refused for %s, element %i: the file would not read the value back unchanged", key,
                 element);
        return false;
    }
    if (!mayReplace(script.path) || !replaceFileContents(script.path, newText.data(), newText.size())) {
        logOpenFailure(script.path);
        return false;
    }
    return script.load(script.path);
}

}  // namespace

void Script::storePath(const char* filePath) { boundedCopy(path, filePath != nullptr ? filePath : ""); }

bool Script::findElement(const char* key, int element, size_t& begin, size_t& end) {
    if (key == nullptr) key = "";
    const size_t length = textLength(*this);
    if (element < 0 || length == 0 || key[0] == '\0') {
        debugLog("Invalid data handed to program num - %i, element - %i\nstr - %.*s\nname - %s", 0, element,
                 static_cast<int>(length), text, key);
        return false;
    }

    // Find the first place, outside quoted strings, where the text begins
    // with the key's characters. A token whose first character matches is
    // searched from its next character on, so a match may start inside it.
    const size_t keyLength = std::strlen(key);
    size_t pos = 0;
    for (;;) {
        pos = skipBlanks(pos);
        char c = pos < length ? text[pos] : '\0';
        if (c == '\'' || c == '"') {
            size_t close = pos + 1;
            while (close < length && text[close] != c) ++close;
            if (close >= length) {
                debugLog(c == '\'' ? "Missing ending character ' from %i" : "Missing ending character \" from %i",
                         static_cast<int>(pos));
                return false;
            }
            // The closing quote and whatever touches it pass as one token.
            pos = skipToken(close);
            if (pos >= length) return false;
        } else if (c == key[0]) {
            if (pos + keyLength >= length) return false;
            if (std::strncmp(text + pos, key, keyLength) == 0) break;
        } else {
            pos = skipToken(pos);
            if (pos >= length) return false;
        }
        ++pos;
        if (pos >= length) {
            debugLog("Could not find - %s\n in %.*s", key, static_cast<int>(length), text);
            return false;
        }
    }

    pos += keyLength;
    while (pos < length && text[pos] != '{') ++pos;
    if (pos >= length) {
        debugLog("Could not find beginning curly bracket");
        return false;
    }

    // Elements are blank-separated tokens of any kind. At the closing bracket
    // or the end no token follows, so counting on would not move.
    pos = skipBlanks(pos + 1);
    for (int e = 0; e < element && pos < length && text[pos] != '}'; ++e) pos = skipBlanks(skipToken(pos));
    pos = skipBlanks(pos);

    if (pos >= length) {
        debugLog("Encountered Unexpected End Of File");
        return false;
    }
    if (text[pos] == '}') {
        debugLog("A empty or previous value is required to be stored beforehand for %s, element %i, (even if it is 0)",
                 key, element);
        return false;
    }
    begin = pos;
    end = skipToken(pos);
    return true;
}

bool Script::storeInt(const char* key, int element, int32_t value) {
    if (path[0] == '\0') {
        debugLog("Script storePath function has not been called beforehand; %s", key != nullptr ? key : "");
        return false;
    }
    return storeValue(*this, key, element, std::to_string(value), StoredValue{true, value, nullptr});
}

bool Script::storeString(const char* key, int element, const char* value) {
    if (path[0] == '\0') {
        debugLog("Script storePath function has not been called beforehand; %s", key != nullptr ? key : "");
        return false;
    }
    if (!shortStringFits(key != nullptr ? key : "", element, value)) return false;
    return storeValue(*this, key, element, "'" + std::string(value) + "'", StoredValue{false, 0, value});
}
