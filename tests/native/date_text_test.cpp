// Date texts: splitting by the locale's separator and order, validity, the field under the
// caret and stepping.
#include <string>

#include <gtest/gtest.h>

#include "send/date_text.h"

namespace {
std::string Show(const DateFields& d)
{
    return std::to_string(d.year) + "-" + std::to_string(d.month) + "-" + std::to_string(d.day);
}
}  // namespace

TEST(DateTextTest, GroupsAreReadInTheLocalesOrderAndSeparator)
{
    struct Case {
        const char* text;
        const char* separator;
        int order;
        bool ok;
        const char* date;  // year-month-day
    };
    const Case cases[] = {
        {"03-07-2025", "-", 0, true, "2025-3-7"},
        {"2025-03-07", "-", 2, true, "2025-3-7"},
        {"07. 03. 2025", ". ", 1, true, "2025-3-7"},  // a separator of two characters
        {"1/02/2025", "/", 1, false, ""},  // shorter than 10 characters
        {"", "/", 1, false, ""},
        {"07/03/2025 ", "/", 1, false, ""},  // anything after the year
        {"07.03/2025", "/", 1, false, ""},  // not the locale's separator
        {"07/03/2025", "", 1, false, ""},   // an empty separator matches nothing
        {"07/-3/2025", "/", 1, false, ""},
        {"07//2025xx", "/", 1, false, ""},
        // A text that ends early leaves the missing groups 0 (the date check refuses it).
        {"0000001/02/", "/", 1, true, "0-2-1"},
        {"0123456789", "/", 0, true, "0-123456789-0"},
        // Overlong groups stop growing rather than wrap round to something valid.
        {"99999999999999999999/01/2025", "/", 2, true, "999999999-1-2025"},
        {"07/03/4294967297", "/", 1, true, "999999999-3-7"},
    };
    for (const Case& c : cases) {
        DateFields date;
        ASSERT_EQ(c.ok, ParseDateFields(c.text, c.separator, c.order, &date)) << c.text;
        if (c.ok) {
            EXPECT_EQ(c.date, Show(date)) << c.text;
        }
    }
    DateFields date;
    EXPECT_FALSE(ParseDateFields(nullptr, "/", 0, &date));
    EXPECT_FALSE(ParseDateFields("07/03/2025", "/", 0, nullptr));
    // An order outside 0 to 2 reads like month-day-year.
    ASSERT_TRUE(ParseDateFields("03/07/2025", "/", 7, &date));
    EXPECT_EQ("2025-3-7", Show(date));
}

TEST(DateTextTest, ValidDatesFollowTheGregorianCalendar)
{
    struct Case {
        int year, month, day;
        bool valid;
    };
    const Case cases[] = {
        {2023, 2, 29, false}, {2024, 2, 29, true},  {1900, 2, 29, false}, {2000, 2, 29, true},
        {2024, 2, 30, false}, {2025, 4, 31, false}, {2025, 12, 31, true}, {2025, 0, 1, false},
        {2025, 13, 1, false}, {2025, 1, 0, false},  {2025, 1, 32, false}, {0, 1, 1, true},
        {9999, 12, 31, true}, {10000, 1, 1, false}, {-1, 1, 1, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.valid, IsValidDate(c.year, c.month, c.day)) << c.year << "-" << c.month << "-" << c.day;
    EXPECT_EQ(31, DaysInMonth(2025, 0));
    EXPECT_EQ(31, DaysInMonth(2025, 99));
}

TEST(DateTextTest, SteppingWrapsDayAndMonthWithoutCarrying)
{
    struct Case {
        DateFields date;
        DateField field;
        int step;
        const char* expected;
    };
    const Case cases[] = {
        {{2024, 12, 31}, DateField::Day, 1, "2024-12-1"},    // the month does not change
        {{2024, 12, 15}, DateField::Month, 1, "2024-1-15"},  // nor does the year
        {{2024, 1, 15}, DateField::Month, -1, "2024-12-15"},
        {{2024, 2, 1}, DateField::Day, -1, "2024-2-29"},
        {{2023, 2, 28}, DateField::Day, 1, "2023-2-1"},
        {{2024, 3, 10}, DateField::Day, 45, "2024-3-24"},
        {{2024, 3, 10}, DateField::Month, 25, "2024-4-10"},
        {{2024, 3, 10}, DateField::Year, -3, "2021-3-10"},
        {{2024, 13, 31}, DateField::Day, 1, "2024-13-1"},  // a month out of range counts 31 days
        // A day beyond the end of the new month becomes its last day.
        {{2024, 1, 31}, DateField::Month, 1, "2024-2-29"},
        {{2024, 2, 29}, DateField::Year, 1, "2025-2-28"},
        // Huge steps and values neither overflow nor leave the ranges.
        {{2024, 3, 10}, DateField::Day, 2147483647, "2024-3-11"},
        {{2024, 3, 10}, DateField::Month, -2147483647 - 1, "2024-7-10"},
        {{999999999, 3, 10}, DateField::Year, 2147483647, "999999999-3-10"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, Show(StepDateField(c.date, c.field, c.step))) << Show(c.date) << " step " << c.step;
}
