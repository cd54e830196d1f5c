#include "DoubleLog.h"

#include <memory>
#include <sstream>

#include "ProgramDir.h"
#include "TestFiles.h"

namespace {

DoubleEvent ParseLine(const std::string& line) {
    DoubleEvent parsed;
    std::istringstream fields(line);
    std::getline(fields, parsed.role, '\t');
    std::getline(fields, parsed.event, '\t');
    for (std::string field; std::getline(fields, field, '\t');) {
        const auto equals = field.find('=');
        if (equals != std::string::npos) parsed.fields[field.substr(0, equals)] = field.substr(equals + 1);
    }
    return parsed;
}

struct WindowsOfClass {
    const char* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindowOfClass(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<WindowsOfClass*>(param);
    char className[256] = {};
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpiA(className, search->className) == 0) search->found.push_back(window);
    return TRUE;
}

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

}  // namespace

std::string DoubleEvent::Field(const std::string& key) const {
    const auto found = fields.find(key);
    return found == fields.end() ? std::string() : found->second;
}

std::string DoubleLogPath(const std::string& folder) { return AddBackslash(folder) + kDoubleLogName; }

std::vector<DoubleEvent> ReadDoubleLog(const std::string& folder) {
    std::vector<DoubleEvent> events;
    std::istringstream lines(ReadTextFile(DoubleLogPath(folder)));
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) events.push_back(ParseLine(line));
    }
    return events;
}

std::vector<DoubleEvent> DoubleEvents(const std::string& folder, const std::string& role,
                                      const std::string& event) {
    std::vector<DoubleEvent> matching;
    for (auto& line : ReadDoubleLog(folder))
        if ((role.empty() || line.role == role) && (event.empty() || line.event == event))
            matching.push_back(std::move(line));
    return matching;
}

bool WaitForDoubleEvents(const std::string& folder, const std::string& role, const std::string& event,
                         size_t count, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (DoubleEvents(folder, role, event).size() < count) {
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(50);
    }
    return true;
}

void CloseProgramsWithWindowClass(const char* className, DWORD timeoutMs) {
    WindowsOfClass search{className, {}};
    EnumWindows(CollectWindowOfClass, reinterpret_cast<LPARAM>(&search));
    std::vector<UniqueHandle> processes;
    for (HWND window : search.found) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        if (HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, processId))
            processes.emplace_back(process);
        PostMessageA(window, WM_CLOSE, 0, 0);
    }
    for (const auto& process : processes) {
        if (WaitForSingleObject(process.get(), timeoutMs) != WAIT_OBJECT_0) {
            TerminateProcess(process.get(), 99);
            WaitForSingleObject(process.get(), timeoutMs);
        }
    }
}

void CloseDoubles() {
    CloseProgramsWithWindowClass(kReminderClass);
    CloseProgramsWithWindowClass(kCompanionClass);
}
