// The Dialing page of the Fax Setup sheet: spins that stop at their limits, range checks that
// keep the page and store nothing, and the control panel it opens.

#include "setup/platform_version.h"
#include "setup_sheet_support.h"

using namespace testsupport;

class DialingPageTest : public SetupSheetTest {
protected:
    void SetUp() override
    {
        SetupSheetTest::SetUp();
        Open(kSetupPageDialing);
    }
};

TEST_F(DialingPageTest, ArrowsStepTheNumbersAndStopAtTheirLimits)
{
    PressArrow(IDC_DIAL_RETRYSPIN, true);
    EXPECT_EQ("3", Text(IDC_DIAL_RETRIES));
    EXPECT_EQ(Item(IDC_DIAL_RETRIES), GetFocus());
    EXPECT_EQ(std::make_pair(0, 1), Selection(IDC_DIAL_RETRIES));
    PressArrow(IDC_DIAL_RETRYSPIN, false);
    EXPECT_EQ("2", Text(IDC_DIAL_RETRIES));
    SetText(IDC_DIAL_RETRIES, "10");
    PressArrow(IDC_DIAL_RETRYSPIN, true);
    EXPECT_EQ("10", Text(IDC_DIAL_RETRIES));

    SetText(IDC_DIAL_DELAY, "300");
    PressArrow(IDC_DIAL_DELAYSPIN, true);
    EXPECT_EQ("300", Text(IDC_DIAL_DELAY));
    EXPECT_EQ(std::make_pair(0, 3), Selection(IDC_DIAL_DELAY));
    SetText(IDC_DIAL_DELAY, "123456789012");  // only the first seven characters are read
    PressArrow(IDC_DIAL_DELAYSPIN, false);
    EXPECT_EQ("300", Text(IDC_DIAL_DELAY));
}

TEST_F(DialingPageTest, NumbersOutOfRangeKeepThePageAndStoreNothing)
{
    const struct {
        const char *retries, *delay, *box;
        int focus;
    } cases[] = {
        {"11", "90", "Please enter an integer between 0 and 10.", IDC_DIAL_RETRIES},
        {"10", "301", "Please enter an integer between 0 and 300.", IDC_DIAL_DELAY},
        {"10", "1 minute", "Please enter an integer.", IDC_DIAL_DELAY},
    };
    for (const auto& c : cases) {
        SetText(IDC_DIAL_RETRIES, c.retries);
        SetText(IDC_DIAL_DELAY, c.delay);
        EXPECT_EQ(std::vector<std::string>{c.box}, AnsweringBoxes([&] { CloseWithOk(); })) << c.delay;
        EXPECT_FALSE(Closed());
        EXPECT_EQ(Item(c.focus), GetFocus()) << c.delay;
        // Leaving for another page is refused the same way.
        EXPECT_EQ(1u, AnsweringBoxes([&] { Sheet().SetActivePage(kSetupPageGeneral); }).size());
        EXPECT_EQ(kSetupPageDialing, ActiveIndex());
    }
    CloseWithCancel();
    EXPECT_EQ(0xDEADu, ReadSettingNumber(kDialRetries, 0xDEAD));
}

TEST_F(DialingPageTest, DialingPropertiesStartsTheModemControlPanel)
{
    char system[MAX_PATH] = {}, windows[MAX_PATH] = {};
    GetSystemDirectoryA(system, MAX_PATH);
    GetWindowsDirectoryA(windows, MAX_PATH);
    g_bWinNT = TRUE;
    Click(IDC_DIAL_PROPERTIES);
    g_bWinNT = FALSE;
    Click(IDC_DIAL_PROPERTIES);
    const std::string cpl = std::string(system) + "\\modem.cpl " + std::to_string(SW_SHOWNORMAL);
    EXPECT_EQ((std::vector<std::string>{std::string(system) + "\\control " + cpl, std::string(windows) + "\\control " + cpl}),
              m_started);
    EXPECT_FALSE(Closed());
}
