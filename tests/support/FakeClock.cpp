#include "FakeClock.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "TestFiles.h"

namespace {

// The Unix path from the environment, as a Windows path on drive Z:.
std::string ClockFile() {
    const char* unixPath = std::getenv("PILO_FAKETIME_FILE");
    if (!unixPath || !*unixPath) throw std::runtime_error("PILO_FAKETIME_FILE is not set");
    std::string path = std::string("Z:") + unixPath;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

}  // namespace

bool FakeClockAvailable() {
    const char* unixPath = std::getenv("PILO_FAKETIME_FILE");
    return unixPath && *unixPath;
}

void SetFakeDate(int year, int month, int day, int hour, int minute) {
    char text[64];
    std::snprintf(text, sizeof text, "@%04d-%02d-%02d %02d:%02d:00\n", year, month, day, hour, minute);
    WriteTextFile(ClockFile(), text);
}

void ResetFakeClock() { WriteTextFile(ClockFile(), "+0\n"); }
