#include "TestProcess.h"

#include <stdexcept>
#include <vector>

ChildProcess::ChildProcess(const std::string& commandLine, const std::string& directory) {
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directory.empty() ? nullptr : directory.c_str(), &startup, &info))
        throw std::runtime_error("cannot start " + commandLine);
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    id_ = info.dwProcessId;
}

ChildProcess::~ChildProcess() {
    if (Running()) {
        TerminateProcess(process_, 99);
        WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
}

long ChildProcess::WaitForExit(DWORD timeoutMs) {
    if (WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return static_cast<long>(code);
}

bool ChildProcess::Running() const { return WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

void ChildProcess::WaitUntilIdle(DWORD timeoutMs) const { WaitForInputIdle(process_, timeoutMs); }

long RunToExit(const std::string& commandLine, const std::string& directory, DWORD timeoutMs) {
    ChildProcess child(commandLine, directory);
    return child.WaitForExit(timeoutMs);
}

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }
