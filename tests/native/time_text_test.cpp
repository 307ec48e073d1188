// Time texts: reading in 24- and 12-hour mode with the designator first or last, and stepping.
// The user's usual texts go through the time check in the Windows tests, the usual steps
// and the field under the caret through the spins.
#include <string>

#include <gtest/gtest.h>

#include "send/time_text.h"

namespace {
// The 24-hour form, " am" when the AM flag is set.
std::string Show(const TimeFields& t)
{
    return std::to_string(t.hour) + ":" + std::to_string(t.minute) + ":" + std::to_string(t.second) +
           (t.am ? " am" : "");
}
}  // namespace

TEST(TimeTextTest, TextsAreReadInTheLocalesMode)
{
    // mode ("24", "12" with the designator last, "12 first", or a separator), text, the time read or "-"
    const char* const cases[][3] = {
        {"24", "24:00:00", "24:0:0"},  // read, but no valid time
        {"24", "12:30", "12:30:0"},    {"24", "13:45:10x", "-"}, {"24", "13:45x10", "-"}, {"h", "22h15h00", "22:15:0"},
        {"12", "12:30:00 AM", "0:30:0 am"},
        {"12", "11:00:00 am", "23:0:0"},  // anything but the AM designator is PM
        {"12", "11:00:00 ", "-"},         // the designator may not be left out
        {"12 first", "AM 12:30:00", "0:30:0 am"}, {"12 first", "XX 3:00:00", "15:0:0"},
        {"12 first", "12:30:00", "-"},  // no space
    };
    for (const auto& c : cases) {
        TimeLocale locale;
        locale.time24 = c[0][0] != '1';
        locale.separator = locale.time24 && c[0][0] != '2' ? c[0] : ":";
        locale.amDesignator = "AM", locale.pmDesignator = "PM";
        locale.designatorFirst = std::string(c[0]) == "12 first";
        TimeFields time;
        EXPECT_EQ(c[2], ParseTimeFields(c[1], locale, &time) ? Show(time) : "-") << c[1];
    }
    TimeFields time;
    EXPECT_FALSE(ParseTimeFields(nullptr, TimeLocale(), &time));  // no text at all
}

TEST(TimeTextTest, SteppingWrapsEachFieldOnItsOwn)
{
    struct Case {
        TimeFields time;
        TimeField field;
        int step;
        bool time24;
        const char* expected;
    } const cases[] = {
        // 12-hour mode: the hour goes round 1 to 12 and keeps its half of the day.
        {{11, 0, 0}, TimeField::Hour, 1, false, "0:0:0 am"},
        {{0, 0, 0}, TimeField::Hour, -1, true, "23:0:0"},
        {{9, 0, 0}, TimeField::Second, -1, true, "9:0:59"},  // no carrying into the next field
        {{9, 10, 0}, TimeField::Minute, 125, true, "9:15:0"},
        // The designator moves the time by twelve hours on odd steps only.
        {{12, 0, 0}, TimeField::Designator, 3, false, "0:0:0 am"},
        // Huge steps neither overflow nor leave the ranges.
        {{9, 0, 0}, TimeField::Hour, 2147483647, true, "16:0:0"},
        {{9, 0, 0}, TimeField::Minute, -2147483647 - 1, true, "9:52:0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, Show(StepTimeField(c.time, c.field, c.step, c.time24)))
            << Show(c.time) << " step " << c.step;
}
