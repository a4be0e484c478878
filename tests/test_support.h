#pragma once
#include <functional>
#include <initializer_list>
#include <string>

// A fresh temporary folder that becomes the working folder for the lifetime
// of the object; the old working folder is restored and the folder removed
// afterwards. The code under test reads and writes relative to it. Other
// users may enter it, so that checks run without administrator rights get in.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }

private:
    std::string path_;
    std::string previous_;
};

// Writes bytes to a file (creating parent folders), relative to the working folder.
void writeFile(const std::string& name, const std::string& bytes);

// The whole file as bytes, or "" when it cannot be read.
std::string readFile(const std::string& name);

// debug.txt of the working folder with LF line ends (the log writes CR LF),
// and the text that the given lines make there.
std::string debugLogText();
std::string logLines(std::initializer_list<std::string> lines);

// The line of debug.txt that follows the reason a script could not be read.
inline const char* const kInvalidTextLine = "Invalid Character in text check debugging\n";

// Runs check where file permissions hold: directly, or, when the tests run as
// an administrator (who may write any file), in a child process under the
// "nobody" user. The result of check; false when the child could not run it.
bool runWithoutRootRights(const std::function<bool()>& check);
