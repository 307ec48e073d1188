#include "send/locale_date_time.h"

#include <cstring>

#include "send/locale_picture.h"

int g_nDateOrder = 0;
BOOL g_bTime24 = 0;
BOOL g_bFixedTimePicture = 0;
WORD g_wTimeSelStart = 0;
WORD g_wTimeSelEnd = 0;
WORD g_wDateSelStart = 0;
WORD g_wDateSelEnd = 0;

namespace {
// Buffer sizes of the locale items as they are read.
constexpr int kFormatSize = 80;
constexpr int kSeparatorSize = 32;
constexpr int kDesignatorSize = 16;
constexpr int kCalendarTypeSize = 4;
constexpr int kDateOrderSize = 4;
constexpr int kCheckedTextSize = 64;

std::string ReadLocaleText(LCTYPE item, int size, const char* fallback)
{
    char buffer[kFormatSize] = {};
    if (size > kFormatSize)
        size = kFormatSize;
    return GetLocaleInfoA(kUserLocale, item, buffer, size) > 0 ? std::string(buffer) : std::string(fallback);
}

// Windows NT 4 in Traditional Chinese reports its designators in a form the user does not
// type; the Big5 forms are what the edits hold there.
bool IsTraditionalChineseNT4()
{
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExA(&version))
        return false;
    return version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion == 4 && GetACP() == 950;
}

}  // namespace

std::string TimeFormatPicture()
{
    std::string picture = g_bFixedTimePicture ? std::string(kFixedTimePicture)
                                              : ReadLocaleText(LOCALE_STIMEFORMAT, kFormatSize, "");
    std::string separator = ReadLocaleText(LOCALE_STIME, kSeparatorSize, ":");
    if (separator != ":")
        picture = ReplaceEachChar(picture, ':', separator);
    return picture;
}

void DetectTimeMode()
{
    SYSTEMTIME sample = {};
    GetLocalTime(&sample);
    sample.wHour = 22;
    sample.wMinute = 0;
    sample.wSecond = 0;
    sample.wMilliseconds = 0;
    char shown[kFormatSize] = {};
    if (GetTimeFormatA(kUserLocale, 0, &sample, nullptr, shown, sizeof shown) <= 0)
        shown[0] = '\0';
    TimeMode mode = ClassifyTimeSample(shown, ReadLocaleText(LOCALE_STIME, kSeparatorSize, ":"));
    g_bTime24 = mode.time24 ? TRUE : FALSE;
    g_bFixedTimePicture = mode.fixedPicture ? TRUE : FALSE;
}

void DetectDateOrder()
{
    std::string order = ReadLocaleText(LOCALE_IDATE, kDateOrderSize, "");
    g_nDateOrder = order == "1" ? 1 : order == "2" ? 2 : 0;
}

int FormatLocalTime(const SYSTEMTIME* time, char* buffer, int size)
{
    if (!buffer || size <= 0)
        return 0;
    buffer[0] = '\0';
    std::string picture = TimeFormatPicture();
    int length = GetTimeFormatA(kUserLocale, 0, time, picture.empty() ? nullptr : picture.c_str(), buffer, size);
    if (length <= 0)
        buffer[0] = '\0';
    return length;
}

int FormatLocalDate(const SYSTEMTIME* date, const char* picture, char* buffer, int size)
{
    if (!buffer || size <= 0)
        return 0;
    buffer[0] = '\0';
    std::string shownPicture = picture ? std::string(picture) : ReadLocaleText(LOCALE_SSHORTDATE, kFormatSize, "");
    std::string separator = ReadLocaleText(LOCALE_SDATE, kSeparatorSize, "/");
    if (separator != "/")
        shownPicture = ReplaceEachChar(shownPicture, '/', separator);

    // Other calendars count years differently: format in the Gregorian one, then give the
    // user's setting back.
    char calendar[kCalendarTypeSize] = {};
    bool switchCalendar = GetLocaleInfoA(kUserLocale, LOCALE_ICALENDARTYPE, calendar, sizeof calendar) > 0 &&
                          std::strcmp(calendar, "1") != 0 && std::strcmp(calendar, "2") != 0;
    if (switchCalendar)
        SetLocaleInfoA(kUserLocale, LOCALE_ICALENDARTYPE, "1");
    int length = GetDateFormatA(kUserLocale, 0, date, shownPicture.empty() ? nullptr : shownPicture.c_str(), buffer,
                                size);
    if (switchCalendar)
        SetLocaleInfoA(kUserLocale, LOCALE_ICALENDARTYPE, calendar);
    if (length <= 0)
        buffer[0] = '\0';
    return length;
}

