// Date texts with arbitrary separators, orders, selections and steps: reading never runs past
// the text, what is read and valid reads back the same when written in the order's form, and
// stepping keeps every wrapped field in its range.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "send/date_text.h"

namespace {
// Takes the next byte, or 0 at the end.
struct Input {
    const uint8_t* data;
    size_t size;
    uint8_t Byte()
    {
        if (!size)
            return 0;
        --size;
        return *data++;
    }
    std::string Bytes(size_t count)
    {
        std::string bytes;
        while (count-- && size)
            bytes += static_cast<char>(Byte());
        return bytes;
    }
    int32_t Int()
    {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value = (value << 8) | Byte();
        return static_cast<int32_t>(value);
    }
};

std::string Written(const DateFields& date, int order, const std::string& separator)
{
    char day[16], month[16], year[16];
    std::snprintf(day, sizeof day, "%02d", date.day);
    std::snprintf(month, sizeof month, "%02d", date.month);
    std::snprintf(year, sizeof year, "%04d", date.year);
    switch (order) {
    case 1:
        return day + separator + month + separator + year;
    case 2:
        return year + separator + month + separator + day;
    default:
        return month + separator + day + separator + year;
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Input in{data, size};
    const int order = in.Byte() % 4;  // 3 stands for an order outside the known ones
    const std::string separator = in.Bytes(in.Byte() % 4);
    const int selectionEnd = static_cast<int8_t>(in.Byte());
    const int step = in.Int();
    const std::string text = in.Bytes(in.size);

    DateFields date;
    if (!ParseDateFields(text.c_str(), separator, order, &date))
        return 0;
    if (date.year < 0 || date.month < 0 || date.day < 0)
        std::abort();

    if (IsValidDate(date.year, date.month, date.day) && separator.find('\0') == std::string::npos &&
        !separator.empty() && (separator[0] < '0' || separator[0] > '9')) {
        DateFields again;
        if (!ParseDateFields(Written(date, order, separator).c_str(), separator, order, &again) ||
            again.year != date.year || again.month != date.month || again.day != date.day)
            std::abort();
    }

    const DateField field = DateFieldAt(order, selectionEnd);
    const FieldSpan span = DateFieldSpan(order, field, static_cast<int>(text.size()));
    if (span.start < 0 || span.start > span.end)
        std::abort();

    const DateFields stepped = StepDateField(date, field, step);
    if (field == DateField::Day && (stepped.day < 1 || stepped.day > DaysInMonth(date.year, date.month)))
        std::abort();
    if (field == DateField::Month && (stepped.month < 1 || stepped.month > 12))
        std::abort();
    if (field != DateField::Day && stepped.day > DaysInMonth(stepped.year, stepped.month))
        std::abort();
    return 0;
}
