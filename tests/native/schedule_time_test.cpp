// Start times of send jobs: the off-peak window and typed dates. The Windows tests send one,
// two and three rows, staggered, across midnight and through the off-peak window that spans it.
#include <string>

#include <gtest/gtest.h>

#include "send/schedule_time.h"

namespace {
ScheduleTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    ScheduleTime time;
    time.year = year, time.month = month, time.day = day, time.hour = hour, time.minute = minute;
    time.second = second;
    return time;
}

std::string Show(const ScheduleTime& t)
{
    return std::to_string(t.year) + "-" + std::to_string(t.month) + "-" + std::to_string(t.day) + " " +
           std::to_string(t.hour) + ":" + std::to_string(t.minute) + ":" + std::to_string(t.second);
}
}  // namespace

TEST(ScheduleTimeTest, TheOffPeakWindowWithinOneDay)
{
    const ScheduleTime start = At(0, 0, 0, 1), stop = At(0, 0, 0, 5);
    struct Case {
        ScheduleTime now;
        const char* expected;
    } const cases[] = {
        {At(2025, 3, 10, 3), "2025-3-10 3:0:0"},
        {At(2025, 3, 10, 1), "2025-3-10 1:0:0"},  // at the start
        {At(2025, 3, 10, 0, 30), "2025-3-10 1:0:0"},
        // After the stop the next window starts tomorrow, across month and year ends.
        {At(2025, 3, 10, 6), "2025-3-11 1:0:0"},
        {At(2025, 12, 31, 6), "2026-1-1 1:0:0"},
        {At(2024, 2, 28, 6), "2024-2-29 1:0:0"},
        // Exactly at the stop: the window is over, but "after" the stop only starts a second later.
        {At(2025, 3, 10, 5), "2025-3-10 1:0:0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, Show(OffPeakStart(c.now, start, stop))) << Show(c.now);
    // Both times midnight (settings missing): a whole-day window, always now.
    EXPECT_EQ("2025-3-10 15:4:5", Show(OffPeakStart(At(2025, 3, 10, 15, 4, 5), At(0, 0, 0), At(0, 0, 0))));
}

TEST(ScheduleTimeTest, SendLaterDateClamps)
{
    struct Case {
        ScheduleTime typed;
        const char* expected;
    } const cases[] = {
        {At(2025, 7, 1), "2025-7-1"}, {At(25, 7, 1), "2025-7-1"},   {At(99, 7, 1), "2038-7-1"},
        {At(39, 7, 1), "2038-7-1"},   {At(2100, 7, 1), "2038-7-1"}, {At(1969, 7, 1), "1970-7-1"},
        {At(150, 7, 1), "1970-7-1"},  {At(2025, 0, 0), "2025-6-15"}, {At(0, 0, 3), "2000-6-3"},
    };
    for (const Case& c : cases) {
        ScheduleTime date = c.typed;
        ClampSendLaterDate(date, At(2025, 6, 15, 9));
        EXPECT_EQ(std::string(c.expected) + " 0:0:0", Show(date)) << Show(c.typed);
    }
}
