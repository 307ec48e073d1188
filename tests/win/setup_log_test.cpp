// The Log Setup page of the Fax Setup sheet: day counts refused outside 1..366 even when
// disabled, on OK and on leaving the page, and on a page left behind.
#include <string>
#include <vector>

#include "res/resource.h"
#include "settings/setting_names.h"
#include "settings/setting_readers.h"
#include "setup_sheet_support.h"

using namespace testsupport;

class LogSetupPageTest : public SetupSheetTest {};

TEST_F(LogSetupPageTest, DayCountsOutsideOneToAYearAreRefusedEvenWhenDisabled)
{
    const std::vector<std::string> refusal{"Please enter an integer between 1 and 366."};
    Open(kSetupPageLogSetup);
    ASSERT_FALSE(Enabled(IDC_LOGSET_RECVDAYS));
    for (const char* days : {"0", "367", "-1", "", "thirty", "99999999999"}) {
        SetText(IDC_LOGSET_RECVDAYS, days);
        const bool number = days[0] >= '0' && days[0] <= '3';
        EXPECT_EQ(number ? refusal[0] : "Please enter an integer.", AnsweringBoxes([&] { CloseWithOk(); }).at(0)) << days;
        EXPECT_FALSE(Closed()) << days;
    }
    SetText(IDC_LOGSET_RECVDAYS, "367");
    EXPECT_EQ(refusal, AnsweringBoxes([&] { Sheet().SetActivePage(kSetupPageGeneral); }));
    EXPECT_EQ(kSetupPageLogSetup, ActiveIndex());
    SetText(IDC_LOGSET_RECVDAYS, "30");

    // Only a program can do this: the page refuses to be left with a bad count.
    ASSERT_TRUE(SwitchTo(kSetupPageHeader));
    SetDlgItemTextA(Sheet().m_pageLogSetup.m_hWnd, IDC_LOGSET_SENTDAYS, "400");
    EXPECT_EQ(refusal, AnsweringBoxes([&] { CloseWithOk(); }));
    EXPECT_FALSE(Closed());
    EXPECT_EQ(kSetupPageLogSetup, ActiveIndex());
    CloseWithCancel();
    EXPECT_EQ(0xDEADu, ReadSettingNumber(kDeleteSentDays, 0xDEAD));
    EXPECT_EQ(0xDEADu, ReadSettingNumber(kKeepAfterSend, 0xDEAD));
}
