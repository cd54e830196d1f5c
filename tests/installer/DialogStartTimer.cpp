// Measures how long a program takes from its start until its dialog is shown:
//   DialogStartTimer RUNS CLASS TITLE PROGRAM [ARGUMENTS...]
// CLASS may be "-" for any class. Each run starts the program, polls until a visible
// top-level window of that class and title exists, notes the time, closes the window
// with WM_CLOSE and waits for the program to end. Prints one line per run
// ("run N: X.XX ms") and "median: X.XX ms".
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "TestProcess.h"

namespace {

double MillisecondsSince(const LARGE_INTEGER& start) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Milliseconds until the window is shown, or a negative value after 20 s.
double TimeOneStart(const char* className, const char* title, const std::string& commandLine) {
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    ChildProcess program(commandLine);
    for (;;) {
        HWND window = FindWindowA(className, title);
        if (window && IsWindowVisible(window)) {
            const double elapsed = MillisecondsSince(start);
            PostMessageA(window, WM_CLOSE, 0, 0);
            program.WaitForExit(10000);
            return elapsed;
        }
        if (MillisecondsSince(start) > 20000.0) return -1.0;
        Sleep(1);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: DialogStartTimer RUNS CLASS TITLE COMMAND-LINE\n");
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    const char* className = std::string(argv[2]) == "-" ? nullptr : argv[2];
    std::string commandLine = Quoted(argv[4]);
    for (int i = 5; i < argc; ++i) commandLine += std::string(" ") + argv[i];

    std::vector<double> times;
    for (int run = 1; run <= runs; ++run) {
        const double ms = TimeOneStart(className, argv[3], commandLine);
        if (ms < 0) {
            std::printf("run %d: no window within 20 s\n", run);
            return 1;
        }
        std::printf("run %d: %.2f ms\n", run, ms);
        times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    const size_t middle = times.size() / 2;
    const double median = times.size() % 2 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
    std::printf("median: %.2f ms\n", median);
    return 0;
}
