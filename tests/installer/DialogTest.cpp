// The options dialog worked from outside as the user would: what it loads, what
// "All Set" saves and registers, and what the notices and the title-bar close leave.
#include <gtest/gtest.h>

#include <cstring>

#include "ControlDriver.h"
#include "InstallerTestFixture.h"
#include "WindowDriver.h"

namespace {

const char kOptions[4][70] = {
    "I want Pilo! to pop up the first time I start Windows each day",
    "I want Pilo! to pop up every time I start Windows",
    "I want Pilo! to start at a specific time each day",
    "I do not want Pilo! to load automatically - I'll start it myself",
};
const int kTimeFields[] = {kLabel4, kLabel5, kPopHour, kPopMin};

void ExpectTimeFieldsEnabled(const InstallerRun& run, bool enabled) {
    for (int id : kTimeFields) EXPECT_EQ(run.Enabled(id), enabled) << "control " << id;
}

// Presses "All Set" with the name and expects the program to end.
void FinishWith(InstallerRun& run, const std::string& name) {
    run.Type(kYourName, name);
    run.Click(kBitBtn1);
    EXPECT_EQ(run.WaitForExit(), 0);
}

ProductFiles AllProductFiles() { return ProductFiles{/*reminder*/ true, /*productFiles*/ true}; }

// --- First installation -------------------------------------------------------------

struct FirstRunCase {
    bool reminder;
    const char* reminderVersion;
};

class FirstInstallation : public InstallerTest, public ::testing::WithParamInterface<FirstRunCase> {};

TEST_P(FirstInstallation, ShowsEmptyFieldsOptionZeroAndBothVersions) {
    ProductDir product(ProductFiles{GetParam().reminder, false});
    ProductInstallerRun run(product, "inst");
    ASSERT_NE(run.WaitForDialog(), nullptr);

    EXPECT_EQ(run.Text(kYourName), "");
    EXPECT_EQ(run.Text(kPopHour), "");
    EXPECT_EQ(run.Text(kPopMin), "");
    EXPECT_EQ(run.CheckedRadioItem(), 0);
    ExpectTimeFieldsEnabled(run, false);
    EXPECT_EQ(run.Text(kZVerLabel1), "Installer v 5.0.1.7");
    EXPECT_EQ(run.Text(kZVerLabel2), GetParam().reminderVersion);

    CloseByTitleBar(run.Dialog());
    EXPECT_EQ(run.WaitForExit(), 0);
}

INSTANTIATE_TEST_SUITE_P(ReminderPresence, FirstInstallation,
                         ::testing::Values(FirstRunCase{false, "None Found"}, FirstRunCase{true, "5.0.2.3"}));

TEST_F(InstallerTest, ShowsTheDialogsTextsAndItemsInOrder) {
    ProductDir product;
    ProductInstallerRun run(product, "inst");
    ASSERT_NE(run.WaitForDialog(), nullptr);

    EXPECT_EQ(WindowText(run.Dialog()), "Pilo Installation...");
    EXPECT_EQ(run.Text(kLabel1), "Welcome to the Pilo! Mindkeep! Installation.  ");
    EXPECT_EQ(run.Text(kLabel2), "Your Name:");
    EXPECT_EQ(run.Text(kLabel3), "Version:");
    EXPECT_EQ(run.Text(kLabel4), "Hour:");
    EXPECT_EQ(run.Text(kLabel5), "Min:");
    EXPECT_EQ(run.Text(kRadioGroup1), "Installation Options...");
    EXPECT_EQ(run.Text(kBitBtn1), "All Set");
    EXPECT_EQ(run.Text(kBitBtn2), "Help");
    for (int index = 0; index < 4; ++index) EXPECT_EQ(run.Text(kFirstRadioItem + index), kOptions[index]);

    CloseByTitleBar(run.Dialog());
    EXPECT_EQ(run.WaitForExit(), 0);
}

// Where the controls with a fixed size lie in the dialog's client area (parents'
// offsets added up: Panel1 at 10,9; GroupBox1 at 120,56 within it).
constexpr int kAutoHeight = -1;  // a word-wrapped label's height follows its text
struct Placement {
    int id;
    int left, top, width, height;
};

TEST_F(InstallerTest, PlacesTheControlsAsLaidOut) {
    ProductDir product;
    ProductInstallerRun run(product, "inst");
    ASSERT_NE(run.WaitForDialog(), nullptr);

    RECT client;
    GetClientRect(run.Dialog(), &client);
    EXPECT_EQ(client.right, 552);
    EXPECT_EQ(client.bottom, 355);
    const LONG style = GetWindowLongA(run.Dialog(), GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));

