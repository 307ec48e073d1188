#include "send/send_schedule.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "host/fax_folders.h"
#include "res/resource.h"
#include "send/locale_date_time.h"
#include "send/schedule_time.h"
#include "settings/setting_names.h"
#include "settings/setting_readers.h"

namespace {
SendClock g_clock = nullptr;

// Off-peak times are read through 16-byte buffers; missing ones are midnight.
constexpr size_t kOffPeakBuffer = 16;
const char kMidnight[] = "00:00:00";

ScheduleTime FromSystemTime(const SYSTEMTIME& time)
{
    ScheduleTime result;
    result.year = time.wYear;
    result.month = time.wMonth;
    result.day = time.wDay;
    result.hour = time.wHour;
    result.minute = time.wMinute;
    result.second = time.wSecond;
    return result;
}

void StoreStart(SEND_FAX* record, const ScheduleTime& start)
{
    record->nYear = static_cast<int16_t>(start.year);
    record->nMonth = static_cast<int16_t>(start.month);
    record->nDay = static_cast<int16_t>(start.day);
    record->nHour = static_cast<int16_t>(start.hour);
    record->nMinute = static_cast<int16_t>(start.minute);
    record->nSecond = static_cast<int16_t>(start.second);
}

// The number at a character position of an off-peak time text ("hh:mm:ss"); 0 past its end.
int NumberAt(const std::string& text, size_t position)
{
    return position < text.size() ? std::atoi(text.c_str() + position) : 0;
}

ScheduleTime OffPeakTime(const char* valueName)
{
    std::string text = ReadSettingText(valueName, kOffPeakBuffer, kMidnight);
    ScheduleTime time;
    time.hour = NumberAt(text, 0);
    time.minute = NumberAt(text, 3);
    time.second = NumberAt(text, 6);
    return time;
}

bool IsHeld(const SEND_FAX* record)
{
    return record->szUserDefined && !g_strOnHold.empty() && lstrcmpiA(record->szUserDefined, g_strOnHold.c_str()) == 0;
}
}  // namespace

void SetSendClock(SendClock clock) { g_clock = clock; }

SYSTEMTIME SendNow()
{
    if (g_clock)
        return g_clock();
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now;
}

void FillSendSchedule(SEND_FAX* record, int choice, const char* dateText, const char* timeText)
{
    if (!record)
        return;
    const ScheduleTime now = FromSystemTime(SendNow());
    const bool wasHeld = IsHeld(record);
    record->szUserDefined = nullptr;

    if (choice == 0) {
        bool offPeak = ReadSettingNumber(kEnableOffpeak, 1) != 0 && ReadSettingNumber(kAfterOffpeak, 1) == 0;
        choice = offPeak ? SCHEDULE_OFF_PEAK : SCHEDULE_SEND_NOW;
    }

    switch (choice) {
    case SCHEDULE_SEND_LATER: {
        ScheduleTime later;
        int am = 0;
        // Unreadable parts stay 0 and are then handled like missing ones.
        ParseTimeText(timeText ? timeText : "", &later.hour, &later.minute, &later.second, &am);
        ParseDateText(dateText ? dateText : "", &later.year, &later.month, &later.day);
        ClampSendLaterDate(later, now);
        StoreStart(record, later);
        break;
    }
    case SCHEDULE_HOLD:
        if (!wasHeld)
            record->nYear = static_cast<int16_t>(record->nYear + 1);
        record->szUserDefined = const_cast<char*>(g_strOnHold.c_str());
        break;
    case SCHEDULE_OFF_PEAK:
        StoreStart(record, OffPeakStart(now, OffPeakTime(kOffpeakStart), OffPeakTime(kOffpeakStop)));
        break;
    default:
        StoreStart(record, now);
        break;
    }
}
