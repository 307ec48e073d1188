#pragma once
// How a report list orders its rows by one column: the column sort types, the sort
// parameter that carries type and direction through the system's item sort, and the
// value comparisons that need no Windows.
#include <cstdint>
#include <string>

enum ColumnSortType : unsigned char {
    SORT_TEXT = 0,            // letter case significant
    SORT_TEXT_NOCASE = 1,     // letter case ignored
    SORT_WHOLE_NUMBER = 2,    // decimal value of the text
    SORT_DATE_TIME = 3,       // date, time or both in the user's locale; unparsable texts are equal
    SORT_NONE = 4,            // every row equal
    SORT_REAL_NUMBER = 5,     // two equal values count as the first being greater
    SORT_DATE_TIME_ALT = 6,   // as SORT_DATE_TIME
};
constexpr int kHighestSortType = SORT_DATE_TIME_ALT;

inline bool IsValidSortType(int type) { return type >= 0 && type <= kHighestSortType; }
inline bool IsDateSortType(int type) { return type == SORT_DATE_TIME || type == SORT_DATE_TIME_ALT; }

// The sort parameter: column type times 256 plus 1 for ascending, 0 for descending.
inline long MakeSortParam(int type, bool ascending) { return type * 256L + (ascending ? 1 : 0); }
inline int SortTypeOfParam(long param) { return static_cast<int>((param >> 8) & 0xFF); }
inline bool IsAscendingParam(long param) { return (param & 0xFF) != 0; }

// The decimal value of a text the way a user reads a number column: leading blanks, an
// optional sign, then digits up to the first other character. Nothing numeric reads as 0;
// values beyond the 64-bit range stop at its ends.
int64_t ParseWholeNumber(const char* text);
// A real number in the C notation ("1.5", "-2e3"); nothing numeric reads as 0.
double ParseRealNumber(const char* text);

// A cell's value worked out once for a whole sort.
struct SortValue {
    int64_t whole = 0;
    double real = 0.0;   // a real number, or a date and time as a day count
    bool parsed = false; // a date or time was recognised
};

// Three-way comparisons of prepared values, ascending (-1, 0, 1).
int CompareWholeNumbers(const SortValue& a, const SortValue& b);
int CompareRealNumbers(const SortValue& a, const SortValue& b);  // equal gives 1
int CompareDates(const SortValue& a, const SortValue& b);        // unparsed on either side gives 0
