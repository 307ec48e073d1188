// The Log Setup page of the Fax Setup sheet: defaults, the day edits that follow their
// check boxes, day counts refused outside 1..366 even when disabled, and what OK stores.
#include <string>
#include <vector>

#include "res/resource.h"
#include "settings/setting_names.h"
#include "settings/setting_readers.h"
#include "setup_sheet_support.h"

using namespace testsupport;

namespace {
DWORD StoredNumber(const char* name) { return ReadSettingNumber(name, 0xDEAD); }
}  // namespace

class LogSetupPageTest : public SetupSheetTest {};

TEST_F(LogSetupPageTest, WithNoSettingsShowsTheDefaultsAndStoresThemOnOk)
{
    Open(kSetupPageLogSetup);
    ASSERT_EQ(kSetupPageLogSetup, ActiveIndex());
    EXPECT_TRUE(Checked(IDC_LOGSET_KEEP));
    EXPECT_TRUE(Checked(IDC_LOGSET_DELETESENT));
    EXPECT_FALSE(Checked(IDC_LOGSET_DELETERECV));
    EXPECT_TRUE(Checked(IDC_LOGSET_CONFIRM));
    EXPECT_EQ("30", Text(IDC_LOGSET_SENTDAYS));
    EXPECT_EQ("30", Text(IDC_LOGSET_RECVDAYS));
    EXPECT_TRUE(Enabled(IDC_LOGSET_SENTDAYS));
    EXPECT_FALSE(Enabled(IDC_LOGSET_RECVDAYS));
    CloseWithOk();
    ASSERT_TRUE(Closed());
    EXPECT_EQ(1u, StoredNumber(kKeepAfterSend));
    EXPECT_EQ(1u, StoredNumber(kKeepPages));
    EXPECT_EQ(1u, StoredNumber(kDeleteSentFaxes));
    EXPECT_EQ(0u, StoredNumber(kDeleteReceivedFaxes));
    EXPECT_EQ(30u, StoredNumber(kDeleteSentDays));
    EXPECT_EQ(30u, StoredNumber(kDeleteRecvDays));
    EXPECT_EQ(1u, StoredNumber(kConfirmDeletes));
}

TEST_F(LogSetupPageTest, CheckBoxesEnableTheirDaysAndOkStoresEveryChoice)
{
    WriteSettingNumber(kDeleteSentFaxes, 0);
    WriteSettingNumber(kDeleteReceivedFaxes, 1);
    WriteSettingNumber(kDeleteRecvDays, 90);
    Open(kSetupPageLogSetup);
    EXPECT_FALSE(Checked(IDC_LOGSET_DELETESENT));
    EXPECT_FALSE(Enabled(IDC_LOGSET_SENTDAYS));
    EXPECT_TRUE(Checked(IDC_LOGSET_DELETERECV));
    EXPECT_TRUE(Enabled(IDC_LOGSET_RECVDAYS));
    EXPECT_EQ("90", Text(IDC_LOGSET_RECVDAYS));

    Click(IDC_LOGSET_DELETESENT);
    EXPECT_TRUE(Enabled(IDC_LOGSET_SENTDAYS));
    Click(IDC_LOGSET_DELETERECV);
    EXPECT_FALSE(Enabled(IDC_LOGSET_RECVDAYS));
    Click(IDC_LOGSET_KEEP);
    Click(IDC_LOGSET_CONFIRM);
    SetText(IDC_LOGSET_SENTDAYS, "366");
    SetText(IDC_LOGSET_RECVDAYS, "1");
    CloseWithOk();
    ASSERT_TRUE(Closed());
    EXPECT_EQ(0u, StoredNumber(kKeepAfterSend));
    EXPECT_EQ(0u, StoredNumber(kKeepPages));
    EXPECT_EQ(1u, StoredNumber(kDeleteSentFaxes));
    EXPECT_EQ(0u, StoredNumber(kDeleteReceivedFaxes));
    EXPECT_EQ(366u, StoredNumber(kDeleteSentDays));
    EXPECT_EQ(1u, StoredNumber(kDeleteRecvDays));
    EXPECT_EQ(0u, StoredNumber(kConfirmDeletes));
}

TEST_F(LogSetupPageTest, DayCountsOutsideOneToAYearAreRefusedEvenWhenDisabled)
{
    Open(kSetupPageLogSetup);
    ASSERT_FALSE(Enabled(IDC_LOGSET_RECVDAYS));
    const char* refused[] = {"0", "367", "-1", "", "thirty", "99999999999"};
    for (const char* days : refused) {
        SetText(IDC_LOGSET_RECVDAYS, days);
        std::vector<std::string> boxes = AnsweringBoxes([&] { CloseWithOk(); });
        EXPECT_EQ(1u, boxes.size()) << days;
        EXPECT_FALSE(Closed()) << days;
    }
    SetText(IDC_LOGSET_RECVDAYS, "367");
    std::vector<std::string> boxes = AnsweringBoxes([&] { Sheet().SetActivePage(kSetupPageGeneral); });
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("Please enter an integer between 1 and 366.", boxes[0]);
    EXPECT_EQ(kSetupPageLogSetup, ActiveIndex());

    SetText(IDC_LOGSET_RECVDAYS, "30");
    SetText(IDC_LOGSET_SENTDAYS, "0");
    boxes = AnsweringBoxes([&] { CloseWithOk(); });
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("Please enter an integer between 1 and 366.", boxes[0]);
    CloseWithCancel();
    ASSERT_TRUE(Closed());
    EXPECT_EQ(0xDEADu, StoredNumber(kDeleteSentDays));
    EXPECT_EQ(0xDEADu, StoredNumber(kKeepAfterSend));
}

TEST_F(LogSetupPageTest, ABadDayCountOnAPageLeftBehindKeepsTheSheetOpenThere)
{
    Open(kSetupPageLogSetup);
    ASSERT_TRUE(SwitchTo(kSetupPageHeader));
    // Only a program can do this: the page refuses to be left with a bad count.
    SetDlgItemTextA(Sheet().m_pageLogSetup.m_hWnd, IDC_LOGSET_SENTDAYS, "400");
    std::vector<std::string> boxes = AnsweringBoxes([&] { CloseWithOk(); });
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("Please enter an integer between 1 and 366.", boxes[0]);
    EXPECT_FALSE(Closed());
    EXPECT_EQ(kSetupPageLogSetup, ActiveIndex());
    EXPECT_EQ(0xDEADu, StoredNumber(kDeleteSentDays));
    CloseWithCancel();
}
