#include "controls/column_sort.h"

#include <cstdlib>
#include <limits>

int64_t ParseWholeNumber(const char* text)
{
    if (!text)
        return 0;
    const char* p = text;
    while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r' || *p == '\v' || *p == '\f')
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-')
        negative = *p++ == '-';
    // Accumulate negatively so that the lowest value fits too.
    const int64_t lowest = std::numeric_limits<int64_t>::min();
    int64_t value = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        int digit = *p - '0';
        if (value < (lowest + digit) / 10) {
            value = lowest;
            break;
        }
        value = value * 10 - digit;
    }
    if (negative)
        return value;
    return value == lowest ? std::numeric_limits<int64_t>::max() : -value;
}

double ParseRealNumber(const char* text)
{
    if (!text)
        return 0.0;
    return std::strtod(text, nullptr);
}

int CompareWholeNumbers(const SortValue& a, const SortValue& b)
{
    return a.whole < b.whole ? -1 : (a.whole > b.whole ? 1 : 0);
}

int CompareRealNumbers(const SortValue& a, const SortValue& b) { return a.real < b.real ? -1 : 1; }

int CompareDates(const SortValue& a, const SortValue& b)
{
    if (!a.parsed || !b.parsed)
        return 0;
    return a.real < b.real ? -1 : (a.real > b.real ? 1 : 0);
}
