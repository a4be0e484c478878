// Fuzzes the script writer: a script file (generated from the input, or taken
// from it as it stands) is loaded, and one to three integers or short strings
// are stored, one after the other, at keys and elements drawn from the input.
// Each outcome is checked against the writer's promise: either the store
// succeeded, the file reads back with the value at that key and element and
// every other value unchanged, and its bytes differ from the old ones only by
// the new value in place of one span; or the store failed and the file is
// byte for byte the old one.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "fuzz_folder.h"
#include "script/script.h"

namespace {

const char* const kFileName = "PlayerData.txt";

// Keys of PlayerData.txt, and names that begin like them, so that the
// writer's search by characters meets its traps.
const char* const kKeys[] = {"player_num",  "team_num", "player_name", "player_rating", "player_fmt_group", "player",
                             "player_numX", "k",        "kk",          "name"};
const size_t kKeyCount = sizeof kKeys / sizeof kKeys[0];

// Characters of generated strings: plain ones and those that matter to the
// format (blanks, brackets, quotes, comment mark).
const char kAlphabet[] = "abcXYZ019_- \t\n{}'\"#.";

void fail(const char* what) {
    std::fprintf(stderr, "writer fuzz: %s\n", what);
    std::abort();
}

std::string readWholeFile(const char* path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void writeWholeFile(const char* path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << bytes;
}

std::string drawString(FuzzedDataProvider& data, size_t maxLength) {
    size_t length = data.ConsumeIntegralInRange<size_t>(0, maxLength);
    std::string text;
    for (size_t i = 0; i < length; ++i) {
        text += kAlphabet[data.ConsumeIntegralInRange<size_t>(0, sizeof kAlphabet - 2)];  // never the terminator
    }
    return text;
}

std::string drawBlanks(FuzzedDataProvider& data) {
    static const char* const kBlanks[] = {"", " ", "  ", "\n", "\r\n", "\t"};
    return data.PickValueInArray(kBlanks);
}

std::string drawValue(FuzzedDataProvider& data) {
    switch (data.ConsumeIntegralInRange(0, 6)) {
        case 0: return "'" + drawString(data, 12) + "'";
        case 1: return "\"" + drawString(data, 12) + "\"";
        case 2:
            return std::to_string(data.ConsumeIntegralInRange(0, 9)) + "." +
                   std::to_string(data.ConsumeIntegral<uint8_t>());
        case 3: return drawString(data, 6);
        case 4: return "'" + drawString(data, 4) + "''" + drawString(data, 4) + "'";
        default: return std::to_string(data.ConsumeIntegral<int32_t>());
    }
}

// A script text of entries with values of every kind, comments and stray
// text between them.
std::string generateText(FuzzedDataProvider& data) {
    std::string text;
    const int pieces = data.ConsumeIntegralInRange(0, 8);
    for (int p = 0; p < pieces; ++p) {
        const char* key = kKeys[data.ConsumeIntegralInRange<size_t>(0, kKeyCount - 1)];
        switch (data.ConsumeIntegralInRange(0, 5)) {
            case 0: text += std::string("# ") + key + " {" + drawValue(data) + "}\n"; break;
            case 1: text += drawString(data, 8); break;
            default: {
                text += key + drawBlanks(data) + "{" + drawBlanks(data);
                const int values = data.ConsumeIntegralInRange(0, 10);
                for (int v = 0; v < values; ++v) {
                    text += drawValue(data) + (data.ConsumeBool() ? " " : drawBlanks(data));
                }
                if (data.ConsumeIntegralInRange(0, 9) != 0) text += "}";
            }
        }
        text += drawBlanks(data);
    }
    return text;
}

// True when after holds the same keys and values as before except, maybe, the
// one place the store wrote, which must hold the value.
bool valuesMatch(const Script& before, const Script& after, const char* key, int element, bool isInt, int32_t number,
                 const std::string& string) {
    if (before.key_count != after.key_count) return false;
    const int k = after.findKey(key);
    if (k < 0 || element >= Script::kMaxElements) return false;
    if (isInt ? after.int_values[k][element] != number : string != after.string_values[k][element]) return false;
    for (int entry = 0; entry < Script::kMaxKeys; ++entry) {
        if (std::strcmp(before.key_names[entry], after.key_names[entry]) != 0) return false;
        for (int e = 0; e < Script::kMaxElements; ++e) {
            const bool target = entry == k && e == element;
            if (!(target && isInt) && before.int_values[entry][e] != after.int_values[entry][e]) return false;
            if (!(target && !isInt) && std::strcmp(before.string_values[entry][e], after.string_values[entry][e]) != 0)
                return false;
        }
    }
    return true;
}

// True when after is before with one span replaced by written.
bool isOneSplice(const std::string& before, const std::string& after, const std::string& written) {
    if (after.size() < written.size()) return false;
    size_t prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix]) ++prefix;
    size_t suffix = 0;
    while (suffix < before.size() && suffix < after.size() &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    const size_t last = after.size() - written.size();
    const size_t first = last > suffix ? last - suffix : 0;
    for (size_t at = first; at <= last && at <= prefix; ++at) {
        if (after.compare(at, written.size(), written) == 0) return true;
    }
    return false;
}

// One store the input asks for.
struct StoreRequest {
    const char* key;
    int element;
    bool is_int;
    int32_t number;
    std::string string;
};

const int kMaxStores = 3;

StoreRequest drawRequest(FuzzedDataProvider& data) {
    StoreRequest request;
    request.key = kKeys[data.ConsumeIntegralInRange<size_t>(0, kKeyCount - 1)];
    request.element = data.ConsumeIntegralInRange(-1, 11);
    request.is_int = data.ConsumeBool();
    request.number = data.ConsumeIntegral<int32_t>();
    request.string = drawString(data, 110);
    return request;
}

// Stores as asked and checks the outcome against the file before and after.
void checkStore(Script& script, const StoreRequest& request) {
    const std::string old = readWholeFile(kFileName);
    std::unique_ptr<Script> before(new Script(script));
    const bool stored = request.is_int ? script.storeInt(request.key, request.element, request.number)
                                       : script.storeString(request.key, request.element, request.string.c_str());
    const std::string after = readWholeFile(kFileName);
    if (!stored) {
        if (after != old) fail("a failed store changed the file");
        return;
    }
    std::unique_ptr<Script> reread(new Script());
    if (!reread->load(kFileName)) fail("the stored file does not load");
    if (!valuesMatch(*before, *reread, request.key, request.element, request.is_int, request.number, request.string))
        fail("the stored file does not read back the value with the rest unchanged");
    const std::string written = request.is_int ? std::to_string(request.number) : "'" + request.string + "'";
    if (!isOneSplice(old, after, written)) fail("the stored file differs from the old one by more than the value");
    if (std::memcmp(reread->int_values, script.int_values, sizeof script.int_values) != 0 ||
        std::memcmp(reread->string_values, script.string_values, sizeof script.string_values) != 0)
        fail("the store does not hold what the file holds");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    enterFuzzFolder(nullptr);  // the writer and the log use the working folder
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    const bool generated = data.ConsumeBool();
    StoreRequest requests[kMaxStores];
    const int storeCount = data.ConsumeIntegralInRange(1, kMaxStores);
    for (int i = 0; i < storeCount; ++i) requests[i] = drawRequest(data);
    std::string text = generated ? generateText(data) : data.ConsumeRemainingBytesAsString();
    text = text.substr(0, text.find('\0'));

    std::remove("debug.txt");  // keeps the log from growing without end
    writeWholeFile(kFileName, text);
    std::unique_ptr<Script> script(new Script());
    script->load(kFileName);  // when it fails, the stores must fail on the empty text
    script->storePath(kFileName);
    for (int i = 0; i < storeCount; ++i) checkStore(*script, requests[i]);
    return 0;
}
