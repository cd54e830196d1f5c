// The version block of PiloOnce.exe, read the way Windows shows it.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "TestFiles.h"

namespace {

class PiloOnceVersion : public testing::Test {
protected:
    void SetUp() override {
        const std::string path = BuildBinDir() + "PiloOnce.exe";
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
        ASSERT_GT(size, 0u) << "no version information in " << path;
        block_.resize(size);
        ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, block_.data()));
    }

    std::string Text(const std::string& name) {
        char* value = nullptr;
        UINT length = 0;
        const std::string query = "\\StringFileInfo\\040904E4\\" + name;
        if (!VerQueryValueA(block_.data(), query.c_str(), reinterpret_cast<void**>(&value), &length)) return "(none)";
        return value;
    }

    std::vector<char> block_;
};

TEST_F(PiloOnceVersion, TextsInBlock040904E4) {
    EXPECT_EQ(Text("FileVersion"), "5.0.1.2");
    EXPECT_EQ(Text("FileDescription"), "Pilo! Launcher");
    EXPECT_EQ(Text("ProductVersion"), "5.0.0.0");
}

TEST_F(PiloOnceVersion, NumbersAgreeWithTheTexts) {
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block_.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(0, 5));
    EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(2, 1));
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(0, 5));
    EXPECT_EQ(fixed->dwProductVersionLS, MAKELONG(0, 0));
}

}  // namespace
