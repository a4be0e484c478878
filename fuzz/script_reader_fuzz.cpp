// Feeds arbitrary bytes to the script reader and looks up every key it found.
#include <cstdint>
#include <cstring>
#include <memory>

#include "fuzz_folder.h"
#include "script/script.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    enterFuzzFolder(nullptr);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static std::unique_ptr<Script> script(new Script());
    size_t used = size < Script::kTextBytes - 1 ? size : Script::kTextBytes - 1;
    std::memset(script->text, 0, sizeof script->text);
    std::memcpy(script->text, data, used);
    if (!script->parseText("fuzz")) {
        if (script->key_count != 0) __builtin_trap();
        return 0;
    }
    for (int k = 0; k < script->key_count; ++k) {
        char key[Script::kKeyBytes];
        std::memcpy(key, script->key_names[k], sizeof key);
        if (std::memchr(key, 0, sizeof key) == nullptr) __builtin_trap();  // names must be terminated
        if (script->intsHeld(key) > Script::kMaxElements || script->stringsHeld(key) > Script::kMaxElements)
            __builtin_trap();  // a list holds at most 100 values of each kind
        for (int element : {-1, 0, 1, 99, 100}) {
            script->getInt(key, element);
            const char* value = script->getString(key, element);
            if (value != nullptr && std::strlen(value) > 100) __builtin_trap();
        }
    }
    return 0;
}
