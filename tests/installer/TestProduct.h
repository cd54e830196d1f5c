#pragma once
// Product directories of the installer's tests, and the traces an installation leaves
// outside them: the user file and the shell's groups.
#include <string>

#include "InstallerRun.h"
#include "TestFiles.h"

// What a product directory holds besides the installer.
struct ProductFiles {
    bool reminder = false;      // a Pilo.exe with file version 5.0.2.3
    bool productFiles = false;  // dummy pilo.hlp, piloap.exe, pilodb.exe, convert\pilo4to5.exe,
                                // piloonce.exe (and Pilo.exe), so that the shell makes the items
};

// A product directory with PiloInst.exe (built as `program`, copied under the name
// PiloInst.exe so that the application's title stays "Piloinst").
class ProductDir {
public:
    explicit ProductDir(ProductFiles files = {}, const std::string& program = "PiloInst.exe");
    const std::string& Path() const { return dir_.Path(); }
    std::string operator/(const std::string& name) const { return dir_ / name; }
    std::string Installer() const { return dir_ / "PiloInst.exe"; }

private:
    TempDir dir_;
};

// Starts the directory's installer with the arguments.
class ProductInstallerRun : public InstallerRun {
public:
    ProductInstallerRun(const ProductDir& dir, const std::string& arguments)
        : InstallerRun(dir.Installer(), dir.Path(), arguments) {}
};

// The user file in the Windows directory.
std::string UserFilePath();
// The shell's Programs and StartUp folders of this user (with trailing backslash).
std::string ProgramsFolder();
std::string StartupFolder();
std::string ProductGroupFolder();  // the product group in Programs
// Polls until the file exists; false after the time.
bool WaitForFile(const std::string& path, DWORD timeoutMs = 10000);
// Removes what an installation leaves outside the product directory: the user file,
// the product group, both start-up items, and the shell windows that show the groups.
void CleanInstallationTraces();
