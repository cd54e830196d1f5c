#include "StartProgram.h"

#include <windows.h>

#include "FixedText.h"

void StartProgram(const std::string& executablePath, unsigned showCommand) {
    PathBuffer commandLine;
    if (!commandLine.Assign('"' + executablePath + '"')) return;
    // The outcome is not examined: a program that does not start is no failure here.
    WinExec(commandLine.CStr(), showCommand);
}
