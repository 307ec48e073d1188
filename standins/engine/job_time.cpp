#include "standins/engine/job_time.h"

#include <cstdio>

namespace {
bool IsLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : days[month - 1];
}

// Days from 1601-01-01 to the date (a proleptic Gregorian count).
int64_t DayNumber(int year, int month, int day)
{
    int64_t y = year - 1601;
    int64_t days = y * 365 + y / 4 - y / 100 + y / 400;
    for (int m = 1; m < month; ++m)
        days += DaysInMonth(year, m);
    return days + day - 1;
}

// Reads an optionally signed decimal number at text[pos], moving pos past it.
bool ReadNumber(const std::string& text, size_t& pos, int& value)
{
    bool negative = pos < text.size() && text[pos] == '-';
    if (negative)
        ++pos;
    size_t start = pos;
    long long v = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && pos - start < 6)
        v = v * 10 + (text[pos++] - '0');
    if (pos == start || v > 32767)
        return false;
    value = static_cast<int>(negative ? -v : v);
    return true;
}
}  // namespace

bool IsValidJobTime(const JobTime& t)
{
    if (t.year < 1601 || t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31)
        return false;
    return t.hour >= 0 && t.hour <= 23 && t.minute >= 0 && t.minute <= 59 && t.second >= 0 && t.second <= 59;
}

int64_t JobTimeSeconds(const JobTime& t)
{
    return DayNumber(t.year, t.month, t.day) * 86400 + t.hour * 3600 + t.minute * 60 + t.second;
}

std::string FormatJobTime(const JobTime& t)
{
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    return text;
}

bool ParseJobTime(const std::string& text, JobTime& time)
{
    static const char separators[] = "-- ::";
    int values[6];
    size_t pos = 0;
    for (int i = 0; i < 6; ++i) {
        if (i > 0) {
            if (pos >= text.size() || text[pos] != separators[i - 1])
                return false;
            ++pos;
        }
        if (!ReadNumber(text, pos, values[i]))
            return false;
    }
    if (pos != text.size())
        return false;
    time.year = static_cast<int16_t>(values[0]);
    time.month = static_cast<int16_t>(values[1]);
    time.day = static_cast<int16_t>(values[2]);
    time.hour = static_cast<int16_t>(values[3]);
    time.minute = static_cast<int16_t>(values[4]);
    time.second = static_cast<int16_t>(values[5]);
    return true;
}
