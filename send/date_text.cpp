#include "send/date_text.h"

#include <cstring>

namespace {
constexpr size_t kShortestDateText = 10;
constexpr long long kYearLimit = kDigitGroupLimit;
}  // namespace

bool ParseDateFields(const char* text, const std::string& separator, int order, DateFields* date)
{
    if (!text || !date)
        return false;
    size_t length = std::strlen(text);
    if (length < kShortestDateText)
        return false;

    int groups[3] = {0, 0, 0};
    size_t at = 0;
    for (int group = 0; group < 3; ++group) {
        size_t begin = at;
        while (at < length && IsDigitChar(text[at]))
            ++at;
        groups[group] = DigitGroupValue(text, begin, at);
        if (at == length)
            break;
        if (group == 2 || !SeparatorAt(text, at, separator))
            return false;
        at += separator.size();
    }

    switch (order) {
    case 1:
        *date = {groups[2], groups[1], groups[0]};
        break;
    case 2:
        *date = {groups[0], groups[1], groups[2]};
        break;
    default:
        *date = {groups[2], groups[0], groups[1]};
        break;
    }
    return true;
}

int DaysInMonth(int year, int month)
{
    switch (month) {
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 2: {
        bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        return leap ? 29 : 28;
    }
    default:
        return 31;
    }
}

bool IsValidDate(int year, int month, int day)
{
    return year >= 0 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
}

DateField DateFieldAt(int order, int selectionEnd)
{
    switch (order) {
    case 1:
        return selectionEnd < 3 ? DateField::Day : selectionEnd >= 6 ? DateField::Year : DateField::Month;
    case 2:
        return selectionEnd < 5 ? DateField::Year : selectionEnd >= 8 ? DateField::Day : DateField::Month;
    default:
        return selectionEnd < 3 ? DateField::Month : selectionEnd >= 6 ? DateField::Year : DateField::Day;
    }
}

FieldSpan DateFieldSpan(int order, DateField field, int textLength)
{
    // The places of the fields in the order's picture: first, middle, last.
    const FieldSpan first = order == 2 ? FieldSpan{0, 4} : FieldSpan{0, 2};
    const FieldSpan middle = order == 2 ? FieldSpan{5, 7} : FieldSpan{3, 5};
    const int lastStart = order == 2 ? 8 : 6;
    const FieldSpan last = {lastStart, textLength > lastStart ? textLength : lastStart};
    switch (order) {
    case 1:
        return field == DateField::Day ? first : field == DateField::Month ? middle : last;
    case 2:
        return field == DateField::Year ? first : field == DateField::Month ? middle : last;
    default:
        return field == DateField::Month ? first : field == DateField::Day ? middle : last;
    }
}

DateFields StepDateField(DateFields date, DateField field, int step)
{
    switch (field) {
    case DateField::Day:
        date.day = WrapIntoRange(date.day, step, 1, DaysInMonth(date.year, date.month));
        return date;
    case DateField::Month:
        date.month = WrapIntoRange(date.month, step, 1, 12);
        break;
    case DateField::Year: {
        long long year = static_cast<long long>(date.year) + step;
        date.year = static_cast<int>(year > kYearLimit ? kYearLimit : year < -kYearLimit ? -kYearLimit : year);
        break;
    }
    }
    int lastDay = DaysInMonth(date.year, date.month);
    if (date.day > lastDay)
        date.day = lastDay;
    return date;
}
