#include "support/scratch_folder.h"

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

ScratchFolder::ScratchFolder() {
    std::string pattern = (fs::temp_directory_path() / "brenlow_test_XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a scratch folder");
    path_ = pattern;
    // Open to other users, so that checks run without root rights get in.
    fs::permissions(path_, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                               fs::perms::others_read | fs::perms::others_exec);
    previous_ = fs::current_path().string();
    fs::current_path(path_);
}

ScratchFolder::~ScratchFolder() {
    std::error_code error;
    fs::current_path(previous_, error);
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, error);
    fs::remove_all(path_, error);
}

std::string readFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void writeFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << bytes;
}

std::string debugLogText() { return readFileBytes("debug.txt"); }

std::string logLines(std::initializer_list<std::string> lines) {
    std::string log;
    for (const std::string& line : lines) log += line + "\r\n";
    return log;
}

bool runWithoutRootRights(const std::function<bool()>& check) {
    if (geteuid() != 0) return check();
    const uid_t nobody = 65534;
    std::fflush(nullptr);
    pid_t child = fork();
    if (child < 0) return false;
    if (child == 0) {
        if (setgid(nobody) != 0 || setuid(nobody) != 0) _exit(2);
        _exit(check() ? 0 : 1);
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
