// Dates and times in the user's regional format, with the regional settings changed through
// the system the way the user would change them; and the Fax Schedule driven by control ID:
// the spins stepping the field under the caret, and OK refusing a text that is no time or no
// date. What the Send Fax dialog shows in it and takes back is proven with that dialog.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "locale_support.h"
#include "res/resource.h"
#include "send/locale_date_time.h"
#include "send/locale_picture.h"
#include "send/schedule_dialog.h"
#include "standins/dialog_script.h"
#include "test_support.h"

using namespace testsupport;
using standintest::ControlText;
using standintest::DialogScript;
using standintest::PostClick;
using standintest::SetControlText;

namespace {
// A moment shown as a date with the picture given, or as a time when there is none.
std::string Shown(const SYSTEMTIME& when, const char* datePicture = nullptr, bool time = false)
{
    char text[80] = {};
    time ? FormatLocalTime(&when, text, sizeof text) : FormatLocalDate(&when, datePicture, text, sizeof text);
    return text;
}

// What a check leaves in the moment it is handed ("0:0:0" or "0-0-0" before): only its own part.
std::string Checked(BOOL (*check)(std::string&, const SYSTEMTIME*, SYSTEMTIME*), std::string& text,
                    const SYSTEMTIME& now, bool time)
{
    SYSTEMTIME t = {};
    bool valid = check(text, &now, &t) != FALSE;
    char out[80];
    std::snprintf(out, sizeof out, time ? "%d:%d:%d %s" : "%d-%d-%d %s", time ? t.wHour : t.wYear,
                  time ? t.wMinute : t.wMonth, time ? t.wSecond : t.wDay, valid ? "valid" : "refused");
    return out + std::string(" ") + text;
}
}  // namespace

class LocaleDateTimeTest : public LocaleTest {};

TEST_F(LocaleDateTimeTest, TimeModeAndShownTimeFollowTheUsersFormat)
{
    // format; 24-hour mode, fixed picture, 22:05:09 and 09:05:09 as shown
    const char* const cases[][2] = {
        {"HH:mm:ss", "24 free 22:05:09 09:05:09"},
        {"h:mm:ss tt", "12 free 10:05:09 PM 9:05:09 AM"},
        {"hh:mm:ss", "24 fixed 22:05:09 09:05:09"},  // no designator: shown as 24-hour texts
        {"tt h:mm:ss", "12 free PM 10:05:09 AM 9:05:09"},
        {"hh.mm.ss", "24 fixed 22.05.09 09.05.09"},  // the fixed picture takes the separator
    };
    for (const auto& c : cases) {
        ASSERT_NO_FATAL_FAILURE(UseTimeFormat(c[0]));
        EXPECT_EQ(c[1], std::string(g_bTime24 ? "24" : "12") + (g_bFixedTimePicture ? " fixed " : " free ") +
                            Shown(MakeTime(2025, 3, 7, 22, 5, 9), nullptr, true) + " " + Shown(MakeTime(2025, 3, 7, 9, 5, 9), nullptr, true));
    }
}

TEST_F(LocaleDateTimeTest, TimeTextsAreCheckedAndRewrittenInTheLocalesFormOrReplacedByNow)
{
    const SYSTEMTIME now = MakeTime(2025, 3, 7, 8, 9, 10);
    const std::string hostile(5000, '9');
    const char* const cases[][3] = {
        {"HH:mm:ss", "9:5:7", "9:5:7 valid 09:05:07"},
        {"HH:mm:ss", hostile.c_str(), "0:0:0 refused 08:09:10"},
        {"HH:mm:ss", "24:00:00", "0:0:0 refused 08:09:10"},
        {"HH:mm:ss", "1:2", "0:0:0 refused 08:09:10"},  // shorter than 4 characters
        {"h:mm:ss tt", "12:30:00 AM", "0:30:0 valid 12:30:00 AM"},
        {"h:mm:ss tt", "12:30:00 PM", "12:30:0 valid 12:30:00 PM"},
        {"h:mm:ss tt", "13:00:00 PM", "0:0:0 refused 8:09:10 AM"},
        {"tt h:mm:ss", "PM 1:05:00", "13:5:0 valid PM 1:05:00"},
        {"tt h:mm:ss", "1:05:00 PM", "0:0:0 refused AM 8:09:10"},
    };
    for (const auto& c : cases) {
        ASSERT_NO_FATAL_FAILURE(UseTimeFormat(c[0]));
        std::string text = c[1];
        EXPECT_EQ(c[2], Checked(&CheckTimeText, text, now, true)) << c[0] << " " << std::string(c[1]).substr(0, 20);
    }
}

