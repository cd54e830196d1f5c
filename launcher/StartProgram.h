#pragma once
// Starting another program of the product from its full path.
#include <string>

// Starts the program with WinExec and the show command. The path is quoted on the
// command line, so a path with blanks cannot run a planted program that an unquoted
// path would lead to (C:\Program.exe for C:\Program Files\...). A command line that
// does not fit the 240-character buffer is not started at all: a failed start, as
// silent as any other.
void StartProgram(const std::string& executablePath, unsigned showCommand);
