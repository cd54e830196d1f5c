#include "LauncherFixture.h"

#include "DayNumber.h"
#include "FakeClock.h"
#include "IniFile.h"
#include "WindowDriver.h"

std::int32_t Day(int year, int month, int day) { return DayNumberOf(year, month, day); }

LauncherTest::LauncherTest() { UseProductFolder("Pilo product"); }

void LauncherTest::SetUp() {
    ASSERT_TRUE(FakeClockAvailable()) << "register this test with FAKETIME";
    CloseDoubles();
}

void LauncherTest::TearDown() {
    CloseDoubles();
    started_.clear();
    ResetFakeClock();
}

void LauncherTest::UseProductFolder(const std::string& name) {
    product_ = root_ / (name + "\\");
    MakeDirectories(product_);
}

void LauncherTest::InstallLauncher() { CopyFileOrThrow(BuildBinDir() + "PiloOnce.exe", InProduct("PiloOnce.exe")); }
void LauncherTest::InstallReminder() { CopyFileOrThrow(BuildBinDir() + kReminderDoubleExe, InProduct("Pilo.exe")); }
void LauncherTest::InstallCompanion() {
    CopyFileOrThrow(BuildBinDir() + kCompanionDoubleExe, InProduct("SENTREL.EXE"));
}
void LauncherTest::InstallDecoy() { CopyFileOrThrow(BuildBinDir() + kReminderDoubleExe, DecoyPath()); }

void LauncherTest::WriteSettings(const std::vector<std::string>& lines) {
    std::string text = "[PILO]\r\n";
    for (const auto& line : lines) text += line + "\r\n";
    WriteTextFile(InProduct("Pilo.ini"), text);
}

std::int32_t LauncherTest::StoredDay() const {
    return IniFile(InProduct("Pilo.ini")).ReadInteger("PILO", "TodaysDay", 1);
}

long LauncherTest::RunLauncher() {
    ChildProcess launcher(Quoted(InProduct("PiloOnce.exe")), product_);
    // Keeps this thread's windows answering while the launcher changes the foreground.
    const DWORD start = GetTickCount();
    while (launcher.Running() && GetTickCount() - start < 20000) PumpFor(20);
    return launcher.WaitForExit(0);
}

HWND LauncherTest::StartDouble(const char* exeName, const char* className, const std::string& arguments) {
    const size_t startsBefore = DoubleEvents(product_, "", "start").size();
    started_.push_back(std::make_unique<ChildProcess>(Quoted(InProduct(exeName)) + " " + arguments, product_));
    if (!WaitForDoubleEvents(product_, "", "start", startsBefore + 1)) return nullptr;
    return WaitForWindow(className, nullptr);
}

HWND LauncherTest::StartReminder(const std::string& title) {
    return StartDouble("Pilo.exe", kReminderClass, Quoted("--title=" + title));
}

HWND LauncherTest::StartCompanion() { return StartDouble("SENTREL.EXE", kCompanionClass, ""); }

std::vector<DoubleEvent> LauncherTest::EventsAfterSettling(const std::string& role, const std::string& event) const {
    Sleep(1000);
    return Events(role, event);
}
