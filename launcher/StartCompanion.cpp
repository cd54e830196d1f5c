#include "StartCompanion.h"

#include <windows.h>

#include "ProgramDir.h"
#include "StartProgram.h"

namespace {

constexpr const char* kCompanionClass = "TSEForm1";
constexpr UINT kCompanionWakeUp = WM_USER + 36;  // 0x424

// A file of that name, not a folder.
bool IsFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

void StartCompanion() {
    // Any title will do.
    const HWND companion = FindWindowA(kCompanionClass, nullptr);
    if (companion) {
        ShowWindow(companion, SW_RESTORE);
        // Not waited for.
        PostMessageA(companion, kCompanionWakeUp, 0, 0);
        return;
    }
    const std::string path = ProgramDir() + "SENTREL.EXE";
    if (IsFile(path)) StartProgram(path, SW_SHOW);
}
