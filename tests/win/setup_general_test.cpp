// The rules of single pages of the Fax Setup sheet. General: the report options that act at
// once, the off-peak times checked on OK, the Station Fax ID filter, the spins of the off-peak
// times. Dialing: spins that stop at their limits, range checks that keep the page, the control
// panel it opens. Header: Restore Defaults. Log Setup: day counts refused outside 1..366.

#include "host/fax_app.h"
#include "setup/platform_version.h"
#include "setup_sheet_support.h"

using namespace testsupport;

class SetupPageTest : public SetupSheetTest {};

TEST_F(SetupPageTest, GeneralReportOptionsAreReloadedAndActAtOnceEvenOnCancel)
{
    g_bDisplayStatus = 0;
    g_bNotifyOnCompletion = 1;
    Open(kSetupPageGeneral);
    EXPECT_EQ(1, g_bDisplayStatus);  // reloaded from the (missing) settings
    EXPECT_EQ(0, g_bNotifyOnCompletion);
    Click(IDC_GEN_DISPLAYSTATUS);
    Click(IDC_GEN_NOTIFY);
    EXPECT_EQ(0, g_bDisplayStatus);
    EXPECT_EQ(1, g_bNotifyOnCompletion);
    CloseWithCancel();
    EXPECT_EQ(1, g_bNotifyOnCompletion);
    EXPECT_EQ(0xDEADu, ReadSettingNumber(kNotifyOnCompletion, 0xDEAD));
}

TEST_F(SetupPageTest, GeneralInvalidOffPeakTimesAreSetToTheDefaultsOneAtATime)
{
    Open(kSetupPageGeneral);
    SetText(IDC_GEN_FROM, "2:5");
    SetText(IDC_GEN_TO, "25:00:00");  // checked even with off-peak dialing disabled
    const struct {
        const char* box;
        std::string from, to;
    } steps[] = {{"Invalid Off-Peak Start Time\nSet to Default.", LocaleTime(20, 0), "25:00:00"},
                 {"Invalid Off-Peak End Time\nSet to Default.", LocaleTime(20, 0), LocaleTime(7, 0)}};
    for (const auto& step : steps) {
        EXPECT_EQ(std::vector<std::string>{step.box}, AnsweringBoxes([&] { CloseWithOk(); }));
        EXPECT_FALSE(Closed());
        EXPECT_EQ(step.from + " " + step.to, Text(IDC_GEN_FROM) + " " + Text(IDC_GEN_TO));
        EXPECT_EQ("<missing>", ReadSettingText(kOffpeakStart, 80, "<missing>"));
    }
    EXPECT_TRUE(AnsweringBoxes([&] { CloseWithOk(); }).empty());
    EXPECT_TRUE(Closed());
    EXPECT_EQ(LocaleTime(7, 0), ReadSettingText(kOffpeakStop, 80, "<missing>"));
}

TEST_F(SetupPageTest, GeneralStationFaxIdKeepsOnlyDigitsBlanksAndDialCharacters)
{
    Open(kSetupPageGeneral);
    Type(IDC_GEN_FAXID, "12A #*+9");
    EXPECT_EQ("12 #*+9", Text(IDC_GEN_FAXID));
    EXPECT_EQ(1, m_nBeeps);
    // A pasted text loses every foreign character at once (brackets, other code pages, control
    // characters), with one beep; the caret moves left by the number taken out.
    SetText(IDC_GEN_FAXID, "");
    SendMessageA(Item(IDC_GEN_FAXID), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("5x5-(01)\xE9\x01\x7F"));
    EXPECT_EQ("5501", Text(IDC_GEN_FAXID));
    EXPECT_EQ(2, m_nBeeps);
    EXPECT_EQ(std::make_pair(4, 4), Selection(IDC_GEN_FAXID));
}

TEST_F(SetupPageTest, GeneralArrowsStepTheTimeFieldUnderTheCaret)
{
    WriteSettingText(kOffpeakStart, LocaleTime(21, 0));
    WriteSettingNumber(kEnableOffpeak, 1);
    Open(kSetupPageGeneral);
    const struct {
        int edit, spin;
        bool upper;  // the caret in the hour and the upper arrow, or in the minute and the lower one
        std::string after;
    } cases[] = {{IDC_GEN_FROM, IDC_GEN_FROMSPIN, true, LocaleTime(22, 0)},
                 {IDC_GEN_TO, IDC_GEN_TOSPIN, false, LocaleTime(7, 59)}};
    for (const auto& c : cases) {
        const int caret = c.upper ? 1 : static_cast<int>(Text(c.edit).find(':')) + 2;
        SendMessageA(Item(c.edit), EM_SETSEL, caret, caret);
        PressArrow(c.spin, c.upper);
        EXPECT_EQ(c.after, Text(c.edit));
        const int colon = static_cast<int>(Text(c.edit).find(':'));
        EXPECT_EQ(c.upper ? std::make_pair(0, colon) : std::make_pair(colon + 1, colon + 3), Selection(c.edit));
        EXPECT_EQ(Item(c.edit), GetFocus());  // the end of the spin gives it its field back
    }
}

