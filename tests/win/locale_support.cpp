#include "locale_support.h"

#include "send/locale_date_time.h"

namespace testsupport {

namespace {
// Restored in this order: a separator first, then the format that carries it, because
// setting a separator rewrites the format and setting a format rewrites its separator.
const LCTYPE kSavedItems[] = {LOCALE_STIME, LOCALE_STIMEFORMAT, LOCALE_SDATE, LOCALE_SSHORTDATE,
                              LOCALE_S1159, LOCALE_S2359,       LOCALE_ICALENDARTYPE};
}  // namespace

void LocaleTest::SetUp()
{
    m_saved.clear();
    for (LCTYPE item : kSavedItems)
        m_saved.push_back({item, LocaleItem(item)});
    m_dateOrder = g_nDateOrder;
    m_time24 = g_bTime24;
    m_fixedTimePicture = g_bFixedTimePicture;
}

void LocaleTest::TearDown()
{
    for (const SavedItem& saved : m_saved)
        SetLocaleInfoA(LOCALE_USER_DEFAULT, saved.item, saved.value.c_str());
    for (const SavedItem& saved : m_saved)
        EXPECT_EQ(saved.value, LocaleItem(saved.item)) << "locale item " << saved.item << " not restored";
    g_nDateOrder = m_dateOrder;
    g_bTime24 = m_time24;
    g_bFixedTimePicture = m_fixedTimePicture;
}

void LocaleTest::SetLocaleItem(LCTYPE item, const char* value)
{
    ASSERT_TRUE(SetLocaleInfoA(LOCALE_USER_DEFAULT, item, value)) << item << " = " << value;
    ASSERT_EQ(value, LocaleItem(item));
}

std::string LocaleTest::LocaleItem(LCTYPE item) const
{
    char value[128] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, item, value, sizeof value);
    return value;
}

void LocaleTest::UseTimeFormat(const char* format)
{
    SetLocaleItem(LOCALE_STIMEFORMAT, format);
    DetectTimeMode();
}

void LocaleTest::UseShortDate(const char* format)
{
    SetLocaleItem(LOCALE_SSHORTDATE, format);
    DetectDateOrder();
}

SYSTEMTIME MakeTime(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second)
{
    SYSTEMTIME time = {};
    time.wYear = year;
    time.wMonth = month;
    time.wDay = day;
    time.wHour = hour;
    time.wMinute = minute;
    time.wSecond = second;
    return time;
}

}  // namespace testsupport
