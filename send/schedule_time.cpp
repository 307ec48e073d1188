#include "send/schedule_time.h"

namespace {
constexpr int64_t kSecondsPerDay = 86400;

// Days since 1970-01-01 of a civil date (H. Hinnant's algorithm).
int64_t DaysFromCivil(int64_t year, int64_t month, int64_t day)
{
    year -= month <= 2;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void CivilFromDays(int64_t days, int& year, int& month, int& day)
{
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const int64_t dayOfEra = days - era * 146097;
    const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t monthIndex = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2));
}

ScheduleTime AtTimeOfDay(const ScheduleTime& date, const ScheduleTime& timeOfDay)
{
    ScheduleTime result = date;
    result.hour = timeOfDay.hour;
    result.minute = timeOfDay.minute;
    result.second = timeOfDay.second;
    return result;
}
}  // namespace

void AdvanceTimeOfDay(ScheduleTime& time, long seconds)
{
    for (long step = 0; step < seconds; ++step) {
        if (++time.second <= 59)
            continue;
        time.second = 0;
        if (++time.minute <= 59)
            continue;
        time.minute = 0;
        if (++time.hour <= 23)
            continue;
        time.hour = 0;
    }
}

long StaggerSeconds(int rowCount, int row)
{
    if (rowCount <= 1)
        return 0;
    if (row == 0)
        return static_cast<long>(rowCount) * 10;
    return static_cast<long>(rowCount) * 10 + 60L * row - 60;
}

ScheduleTime OffPeakStart(const ScheduleTime& now, const ScheduleTime& start, const ScheduleTime& stop)
{
    int64_t nowSeconds = ToEpochSeconds(now);
    int64_t startSeconds = ToEpochSeconds(AtTimeOfDay(now, start));
    int64_t stopSeconds = ToEpochSeconds(AtTimeOfDay(now, stop));
    if (startSeconds >= stopSeconds)
        stopSeconds += kSecondsPerDay;
    if (startSeconds <= nowSeconds && nowSeconds < stopSeconds)
        return now;
    if (nowSeconds > stopSeconds)
        startSeconds += kSecondsPerDay;
    return FromEpochSeconds(startSeconds);
}

void ClampSendLaterDate(ScheduleTime& date, const ScheduleTime& now)
{
    if (date.month == 0)
        date.month = now.month;
    if (date.day == 0)
        date.day = now.day;
    if (date.year < 100)
        date.year += 2000;
    if (date.year > 2038)
        date.year = 2038;
    else if (date.year < 1970)
        date.year = 1970;
}

int64_t ToEpochSeconds(const ScheduleTime& time)
{
    return DaysFromCivil(time.year, time.month, time.day) * kSecondsPerDay + static_cast<int64_t>(time.hour) * 3600 +
           static_cast<int64_t>(time.minute) * 60 + time.second;
}

ScheduleTime FromEpochSeconds(int64_t seconds)
{
    int64_t days = seconds >= 0 ? seconds / kSecondsPerDay : -((-seconds + kSecondsPerDay - 1) / kSecondsPerDay);
    int64_t rest = seconds - days * kSecondsPerDay;
    ScheduleTime time;
    CivilFromDays(days, time.year, time.month, time.day);
    time.hour = static_cast<int>(rest / 3600);
    time.minute = static_cast<int>(rest % 3600 / 60);
    time.second = static_cast<int>(rest % 60);
    return time;
}
