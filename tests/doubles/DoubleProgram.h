#pragma once
// The common part of the two test doubles: one top-level window of the given class
// that records its start and every wake-up message in the log described in
// tests/support/DoubleLog.h, and ends on WM_CLOSE or after its lifetime.
#include <windows.h>

struct DoubleRole {
    const char* role;          // name in the log
    const char* className;     // window class of the program it stands in for
    const char* defaultTitle;  // window title unless --title=<text> is given
    UINT wakeUpMessage;        // the message it records
};

// Runs the double to its end; the process's exit code.
int RunDouble(const DoubleRole& role, HINSTANCE instance, int showCommand);
