#pragma once
#include <string>

// A fresh temporary folder that becomes the working folder for the lifetime
// of the object; the old working folder is restored and the folder removed
// afterwards. The code under test reads and writes relative to it.
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

// Makes file permissions apply for the lifetime of the object, also when the
// tests run as an administrator (who may write any file): the effective user
// becomes "nobody" and the working folder is opened to everyone so that the
// code under test can still write its debug log there.
class WithoutAdminRights {
public:
    WithoutAdminRights();
    ~WithoutAdminRights();
    WithoutAdminRights(const WithoutAdminRights&) = delete;
    WithoutAdminRights& operator=(const WithoutAdminRights&) = delete;

private:
    bool switched_ = false;
};

// Writes bytes to a file (creating parent folders), relative to the working folder.
void writeFile(const std::string& name, const std::string& bytes);

// The whole file as bytes, or "" when it cannot be read.
std::string readFile(const std::string& name);

// The lines of debug.txt in the working folder, without their line ends.
std::string debugLogText();
