#pragma once
// Files and folders for tests.
#include <string>

// Folder holding the test program, and with it every program of the build.
std::string BuildBinDir();

bool FileExists(const std::string& path);       // a file, not a folder
bool DirectoryExists(const std::string& path);
std::string ReadTextFile(const std::string& path);  // empty when missing
void WriteTextFile(const std::string& path, const std::string& text);
void CopyFileOrThrow(const std::string& from, const std::string& to);
void DeletePath(const std::string& path);  // a file or a whole folder; silent when missing
void MakeDirectories(const std::string& path);

// A fresh folder (with a trailing backslash) deleted with all it holds at the end.
class TempDir {
public:
    // name: the last part of the folder's name; it may contain blanks.
    explicit TempDir(const std::string& name, const std::string& parent = "C:\\pilotest\\");
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + name; }

private:
    std::string path_;
};
