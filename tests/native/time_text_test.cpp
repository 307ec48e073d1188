// Time texts: reading in 24- and 12-hour mode with the designator first or last, validity,
// the field under the caret, stepping, and how the user's format is recognised.
#include <string>

#include <gtest/gtest.h>

#include "send/time_text.h"

namespace {
TimeLocale TwentyFourHour(const char* separator = ":")
{
    TimeLocale locale;
    locale.separator = separator;
    return locale;
}

TimeLocale TwelveHour(bool designatorFirst = false, const char* separator = ":", const char* am = "AM",
                      const char* pm = "PM")
{
    TimeLocale locale;
    locale.separator = separator;
    locale.amDesignator = am;
    locale.pmDesignator = pm;
    locale.time24 = false;
    locale.designatorFirst = designatorFirst;
    return locale;
}

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
        bool ok;
        const char* time;  // 24-hour form, " am" when the AM flag is set
    };
    const Case cases[] = {
        // The user's usual texts go through the time check in the Windows tests.
        // 24-hour mode: no designator; whatever follows a space is not looked at.
        {"24:00:00", TwentyFourHour(), true, "24:0:0"},  // read, but no valid time
        {"13:45:10 AM", TwentyFourHour(), true, "13:45:10"},
        {"12:30", TwentyFourHour(), true, "12:30:0"},
        {"13.45.10", TwentyFourHour(), false, ""},
        {"13:45:10x", TwentyFourHour(), false, ""},
        {"13:45x10", TwentyFourHour(), false, ""},
        {"22h15h00", TwentyFourHour("h"), true, "22:15:0"},
        // 12-hour mode, designator last.
        {"12:30:00 AM", TwelveHour(), true, "0:30:0 am"},
        {"11:00:00 AM", TwelveHour(), true, "11:0:0 am"},
        {"11:00:00 am", TwelveHour(), true, "23:0:0"},  // anything but the AM designator is PM
        {"11:00:00 ", TwelveHour(), false, ""},  // the designator may not be left out
        // 12-hour mode, designator first.
        {"AM 12:30:00", TwelveHour(true), true, "0:30:0 am"},
        {"XX 3:00:00", TwelveHour(true), true, "15:0:0"},  // neither designator: PM
        {"12:30:00", TwelveHour(true), false, ""},         // no space
        {"AM 12:30:00 PM", TwelveHour(true), true, "0:30:0 am"},
        {"AM 12:30:00x", TwelveHour(true), false, ""},
        {"", TwentyFourHour(), false, ""},  // no hour, no time
        {":30:00", TwentyFourHour(), false, ""},
        {"AM :30:00", TwelveHour(true), false, ""},
    };
    for (const Case& c : cases) {
        TimeFields time;
        ASSERT_EQ(c.ok, ParseTimeFields(c.text, c.locale, &time)) << c.text;
        if (c.ok) {
            EXPECT_EQ(c.time, Show(time)) << c.text;
        }
    }
    TimeFields time;
    EXPECT_FALSE(ParseTimeFields(nullptr, TwentyFourHour(), &time));
    EXPECT_FALSE(ParseTimeFields("12:00:00", TwentyFourHour(), nullptr));
}

