#include "ProgramDir.h"

#include <windows.h>

#include <vector>

#include "Exception.h"

std::string ExecutablePath() {
    // Grow the buffer until the whole path fits: a cut path would name another file.
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) throw Exception("Unable to determine the program's path");
        if (length < buffer.size()) return std::string(buffer.data(), length);
        if (buffer.size() >= 32768) throw Exception("The program's path is too long");
        buffer.resize(buffer.size() * 2);
    }
}

std::string ProgramDir() {
    const std::string path = ExecutablePath();
    const auto last = path.find_last_of("\\:");
    return last == std::string::npos ? std::string() : path.substr(0, last + 1);
}

std::string AddBackslash(const std::string& path) {
    if (!path.empty() && path.back() == '\\') return path;
    return path + '\\';
}
