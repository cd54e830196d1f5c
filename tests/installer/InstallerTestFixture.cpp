#include "InstallerTestFixture.h"

#include <windows.h>

std::string IniValue(const std::string& file, const std::string& section, const std::string& key) {
    char value[2048] = {};
    GetPrivateProfileStringA(section.c_str(), key.c_str(), kMissing, value, sizeof value, file.c_str());
    return value;
}

void CloseByTitleBar(HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }
