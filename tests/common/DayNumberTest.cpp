#include <gtest/gtest.h>

#include <windows.h>

#include "DayNumber.h"

namespace {

TEST(DayNumber, KnownDates) {
    struct { int year, month, day; std::int32_t expected; } cases[] = {
        {1899, 12, 30, 0},  {1899, 12, 31, 1},  {1900, 1, 1, 2},     {1900, 3, 1, 61},
        {1999, 1, 1, 36161}, {2000, 2, 29, 36585}, {2000, 3, 1, 36586}, {2026, 12, 11, 46367},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DayNumberOf(c.year, c.month, c.day), c.expected) << c.year << "-" << c.month << "-" << c.day;
}

TEST(DayNumber, TodayIsTheLocalDate) {
    SYSTEMTIME before;
    GetLocalTime(&before);
    const std::int32_t today = TodayNumber();
    SYSTEMTIME after;
    GetLocalTime(&after);
    const std::int32_t first = DayNumberOf(before.wYear, before.wMonth, before.wDay);
    const std::int32_t last = DayNumberOf(after.wYear, after.wMonth, after.wDay);
    EXPECT_GE(today, first);  // a run across midnight may see either day
    EXPECT_LE(today, last);
}

}  // namespace
