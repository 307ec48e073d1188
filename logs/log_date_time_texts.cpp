#include "logs/log_date_time_texts.h"

#include "send/locale_date_time.h"

namespace {
// The texts are formatted into buffers of this size.
constexpr int kDateTimeBuffer = 80;

uint64_t Key(WORD a, WORD b, WORD c)
{
    return (static_cast<uint64_t>(a) << 32) | (static_cast<uint64_t>(b) << 16) | c;
}
}  // namespace

CLogDateTimeTexts::CLogDateTimeTexts() : m_timePicture(TimeFormatPicture()) {}

const std::string& CLogDateTimeTexts::Date(const SYSTEMTIME& when)
{
    auto [text, added] = m_dates.try_emplace(Key(when.wYear, when.wMonth, when.wDay));
    if (added) {
        char buffer[kDateTimeBuffer] = {};
        FormatLocalDate(&when, nullptr, buffer, sizeof buffer);
        text->second = buffer;
    }
    return text->second;
}

const std::string& CLogDateTimeTexts::Time(const SYSTEMTIME& when)
{
    auto [text, added] = m_times.try_emplace(Key(when.wHour, when.wMinute, when.wSecond));
    if (added) {
        // As FormatLocalTime does, with the picture read once.
        char buffer[kDateTimeBuffer] = {};
        if (GetTimeFormatA(kUserLocale, 0, &when, m_timePicture.empty() ? nullptr : m_timePicture.c_str(), buffer,
                           sizeof buffer) <= 0)
            buffer[0] = '\0';
        text->second = buffer;
    }
    return text->second;
}
