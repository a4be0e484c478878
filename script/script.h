#pragma once
#include <cstddef>
#include <cstdint>

// One parsed script file: named lists in curly brackets of integers, short
// strings ('...'), long strings ("...") and floats. Integers and short strings
// are stored per entry in fixed tables and looked up by key name and element
// index; floats and long strings are checked but not kept. The store is large
// (its tables hold about 230 KB) and is always created on the heap.
struct Script {
    static constexpr size_t kTextBytes = 100000;  // the text ends at its first zero byte
    static constexpr int kMaxKeys = 10;
    static constexpr size_t kKeyBytes = 100;
    static constexpr int kMaxElements = 100;
    static constexpr size_t kStringBytes = 128;
    static constexpr size_t kPathBytes = 260;
    static constexpr size_t kTokenChars = 100;  // key name, short string, number
    static constexpr size_t kLongStringChars = 10000;

    char text[kTextBytes];
    int key_count;
    char key_names[kMaxKeys][kKeyBytes];
    int32_t int_values[kMaxKeys][kMaxElements];
    char string_values[kMaxKeys][kMaxElements][kStringBytes];
    int int_counts[kMaxKeys];     // integers entry k holds
    int string_counts[kMaxKeys];  // short strings entry k holds
    char path[kPathBytes] = {};   // where the writer stores; empty until storePath, a read never changes it

    // Reads and parses the file at filePath. On failure logs the reason (and
    // "Invalid Character in text check debugging") and leaves no values.
    // The file must also open for writing, since the writer stores into it:
    // a read-only file does not load.
    bool load(const char* filePath);

    // The same for a program that never writes the file: it is opened for
    // reading only, so a read-only file loads.
    bool loadForReading(const char* filePath);

    // Parses the zero-terminated bytes already in text; name is used in the
    // log lines. On failure the store is left without values.
    bool parseText(const char* name);

    // The integer element of the first entry named key; 0 (with a log line)
    // when the key is absent or the element is 100 or more.
    int32_t getInt(const char* key, int element);

    // The short-string element of the first entry named key, or null (with a
    // log line) when the key is absent or the element is 100 or more. Points
    // into the store and stays valid until the next load.
    const char* getString(const char* key, int element);

    // How many integers, or short strings, the first entry named key holds;
    // 0 when there is no such entry. Lookups beyond these give 0 or "".
    int intsHeld(const char* key) const;
    int stringsHeld(const char* key) const;

    // Whether the first entry named key holds at least count values of the
    // kind. Otherwise logs "<key> holds <n> values, fewer than <countKey>
    // <count>" and returns false: the records beyond would be read as 0 or "".
    enum class Kind { Integers, ShortStrings };
    bool listHolds(const char* key, Kind kind, int count, const char* countKey) const;

    // Writer: sets the file that storeInt/storeString rewrite (at most 259
    // bytes are kept).
    void storePath(const char* filePath);

    // Replace the element-th value (counted as blank-separated tokens) of the
    // first text that begins with the key's characters by the new value, write
    // the whole text to path and load it again. The new text must read back
    // with the value at this key and element and every other value unchanged;
    // otherwise, and on every other failure, a line is logged, the file is
    // left byte for byte as it was and false is returned.
    bool storeInt(const char* key, int element, int32_t value);
    bool storeString(const char* key, int element, const char* value);

    // Locates the old value of the element-th token of the key's list in
    // text: [begin, end) on success; logs why and returns false otherwise.
    bool findElement(const char* key, int element, size_t& begin, size_t& end);

    // Blanks separate tokens: space, LF, CR and tab.
    static bool isBlank(char c);
    // The position after the blanks starting at pos.
    size_t skipBlanks(size_t pos) const;
    // The position of the first blank, '}' or end of text from pos on.
    size_t skipToken(size_t pos) const;

    // Empties the tables (not path): no keys, every integer 0, every string "".
    void clearValues();

    // Index of the first entry named key, or -1.
    int findKey(const char* key) const;

    // load and loadForReading: whether the file must open for writing too.
    bool loadFile(const char* filePath, bool mustBeWritable);
};
