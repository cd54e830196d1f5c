#pragma once
// Where the running program lies: every product file is found beside it.
#include <string>

// Full path of the running executable.
std::string ExecutablePath();

// Directory part of the executable's path, up to and including the last backslash
// (or colon).
std::string ProgramDir();

// The text with a backslash appended unless it already ends in one.
std::string AddBackslash(const std::string& path);
