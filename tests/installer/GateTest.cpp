// The installer runs only when the product's setup starts it with "inst" as its first
// argument; any other start is refused with a notice, before anything is read or written.
#include <gtest/gtest.h>

#include "InstallerTestFixture.h"
#include "WindowDriver.h"

namespace {

struct GateCase {
    const char* arguments;
    bool admitted;
};

class GateTest : public InstallerTest, public ::testing::WithParamInterface<GateCase> {};

TEST_P(GateTest, AdmitsOnlyInstAsFirstArgument) {
    ProductDir product(ProductFiles{/*reminder*/ false, /*productFiles*/ true});
    WriteTextFile(UserFilePath(), "[SETUPNFO]\r\nUserName=Earlier User\r\n");
    ProductInstallerRun run(product, GetParam().arguments);

    if (GetParam().admitted) {
        ASSERT_NE(run.WaitForDialog(), nullptr);
        EXPECT_EQ(run.Text(kYourName), "Earlier User");
        CloseByTitleBar(run.Dialog());
        EXPECT_EQ(run.WaitForExit(), 0);
        return;
    }

    HWND box = WaitForMessageBox("Information");
    ASSERT_NE(box, nullptr);
    const MessageBoxContent notice = ReadMessageBox(box);
    EXPECT_EQ(notice.text, "This program may only be run as part of the Pilo! Installation.");
    EXPECT_EQ(notice.buttons, std::vector<std::string>{"OK"});
    EXPECT_TRUE(notice.hasIcon);
    HWND form = FindWindowA(kFormClass, nullptr);
    EXPECT_TRUE(form == nullptr || !IsWindowVisible(form)) << "the dialog must never be shown";

    PressMessageBoxButton(box, "OK");
    EXPECT_EQ(run.WaitForExit(), 0);
    EXPECT_FALSE(FileExists(product / "Pilo.ini"));
    EXPECT_EQ(ReadTextFile(UserFilePath()), "[SETUPNFO]\r\nUserName=Earlier User\r\n");
}

INSTANTIATE_TEST_SUITE_P(Arguments, GateTest,
                         ::testing::Values(GateCase{"", false}, GateCase{"INST", false},
                                           GateCase{"Inst", false}, GateCase{"install", false},
                                           GateCase{"inst extra", true}, GateCase{"inst", true}));

}  // namespace
