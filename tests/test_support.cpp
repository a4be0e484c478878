#include "test_support.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

TempFolder::TempFolder() {
    char cwd[4096];
    if (getcwd(cwd, sizeof cwd) == nullptr) throw std::runtime_error("getcwd failed");
    previous_ = cwd;
    std::string pattern = (std::filesystem::temp_directory_path() / "brenlow-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
    if (chdir(path_.c_str()) != 0) throw std::runtime_error("chdir failed");
}

TempFolder::~TempFolder() {
    if (chdir(previous_.c_str()) != 0) std::perror("chdir back");
    std::error_code ignored;
    // Read-only folders made by a test must become writable again to be removed.
    for (auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored))
        std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                 ignored);
    std::filesystem::remove_all(path_, ignored);
}

WithoutAdminRights::WithoutAdminRights() {
    if (geteuid() != 0) return;
    const uid_t kNobody = 65534;
    if (chmod(".", 0777) != 0 || seteuid(kNobody) != 0) throw std::runtime_error("cannot drop rights");
    switched_ = true;
}

WithoutAdminRights::~WithoutAdminRights() {
    if (switched_ && seteuid(0) != 0) std::perror("seteuid back");
}

void writeFile(const std::string& name, const std::string& bytes) {
    std::filesystem::path path(name);
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string readFile(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string debugLogText() {
    std::string text = readFile("debug.txt");
    std::string lines;
    for (char c : text) {
        if (c != '\r') lines.push_back(c);
    }
    return lines;
}