TEST_F(LocaleDateTimeTest, DateOrderAndSeparatorFollowTheShortDateFormat)
{
    // short date format; order, 7 March 2025 with the order's picture (read back) and with the format
    const char* const cases[][2] = {{"MM/dd/yyyy", "0 03/07/2025 2025-3-7 03/07/2025"},
                                    {"dd.MM.yyyy", "1 07.03.2025 2025-3-7 07.03.2025"},
                                    {"d-M-yyyy", "1 07-03-2025 2025-3-7 7-3-2025"},
                                    {"yyyy-MM-dd", "2 2025-03-07 2025-3-7 2025-03-07"}};
    for (const auto& c : cases) {
        ASSERT_NO_FATAL_FAILURE(UseShortDate(c[0]));
        std::string shown = Shown(MakeTime(2025, 3, 7), DatePictureForOrder(g_nDateOrder));
        int year = 0, month = 0, day = 0;
        ParseDateText(shown.c_str(), &year, &month, &day);
        EXPECT_EQ(c[1], std::to_string(g_nDateOrder) + " " + shown + " " + std::to_string(year) + "-" +
                            std::to_string(month) + "-" + std::to_string(day) + " " +
                            Shown(MakeTime(2025, 3, 7)));
    }
}

TEST_F(LocaleDateTimeTest, DateTextsAreCheckedAndRewrittenInTheOrdersFormOrReplacedByToday)
{
    const SYSTEMTIME today = MakeTime(2024, 6, 15, 10, 11, 12);
    const std::string hostile(100000, '1');
    const char* const cases[][3] = {
        {"dd/MM/yyyy", hostile.c_str(), "0-0-0 refused 15/06/2024"},
        {"dd/MM/yyyy", "31/01/2025", "2025-1-31 valid 31/01/2025"},
        {"dd/MM/yyyy", "1/02/2025", "0-0-0 refused 15/06/2024"},  // 9 characters
        {"dd/MM/yyyy", "7/3/002025", "2025-3-7 valid 07/03/2025"},
        // Valid, but before the first year the system shows: the text stays as typed.
        {"dd/MM/yyyy", "01/01/0025", "25-1-1 valid 01/01/0025"},
        {"yyyy.MM.dd", "2024.02.29", "2024-2-29 valid 2024.02.29"},
    };
    for (const auto& c : cases) {
        ASSERT_NO_FATAL_FAILURE(UseShortDate(c[0]));
        std::string text = c[1];
        EXPECT_EQ(c[2], Checked(&CheckDateText, text, today, false)) << c[0] << " " << std::string(c[1]).substr(0, 20);
    }
}

