// Start times of send jobs: staggering, the off-peak window and typed dates.
#include <gtest/gtest.h>

#include "send/schedule_time.h"

namespace {
ScheduleTime At(int year, int month, int day, int hour, int minute, int second)
{
    ScheduleTime time;
    time.year = year;
    time.month = month;
    time.day = day;
    time.hour = hour;
    time.minute = minute;
    time.second = second;
    return time;
}

void ExpectTime(const ScheduleTime& expected, const ScheduleTime& actual)
{
    EXPECT_EQ(expected.year, actual.year);
    EXPECT_EQ(expected.month, actual.month);
    EXPECT_EQ(expected.day, actual.day);
    EXPECT_EQ(expected.hour, actual.hour);
    EXPECT_EQ(expected.minute, actual.minute);
    EXPECT_EQ(expected.second, actual.second);
}
}  // namespace

// The Windows tests send one, two and three rows across midnight and through the off-peak
// window that spans it; here are the rest of the rules.
TEST(ScheduleTimeTest, StaggeringAndAdvancingTheTimeOfDay)
{
    EXPECT_EQ(20, StaggerSeconds(2, 1));
    EXPECT_EQ(100 + 540 - 60, StaggerSeconds(10, 9));

    ScheduleTime time = At(2024, 2, 29, 10, 59, 59);
    AdvanceTimeOfDay(time, 1);
    ExpectTime(At(2024, 2, 29, 11, 0, 0), time);
    AdvanceTimeOfDay(time, 86400);  // a whole day comes back to the same time
    ExpectTime(At(2024, 2, 29, 11, 0, 0), time);
}

TEST(ScheduleTimeTest, OffPeakWindowWithinOneDay)
{
    ScheduleTime start = At(0, 0, 0, 1, 0, 0);
    ScheduleTime stop = At(0, 0, 0, 5, 0, 0);
    ExpectTime(At(2025, 3, 10, 3, 0, 0), OffPeakStart(At(2025, 3, 10, 3, 0, 0), start, stop));
    ExpectTime(At(2025, 3, 10, 1, 0, 0), OffPeakStart(At(2025, 3, 10, 1, 0, 0), start, stop));  // at the start
    ExpectTime(At(2025, 3, 10, 1, 0, 0), OffPeakStart(At(2025, 3, 10, 0, 30, 0), start, stop));
    // After the stop the next window starts tomorrow, across month and year ends.
    ExpectTime(At(2025, 3, 11, 1, 0, 0), OffPeakStart(At(2025, 3, 10, 6, 0, 0), start, stop));
    ExpectTime(At(2026, 1, 1, 1, 0, 0), OffPeakStart(At(2025, 12, 31, 6, 0, 0), start, stop));
    ExpectTime(At(2024, 2, 29, 1, 0, 0), OffPeakStart(At(2024, 2, 28, 6, 0, 0), start, stop));
    // Exactly at the stop: the window is over, but "after" the stop only starts a second later.
    ExpectTime(At(2025, 3, 10, 1, 0, 0), OffPeakStart(At(2025, 3, 10, 5, 0, 0), start, stop));
    // Both times midnight (settings missing): a whole-day window, always now.
    ScheduleTime midnight = At(0, 0, 0, 0, 0, 0);
    ExpectTime(At(2025, 3, 10, 15, 4, 5), OffPeakStart(At(2025, 3, 10, 15, 4, 5), midnight, midnight));
}

TEST(ScheduleTimeTest, SendLaterDateClamps)
{
    ScheduleTime now = At(2025, 6, 15, 9, 0, 0);
    struct Case {
        int year, month, day;
        int wantYear, wantMonth, wantDay;
    } const cases[] = {
        {2025, 7, 1, 2025, 7, 1},  {25, 7, 1, 2025, 7, 1},    {99, 7, 1, 2038, 7, 1},
        {39, 7, 1, 2038, 7, 1},    {2100, 7, 1, 2038, 7, 1},  {1969, 7, 1, 1970, 7, 1},
        {150, 7, 1, 1970, 7, 1},   {2025, 0, 0, 2025, 6, 15}, {0, 0, 3, 2000, 6, 3},
    };
    for (const Case& c : cases) {
        ScheduleTime date = At(c.year, c.month, c.day, 0, 0, 0);
        ClampSendLaterDate(date, now);
        EXPECT_EQ(c.wantYear, date.year) << c.year;
        EXPECT_EQ(c.wantMonth, date.month) << c.year;
        EXPECT_EQ(c.wantDay, date.day) << c.year;
    }
}

TEST(ScheduleTimeTest, EpochSecondsRoundTrip)
{
    EXPECT_EQ(0, ToEpochSeconds(At(1970, 1, 1, 0, 0, 0)));
    EXPECT_EQ(951782400, ToEpochSeconds(At(2000, 2, 29, 0, 0, 0)));
    ExpectTime(At(2038, 1, 19, 3, 14, 7), FromEpochSeconds(2147483647));
    ExpectTime(At(1969, 12, 31, 23, 59, 59), FromEpochSeconds(-1));
}