TEST(TimeTextTest, CaretPicksTheFieldBetweenSeparatorsAndSpace)
{
    struct Case {
        const char* text;
        bool designatorFirst;
        int selectionEnd;
        TimeField field;
        int start, end;
    };
    const Case cases[] = {
        // The caret is the character before the selection's end.
        {"11:00:00 PM", false, 0, TimeField::Hour, 0, 2},
        {"11:00:00 PM", false, 2, TimeField::Hour, 0, 2},
        {"11:00:00 PM", false, 3, TimeField::Hour, 0, 2},
        {"11:00:00 PM", false, 4, TimeField::Minute, 3, 5},
        {"11:00:00 PM", false, 7, TimeField::Second, 6, 8},
        {"11:00:00 PM", false, 10, TimeField::Designator, 9, 11},
        {"11:00:00 PM", false, 500, TimeField::Designator, 9, 11},
        {"PM 11:00:00", true, 1, TimeField::Designator, 0, 2},
        {"PM 11:00:00", true, 4, TimeField::Hour, 3, 5},
        {"PM 11:00:00", true, 10, TimeField::Second, 9, 11},
        // A missing boundary extends the field to the end.
        {"13:05", false, 5, TimeField::Minute, 3, 5},
        {"1305", false, 4, TimeField::Hour, 0, 4},
        {"", false, 0, TimeField::Hour, 0, 0},
    };
    for (const Case& c : cases) {
        TimeLocale locale = TwelveHour(c.designatorFirst);
        TimeFieldHit hit = FindTimeField(c.text, c.selectionEnd, locale);
        EXPECT_EQ(c.field, hit.field) << c.text << " @" << c.selectionEnd;
        EXPECT_EQ(c.start, hit.span.start) << c.text << " @" << c.selectionEnd;
        EXPECT_EQ(c.end, hit.span.end) << c.text << " @" << c.selectionEnd;
    }
    // Separators longer than one character are skipped whole.
    TimeFieldHit hit = FindTimeField("10 h 15 h 00", 8, TwentyFourHour(" h "));
    EXPECT_EQ(TimeField::Minute, hit.field);
    EXPECT_EQ(5, hit.span.start);
    EXPECT_EQ(7, hit.span.end);
}

TEST(TimeTextTest, SteppingWrapsEachFieldOnItsOwn)
{
    struct Case {
        TimeFields time;
        TimeField field;
        int step;
        bool time24;
        const char* expected;
    };
    const Case cases[] = {
        // 12-hour mode: the hour goes round 1 to 12 and keeps its half of the day.
        {{23, 0, 0}, TimeField::Hour, 1, false, "12:0:0"},    // 11 PM -> 12 PM
        {{12, 0, 0}, TimeField::Hour, 1, false, "13:0:0"},    // 12 PM -> 1 PM
        {{11, 0, 0}, TimeField::Hour, 1, false, "0:0:0 am"},  // 11 AM -> 12 AM
        {{0, 0, 0}, TimeField::Hour, -1, false, "11:0:0 am"},
        {{1, 0, 0}, TimeField::Hour, -1, false, "0:0:0 am"},
        {{13, 0, 0}, TimeField::Hour, 12, false, "13:0:0"},
        // 24-hour mode: round 0 to 23.
        {{23, 0, 0}, TimeField::Hour, 1, true, "0:0:0"},
        {{0, 0, 0}, TimeField::Hour, -1, true, "23:0:0"},
        {{25, 0, 0}, TimeField::Hour, 1, true, "2:0:0"},
        // Minutes and seconds go round 0 to 59 without carrying into the next field.
        {{9, 59, 0}, TimeField::Minute, 1, true, "9:0:0"},
        {{9, 0, 0}, TimeField::Second, -1, true, "9:0:59"},
        {{9, 10, 0}, TimeField::Minute, 125, true, "9:15:0"},
        // The designator moves the time by twelve hours on odd steps only.
        {{9, 0, 0}, TimeField::Designator, 1, false, "21:0:0"},
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

TEST(TimeTextTest, UsersFormatIsRecognisedFromTwentyTwoHundred)
{
    struct Case {
        const char* sample;  // 22:00:00 as the user's format shows it
        const char* separator;
        bool time24, fixedPicture;
    };
    const Case cases[] = {
        // The usual formats come through the user's settings in the Windows tests.
        {"22:00", ":", true, false},  // HH:mm
        {"10:00", ":", true, true},  // hh:mm
        {"22 h 00", " h ", true, false},
        {"", ":", false, false},
        {"22-00-00", "", true, false},
    };
    for (const Case& c : cases) {
        TimeMode mode = ClassifyTimeSample(c.sample, c.separator);
        EXPECT_EQ(c.time24, mode.time24) << c.sample;
        EXPECT_EQ(c.fixedPicture, mode.fixedPicture) << c.sample;
    }
    EXPECT_EQ("10:00:00:::", NormaliseTimeSample("10.00.00 PM", "."));
    EXPECT_EQ("10:00", NormaliseTimeSample("10 h 00", " h "));
    EXPECT_EQ("22.00", NormaliseTimeSample("22.00", ":"));
}
