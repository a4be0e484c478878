#include "test_support.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

namespace fs = std::filesystem;

TempFolder::TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "brenlow-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a temporary folder");
    path_ = pattern;
    fs::permissions(path_, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                               fs::perms::others_read | fs::perms::others_exec);
    previous_ = fs::current_path().string();
    fs::current_path(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
    // Folders a test made read-only must become writable again to be removed.
    for (auto& entry : fs::recursive_directory_iterator(path_, ignored))
        fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
}

void writeFile(const std::string& name, const std::string& bytes) {
    fs::path path(name);
    if (path.has_parent_path()) fs::create_directories(path.parent_path());
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string readFile(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string debugLogText() {
    std::string lines;
    for (char c : readFile("debug.txt")) {
        if (c != '\r') lines.push_back(c);
    }
    return lines;
}

std::string logLines(std::initializer_list<std::string> lines) {
    std::string log;
    for (const std::string& line : lines) log += line + "\n";
    return log;
}

bool runWithoutRootRights(const std::function<bool()>& check) {
    if (geteuid() != 0) return check();
    const uid_t kNobody = 65534;
    std::fflush(nullptr);
    pid_t child = fork();
    if (child < 0) return false;
    if (child == 0) {
        if (setgid(kNobody) != 0 || setuid(kNobody) != 0) _exit(2);
        _exit(check() ? 0 : 1);
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
