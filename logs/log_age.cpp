#include "logs/log_age.h"

#include <cstdint>

namespace {
bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month)
{
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Days from 1 January 1601 to the date (proleptic Gregorian calendar).
int64_t DaysSince1601(int year, int month, int day)
{
    // Counting from March puts the leap day at the end of the counted year.
    int64_t y = year - (month <= 2 ? 1 : 0);
    int64_t m = month <= 2 ? month + 9 : month - 3;
    int64_t era = y / 400;
    int64_t yearOfEra = y - era * 400;
    int64_t dayOfYear = (153 * m + 2) / 5 + day - 1;
    int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    int64_t daysSinceYear0March = era * 146097 + dayOfEra;
    // 1 January 1601 counted the same way.
    constexpr int64_t k1601 = 4 * 146097 + 306;
    return daysSinceYear0March - k1601;
}
}  // namespace

bool LogEntryFileTime(int year, int month, int day, int hour, int minute, int second, uint64_t* fileTime)
{
    if (year < 1601 || year > 30827 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) ||
        hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
        return false;
    int64_t seconds = DaysSince1601(year, month, day) * 86400 + hour * 3600 + minute * 60 + second;
    *fileTime = static_cast<uint64_t>(seconds) * 10000000ull;
    return true;
}

bool IsLogEntryAged(uint64_t entryTime, uint32_t daysToKeep, uint64_t now)
{
    if (daysToKeep > UINT64_MAX / kFileTimeUnitsPerDay)
        return false;
    uint64_t span = daysToKeep * kFileTimeUnitsPerDay;
    if (entryTime > UINT64_MAX - span)
        return false;
    return entryTime + span <= now;
}
