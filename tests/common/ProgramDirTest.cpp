#include <gtest/gtest.h>

#include "ProgramDir.h"

namespace {

TEST(ProgramDir, IsTheExecutablesFolderWithBackslash) {
    const std::string exe = ExecutablePath();
    const std::string dir = ProgramDir();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '\\');
    EXPECT_EQ(exe.compare(0, dir.size(), dir), 0);
    EXPECT_EQ(exe.find('\\', dir.size()), std::string::npos);
}

TEST(AddBackslash, AppendsOnlyWhenMissing) {
    EXPECT_EQ(AddBackslash("C:\\PILO"), "C:\\PILO\\");
    EXPECT_EQ(AddBackslash("C:\\PILO\\"), "C:\\PILO\\");
    EXPECT_EQ(AddBackslash("C:"), "C:\\");
}

}  // namespace
