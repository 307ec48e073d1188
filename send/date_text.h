#pragma once
// Date texts as the user types them: three digit groups joined by the locale's date
// separator, in the order of the locale (0 month-day-year, 1 day-month-year, 2 year-month-
// day). Reading, checking and stepping them needs no system call; the locale's separator
// and order come in as arguments.
#include <string>

#include "send/text_fields.h"

struct DateFields {
    int year = 0;
    int month = 0;
    int day = 0;
};

// Splits a text of at least 10 characters into three digit groups and assigns them by the
// order. Groups 1 and 2 end at the separator; group 3 runs to the end of the text, where any
// other character fails. A text that ends early leaves the missing groups 0. Ranges are not
// checked here (see IsValidDate).
bool ParseDateFields(const char* text, const std::string& separator, int order, DateFields* date);

// Days of a month in the Gregorian calendar; a month outside 1 to 12 counts as 31 days.
int DaysInMonth(int year, int month);

// Year 0 to 9999, month 1 to 12, day 1 to the length of the month.
bool IsValidDate(int year, int month, int day);

// The fields of a date text, by their place in the text.
enum class DateField { Month, Day, Year };

// The field that an edit's selection ending at selectionEnd stands in, for a date written
// with the order's picture (two-digit day and month, four-digit year).
DateField DateFieldAt(int order, int selectionEnd);
// Where that field stands in such a text of textLength characters.
FieldSpan DateFieldSpan(int order, DateField field, int textLength);

// The date with one field moved by step: the month round 1 to 12, the day round 1 to the
// length of the month, the year without wrapping. When a changed month or year leaves the
// day beyond the end of its month, the day becomes the month's last day.
DateFields StepDateField(DateFields date, DateField field, int step);
