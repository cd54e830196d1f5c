// A running reminder program is brought up and notified instead of started again.
#include "FakeClock.h"
#include "LauncherFixture.h"
#include "WindowDriver.h"

namespace {

class ActivateReminder : public LauncherTest {
protected:
    void SetUp() override {
        LauncherTest::SetUp();
        InstallLauncher();
        InstallReminder();
        WriteSettings({"PiloOnce=0"});  // comes up on every run
        SetFakeDate(2024, 3, 1);
    }
};

// A window of the test's own that holds the foreground while it exists.
class ForegroundHolder {
public:
    ForegroundHolder()
        : window_(CreateWindowA("STATIC", "foreground holder", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 500, 300, 200,
                                100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr)) {
        SetForegroundWindow(window_);
        PumpFor(300);
    }
    ~ForegroundHolder() { DestroyWindow(window_); }
    ForegroundHolder(const ForegroundHolder&) = delete;
    ForegroundHolder& operator=(const ForegroundHolder&) = delete;
    HWND Handle() const { return window_; }

private:
    HWND window_;
};

bool WaitForState(HWND window, BOOL (*state)(HWND)) {
    for (int i = 0; i < 100 && !state(window); ++i) Sleep(50);
    return state(window) != FALSE;
}

TEST_F(ActivateReminder, RunningWindowIsShownAndSent0x420) {
    const struct {
        const char* name;
        int showCommand;  // given to the running window before the launcher runs
        const char* showAtMessage;
    } cases[] = {
        {"minimised: shown at normal size", SW_MINIMIZE, "normal"},
        {"normal behind another window: brought to the front", SW_SHOWNORMAL, "normal"},
        {"maximised: brought to the front, stays maximised", SW_MAXIMIZE, "maximised"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CloseDoubles();
        DeletePath(DoubleLogPath(Product()));
        const HWND reminder = StartReminder();
        ASSERT_TRUE(reminder);
        ShowWindow(reminder, c.showCommand);
        if (c.showCommand == SW_MINIMIZE) {
            ASSERT_TRUE(WaitForState(reminder, IsIconic));
        }
        if (c.showCommand == SW_MAXIMIZE) {
            ASSERT_TRUE(WaitForState(reminder, IsZoomed));
        }
        ForegroundHolder holder;
        ASSERT_NE(GetForegroundWindow(), reminder);

        ASSERT_EQ(RunLauncher(), 0);
        // Sent, so it was handled before the launcher ended.
        const auto messages = Events("reminder", "0x420");
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].Field("show"), c.showAtMessage);
        EXPECT_EQ(messages[0].Field("sent"), "yes");
        if (c.showCommand != SW_MINIMIZE) {
            EXPECT_EQ(messages[0].Field("foreground"), "yes");
        }
        EXPECT_EQ(EventsAfterSettling("reminder", "start").size(), 1u) << "no second copy";
    }
}

TEST_F(ActivateReminder, WholeTitleMustMatchExceptForLetterCase) {
    const struct { const char* title; bool found; } cases[] = {
        {"Pilo! Mindkeep!", true},
        {"PILO! MINDKEEP!", true},
        {"pilo! mindkeep!", true},
        {"Pilo! Mindkeep", false},
        {"Pilo! Mindkeep! - notes", false},
        {"Pilo!  Mindkeep!", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        CloseDoubles();
        DeletePath(DoubleLogPath(Product()));
        ASSERT_TRUE(StartReminder(c.title));

        ASSERT_EQ(RunLauncher(), 0);
        if (c.found) {
            EXPECT_EQ(Events("reminder", "0x420").size(), 1u);
            EXPECT_EQ(EventsAfterSettling("reminder", "start").size(), 1u);
        } else {
            ASSERT_TRUE(WaitForDoubleEvents(Product(), "reminder", "start", 2)) << "a second copy is started";
            const auto starts = EventsAfterSettling("reminder", "start");
            EXPECT_EQ(starts.size(), 2u);
            EXPECT_EQ(starts.back().Field("title"), "Pilo! Mindkeep!");
            EXPECT_TRUE(Events("reminder", "0x420").empty());
        }
    }
}

}  // namespace
