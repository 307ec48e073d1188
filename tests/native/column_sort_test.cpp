// The value side of sorting a report list by a column: numbers as a reader sees them and the
// comparison rules of real numbers and dates.
#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

#include "controls/column_sort.h"

TEST(ColumnSortTest, WholeNumbersReadAsTheirDecimalValueWithinTheRange)
{
    const int64_t max = std::numeric_limits<int64_t>::max(), min = std::numeric_limits<int64_t>::min();
    const struct { const char* text; int64_t value; } cases[] = {
        {"9", 9},           {"10", 10},         {"-3", -3},  {"  +7 pages", 7},
        {"", 0},            {"pages", 0},       {nullptr, 0}, {"12.9", 12},
        {"99999999999999999999999999", max},    {"-99999999999999999999999999", min},
        {"-9223372036854775808", min},          {"9223372036854775807", max},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.value, ParseWholeNumber(c.text)) << (c.text ? c.text : "null");
}

// Equal real numbers count the first as greater; dates compare only when both parsed.
TEST(ColumnSortTest, RealNumbersAndDatesCompareByTheirRules)
{
    const struct { double a, b; bool parsedA, parsedB; int real, date; } cases[] = {
        {1.5, 1.5, true, true, 1, 0},  {1.5, -2e3, true, true, 1, 1}, {-2e3, 1.5, true, true, -1, -1},
        {45000.25, 45001.0, true, true, -1, -1}, {1.0, 45001.0, false, true, -1, 0}, {45001.0, 1.0, true, false, 1, 0},
    };
    for (const auto& c : cases) {
        const SortValue a{0, c.a, c.parsedA}, b{0, c.b, c.parsedB};
        EXPECT_EQ(c.real, CompareRealNumbers(a, b)) << c.a << " " << c.b;
        EXPECT_EQ(c.date, CompareDates(a, b)) << c.a << " " << c.b;
    }
    EXPECT_EQ(0.0, ParseRealNumber("n/a"));
}