std::string LocaleSeparator(LCTYPE item) { return ReadLocaleText(item, kSeparatorSize, ":"); }

BOOL MatchLocaleSeparator(LPCSTR text, int position, int* length, LCTYPE item)
{
    std::string separator = LocaleSeparator(item);
    if (length)
        *length = static_cast<int>(separator.size());
    if (!text || position < 0 || static_cast<size_t>(position) > std::strlen(text))
        return FALSE;
    return SeparatorAt(text, static_cast<size_t>(position), separator) ? TRUE : FALSE;
}

TimeLocale UserTimeLocale()
{
    TimeLocale locale;
    locale.separator = LocaleSeparator(LOCALE_STIME);
    locale.time24 = g_bTime24 != 0;
    if (!locale.time24) {
        locale.amDesignator = ReadLocaleText(LOCALE_S1159, kDesignatorSize, "");
        locale.pmDesignator = ReadLocaleText(LOCALE_S2359, kDesignatorSize, "");
        if (IsTraditionalChineseNT4()) {
            if (locale.amDesignator != "AM")
                locale.amDesignator = "\xA4\x57\xA4\xC8";
            if (locale.pmDesignator != "PM")
                locale.pmDesignator = "\xA4\x55\xA4\xC8";
        }
    }
    std::string format = ReadLocaleText(LOCALE_STIMEFORMAT, kFormatSize, "");
    locale.designatorFirst = !format.empty() && format[0] == 't';
    return locale;
}

BOOL ParseDateText(LPCSTR text, int* year, int* month, int* day)
{
    DateFields date;
    if (!ParseDateFields(text, LocaleSeparator(LOCALE_SDATE), g_nDateOrder, &date))
        return FALSE;
    if (year)
        *year = date.year;
    if (month)
        *month = date.month;
    if (day)
        *day = date.day;
    return TRUE;
}

BOOL CheckDateText(std::string& text, const SYSTEMTIME* current, SYSTEMTIME* date)
{
    DateFields typed;
    bool valid = ParseDateFields(text.c_str(), LocaleSeparator(LOCALE_SDATE), g_nDateOrder, &typed) &&
                 IsValidDate(typed.year, typed.month, typed.day);

    SYSTEMTIME shown = {};
    if (current)
        shown = *current;
    else
        GetLocalTime(&shown);
    if (valid) {
        shown.wYear = static_cast<WORD>(typed.year);
        shown.wMonth = static_cast<WORD>(typed.month);
        shown.wDayOfWeek = 0;
        shown.wDay = static_cast<WORD>(typed.day);
    }
    // A date the system cannot show (before its first year) keeps the text as typed.
    char rewritten[kCheckedTextSize] = {};
    if (FormatLocalDate(&shown, DatePictureForOrder(g_nDateOrder), rewritten, sizeof rewritten) > 0)
        text = rewritten;

    if (valid && date) {
        date->wYear = shown.wYear;
        date->wMonth = shown.wMonth;
        date->wDayOfWeek = 0;
        date->wDay = shown.wDay;
    }
    return valid ? TRUE : FALSE;
}

BOOL ParseTimeText(LPCSTR text, int* hour, int* minute, int* second, int* am)
{
    TimeFields time;
    if (!ParseTimeFields(text, UserTimeLocale(), &time))
        return FALSE;
    if (hour)
        *hour = time.hour;
    if (minute)
        *minute = time.minute;
    if (second)
        *second = time.second;
    if (am)
        *am = time.am ? 1 : 0;
    return TRUE;
}

BOOL CheckTimeText(std::string& text, const SYSTEMTIME* current, SYSTEMTIME* time)
{
    constexpr size_t kShortestTimeText = 4;
    TimeFields typed;
    bool valid = text.size() >= kShortestTimeText && ParseTimeFields(text.c_str(), UserTimeLocale(), &typed) &&
                 IsValidTime(typed.hour, typed.minute, typed.second);

    SYSTEMTIME shown = {};
    if (current)
        shown = *current;
    else
        GetLocalTime(&shown);
    if (valid) {
        shown.wHour = static_cast<WORD>(typed.hour);
        shown.wMinute = static_cast<WORD>(typed.minute);
        shown.wSecond = static_cast<WORD>(typed.second);
        shown.wMilliseconds = 0;
    }
    char rewritten[kCheckedTextSize] = {};
    if (FormatLocalTime(&shown, rewritten, sizeof rewritten) > 0)
        text = rewritten;

    if (valid && time) {
        time->wHour = shown.wHour;
        time->wMinute = shown.wMinute;
        time->wSecond = shown.wSecond;
        time->wMilliseconds = 0;
    }
    return valid ? TRUE : FALSE;
}
