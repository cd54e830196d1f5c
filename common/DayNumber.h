#pragma once
// Day numbers: whole days since 30 December 1899 (the OLE Automation date, cut to a
// whole day), so 1 January 1999 is 36161.
#include <cstdint>

// The day number of a calendar date (Gregorian, 1 <= month <= 12).
std::int32_t DayNumberOf(int year, int month, int day);

// The day number of the current local date.
std::int32_t TodayNumber();
