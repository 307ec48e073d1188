// Time texts: reading in 24- and 12-hour mode with the designator first or last, stepping,
// and how the user's format is recognised. The user's usual texts go through the time check
// in the Windows tests; the field under the caret through the spins.
#include <string>

#include <gtest/gtest.h>

#include "send/time_text.h"

namespace {
TimeLocale Locale(bool time24, bool designatorFirst = false, const char* separator = ":")
{
    TimeLocale locale;
    locale.separator = separator;
    locale.amDesignator = time24 ? "" : "AM";
    locale.pmDesignator = time24 ? "" : "PM";
    locale.time24 = time24;
    locale.designatorFirst = designatorFirst;
    return locale;
}

// The 24-hour form, " am" when the AM flag is set.
std::string Show(const TimeFields& t)
{
    return std::to_string(t.hour) + ":" + std::to_string(t.minute) + ":" + std::to_string(t.second) +
           (t.am ? " am" : "");
}
}  // namespace

TEST(TimeTextTest, TextsAreReadInTheLocalesMode)
{
    struct Case {
        const char* text;
        TimeLocale locale;
        const char* time;  // nullptr: not read
    } const cases[] = {
        {"24:00:00", Locale(true), "24:0:0"},  // read, but no valid time
        {"13:45:10 AM", Locale(true), "13:45:10"},  // whatever follows a space is not looked at
        {"12:30", Locale(true), "12:30:0"},
        {"13:45:10x", Locale(true), nullptr},
        {"13:45x10", Locale(true), nullptr},
        {"22h15h00", Locale(true, false, "h"), "22:15:0"},
        {"12:30:00 AM", Locale(false), "0:30:0 am"},
        {"11:00:00 am", Locale(false), "23:0:0"},  // anything but the AM designator is PM
        {"11:00:00 ", Locale(false), nullptr},     // the designator may not be left out
        {"AM 12:30:00", Locale(false, true), "0:30:0 am"},
        {"XX 3:00:00", Locale(false, true), "15:0:0"},
        {"12:30:00", Locale(false, true), nullptr},  // no space
        {"AM 12:30:00x", Locale(false, true), nullptr},
        {":30:00", Locale(true), nullptr},  // no hour, no time
        {"AM :30:00", Locale(false, true), nullptr},
    };
    for (const Case& c : cases) {
        TimeFields time;
        ASSERT_EQ(c.time != nullptr, ParseTimeFields(c.text, c.locale, &time)) << c.text;
        EXPECT_EQ(c.time ? c.time : "0:0:0", c.time ? Show(time) : "0:0:0") << c.text;
    }
    TimeFields time;
    EXPECT_FALSE(ParseTimeFields(nullptr, Locale(true), &time));
    EXPECT_FALSE(ParseTimeFields("12:00:00", Locale(true), nullptr));
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
        {{23, 0, 0}, TimeField::Hour, 1, false, "12:0:0"},
        {{11, 0, 0}, TimeField::Hour, 1, false, "0:0:0 am"},
        {{0, 0, 0}, TimeField::Hour, -1, false, "11:0:0 am"},
        {{23, 0, 0}, TimeField::Hour, 1, true, "0:0:0"},
        {{0, 0, 0}, TimeField::Hour, -1, true, "23:0:0"},
        {{9, 0, 0}, TimeField::Second, -1, true, "9:0:59"},  // no carrying into the next field
        {{9, 10, 0}, TimeField::Minute, 125, true, "9:15:0"},
        // The designator moves the time by twelve hours on odd steps only.
        {{21, 0, 0}, TimeField::Designator, -1, false, "9:0:0 am"},
        {{12, 0, 0}, TimeField::Designator, 3, false, "0:0:0 am"},
        // Huge steps neither overflow nor leave the ranges.
        {{9, 0, 0}, TimeField::Hour, 2147483647, true, "16:0:0"},
        {{9, 0, 0}, TimeField::Minute, -2147483647 - 1, true, "9:52:0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, Show(StepTimeField(c.time, c.field, c.step, c.time24)))
            << Show(c.time) << " step " << c.step;
}
