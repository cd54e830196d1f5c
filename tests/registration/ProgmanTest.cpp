// Registration against the shell's own Program Manager DDE server (Wine's desktop), with
// the product's files present, by a program that ends right after sending, as the
// installer does.
#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <string>
#include <vector>

#include "ClientRun.h"
#include "ProgramDir.h"
#include "TestFiles.h"
#include "TestProcess.h"

namespace {

std::string ShellFolder(int csidl) {
    char path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path))) return "";
    return AddBackslash(path);
}

// The file a shortcut points at; empty when it cannot be read.
std::string ShortcutTarget(const std::string& lnk) {
    std::string target;
    if (FAILED(CoInitialize(nullptr))) return target;
    IShellLinkA* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            std::wstring wide(lnk.begin(), lnk.end());
            char path[MAX_PATH] = {};
            if (SUCCEEDED(file->Load(wide.c_str(), STGM_READ)) &&
                SUCCEEDED(link->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH)))
                target = path;
            file->Release();
        }
        link->Release();
    }
    CoUninitialize();
    return target;
}

const char* const kProductFiles[] = {"pilo.exe",   "pilo.hlp", "piloap.exe", "pilodb.exe", "convert\\pilo4to5.exe",
                                     "piloonce.exe"};

// The group's items; Wine's Program Manager makes no item for the web-site address, so
// "The Pilo! Web Site" is not expected here.
const char* const kGroupItems[] = {"Pilo!", "Using Pilo!", "Pilo! AutoPopup", "PiloDB", "Conversion To v5"};

class ProgmanRegistration : public ::testing::Test {
protected:
    ProgmanRegistration()
        : product_("Pilo Mindkeep product"),  // blanks in the path, as under Program Files
          group_(ShellFolder(CSIDL_PROGRAMS) + "Pilo! Mindkeep!\\"),
          startup_(ShellFolder(CSIDL_STARTUP)) {}

    void SetUp() override {
        ASSERT_NE(group_, "Pilo! Mindkeep!\\");
        ASSERT_FALSE(startup_.empty());
        MakeDirectories(product_ / "convert");
        for (const char* file : kProductFiles) WriteTextFile(product_ / file, "dummy");
        CleanShell();
    }
    void TearDown() override { CleanShell(); }

    void CleanShell() {
        DeletePath(group_);
        DeletePath(StartupItem("Pilo! Launcher"));
        DeletePath(StartupItem("Pilo! AutoPopup"));
    }

    std::string StartupItem(const std::string& title) const { return startup_ + title + ".lnk"; }

    void Register(int itemIndex) {
        const std::string host = Quoted(BuildBinDir() + "registration_host.exe");
        const std::string dir = product_.Path().substr(0, product_.Path().size() - 1);
        ASSERT_EQ(RunClientToExit(host + " " + std::to_string(itemIndex) + " " + Quoted(dir)), 0);
    }

    TempDir product_;
    std::string group_;
    std::string startup_;
};

struct StartupCase {
    int itemIndex;
    bool launcher;
    bool autoPopup;
};

TEST_F(ProgmanRegistration, GroupGetsEveryItemAndStartupTheOptionsOne) {
    const StartupCase cases[] = {{0, true, false}, {1, true, false}, {2, false, true}, {3, false, false}};
    for (const StartupCase& c : cases) {
        SCOPED_TRACE("option " + std::to_string(c.itemIndex));
        CleanShell();
        Register(c.itemIndex);
        for (const char* title : kGroupItems) EXPECT_TRUE(FileExists(group_ + title + ".lnk")) << title;
        EXPECT_EQ(FileExists(StartupItem("Pilo! Launcher")), c.launcher);
        EXPECT_EQ(FileExists(StartupItem("Pilo! AutoPopup")), c.autoPopup);
    }
}

TEST_F(ProgmanRegistration, ItemsPointIntoTheProductDirectoryWithBlanks) {
    Register(0);
    EXPECT_EQ(ShortcutTarget(group_ + "Pilo!.lnk"), product_ / "pilo.exe");
    EXPECT_EQ(ShortcutTarget(group_ + "Conversion To v5.lnk"), product_ / "convert\\pilo4to5.exe");
    EXPECT_EQ(ShortcutTarget(StartupItem("Pilo! Launcher")), product_ / "piloonce.exe");
}

TEST_F(ProgmanRegistration, ReinstallingReplacesTheStartupItem) {
    Register(2);
    ASSERT_TRUE(FileExists(StartupItem("Pilo! AutoPopup")));
    Register(0);
    EXPECT_TRUE(FileExists(StartupItem("Pilo! Launcher")));
    EXPECT_FALSE(FileExists(StartupItem("Pilo! AutoPopup")));
}

}  // namespace
