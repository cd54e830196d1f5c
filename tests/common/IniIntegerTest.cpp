#include <gtest/gtest.h>

#include "IniInteger.h"

namespace {

struct Case {
    const char* text;
    std::optional<std::int32_t> expected;
};

class IniIntegerTest : public testing::TestWithParam<Case> {};

TEST_P(IniIntegerTest, Converts) {
    const Case& c = GetParam();
    EXPECT_EQ(ParseIniInteger(c.text), c.expected) << "text: [" << c.text << "]";
}

const Case kCases[] = {
    // decimal
    {"36161", 36161},
    {"0", 0},
    {"-16", -16},
    {"+16", 16},
    {"007", 7},
    {"   42", 42},
    {"2147483647", 2147483647},
    {"-2147483648", INT32_MIN},
    {"2147483648", std::nullopt},
    {"-2147483649", std::nullopt},
    {"99999999999999999999", std::nullopt},
    // hexadecimal, every prefix and both letter cases
    {"0x8D41", 36161},
    {"0X8d41", 36161},
    {"$8D41", 36161},
    {"x8d41", 36161},
    {"X8D41", 36161},
    {"  $10", 16},
    {"$FFFFFFFF", -1},
    {"$80000000", INT32_MIN},
    {"$7FFFFFFF", 2147483647},
    {"$0000000000000001", 1},
    {"$100000000", std::nullopt},
    // sign with a hexadecimal prefix, prefixes without digits
    {"-$10", std::nullopt},
    {"+0x10", std::nullopt},
    {"$", std::nullopt},
    {"0x", std::nullopt},
    {"x", std::nullopt},
    {"-", std::nullopt},
    {"+", std::nullopt},
    // empty, blanks, anything else
    {"", std::nullopt},
    {"   ", std::nullopt},
    {"36161abc", std::nullopt},
    {"abc", std::nullopt},
    {"12 ", std::nullopt},
    {"\t12", std::nullopt},
    {"12\t", std::nullopt},
    {"1 2", std::nullopt},
    {"$8G", std::nullopt},
    {"--1", std::nullopt},
    {"1.5", std::nullopt},
    {"0x-1", std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Table, IniIntegerTest, testing::ValuesIn(kCases));

}  // namespace
