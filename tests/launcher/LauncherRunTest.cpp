// The once-a-day decision: when the reminder program comes up and what is written.
#include "FakeClock.h"
#include "LauncherFixture.h"

namespace {

class LauncherRun : public LauncherTest {
protected:
    void SetUp() override {
        LauncherTest::SetUp();
        InstallLauncher();
        InstallReminder();
    }
};

TEST_F(LauncherRun, FirstRunEverStartsTheReminderAndRecordsTheDay) {
    SetFakeDate(2024, 3, 1);
    ASSERT_EQ(RunLauncher(), 0);

    EXPECT_NE(SettingsText().find("[PILO]"), std::string::npos) << SettingsText();
    EXPECT_EQ(StoredDay(), Day(2024, 3, 1));
    ASSERT_TRUE(WaitForDoubleEvents(Product(), "reminder", "start"));
    const auto starts = EventsAfterSettling("reminder", "start");
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].Field("showcmd"), "5");
    EXPECT_EQ(starts[0].Field("cmdline"), Quoted(InProduct("Pilo.exe")));
}

TEST_F(LauncherRun, SecondRunOnTheSameDayBringsUpNothingAndWritesNothing) {
    for (const char* onceLine : {"", "PiloOnce=1"}) {
        SCOPED_TRACE(onceLine);
        WriteSettings({onceLine});
        SetFakeDate(2024, 3, 1, 8);
        ASSERT_EQ(RunLauncher(), 0);
        ASSERT_TRUE(WaitForDoubleEvents(Product(), "reminder", "start"));
        CloseDoubles();
        DeletePath(DoubleLogPath(Product()));
        const std::string afterFirstRun = SettingsText();

        SetFakeDate(2024, 3, 1, 17);  // later the same day
        ASSERT_EQ(RunLauncher(), 0);
        EXPECT_TRUE(EventsAfterSettling("", "").empty());
        EXPECT_EQ(SettingsText(), afterFirstRun);
    }
}

TEST_F(LauncherRun, OnceSwitchZeroBringsUpTheReminderOnEveryRun) {
    WriteSettings({"PiloOnce=0"});
    const struct { int day; int hour; std::int32_t storedAfter; } runs[] = {
        {1, 8, Day(2024, 3, 1)},   // a new day: recorded
        {1, 17, Day(2024, 3, 1)},  // the same day: comes up all the same
        {2, 8, Day(2024, 3, 2)},   // the next day: advanced
    };
    size_t expectedStarts = 0;
    for (const auto& run : runs) {
        SCOPED_TRACE(testing::Message() << "day " << run.day << " hour " << run.hour);
        CloseDoubles();
        SetFakeDate(2024, 3, run.day, run.hour);
        ASSERT_EQ(RunLauncher(), 0);
        ASSERT_TRUE(WaitForDoubleEvents(Product(), "reminder", "start", ++expectedStarts));
        EXPECT_EQ(StoredDay(), run.storedAfter);
    }
}

TEST_F(LauncherRun, ClockSetBackWritesNothingAndComesUpOnlyWithOnceSwitchZero) {
    const struct { const char* onceLine; bool comesUp; } cases[] = {
        {"", false}, {"PiloOnce=1", false}, {"PiloOnce=0", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.onceLine);
        CloseDoubles();
        DeletePath(DoubleLogPath(Product()));
        WriteSettings({"TodaysDay=" + std::to_string(Day(2024, 3, 10)), c.onceLine});
        const std::string before = SettingsText();

        SetFakeDate(2024, 3, 1);  // nine days before the stored day
        ASSERT_EQ(RunLauncher(), 0);
        if (c.comesUp) {
            EXPECT_TRUE(WaitForDoubleEvents(Product(), "reminder", "start"));
        }
        EXPECT_EQ(EventsAfterSettling("reminder", "start").size(), c.comesUp ? 1u : 0u);
        EXPECT_EQ(SettingsText(), before);
    }
}

TEST_F(LauncherRun, CompanionComesFirstAndAlsoOnADayWithoutTheReminder) {
    InstallCompanion();
    WriteSettings({"UseSentrel=1"});

    SetFakeDate(2024, 3, 1, 8);
    ASSERT_EQ(RunLauncher(), 0);
    ASSERT_TRUE(WaitForDoubleEvents(Product(), "", "start", 2));
    auto starts = Events("", "start");
    ASSERT_EQ(starts.size(), 2u);
    EXPECT_EQ(starts[0].role, "companion");
    EXPECT_EQ(starts[1].role, "reminder");

    CloseDoubles();
    DeletePath(DoubleLogPath(Product()));
    SetFakeDate(2024, 3, 1, 17);
    ASSERT_EQ(RunLauncher(), 0);
    ASSERT_TRUE(WaitForDoubleEvents(Product(), "companion", "start"));
    starts = EventsAfterSettling("", "start");
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].role, "companion");
    EXPECT_EQ(starts[0].Field("showcmd"), "5");
}

TEST_F(LauncherRun, CommandLineIsIgnored) {
    SetFakeDate(2024, 3, 1);
    EXPECT_EQ(RunToExit(Quoted(InProduct("PiloOnce.exe")) + " inst /x", Product()), 0);
    EXPECT_TRUE(WaitForDoubleEvents(Product(), "reminder", "start"));
    EXPECT_EQ(StoredDay(), Day(2024, 3, 1));
}

}  // namespace
