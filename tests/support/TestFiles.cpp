#include "TestFiles.h"

#include <windows.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "ProgramDir.h"

std::string BuildBinDir() { return ProgramDir(); }

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ReadTextFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteTextFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out) throw std::runtime_error("cannot write " + path);
}

void CopyFileOrThrow(const std::string& from, const std::string& to) {
    if (!CopyFileA(from.c_str(), to.c_str(), FALSE))
        throw std::runtime_error("cannot copy " + from + " to " + to);
}

void DeletePath(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
        return;
    }
    const std::string dir = AddBackslash(path);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((dir + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name != "." && name != "..") DeletePath(dir + name);
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(path.c_str());
}

void MakeDirectories(const std::string& path) {
    const std::string dir = AddBackslash(path);
    for (size_t at = dir.find('\\', 3); at != std::string::npos; at = dir.find('\\', at + 1))
        CreateDirectoryA(dir.substr(0, at).c_str(), nullptr);
    if (!DirectoryExists(path)) throw std::runtime_error("cannot create " + path);
}

TempDir::TempDir(const std::string& name, const std::string& parent) : path_(AddBackslash(parent) + name + "\\") {
    DeletePath(path_);
    MakeDirectories(path_);
}

TempDir::~TempDir() { DeletePath(path_); }
