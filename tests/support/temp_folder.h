#pragma once
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

// A fresh folder under /tmp that the test works in: the constructor enters
// it, the destructor returns to the old working folder and removes it.
class TempFolder {
public:
    TempFolder() {
        char pattern[] = "/tmp/brenlow_test_XXXXXX";
        const char* made = mkdtemp(pattern);
        path_ = made != nullptr ? made : "";
        char old[4096];
        if (getcwd(old, sizeof old) != nullptr) oldDir_ = old;
        entered_ = !path_.empty() && chdir(path_.c_str()) == 0;
    }
    ~TempFolder() {
        if (!oldDir_.empty() && chdir(oldDir_.c_str()) != 0) std::perror("chdir");
        if (!path_.empty()) std::system(("rm -rf '" + path_ + "'").c_str());
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    bool entered() const { return entered_; }
    const std::string& path() const { return path_; }

    // Writes text to a file relative to the folder, making Scripts/ when needed.
    static bool write(const std::string& name, const std::string& text) {
        if (name.rfind("Scripts/", 0) == 0) mkdir("Scripts", 0755);
        FILE* file = std::fopen(name.c_str(), "wb");
        if (file == nullptr) return false;
        bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
        return std::fclose(file) == 0 && ok;
    }

    // The whole content of a file, or "" when it cannot be read.
    static std::string read(const std::string& name) {
        FILE* file = std::fopen(name.c_str(), "rb");
        if (file == nullptr) return "";
        std::string text;
        char buffer[4096];
        size_t got;
        while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, got);
        std::fclose(file);
        return text;
    }

private:
    std::string path_;
    std::string oldDir_;
    bool entered_ = false;
};
