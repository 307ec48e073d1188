// The value side of sorting a report list by a column: numbers as a reader sees them,
// the comparison rules of each type, and the sort parameter.
#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

#include "controls/column_sort.h"

TEST(ColumnSortTest, WholeNumbersReadAsTheirDecimalValue)
{
    EXPECT_EQ(9, ParseWholeNumber("9"));
    EXPECT_EQ(10, ParseWholeNumber("10"));
    EXPECT_EQ(-3, ParseWholeNumber("-3"));
    EXPECT_EQ(7, ParseWholeNumber("  +7 pages"));
    EXPECT_EQ(0, ParseWholeNumber(""));
    EXPECT_EQ(0, ParseWholeNumber("pages"));
    EXPECT_EQ(0, ParseWholeNumber(nullptr));
    EXPECT_EQ(12, ParseWholeNumber("12.9"));
}

TEST(ColumnSortTest, WholeNumbersBeyondTheRangeStopAtItsEnds)
{
    EXPECT_EQ(std::numeric_limits<int64_t>::max(), ParseWholeNumber("99999999999999999999999999"));
    EXPECT_EQ(std::numeric_limits<int64_t>::min(), ParseWholeNumber("-99999999999999999999999999"));
    EXPECT_EQ(std::numeric_limits<int64_t>::min(), ParseWholeNumber("-9223372036854775808"));
    EXPECT_EQ(std::numeric_limits<int64_t>::max(), ParseWholeNumber("9223372036854775807"));
}

TEST(ColumnSortTest, NineComesBeforeTenAsNumbersNotAsTexts)
{
    SortValue nine, ten;
    nine.whole = ParseWholeNumber("9");
    ten.whole = ParseWholeNumber("10");
    EXPECT_LT(CompareWholeNumbers(nine, ten), 0);
    EXPECT_GT(CompareWholeNumbers(ten, nine), 0);
    EXPECT_EQ(0, CompareWholeNumbers(nine, nine));
}

TEST(ColumnSortTest, EqualRealNumbersCountTheFirstAsGreater)
{
    SortValue a, b;
    a.real = ParseRealNumber("1.5");
    b.real = ParseRealNumber("1.50");
    EXPECT_EQ(1, CompareRealNumbers(a, b));
    EXPECT_EQ(1, CompareRealNumbers(b, a));
    b.real = ParseRealNumber("-2e3");
    EXPECT_EQ(1, CompareRealNumbers(a, b));
    EXPECT_EQ(-1, CompareRealNumbers(b, a));
    EXPECT_EQ(0.0, ParseRealNumber("n/a"));
}

TEST(ColumnSortTest, DatesCompareOnlyWhenBothParsed)
{
    SortValue early, late, unparsed;
    early.real = 45000.25;
    early.parsed = true;
    late.real = 45001.0;
    late.parsed = true;
    unparsed.real = 1.0;
    EXPECT_EQ(-1, CompareDates(early, late));
    EXPECT_EQ(1, CompareDates(late, early));
    EXPECT_EQ(0, CompareDates(early, early));
    EXPECT_EQ(0, CompareDates(unparsed, late));
    EXPECT_EQ(0, CompareDates(early, unparsed));
}
