#include "TestProduct.h"

#include <shlobj.h>

#include <stdexcept>

#include "ProgramDir.h"

namespace {

constexpr DWORD kPollMs = 50;

std::string ShellFolder(int csidl) {
    char path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path)))
        throw std::runtime_error("no shell folder " + std::to_string(csidl));
    return AddBackslash(path);
}

void WriteDummy(const std::string& path) { WriteTextFile(path, "dummy product file\r\n"); }

// The shell shows each group it creates in an explorer window titled like the group.
BOOL CALLBACK CloseGroupWindow(HWND window, LPARAM) {
    char title[128] = {}, className[64] = {};
    GetWindowTextA(window, title, sizeof title);
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, kFormClass) != 0 &&
        (lstrcmpA(title, "Pilo! Mindkeep!") == 0 || lstrcmpiA(title, "StartUp") == 0))
        PostMessageA(window, WM_CLOSE, 0, 0);
    return TRUE;
}

}  // namespace

ProductDir::ProductDir(ProductFiles files, const std::string& program) : dir_("Pilo Product") {
    CopyFileOrThrow(BuildBinDir() + program, Installer());
    if (files.reminder) CopyFileOrThrow(BuildBinDir() + "VersionedPilo.exe", dir_ / "Pilo.exe");
    if (files.productFiles) {
        MakeDirectories(dir_ / "convert");
        if (!files.reminder) WriteDummy(dir_ / "Pilo.exe");
        for (const char* name : {"pilo.hlp", "piloap.exe", "pilodb.exe", "convert\\pilo4to5.exe", "piloonce.exe"})
            WriteDummy(dir_ / name);
    }
}

std::string UserFilePath() {
    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, MAX_PATH);
    return AddBackslash(windows) + "PILO.INI";
}

std::string ProgramsFolder() { return ShellFolder(CSIDL_PROGRAMS); }
std::string StartupFolder() { return ShellFolder(CSIDL_STARTUP); }
std::string ProductGroupFolder() { return ProgramsFolder() + "Pilo! Mindkeep!\\"; }

bool WaitForFile(const std::string& path, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!FileExists(path)) {
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(kPollMs);
    }
    return true;
}

void CleanInstallationTraces() {
    EnumWindows(CloseGroupWindow, 0);
    DeletePath(UserFilePath());
    DeletePath(ProductGroupFolder());
    DeletePath(StartupFolder() + "Pilo! Launcher.lnk");
    DeletePath(StartupFolder() + "Pilo! AutoPopup.lnk");
}
