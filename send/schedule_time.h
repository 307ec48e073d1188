#pragma once
// Start-time arithmetic of send jobs: staggering recipients, the off-peak window, and the
// clamps of a typed Send Later date. Pure calendar arithmetic on local date and time fields.
#include <cstdint>

struct ScheduleTime {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Moves the time of day forward by the seconds, one second at a time: seconds roll over 59
// into minutes, minutes over 59 into hours, and 23:59:59 becomes 00:00:00 without changing
// the date.
void AdvanceTimeOfDay(ScheduleTime& time, long seconds);

// The staggering of row `row` of a send list of `rowCount` rows, in seconds: count × 10 for
// the first row, count × 10 + 60 × row − 60 for the later ones, none for a single row.
long StaggerSeconds(int rowCount, int row);

// The start of an off-peak job taken at `now`, for a window from `start` to `stop` (times of
// day; only their hour, minute and second count): now when inside the window, else the
// window's next start as the rule counts it (a window that opened the evening before is not
// recognised before its stop).
ScheduleTime OffPeakStart(const ScheduleTime& now, const ScheduleTime& start, const ScheduleTime& stop);

// A Send Later date as typed: a month or day of 0 takes the current one; a two-digit year
// lies in 2000..2099; the year is then kept within 1970..2038.
void ClampSendLaterDate(ScheduleTime& date, const ScheduleTime& now);

// Seconds since 1970-01-01 00:00:00 of the fields (proleptic Gregorian calendar), and back.
int64_t ToEpochSeconds(const ScheduleTime& time);
ScheduleTime FromEpochSeconds(int64_t seconds);
