#include "send/text_fields.h"

int DigitGroupValue(const char* text, size_t begin, size_t end)
{
    long long value = 0;
    for (size_t at = begin; at < end; ++at) {
        value = value * 10 + (text[at] - '0');
        if (value > kDigitGroupLimit)
            return kDigitGroupLimit;
    }
    return static_cast<int>(value);
}

bool SeparatorAt(const char* text, size_t position, const std::string& separator)
{
    if (separator.empty())
        return false;
    // A separator holds no NUL, so the comparison stops at the text's terminator at the latest.
    for (size_t i = 0; i < separator.size(); ++i)
        if (separator[i] == '\0' || text[position + i] != separator[i])
            return false;
    return true;
}

int WrapIntoRange(long long value, long long step, int low, int high)
{
    long long count = static_cast<long long>(high) - low + 1;
    long long offset = (value - low + step) % count;
    if (offset < 0)
        offset += count;
    return static_cast<int>(low + offset);
}
