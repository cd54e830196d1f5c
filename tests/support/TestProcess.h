#pragma once
// Starting programs from a test and waiting for them.
#include <windows.h>

#include <string>

class ChildProcess {
public:
    // Starts the command line in the folder (empty: the test's own).
    explicit ChildProcess(const std::string& commandLine, const std::string& directory = "");
    ~ChildProcess();  // ends the program if it still runs
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Exit code, or -1 when the program did not end within the time.
    long WaitForExit(DWORD timeoutMs = 20000);
    bool Running() const;
    DWORD Id() const { return id_; }
    // Waits until the program waits for input (its first window is up), at most timeoutMs.
    void WaitUntilIdle(DWORD timeoutMs = 20000) const;

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

// Runs a command line to its end; its exit code, or -1 after the time.
long RunToExit(const std::string& commandLine, const std::string& directory = "", DWORD timeoutMs = 20000);

// Quotes a path for a command line.
std::string Quoted(const std::string& path);
