#pragma once
// The date and time texts of log rows, as FormatLocalDate (the user's short date) and
// FormatLocalTime give them. A log lists many entries of the same day and second: each date
// and each time is formatted once, and the locale's time picture is read once, for as long
// as the object lives (one fill of a list, or one change of a row).
#include <windows.h>

#include <cstdint>
#include <string>
#include <unordered_map>

class CLogDateTimeTexts {
public:
    CLogDateTimeTexts();

    const std::string& Date(const SYSTEMTIME& when);
    const std::string& Time(const SYSTEMTIME& when);

private:
    std::string m_timePicture;
    std::unordered_map<uint64_t, std::string> m_dates;
    std::unordered_map<uint64_t, std::string> m_times;
};