namespace {
// Presses a spin's upper or lower arrow with the mouse, as the user does, and returns the
// text and selection of its edit.
std::string PressSpin(HWND dialog, int spinId, int editId, bool up)
{
    HWND spin = GetDlgItem(dialog, spinId);
    RECT client = {};
    GetClientRect(spin, &client);
    LPARAM point = MAKELPARAM(client.right / 2, up ? client.bottom / 4 : client.bottom * 3 / 4);
    SendMessageA(spin, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageA(spin, WM_LBUTTONUP, 0, point);
    PumpPending();  // what the spin's end left to do
    DWORD start = 0, end = 0;
    SendDlgItemMessageA(dialog, editId, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return ControlText(dialog, editId) + " [" + std::to_string(start) + "," + std::to_string(end) + ")";
}

class ScheduleDialogTest : public LocaleTest {
protected:
    void SetUp() override
    {
        LocaleTest::SetUp();
        UseTimeFormat("HH:mm:ss");
        UseShortDate("dd/MM/yyyy");
        m_dialog.m_stDateTime = MakeTime(2025, 3, 7, 14, 30, 5);
        m_dialog.m_nChoice = SCHEDULE_SEND_LATER;
    }
    CDSchedule m_dialog;
};
}  // namespace

TEST_F(ScheduleDialogTest, AnImpossibleTimeOrDateIsRefusedReplacedAndFocusedSoTheNextOkGoesThrough)
{
    std::vector<std::string> seen;
    auto answer = [&](HWND box) {
        seen.push_back(MessageBoxText(box));
        PostClick(box, IDOK);
    };
    DialogScript script({{IDC_SCHED_TIME,
                          [](HWND dialog) {
                              SetControlText(dialog, IDC_SCHED_TIME, "25:00:00");
                              PostClick(dialog, IDOK);
                          }},
                         {0xFFFF, answer},
                         {IDC_SCHED_TIME,
                          [&](HWND dialog) {
                              seen.push_back(GetFocus() == GetDlgItem(dialog, IDC_SCHED_TIME) ? "time focused" : "");
                              // The texts are checked whatever the choice.
                              SendDlgItemMessageA(dialog, IDC_SCHED_SENDNOW, BM_CLICK, 0, 0);
                              SetControlText(dialog, IDC_SCHED_DATE, "29/02/2023");
                              PostClick(dialog, IDOK);
                          }},
                         {0xFFFF, answer},
                         {IDC_SCHED_DATE, [](HWND dialog) { PostClick(dialog, IDOK); }}});
    EXPECT_EQ(IDOK, m_dialog.DoModal());
    EXPECT_EQ((std::vector<std::string>{"The time is invalid.", "time focused", "The date is invalid."}), seen);
    // The current moment stands in for what was refused.
    SYSTEMTIME now = {};
    GetLocalTime(&now);
    std::string check = m_dialog.m_strTime;
    EXPECT_TRUE(CheckTimeText(check, &now, nullptr)) << m_dialog.m_strTime;
    EXPECT_EQ(Shown(now, "dd'/'MM'/'yyyy"), m_dialog.m_strDate);
}

TEST_F(ScheduleDialogTest, TheSpinsStepTheFieldUnderTheCaretAndKeepItSelected)
{
    std::vector<std::string> seen;
    DialogScript script({{IDC_SCHED_TIME, [&](HWND dialog) {
                              SetControlText(dialog, IDC_SCHED_TIME, "10:59:58");
                              SendDlgItemMessageA(dialog, IDC_SCHED_TIME, EM_SETSEL, 4, 4);  // in the minutes
                              seen.push_back(PressSpin(dialog, IDC_SCHED_TIMESPIN, IDC_SCHED_TIME, true));
                              SendDlgItemMessageA(dialog, IDC_SCHED_TIME, EM_SETSEL, 1, 1);  // in the hour
                              seen.push_back(PressSpin(dialog, IDC_SCHED_TIMESPIN, IDC_SCHED_TIME, true));
                              SetControlText(dialog, IDC_SCHED_DATE, "31/12/2024");
                              SendDlgItemMessageA(dialog, IDC_SCHED_DATE, EM_SETSEL, 1, 1);  // in the day
                              for (bool up : {true, true, false})
                                  seen.push_back(PressSpin(dialog, IDC_SCHED_DATESPIN, IDC_SCHED_DATE, up));
                              seen.push_back(ControlText(dialog, IDC_SCHED_TIME));
                              PostClick(dialog, IDCANCEL);
                          }}});
    EXPECT_EQ(IDCANCEL, m_dialog.DoModal());
    // The minute wraps without carrying into the hour; the upper arrow counts up. The day
    // wraps within its month without changing the month.
    EXPECT_EQ((std::vector<std::string>{"10:00:58 [3,5)", "11:00:58 [0,2)", "01/12/2024 [0,2)", "02/12/2024 [0,2)",
                                        "01/12/2024 [0,2)", "11:00:58"}),
              seen);
}
