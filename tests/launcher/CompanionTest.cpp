// The companion: restored and notified when running, started only from a real file.
#include "FakeClock.h"
#include "LauncherFixture.h"
#include "WindowDriver.h"

namespace {

class Companion : public LauncherTest {
protected:
    void SetUp() override {
        LauncherTest::SetUp();
        InstallLauncher();
        InstallReminder();
        SetFakeDate(2024, 3, 1);
    }
};

TEST_F(Companion, MissingCompanionFileIsSilent) {
    const struct { const char* name; bool folderInItsPlace; } cases[] = {
        {"no SENTREL.EXE", false},
        {"a folder named SENTREL.EXE", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CloseDoubles();
        DeletePath(DoubleLogPath(Product()));
        DeletePath(InProduct("SENTREL.EXE"));
        if (c.folderInItsPlace) MakeDirectories(InProduct("SENTREL.EXE"));
        WriteSettings({"UseSentrel=1"});  // a new day: the reminder comes up too

        ASSERT_EQ(RunLauncher(), 0);
        ASSERT_TRUE(WaitForDoubleEvents(Product(), "reminder", "start"));
        EXPECT_TRUE(EventsAfterSettling("companion", "").empty());
        EXPECT_FALSE(FindWindowA("#32770", nullptr)) << "nothing is shown";
    }
}

TEST_F(Companion, RunningCompanionIsRestoredAndPosted0x424) {
    InstallCompanion();
    const struct { const char* name; int showCommand; } cases[] = {
        {"normal", SW_SHOWNORMAL},
        {"maximised", SW_MAXIMIZE},
        {"minimised", SW_MINIMIZE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CloseDoubles();
        DeletePath(DoubleLogPath(Product()));
        // The same day as the stored one: only the companion is handled.
        WriteSettings({"UseSentrel=1", "TodaysDay=" + std::to_string(Day(2024, 3, 1))});
        const HWND companion = StartCompanion();
        ASSERT_TRUE(companion);
        ShowWindow(companion, c.showCommand);

        ASSERT_EQ(RunLauncher(), 0);
        ASSERT_TRUE(WaitForDoubleEvents(Product(), "companion", "0x424"));
        const auto messages = EventsAfterSettling("companion", "0x424");
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].Field("show"), "normal");
        EXPECT_EQ(messages[0].Field("sent"), "no") << "posted, not waited for";
        EXPECT_EQ(Events("companion", "start").size(), 1u) << "no second copy";
        EXPECT_TRUE(Events("reminder", "").empty());
    }
}

TEST_F(Companion, DisabledCompanionIsLeftAlone) {
    InstallCompanion();
    for (const char* flagLine : {"", "UseSentrel=0", "UseSentrel=", "UseSentrel=no"}) {
        SCOPED_TRACE(flagLine);
        CloseDoubles();
        DeletePath(DoubleLogPath(Product()));
        WriteSettings({flagLine});
        ASSERT_EQ(RunLauncher(), 0);
        ASSERT_TRUE(WaitForDoubleEvents(Product(), "reminder", "start"));
        EXPECT_TRUE(EventsAfterSettling("companion", "").empty());
    }
}

}  // namespace