    const Placement placements[] = {
        {kPanel1, 10, 9, 535, 344},        {kImage1, 18, 25, 97, 268},
        {kImage2, 126, 29, 33, 33},        {kLabel1, 170, 25, 291, kAutoHeight},        {kGroupBox1, 130, 65, 385, 81},
        {kYourName, 226, 111, 265, 21},    {kRadioGroup1, 130, 153, 385, 137},
        {kPopHour, 162, 297, 33, 21},      {kPopMin, 234, 297, 33, 21},
        {kBitBtn2, 346, 297, 75, 33},      {kBitBtn1, 434, 297, 83, 33},
    };
    for (const Placement& expected : placements) {
        RECT frame;
        GetWindowRect(run.Control(expected.id), &frame);
        MapWindowPoints(HWND_DESKTOP, run.Dialog(), reinterpret_cast<POINT*>(&frame), 2);
        EXPECT_EQ(frame.left, expected.left) << "control " << expected.id;
        EXPECT_EQ(frame.top, expected.top) << "control " << expected.id;
        EXPECT_EQ(frame.right - frame.left, expected.width) << "control " << expected.id;
        if (expected.height != kAutoHeight) {
            EXPECT_EQ(frame.bottom - frame.top, expected.height) << "control " << expected.id;
        }
    }

    CloseByTitleBar(run.Dialog());
    EXPECT_EQ(run.WaitForExit(), 0);
}

// --- "All Set" for each option --------------------------------------------------------

struct OptionCase {
    int option;
    const char* startupItem;  // null: none
};

class AllSet : public InstallerTest, public ::testing::WithParamInterface<OptionCase> {};

