#include "send/time_text.h"

#include <cstring>

namespace {
constexpr size_t kMissing = std::string::npos;

// The three places where one field of a time text ends and the next begins, and how long
// each boundary is. Missing boundaries are kMissing, and so is every one after them.
struct TimeBoundaries {
    size_t at[3];
    size_t length[3];
};

TimeBoundaries FindBoundaries(const std::string& text, const TimeLocale& locale)
{
    const std::string& separator = locale.separator;
    auto after = [](size_t at, size_t length) { return at == kMissing ? kMissing : at + length; };
    auto findSeparator = [&](size_t from) {
        return separator.empty() || from == kMissing ? kMissing : text.find(separator, from);
    };
    auto findSpace = [&](size_t from) { return from == kMissing ? kMissing : text.find(' ', from); };

    TimeBoundaries bounds;
    if (locale.designatorFirst) {
        bounds.at[0] = findSpace(0);
        bounds.length[0] = 1;
        bounds.at[1] = findSeparator(after(bounds.at[0], 1));
        bounds.length[1] = separator.size();
        bounds.at[2] = findSeparator(after(bounds.at[1], separator.size()));
        bounds.length[2] = separator.size();
    } else {
        bounds.at[0] = findSeparator(0);
        bounds.length[0] = separator.size();
        bounds.at[1] = findSeparator(after(bounds.at[0], separator.size()));
        bounds.length[1] = separator.size();
        bounds.at[2] = findSpace(after(bounds.at[1], separator.size()));
        bounds.length[2] = 1;
    }
    return bounds;
}

TimeField FieldOfIndex(int index, bool designatorFirst)
{
    static const TimeField kDesignatorFirst[4] = {TimeField::Designator, TimeField::Hour, TimeField::Minute,
                                                  TimeField::Second};
    static const TimeField kDesignatorLast[4] = {TimeField::Hour, TimeField::Minute, TimeField::Second,
                                                 TimeField::Designator};
    return designatorFirst ? kDesignatorFirst[index] : kDesignatorLast[index];
}

int IndexOfField(TimeField field, bool designatorFirst)
{
    for (int index = 0; index < 4; ++index)
        if (FieldOfIndex(index, designatorFirst) == field)
            return index;
    return 0;
}

FieldSpan SpanOfIndex(const std::string& text, const TimeBoundaries& bounds, int index)
{
    const size_t size = text.size();
    size_t start = 0;
    if (index > 0) {
        if (bounds.at[index - 1] == kMissing)
            return {static_cast<int>(size), static_cast<int>(size)};
        start = bounds.at[index - 1] + bounds.length[index - 1];
    }
    size_t end = index < 3 && bounds.at[index] != kMissing ? bounds.at[index] : size;
    return {static_cast<int>(start), static_cast<int>(end)};
}

int TwelveHourOf(int hour)
{
    int inHalf = ((hour % 12) + 12) % 12;
    return inHalf == 0 ? 12 : inHalf;
}

int FromTwelveHour(int twelveHour, bool afternoon)
{
    if (afternoon)
        return twelveHour < 12 ? twelveHour + 12 : 12;
    return twelveHour == 12 ? 0 : twelveHour;
}
}  // namespace

bool ParseTimeFields(const char* text, const TimeLocale& locale, TimeFields* time)
{
    if (!text || !time)
        return false;
    const size_t length = std::strlen(text);
    const bool twelveHour = !locale.time24;
    bool am = false;
    size_t at = 0;

    if (locale.designatorFirst) {
        const char* space = std::strchr(text, ' ');
        if (!space)
            return false;
        std::string designator(text, static_cast<size_t>(space - text));
        if (twelveHour && designator == locale.amDesignator)
            am = true;
        at = static_cast<size_t>(space - text) + 1;
    }

    int groups[3] = {0, 0, 0};
    for (int group = 0; group < 3; ++group) {
        size_t begin = at;
        while (at < length && IsDigitChar(text[at]))
            ++at;
        if (group == 0 && at == begin)
            return false;  // a time begins with its hour
        groups[group] = DigitGroupValue(text, begin, at);
        if (at == length)
            break;
        if (group == 2) {
            if (text[at] != ' ')
                return false;
            break;
        }
        if (!SeparatorAt(text, at, locale.separator))
            return false;
        at += locale.separator.size();
    }

    if (twelveHour && !locale.designatorFirst) {
        // The designator follows the space after the seconds and may not be left out.
        if (at >= length || text[at + 1] == '\0')
            return false;
        am = locale.amDesignator == text + at + 1;
    }

    int hour = groups[0];
    if (twelveHour) {
        if (am && hour == 12)
            hour = 0;
        else if (!am && hour != 12)
            hour += 12;
    } else {
        am = false;
    }
    *time = {hour, groups[1], groups[2], am};
    return true;
}

bool IsValidTime(int hour, int minute, int second)
{
    return hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 && second <= 59;
}

TimeFieldHit FindTimeField(const std::string& text, int selectionEnd, const TimeLocale& locale)
{
    const TimeBoundaries bounds = FindBoundaries(text, locale);
    const size_t caret = selectionEnd > 0 ? static_cast<size_t>(selectionEnd) - 1 : 0;
    int index = 3;
    for (int boundary = 0; boundary < 3; ++boundary) {
        if (bounds.at[boundary] == kMissing || caret <= bounds.at[boundary]) {
            index = boundary;
            break;
        }
    }
    return {FieldOfIndex(index, locale.designatorFirst), SpanOfIndex(text, bounds, index)};
}

FieldSpan TimeFieldSpan(const std::string& text, TimeField field, const TimeLocale& locale)
{
    return SpanOfIndex(text, FindBoundaries(text, locale), IndexOfField(field, locale.designatorFirst));
}

TimeFields StepTimeField(TimeFields time, TimeField field, int step, bool time24)
{
    switch (field) {
    case TimeField::Hour:
        if (time24)
            time.hour = WrapIntoRange(time.hour, step, 0, 23);
        else
            time.hour = FromTwelveHour(WrapIntoRange(TwelveHourOf(time.hour), step, 1, 12), time.hour >= 12);
        break;
    case TimeField::Minute:
    case TimeField::Second: {
        int& value = field == TimeField::Minute ? time.minute : time.second;
        value = WrapIntoRange(value, step, 0, 59);
        if (!time24)
            time.hour = FromTwelveHour(TwelveHourOf(time.hour), time.hour >= 12);
        break;
    }
    case TimeField::Designator:
        if (step % 2 != 0)
            time.hour = time.hour < 12 ? time.hour + 12 : time.hour - 12;
        break;
    }
    time.am = !time24 && time.hour < 12;
    return time;
}

std::string NormaliseTimeSample(const std::string& sample, const std::string& separator)
{
    if (separator == ":")
        return sample;
    const size_t skip = separator.empty() ? 1 : separator.size();
    std::string result;
    for (size_t at = 0; at < sample.size();) {
        if (IsDigitChar(sample[at])) {
            result += sample[at];
            ++at;
        } else {
            result += ':';
            at += skip;
        }
    }
    return result;
}

TimeMode ClassifyTimeSample(const std::string& sample, const std::string& separator)
{
    const std::string seen = NormaliseTimeSample(sample, separator);
    if (seen == "22:00:00" || seen == "22:00")
        return {true, false};
    if (seen == "10:00:00" || seen == "10:00")
        return {true, true};
    return {false, false};
}
