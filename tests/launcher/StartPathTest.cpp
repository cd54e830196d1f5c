// How the programs are started: quoted paths, and paths too long for the command line.
#include "FakeClock.h"
#include "LauncherFixture.h"

namespace {

class StartPath : public LauncherTest {
protected:
    void SetUp() override {
        LauncherTest::SetUp();
        SetFakeDate(2024, 3, 1);
    }

    void InstallAll() {
        InstallLauncher();
        InstallReminder();
        InstallCompanion();
        WriteSettings({"UseSentrel=1"});
    }
};

TEST_F(StartPath, QuotedPathNeverRunsTheDecoyAnUnquotedPathLeadsTo) {
    InstallAll();
    InstallDecoy();
    // The trap is real: an unquoted path with its blank runs the decoy.
    ASSERT_GE(WinExec(InProduct("Pilo.exe").c_str(), SW_SHOW), 32u);
    ASSERT_TRUE(WaitForDoubleEvents(Root(), "reminder", "start")) << "the decoy did not catch an unquoted path";
    CloseDoubles();
    DeletePath(DoubleLogPath(Root()));

    ASSERT_EQ(RunLauncher(), 0);
    ASSERT_TRUE(WaitForDoubleEvents(Product(), "", "start", 2));
    const auto starts = EventsAfterSettling("", "start");
    ASSERT_EQ(starts.size(), 2u);
    EXPECT_EQ(starts[0].Field("cmdline"), Quoted(InProduct("SENTREL.EXE")));
    EXPECT_EQ(starts[1].Field("cmdline"), Quoted(InProduct("Pilo.exe")));
    EXPECT_TRUE(ReadDoubleLog(Root()).empty()) << "the decoy was started";
}

// The command line is the quoted path; it must fit 240 characters. The folder is made
// just long enough for one program's command line to reach the given length.
TEST_F(StartPath, CommandLineLongerThan240CharactersIsNotStarted) {
    const struct {
        const char* role;
        const char* fileName;
        size_t commandLineLength;
        bool started;
    } cases[] = {
        {"reminder", "Pilo.exe", 240, true},
        {"reminder", "Pilo.exe", 241, false},
        {"reminder", "Pilo.exe", 242, false},  // unquoted it would just fit
        {"companion", "SENTREL.EXE", 240, true},
        {"companion", "SENTREL.EXE", 241, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.fileName << " command line of " << c.commandLineLength);
        CloseDoubles();
        const size_t folderLength = c.commandLineLength - 2 - std::string(c.fileName).size();
        const std::string name = "long " + std::string(folderLength - Root().size() - 6, 'p');
        UseProductFolder(name);
        ASSERT_EQ(Product().size(), folderLength);
        InstallAll();

        ASSERT_EQ(RunLauncher(), 0) << "ends normally";
        EXPECT_EQ(StoredDay(), Day(2024, 3, 1));
        if (c.started) {
            EXPECT_TRUE(WaitForDoubleEvents(Product(), c.role, "start"));
        }
        EXPECT_EQ(EventsAfterSettling(c.role, "start").size(), c.started ? 1u : 0u);
        CloseDoubles();
        DeletePath(Product());
    }
}

}  // namespace