TEST_P(AllSet, SavesNameAndTimeAndRegistersTheStartupItemOfTheOption) {
    ProductDir product(AllProductFiles());
    ProductInstallerRun run(product, "inst");
    ASSERT_NE(run.WaitForDialog(), nullptr);

    run.PickOption(GetParam().option);
    ExpectTimeFieldsEnabled(run, GetParam().option == 2);
    run.Type(kPopHour, "7");
    run.Type(kPopMin, "30");
    FinishWith(run, "Ann Example");

    EXPECT_EQ(IniValue(UserFilePath(), "SETUPNFO", "UserName"), "Ann Example");
    EXPECT_EQ(IniValue(product / "Pilo.ini", "PILO", "PopHour"), "7");
    EXPECT_EQ(IniValue(product / "Pilo.ini", "PILO", "PopMin"), "30");

    for (const char* item : {"Pilo!", "Using Pilo!", "Pilo! AutoPopup", "PiloDB", "Conversion To v5"})
        EXPECT_TRUE(WaitForFile(ProductGroupFolder() + item + ".lnk")) << item;
    const std::string expected = GetParam().startupItem ? GetParam().startupItem : "";
    if (!expected.empty()) {
        EXPECT_TRUE(WaitForFile(StartupFolder() + expected + ".lnk"));
    }
    for (const char* item : {"Pilo! Launcher", "Pilo! AutoPopup"}) {
        if (item != expected) {
            EXPECT_FALSE(FileExists(StartupFolder() + item + ".lnk")) << item;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Options, AllSet,
                         ::testing::Values(OptionCase{0, "Pilo! Launcher"}, OptionCase{1, "Pilo! Launcher"},
                                           OptionCase{2, "Pilo! AutoPopup"}, OptionCase{3, nullptr}));

TEST_F(InstallerTest, ALaterInstallationReplacesTheStartupItem) {
    ProductDir product(AllProductFiles());
    {
        ProductInstallerRun first(product, "inst");
        ASSERT_NE(first.WaitForDialog(), nullptr);
        first.PickOption(2);
        FinishWith(first, "Ann Example");
        ASSERT_TRUE(WaitForFile(StartupFolder() + "Pilo! AutoPopup.lnk"));
    }
    ProductInstallerRun second(product, "inst");
    ASSERT_NE(second.WaitForDialog(), nullptr);
    EXPECT_EQ(second.Text(kYourName), "Ann Example");
    EXPECT_EQ(second.CheckedRadioItem(), 0) << "the option is not stored";
    FinishWith(second, "Ann Example");
    EXPECT_TRUE(WaitForFile(StartupFolder() + "Pilo! Launcher.lnk"));
    EXPECT_FALSE(FileExists(StartupFolder() + "Pilo! AutoPopup.lnk"));
}

TEST_F(InstallerTest, WritesStoredTimeBackUnchangedForOptionZero) {
    ProductDir product(AllProductFiles());
    WriteTextFile(product / "Pilo.ini", "[PILO]\r\nTodaysDay=36161\r\nPopHour=6\r\nPopMin=45\r\n");
    WriteTextFile(UserFilePath(), "[SETUPNFO]\r\nUserName=Bob\r\n");
    ProductInstallerRun run(product, "inst");
    ASSERT_NE(run.WaitForDialog(), nullptr);

    EXPECT_EQ(run.Text(kYourName), "Bob");
    EXPECT_EQ(run.Text(kPopHour), "6");
    EXPECT_EQ(run.Text(kPopMin), "45");
    ExpectTimeFieldsEnabled(run, false);
    run.Click(kBitBtn1);
    EXPECT_EQ(run.WaitForExit(), 0);

    EXPECT_EQ(IniValue(product / "Pilo.ini", "PILO", "PopHour"), "6");
    EXPECT_EQ(IniValue(product / "Pilo.ini", "PILO", "PopMin"), "45");
    EXPECT_EQ(IniValue(product / "Pilo.ini", "PILO", "TodaysDay"), "36161");
    EXPECT_EQ(IniValue(UserFilePath(), "SETUPNFO", "UserName"), "Bob");
}

TEST_F(InstallerTest, AcceptsANameOfOneBlank) {
    ProductDir product(AllProductFiles());
    ProductInstallerRun run(product, "inst");
    ASSERT_NE(run.WaitForDialog(), nullptr);
    FinishWith(run, " ");
    // Saved: the key is there (the profile functions trim the blank when reading).
    EXPECT_EQ(IniValue(UserFilePath(), "SETUPNFO", "UserName"), "");
    EXPECT_TRUE(WaitForFile(StartupFolder() + "Pilo! Launcher.lnk"));
}

// --- Notices and closing without "All Set" -------------------------------------------

TEST_F(InstallerTest, AnEmptyNameIsRefusedAndEverythingTypedStays) {
    ProductDir product(AllProductFiles());
    ProductInstallerRun run(product, "inst");
    ASSERT_NE(run.WaitForDialog(), nullptr);
    run.PickOption(2);
    run.Type(kPopHour, "7");
    run.Type(kPopMin, "30");
    run.Click(kBitBtn1);

    HWND box = WaitForMessageBox("Information");
    ASSERT_NE(box, nullptr);
    const MessageBoxContent notice = ReadMessageBox(box);
    EXPECT_EQ(notice.text, "Please enter your name so Installation can be completed.");
    EXPECT_EQ(notice.buttons, std::vector<std::string>{"OK"});
    EXPECT_TRUE(notice.hasIcon);
    PressMessageBoxButton(box, "OK");
    ASSERT_TRUE(WaitForWindowGone("#32770", "Information"));

    EXPECT_TRUE(run.Running());
    EXPECT_EQ(run.Text(kPopHour), "7");
    EXPECT_EQ(run.Text(kPopMin), "30");
    EXPECT_EQ(run.CheckedRadioItem(), 2);
    ExpectTimeFieldsEnabled(run, true);
    EXPECT_FALSE(FileExists(product / "Pilo.ini"));
    EXPECT_FALSE(FileExists(UserFilePath()));

    CloseByTitleBar(run.Dialog());
    EXPECT_EQ(run.WaitForExit(), 0);
}

TEST_F(InstallerTest, ClosingByTheTitleBarSavesAndRegistersNothing) {
    ProductDir product(AllProductFiles());
    ProductInstallerRun run(product, "inst");
    ASSERT_NE(run.WaitForDialog(), nullptr);
    run.PickOption(2);
    run.Type(kYourName, "Ann Example");
    run.Type(kPopHour, "7");
    run.Type(kPopMin, "30");
    CloseByTitleBar(run.Dialog());
    EXPECT_EQ(run.WaitForExit(), 0);

    PumpFor(500);  // any registration would have reached the shell by now
    EXPECT_FALSE(FileExists(product / "Pilo.ini"));
    EXPECT_FALSE(FileExists(UserFilePath()));
    EXPECT_FALSE(DirectoryExists(ProductGroupFolder()));
    EXPECT_FALSE(FileExists(StartupFolder() + "Pilo! AutoPopup.lnk"));
}

// --- Help ----------------------------------------------------------------------------

// The help viewer answers the dummy help file with its own box titled "ERROR": proof
// that it was asked to open that file. Other programs' help requests may have left
// such boxes up, so the one naming this product's help file is picked.
struct BoxSearch {
    std::string textPart;
    HWND found;
};

BOOL CALLBACK MatchHelpBox(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<BoxSearch*>(param);
    char className[16] = {}, title[16] = {};
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, title, sizeof title);
    if (lstrcmpA(className, "#32770") != 0 || lstrcmpA(title, "ERROR") != 0) return TRUE;
    char text[1024] = {};
    SendMessageA(GetDlgItem(window, 0xFFFF), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    if (std::strstr(text, search->textPart.c_str())) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForHelpViewerBox(const std::string& helpFile) {
    for (DWORD waited = 0; waited < 10000; waited += 50) {
        BoxSearch search{helpFile, nullptr};
        EnumWindows(MatchHelpBox, reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        Sleep(50);
    }
    return nullptr;
}

enum class HelpRequest { HelpButton, F1Key };

class Help : public InstallerTest, public ::testing::WithParamInterface<HelpRequest> {};

TEST_P(Help, OpensTheHelpViewerOnTheProductsHelpFile) {
    ProductDir product(AllProductFiles());
    ProductInstallerRun run(product, "inst");
    ASSERT_NE(run.WaitForDialog(), nullptr);
    if (GetParam() == HelpRequest::HelpButton)
        run.Click(kBitBtn2);
    else
        PressKey(run.Dialog(), VK_F1);

    HWND box = WaitForHelpViewerBox(product / "Pilo.hlp");
    ASSERT_NE(box, nullptr) << "the help viewer did not come up on the product's help file";
    const MessageBoxContent report = ReadMessageBox(box);
    PressMessageBoxButton(box, report.buttons.empty() ? "OK" : report.buttons.front());
    for (DWORD waited = 0; IsWindow(box) && waited < 10000; waited += 50) Sleep(50);
    EXPECT_FALSE(IsWindow(box));

    EXPECT_TRUE(run.Running()) << "the dialog is unaffected";
    CloseByTitleBar(run.Dialog());
    EXPECT_EQ(run.WaitForExit(), 0);
}

INSTANTIATE_TEST_SUITE_P(Requests, Help, ::testing::Values(HelpRequest::HelpButton, HelpRequest::F1Key));

}  // namespace
