// "All Set" when the shell's Program Manager cannot be reached. The close is requested
// before the registration runs; the error box must still stay up until the user has
// read it, and the program ends after OK with name and time saved. Run through the
// test host PiloInstNoShell (see there why), copied in as PiloInst.exe.
#include <gtest/gtest.h>

#include "InstallerTestFixture.h"
#include "WindowDriver.h"

namespace {

TEST_F(InstallerTest, AFailedRegistrationIsShownAndTheProgramEndsAfterOk) {
    ProductDir product(ProductFiles{/*reminder*/ true, /*productFiles*/ true}, "PiloInstNoShell.exe");
    ProductInstallerRun run(product, "inst");
    ASSERT_NE(run.WaitForDialog(), nullptr);
    run.PickOption(2);
    run.Type(kYourName, "Ann Example");
    run.Type(kPopHour, "7");
    run.Type(kPopMin, "30");
    run.Click(kBitBtn1);

    HWND box = WaitForMessageBox("Piloinst");
    ASSERT_NE(box, nullptr) << "the error box vanished unseen or never came";
    const MessageBoxContent error = ReadMessageBox(box);
    EXPECT_EQ(error.text, "Unable to connect DDE conversation.");
    EXPECT_EQ(error.buttons, std::vector<std::string>{"OK"});
    EXPECT_TRUE(error.hasIcon);

    // The pending close must not take the box away on its own.
    PumpFor(1000);
    EXPECT_TRUE(IsWindow(box));
    EXPECT_TRUE(run.Running());

    PressMessageBoxButton(box, "OK");
    EXPECT_EQ(run.WaitForExit(), 0);
    EXPECT_EQ(IniValue(UserFilePath(), "SETUPNFO", "UserName"), "Ann Example");
    EXPECT_EQ(IniValue(product / "Pilo.ini", "PILO", "PopHour"), "7");
    EXPECT_EQ(IniValue(product / "Pilo.ini", "PILO", "PopMin"), "30");
    EXPECT_FALSE(DirectoryExists(ProductGroupFolder())) << "no macro may be sent";
    EXPECT_FALSE(FileExists(StartupFolder() + "Pilo! AutoPopup.lnk"));
}

}  // namespace
