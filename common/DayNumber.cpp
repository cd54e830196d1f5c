#include "DayNumber.h"

#include <windows.h>

namespace {

// Days from 1 March of year 0 (proleptic Gregorian) to the given date.
std::int64_t DaysFromCivil(std::int64_t year, int month, int day) {
    year -= month <= 2;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const int shiftedMonth = month > 2 ? month - 3 : month + 9;
    const std::int64_t dayOfYear = (153 * shiftedMonth + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra;
}

}  // namespace

std::int32_t DayNumberOf(int year, int month, int day) {
    return static_cast<std::int32_t>(DaysFromCivil(year, month, day) - DaysFromCivil(1899, 12, 30));
}

std::int32_t TodayNumber() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    // The time of day is a fraction of one day and is cut off for any date after 1899.
    return DayNumberOf(now.wYear, now.wMonth, now.wDay);
}
