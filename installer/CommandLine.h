#pragma once
// The arguments of the program's command line, taken the way the setup program passes
// them: blank-separated words, where double quotes group blanks into a word and are
// themselves dropped.
#include <string>

// The argument at the place (0 is the program itself); empty when there is none.
std::string CommandLineArgument(const char* commandLine, int index);

// The first argument of this process's command line; empty when there is none.
std::string FirstArgument();
