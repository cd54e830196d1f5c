// A day that cannot be written: the run-time's error box, exit code 1, nothing brought up.
#include <windows.h>

#include <cstdlib>

#include "FakeClock.h"
#include "LauncherFixture.h"
#include "WindowDriver.h"

namespace {

// True when the address (relative to the module's load address) lies in a code
// section of the executable file.
bool IsInCodeSection(const std::string& exePath, unsigned long relativeAddress) {
    const std::string image = ReadTextFile(exePath);
    if (image.size() < sizeof(IMAGE_DOS_HEADER)) return false;
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image.data());
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(image.data() + dos->e_lfanew);
    const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
    for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section) {
        if (!(section->Characteristics & IMAGE_SCN_CNT_CODE)) continue;
        if (relativeAddress >= section->VirtualAddress &&
            relativeAddress < section->VirtualAddress + section->Misc.VirtualSize)
            return true;
    }
    return false;
}

class FailedWrite : public LauncherTest {};

TEST_F(FailedWrite, ShowsTheRunTimeErrorBoxAndEndsWithExitCode1) {
    InstallLauncher();
    InstallReminder();
    InstallCompanion();
    // A folder standing where the settings file should be: every read gives the
    // defaults (a new day), and the write of the day fails for real.
    MakeDirectories(InProduct("Pilo.ini"));
    SetFakeDate(2024, 3, 1);

    ChildProcess launcher(Quoted(InProduct("PiloOnce.exe")), Product());
    const HWND box = WaitForMessageBox("Application Error");
    ASSERT_TRUE(box) << "no error box";
    const MessageBoxContent content = ReadMessageBox(box);
    EXPECT_TRUE(content.hasIcon);
    EXPECT_EQ(content.buttons, std::vector<std::string>{"OK"});

    const std::string head = "Exception Exception in module PiloOnce.exe at ";
    const std::string tail = ".\r\nUnable to write to " + InProduct("Pilo.ini") + ".";
    const std::string& text = content.text;
    ASSERT_EQ(text.size(), head.size() + 8 + tail.size()) << text;
    EXPECT_EQ(text.substr(0, head.size()), head) << text;
    EXPECT_EQ(text.substr(head.size() + 8), tail) << text;
    const std::string address = text.substr(head.size(), 8);
    EXPECT_EQ(address.find_first_not_of("0123456789ABCDEF"), std::string::npos) << address;
    EXPECT_TRUE(IsInCodeSection(InProduct("PiloOnce.exe"), std::strtoul(address.c_str(), nullptr, 16)))
        << "the address is not in the launcher's code relative to its load address: " << address;

    EXPECT_TRUE(launcher.Running()) << "the box holds the launcher";
    PressMessageBoxButton(box, "OK");
    EXPECT_EQ(launcher.WaitForExit(), 1);
    EXPECT_TRUE(EventsAfterSettling("", "").empty()) << "nothing is brought up after a failed write";
    EXPECT_FALSE(FindWindowA(kReminderClass, nullptr));
    EXPECT_FALSE(FindWindowA(kCompanionClass, nullptr));
}

}  // namespace
