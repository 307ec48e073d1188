// Date texts: splitting by the locale's separator and order, validity and stepping.
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
    // order (0 month first, 1 day first, 2 year first; others read like 0), separator, text,
    // year-month-day read or "-"
    const char* const cases[][4] = {
        {"0", "-", "03-07-2025", "2025-3-7"}, {"2", "-", "2025-03-07", "2025-3-7"},
        {"1", ". ", "07. 03. 2025", "2025-3-7"}, {"7", "/", "03/07/2025", "2025-3-7"},
        {"1", "/", "1/02/2025", "-"},    // shorter than 10 characters
        {"1", "/", "07/03/2025 ", "-"},  // anything after the year
        {"1", "/", "07.03/2025", "-"},   {"1", "", "07/03/2025", "-"}, {"1", "/", "07/-3/2025", "-"},
    };
    for (const auto& c : cases) {
        DateFields date;
        EXPECT_EQ(c[3], ParseDateFields(c[2], c[1], c[0][0] - '0', &date) ? Show(date) : "-") << c[2];
    }
}

TEST(DateTextTest, ValidDatesFollowTheGregorianCalendar)
{
    const DateFields valid[] = {{2024, 2, 29}, {2000, 2, 29}, {2025, 12, 31}, {0, 1, 1}, {9999, 12, 31}};
    const DateFields invalid[] = {{2023, 2, 29}, {1900, 2, 29}, {2025, 4, 31}, {2025, 0, 1},
                                  {2025, 13, 1}, {2025, 1, 0},  {10000, 1, 1}, {-1, 1, 1}};
    for (const DateFields& d : valid)
        EXPECT_TRUE(IsValidDate(d.year, d.month, d.day)) << Show(d);
    for (const DateFields& d : invalid)
        EXPECT_FALSE(IsValidDate(d.year, d.month, d.day)) << Show(d);
}

TEST(DateTextTest, SteppingWrapsDayAndMonthWithoutCarrying)
{
    struct Case {
        DateFields date;
        DateField field;
        int step;
        const char* expected;
    } const cases[] = {
        {{2023, 2, 28}, DateField::Day, 1, "2023-2-1"},
        {{2024, 13, 31}, DateField::Day, 1, "2024-13-1"},  // a month out of range counts 31 days
        {{2024, 1, 31}, DateField::Month, 1, "2024-2-29"},  // a day beyond the new month's end: its last
        {{2024, 2, 29}, DateField::Year, 1, "2025-2-28"},
        // Huge steps and values neither overflow nor leave the ranges.
        {{2024, 3, 10}, DateField::Day, 2147483647, "2024-3-11"},
        {{2024, 3, 10}, DateField::Month, -2147483647 - 1, "2024-7-10"},
        {{999999999, 3, 10}, DateField::Year, 2147483647, "999999999-3-10"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, Show(StepDateField(c.date, c.field, c.step))) << Show(c.date) << " step " << c.step;
}
