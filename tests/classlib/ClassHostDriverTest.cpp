// Works ClassHost.exe from outside, as a person would, and checks what the layer
// does with errors, close requests and the dialog keys.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "TestFiles.h"
#include "TestProcess.h"
#include "WindowDriver.h"

namespace {

constexpr char kTitle[] = "Classhost";  // ClassHost.exe: first letter kept, the rest lower case

struct IdSearch {
    int id;
    HWND found;
};

BOOL CALLBACK MatchId(HWND child, LPARAM param) {
    auto* search = reinterpret_cast<IdSearch*>(param);
    if (GetDlgCtrlID(child) != search->id) return TRUE;
    search->found = child;
    return FALSE;
}

HWND FindById(HWND parent, int id) {
    IdSearch search{id, nullptr};
    EnumChildWindows(parent, MatchId, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

struct ProcessWindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK MatchProcessWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<ProcessWindowSearch*>(param);
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != search->processId || lstrcmpA(className, "TClassHost") != 0) return TRUE;
    search->found = window;
    return FALSE;
}

// The host's form, of this process only (the form of an earlier run may linger a moment).
HWND WaitForHostForm(DWORD processId, DWORD timeoutMs = 10000) {
    const DWORD start = GetTickCount();
    for (;;) {
        ProcessWindowSearch search{processId, nullptr};
        EnumWindows(MatchProcessWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        if (GetTickCount() - start >= timeoutMs) return nullptr;
        Sleep(50);
    }
}

bool WaitForText(HWND window, const std::string& text, DWORD timeoutMs = 10000) {
    const DWORD start = GetTickCount();
    while (WindowText(window) != text) {
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(50);
    }
    return true;
}

class ClassHost : public testing::Test {
protected:
    void SetUp() override {
        host_ = std::make_unique<ChildProcess>(Quoted(BuildBinDir() + "ClassHost.exe"), BuildBinDir());
        form_ = WaitForHostForm(host_->Id());
        ASSERT_NE(form_, nullptr);
        EXPECT_EQ(WindowText(form_), "Class Host");
        status_ = FindById(form_, 3);
        ASSERT_NE(status_, nullptr);
        ASSERT_TRUE(WaitForText(status_, "Activated"));
    }

    void Click(int id) {
        HWND button = FindById(form_, id);
        ASSERT_NE(button, nullptr);
        // Posted: the handler may show a box, which a sent message would wait for.
        PostMessageA(button, BM_CLICK, 0, 0);
    }

    void ExpectStopBox(const std::string& text) {
        HWND box = WaitForMessageBox(kTitle);
        ASSERT_NE(box, nullptr);
        const MessageBoxContent content = ReadMessageBox(box);
        EXPECT_EQ(content.text, text);
        EXPECT_EQ(content.buttons, std::vector<std::string>{"OK"});
        EXPECT_TRUE(content.hasIcon);
        PressMessageBoxButton(box, "OK");
        EXPECT_TRUE(WaitForWindowGone("#32770", kTitle));
    }

    std::unique_ptr<ChildProcess> host_;
    HWND form_ = nullptr;
    HWND status_ = nullptr;
};

TEST_F(ClassHost, ErrorInAHandlerIsShownAndTheLoopGoesOn) {
    Click(7);
    ExpectStopBox("Handler failed.");
    EXPECT_TRUE(host_->Running());
    // The same handler fails again: the loop still dispatches.
    Click(7);
    ExpectStopBox("Handler failed.");
    Click(6);
    EXPECT_TRUE(WaitForText(status_, "Default pressed"));
    Click(8);
    ExpectStopBox("Unexpected error.");
    Click(12);
    EXPECT_EQ(host_->WaitForExit(), 0);
}

TEST_F(ClassHost, CloseRequestLeavesTheErrorBoxUpUntilOk) {
    Click(9);
    HWND box = WaitForMessageBox(kTitle);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ReadMessageBox(box).text, "Unable to connect DDE conversation.");
    // The pending close does not take the box away.
    PumpFor(1000);
    EXPECT_TRUE(IsWindow(box));
    EXPECT_TRUE(IsWindowVisible(box));
    EXPECT_TRUE(host_->Running());
    PressMessageBoxButton(box, "OK");
    // After OK the loop ends and the program with it.
    EXPECT_EQ(host_->WaitForExit(), 0);
}

TEST_F(ClassHost, TitleBarCloseEndsTheProgram) {
    PostMessageA(form_, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(host_->WaitForExit(), 0);
}

TEST_F(ClassHost, EnterInAFieldPressesTheDefaultButton) {
    HWND edit = FindById(form_, 10);
    ASSERT_NE(edit, nullptr);
    PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_TRUE(WaitForText(status_, "Default pressed"));
}

TEST_F(ClassHost, EnterOnAnotherButtonPressesThatButton) {
    Click(7);  // the click gives "Fail" the focus
    ExpectStopBox("Handler failed.");
    PostMessageA(FindById(form_, 7), WM_KEYDOWN, VK_RETURN, 0);
    ExpectStopBox("Handler failed.");
    EXPECT_EQ(WindowText(status_), "Activated");  // the default button did not run
}

TEST_F(ClassHost, PickingARadioItemRunsOnClick) {
    HWND item = FindById(form_, 102);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(WindowText(item), "two");
    PostMessageA(item, BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitForText(status_, "Picked 2"));
}

TEST_F(ClassHost, InformationBoxIsCentredWithOneOkButton) {
    Click(11);
    HWND box = WaitForMessageBox("Information");
    ASSERT_NE(box, nullptr);
    const MessageBoxContent content = ReadMessageBox(box);
    EXPECT_EQ(content.text, "Just so you know");
    EXPECT_EQ(content.buttons, std::vector<std::string>{"OK"});
    EXPECT_TRUE(content.hasIcon);
    RECT frame;
    GetWindowRect(box, &frame);
    EXPECT_NEAR((frame.left + frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((frame.top + frame.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
    PressMessageBoxButton(box, "OK");
    EXPECT_TRUE(WaitForWindowGone("#32770", "Information"));
}

TEST_F(ClassHost, F1OpensTheHelpViewer) {
    HWND edit = FindById(form_, 10);
    ASSERT_NE(edit, nullptr);
    PostMessageA(edit, WM_KEYDOWN, VK_F1, 0);
    // The help file is missing: the viewer itself says so.
    HWND viewerBox = WaitForMessageBox("ERROR", 20000);
    ASSERT_NE(viewerBox, nullptr);
    PressMessageBoxButton(viewerBox, "OK");
}

}  // namespace
