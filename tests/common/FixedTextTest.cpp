#include <gtest/gtest.h>

#include "FixedText.h"

namespace {

TEST(FixedText, HoldsUpToCapacityLessTerminator) {
    PathBuffer buffer;
    EXPECT_TRUE(buffer.Assign(std::string(240, 'p')));
    EXPECT_EQ(buffer.Length(), 240u);
    EXPECT_FALSE(buffer.Assign(std::string(241, 'p'))) << "one more does not fit";
    EXPECT_STREQ(buffer.CStr(), "") << "a refused text leaves nothing half-copied";
}

TEST(FixedText, RefusesEmbeddedTerminator) {
    MacroBuffer buffer;
    EXPECT_FALSE(buffer.Assign(std::string_view("ab\0cd", 5)));
}

}  // namespace
