#include "DoubleProgram.h"

#include <cstdlib>
#include <memory>
#include <string>

#include "DoubleLog.h"
#include "ProgramDir.h"

namespace {

constexpr UINT_PTR kLifetimeTimer = 1;

const DoubleRole* gRole = nullptr;

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

// Appends one line in a single write, so lines of two processes do not mix.
void AppendLogLine(const std::string& line) {
    const std::string path = ProgramDir() + kDoubleLogName;
    UniqueHandle file(CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        file.release();
        return;
    }
    const std::string text = line + "\r\n";
    DWORD written = 0;
    WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

const char* ShowState(HWND window) {
    if (IsIconic(window)) return "minimised";
    if (IsZoomed(window)) return "maximised";
    return "normal";
}

void RecordWakeUp(HWND window) {
    const bool sent = (InSendMessageEx(nullptr) & ISMEX_SEND) != 0;
    char event[16];
    wsprintfA(event, "0x%x", gRole->wakeUpMessage);
    AppendLogLine(std::string(gRole->role) + "\t" + event + "\tshow=" + ShowState(window) +
                  "\tforeground=" + (GetForegroundWindow() == window ? "yes" : "no") +
                  "\tsent=" + (sent ? "yes" : "no"));
}

LRESULT CALLBACK DoubleWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    try {
        if (message == gRole->wakeUpMessage) {
            RecordWakeUp(window);
            return 0;
        }
        switch (message) {
        case WM_TIMER:
            if (wParam == kLifetimeTimer) DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        }
    } catch (...) {
        // A double that cannot write its log still behaves as a window.
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

struct Options {
    std::string title;
    UINT lifetimeSeconds = 60;
};

Options ReadOptions(const DoubleRole& role) {
    Options options;
    options.title = role.defaultTitle;
    for (int i = 1; i < __argc; ++i) {
        const std::string argument = __argv[i];
        if (argument.rfind("--title=", 0) == 0) options.title = argument.substr(8);
        else if (argument.rfind("--lifetime=", 0) == 0)
            options.lifetimeSeconds = static_cast<UINT>(std::strtoul(argument.c_str() + 11, nullptr, 10));
    }
    return options;
}

}  // namespace

int RunDouble(const DoubleRole& role, HINSTANCE instance, int showCommand) {
    gRole = &role;
    const Options options = ReadOptions(role);

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DoubleWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = role.className;
    if (!RegisterClassA(&windowClass)) return 2;

    const HWND window = CreateWindowA(role.className, options.title.c_str(), WS_OVERLAPPEDWINDOW, 100, 100, 320,
                                      200, nullptr, nullptr, instance, nullptr);
    if (!window) return 3;
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    SetTimer(window, kLifetimeTimer, options.lifetimeSeconds * 1000, nullptr);

    AppendLogLine(std::string(role.role) + "\tstart\tpid=" + std::to_string(GetCurrentProcessId()) +
                  "\tshowcmd=" + std::to_string(showCommand) + "\ttitle=" + options.title +
                  "\tcmdline=" + GetCommandLineA());

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
