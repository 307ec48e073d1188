// Fax Schedule driven by control ID: the spins stepping the field under the caret, and OK
// refusing a text that is no time or no date. What the Send Fax dialog shows in it and takes
// back is proven with that dialog.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "locale_support.h"
#include "res/resource.h"
#include "send/locale_date_time.h"
#include "send/schedule_dialog.h"
#include "standins/dialog_script.h"
#include "test_support.h"

using namespace testsupport;
using standintest::ControlText;
using standintest::DialogScript;
using standintest::PostClick;
using standintest::SetControlText;

namespace {

constexpr int kMessageBoxText = 0xFFFF;

void Click(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

std::pair<DWORD, DWORD> Selection(HWND dialog, int id)
{
    DWORD start = 0, end = 0;
    SendDlgItemMessageA(dialog, id, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

// Presses a spin's upper or lower arrow with the mouse, as the user does.
void PressSpin(HWND dialog, int spinId, bool up)
{
    HWND spin = GetDlgItem(dialog, spinId);
    RECT client = {};
    GetClientRect(spin, &client);
    LPARAM point = MAKELPARAM(client.right / 2, up ? client.bottom / 4 : client.bottom * 3 / 4);
    SendMessageA(spin, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageA(spin, WM_LBUTTONUP, 0, point);
    PumpPending();  // what the spin's end left to do
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
    auto type = [](int id, const char* text) {
        return [id, text](HWND dialog) {
            SetControlText(dialog, id, text);
            PostClick(dialog, IDOK);
        };
    };
    DialogScript script({{IDC_SCHED_TIME, type(IDC_SCHED_TIME, "25:00:00")},
                         {kMessageBoxText, answer},
                         {IDC_SCHED_TIME,
                          [&](HWND dialog) {
                              seen.push_back(GetFocus() == GetDlgItem(dialog, IDC_SCHED_TIME) ? "time focused" : "");
                              Click(dialog, IDC_SCHED_SENDNOW);  // the texts are checked whatever the choice
                              type(IDC_SCHED_DATE, "29/02/2023")(dialog);
                          }},
                         {kMessageBoxText, answer},
                         {IDC_SCHED_DATE, [](HWND dialog) { PostClick(dialog, IDOK); }}});
    EXPECT_EQ(IDOK, m_dialog.DoModal());
    EXPECT_EQ(script.Size(), script.Done());
    EXPECT_EQ((std::vector<std::string>{"The time is invalid.", "time focused", "The date is invalid."}), seen);
    // The current moment stands in for what was refused.
    SYSTEMTIME now = {};
    GetLocalTime(&now);
    std::string check = m_dialog.m_strTime;
    EXPECT_TRUE(CheckTimeText(check, &now, nullptr)) << m_dialog.m_strTime;
    char today[64] = {};
    FormatLocalDate(&now, "dd'/'MM'/'yyyy", today, sizeof today);
    EXPECT_EQ(today, m_dialog.m_strDate);
}

TEST_F(ScheduleDialogTest, TheSpinsStepTheFieldUnderTheCaretAndKeepItSelected)
{
    std::string time, date;
    std::pair<DWORD, DWORD> timeSelection, dateSelection, timeAfterDate;
    DialogScript script({{IDC_SCHED_TIME, [&](HWND dialog) {
                              SetControlText(dialog, IDC_SCHED_TIME, "10:59:58");
                              SendDlgItemMessageA(dialog, IDC_SCHED_TIME, EM_SETSEL, 4, 4);  // in the minutes
                              PressSpin(dialog, IDC_SCHED_TIMESPIN, true);
                              time = ControlText(dialog, IDC_SCHED_TIME);
                              timeSelection = Selection(dialog, IDC_SCHED_TIME);

                              SetControlText(dialog, IDC_SCHED_DATE, "31/12/2024");
                              SendDlgItemMessageA(dialog, IDC_SCHED_DATE, EM_SETSEL, 1, 1);  // in the day
                              for (bool up : {true, true, false})
                                  PressSpin(dialog, IDC_SCHED_DATESPIN, up);
                              date = ControlText(dialog, IDC_SCHED_DATE);
                              dateSelection = Selection(dialog, IDC_SCHED_DATE);
                              timeAfterDate = Selection(dialog, IDC_SCHED_TIME);
                              PostClick(dialog, IDCANCEL);
                          }}});
    EXPECT_EQ(IDCANCEL, m_dialog.DoModal());
    // The minute wraps without carrying into the hour; the upper arrow counts up.
    EXPECT_EQ("10:00:58", time);
    EXPECT_EQ(std::make_pair(DWORD{3}, DWORD{5}), timeSelection);
    // The day wraps within its month without changing the month: 31 -> 1 -> 2 -> 1.
    EXPECT_EQ("01/12/2024", date);
    EXPECT_EQ(std::make_pair(DWORD{0}, DWORD{2}), dateSelection);
    EXPECT_EQ(std::make_pair(DWORD{0}, DWORD{0}), timeAfterDate);
}