TEST_F(SetupPageTest, HeaderRestoreDefaultsAreStoredOnOk)
{
    WriteSettingText(kHeaderLeft, "Mine");
    WriteSettingText(kHeaderCenter, "Also mine");
    WriteSettingText(kHeaderRight, "@P");
    Open(kSetupPageHeader);
    Click(IDC_HEADER_RESTORE);
    EXPECT_EQ("From:@S @X To:@R|Date:@D Time @T|Page @P of @N",
              Text(IDC_HEADER_LEFT) + "|" + Text(IDC_HEADER_CENTER) + "|" + Text(IDC_HEADER_RIGHT));
    CloseWithOk();
    EXPECT_EQ("From:@S @X To:@R|Date:@D Time @T|Page @P of @N", ReadSettingText(kHeaderLeft, 64, "") + "|" +
                                                                  ReadSettingText(kHeaderCenter, 64, "") + "|" +
                                                                  ReadSettingText(kHeaderRight, 64, ""));
}

TEST_F(SetupPageTest, LogDayCountsOutsideOneToAYearAreRefusedEvenWhenDisabled)
{
    Open(kSetupPageLogSetup);
    ASSERT_FALSE(Enabled(IDC_LOGSET_RECVDAYS));
    for (const char* days : {"0", "367", "thirty"}) {
        SetText(IDC_LOGSET_RECVDAYS, days);
        const char* box = days[0] != 't' ? "Please enter an integer between 1 and 366." : "Please enter an integer.";
        EXPECT_EQ(box, AnsweringBoxes([&] { CloseWithOk(); }).at(0)) << days;
        EXPECT_FALSE(Closed()) << days;
    }
    CloseWithCancel();
    EXPECT_EQ(0xDEADu, ReadSettingNumber(kDeleteSentDays, 0xDEAD));
}

TEST_F(SetupPageTest, DialingArrowsStepTheNumbersAndStopAtTheirLimits)
{
    Open(kSetupPageDialing);
    PressArrow(IDC_DIAL_RETRYSPIN, true);
    EXPECT_EQ("3", Text(IDC_DIAL_RETRIES));
    EXPECT_EQ(Item(IDC_DIAL_RETRIES), GetFocus());
    EXPECT_EQ(std::make_pair(0, 1), Selection(IDC_DIAL_RETRIES));
    SetText(IDC_DIAL_RETRIES, "10");
    PressArrow(IDC_DIAL_RETRYSPIN, true);
    EXPECT_EQ("10", Text(IDC_DIAL_RETRIES));

    SetText(IDC_DIAL_DELAY, "300");
    PressArrow(IDC_DIAL_DELAYSPIN, true);
    EXPECT_EQ("300", Text(IDC_DIAL_DELAY));
    EXPECT_EQ(std::make_pair(0, 3), Selection(IDC_DIAL_DELAY));
}

TEST_F(SetupPageTest, DialingNumbersOutOfRangeKeepThePageAndStoreNothing)
{
    Open(kSetupPageDialing);
    const struct {
        const char *retries, *delay, *box;
        int focus;
    } cases[] = {
        {"11", "90", "Please enter an integer between 0 and 10.", IDC_DIAL_RETRIES},
        {"10", "301", "Please enter an integer between 0 and 300.", IDC_DIAL_DELAY},
    };
    for (const auto& c : cases) {
        SetText(IDC_DIAL_RETRIES, c.retries);
        SetText(IDC_DIAL_DELAY, c.delay);
        EXPECT_EQ(std::vector<std::string>{c.box}, AnsweringBoxes([&] { CloseWithOk(); })) << c.delay;
        EXPECT_FALSE(Closed());
        EXPECT_EQ(Item(c.focus), GetFocus()) << c.delay;
    }
    CloseWithCancel();
    EXPECT_EQ(0xDEADu, ReadSettingNumber(kDialRetries, 0xDEAD));
}

TEST_F(SetupPageTest, DialingPropertiesStartsTheModemControlPanel)
{
    Open(kSetupPageDialing);
    char system[MAX_PATH] = {}, windows[MAX_PATH] = {};
    GetSystemDirectoryA(system, MAX_PATH);
    GetWindowsDirectoryA(windows, MAX_PATH);
    for (BOOL nt : {TRUE, FALSE}) {
        g_bWinNT = nt;
        Click(IDC_DIAL_PROPERTIES);
    }
    const std::string cpl = std::string(system) + "\\modem.cpl " + std::to_string(SW_SHOWNORMAL);
    EXPECT_EQ((std::vector<std::string>{std::string(system) + "\\control " + cpl, std::string(windows) + "\\control " + cpl}),
              m_started);
    EXPECT_FALSE(Closed());
}
