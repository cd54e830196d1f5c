#pragma once
// Running a DDE client program from a test.
#include <string>

// Runs the command line to its end (exit code, or -1 after a minute) while this thread
// keeps answering messages: a DDE client asks every top-level window whether it serves the
// link, and a test process that has such windows (left by the DDE and OLE libraries) must
// not stop answering meanwhile.
long RunClientToExit(const std::string& commandLine);
