#pragma once
#include <functional>
#include <initializer_list>
#include <string>

// A fresh folder under the system's temporary folder for a test that reads
// and writes files relative to the working folder (debug.txt,
// PlayerData.txt): the constructor creates it and makes it the working
// folder, the destructor goes back and removes it with all it holds.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& path() const { return path_; }

private:
    std::string path_;
    std::string previous_;
};

// The whole file, byte for byte; empty when it does not exist.
std::string readFileBytes(const std::string& path);
void writeFileBytes(const std::string& path, const std::string& bytes);

// The debug log of the working folder, and the log that the given lines make.
std::string debugLogText();
std::string logLines(std::initializer_list<std::string> lines);

// Runs check where file permissions hold: directly, or, when the tests run
// as root (who may write anything), in a child process under the "nobody"
// user. The result of check, false when the child could not run it.
bool runWithoutRootRights(const std::function<bool()>& check);
