// Time texts with arbitrary separators, designators, modes, selections and steps: reading
// never runs past the text, field spans lie within it, and stepping keeps every wrapped
// field in its range.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "send/time_text.h"

namespace {
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
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Input in{data, size};
    const uint8_t flags = in.Byte();
    TimeLocale locale;
    locale.time24 = (flags & 1) != 0;
    locale.designatorFirst = (flags & 2) != 0;
    locale.separator = in.Bytes(in.Byte() % 5);
    locale.amDesignator = in.Bytes(in.Byte() % 8);
    locale.pmDesignator = in.Bytes(in.Byte() % 8);
    const int selectionEnd = static_cast<int8_t>(in.Byte());
    const int step = in.Int();
    const std::string text = in.Bytes(in.size);

    const TimeFieldHit hit = FindTimeField(text, selectionEnd, locale);
    const int length = static_cast<int>(text.size());
    if (hit.span.start < 0 || hit.span.start > hit.span.end || hit.span.end > length)
        std::abort();
    for (TimeField field : {TimeField::Hour, TimeField::Minute, TimeField::Second, TimeField::Designator}) {
        FieldSpan span = TimeFieldSpan(text, field, locale);
        if (span.start < 0 || span.start > span.end || span.end > length)
            std::abort();
    }

    const TimeMode mode = ClassifyTimeSample(text, locale.separator);
    if (mode.fixedPicture && !mode.time24)
        std::abort();
    if (NormaliseTimeSample(text, locale.separator).size() > text.size())
        std::abort();

    TimeFields time;
    if (!ParseTimeFields(text.c_str(), locale, &time))
        return 0;
    if (time.hour < 0 || time.minute < 0 || time.second < 0 || (locale.time24 && time.am))
        std::abort();

    const TimeFields stepped = StepTimeField(time, hit.field, step, locale.time24);
    switch (hit.field) {
    case TimeField::Hour:
        if (stepped.hour < 0 || stepped.hour > 23)
            std::abort();
        break;
    case TimeField::Minute:
        if (stepped.minute < 0 || stepped.minute > 59)
            std::abort();
        break;
    case TimeField::Second:
        if (stepped.second < 0 || stepped.second > 59)
            std::abort();
        break;
    case TimeField::Designator:
        if (step % 2 == 0 && stepped.hour != time.hour)
            std::abort();
        break;
    }
    return 0;
}
