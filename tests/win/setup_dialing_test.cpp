// The Dialing page of the Fax Setup sheet: defaults, spins that stop at their limits, range
// checks that keep the page and store nothing, and the control panel it opens.
#include <string>
#include <vector>

#include "res/resource.h"
#include "settings/setting_names.h"
#include "settings/setting_readers.h"
#include "setup/modem_control_panel.h"
#include "setup/platform_version.h"
#include "setup_sheet_support.h"

using namespace testsupport;

namespace {
DWORD StoredNumber(const char* name) { return ReadSettingNumber(name, 0xDEAD); }

struct Started {
    std::vector<std::string> commands;
    std::vector<UINT> shows;
};
UINT RecordStart(const char* commandLine, UINT show, void* context)
{
    auto* started = static_cast<Started*>(context);
    started->commands.emplace_back(commandLine);
    started->shows.push_back(show);
    return 33;
}

std::string Folder(UINT (WINAPI* query)(LPSTR, UINT))
{
    char folder[MAX_PATH] = {};
    query(folder, sizeof folder);
    return folder;
}
}  // namespace

class DialingPageTest : public SetupSheetTest {
protected:
    void SetUp() override
    {
        SetupSheetTest::SetUp();
        SetProgramStart(&RecordStart, &m_started);
    }
    void TearDown() override
    {
        SetProgramStart(nullptr, nullptr);
        SetupSheetTest::TearDown();
    }
    void OpenDialing()
    {
        Open(kSetupPageGeneral);
        ASSERT_TRUE(SwitchTo(kSetupPageDialing));
    }
    Started m_started;
};

TEST_F(DialingPageTest, WithNoSettingsShowsTheDefaultsAndStoresThemOnOk)
{
    OpenDialing();
    EXPECT_EQ("2", Text(IDC_DIAL_RETRIES));
    EXPECT_EQ("90", Text(IDC_DIAL_DELAY));
    EXPECT_TRUE(Checked(IDC_DIAL_DETECTDIALTONE));
    EXPECT_TRUE(Checked(IDC_DIAL_DETECTBUSY));
    EXPECT_TRUE(Checked(IDC_DIAL_TONE));
    EXPECT_FALSE(Checked(IDC_DIAL_PULSE));
    CloseWithOk();
    ASSERT_TRUE(Closed());
    EXPECT_EQ(2u, StoredNumber(kDialRetries));
    EXPECT_EQ(90u, StoredNumber(kRetryDelay));
    EXPECT_EQ(1u, StoredNumber(kDetectDialTone));
    EXPECT_EQ(1u, StoredNumber(kDetectBusyTone));
    EXPECT_EQ(1u, StoredNumber(kToneDialing));
}

TEST_F(DialingPageTest, StoredChoicesShowAndChangedOnesAreStored)
{
    WriteSettingNumber(kDialRetries, 5);
    WriteSettingNumber(kRetryDelay, 240);
    WriteSettingNumber(kToneDialing, 0);
    WriteSettingNumber(kDetectDialTone, 0);
    OpenDialing();
    EXPECT_EQ("5", Text(IDC_DIAL_RETRIES));
    EXPECT_EQ("240", Text(IDC_DIAL_DELAY));
    EXPECT_FALSE(Checked(IDC_DIAL_TONE));
    EXPECT_TRUE(Checked(IDC_DIAL_PULSE));
    EXPECT_FALSE(Checked(IDC_DIAL_DETECTDIALTONE));

    Click(IDC_DIAL_TONE);
    Click(IDC_DIAL_DETECTDIALTONE);
    Click(IDC_DIAL_DETECTBUSY);
    SetText(IDC_DIAL_DELAY, "0");
    CloseWithOk();
    ASSERT_TRUE(Closed());
    EXPECT_EQ(1u, StoredNumber(kToneDialing));
    EXPECT_EQ(1u, StoredNumber(kDetectDialTone));
    EXPECT_EQ(0u, StoredNumber(kDetectBusyTone));
    EXPECT_EQ(0u, StoredNumber(kRetryDelay));
    EXPECT_EQ(5u, StoredNumber(kDialRetries));
}

TEST_F(DialingPageTest, ArrowsStepTheNumbersAndStopAtTheirLimits)
{
    OpenDialing();
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
    EXPECT_EQ(Item(IDC_DIAL_DELAY), GetFocus());
    EXPECT_EQ(std::make_pair(0, 3), Selection(IDC_DIAL_DELAY));
    SetText(IDC_DIAL_DELAY, "123456789012");  // only the first seven characters are read
    PressArrow(IDC_DIAL_DELAYSPIN, false);
    EXPECT_EQ("300", Text(IDC_DIAL_DELAY));
}

TEST_F(DialingPageTest, NumbersOutOfRangeKeepThePageAndStoreNothing)
{
    OpenDialing();
    SetText(IDC_DIAL_RETRIES, "12");
    std::vector<std::string> boxes = AnsweringBoxes([&] { CloseWithOk(); });
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("Please enter an integer between 0 and 10.", boxes[0]);
    EXPECT_FALSE(Closed());
    EXPECT_EQ(kSetupPageDialing, ActiveIndex());
    EXPECT_EQ(Item(IDC_DIAL_RETRIES), GetFocus());

    // Leaving for another page is refused the same way.
    boxes = AnsweringBoxes([&] { Sheet().SetActivePage(kSetupPageGeneral); });
    EXPECT_EQ(1u, boxes.size());
    EXPECT_EQ(kSetupPageDialing, ActiveIndex());

    SetText(IDC_DIAL_RETRIES, "10");
    SetText(IDC_DIAL_DELAY, "301");
    boxes = AnsweringBoxes([&] { CloseWithOk(); });
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("Please enter an integer between 0 and 300.", boxes[0]);
    SetText(IDC_DIAL_DELAY, "1 minute");
    boxes = AnsweringBoxes([&] { CloseWithOk(); });
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("Please enter an integer.", boxes[0]);
    EXPECT_FALSE(Closed());

    CloseWithCancel();
    ASSERT_TRUE(Closed());
    for (const char* name : {kDialRetries, kRetryDelay, kDetectDialTone, kDetectBusyTone, kToneDialing})
        EXPECT_EQ(0xDEADu, StoredNumber(name)) << name;
}

TEST_F(DialingPageTest, DialingPropertiesStartsTheModemControlPanel)
{
    const std::string system = Folder(&GetSystemDirectoryA);
    const std::string windows = Folder(&GetWindowsDirectoryA);
    OpenDialing();
    g_bWinNT = TRUE;
    Click(IDC_DIAL_PROPERTIES);
    g_bWinNT = FALSE;
    Click(IDC_DIAL_PROPERTIES);
    ASSERT_EQ(2u, m_started.commands.size());
    EXPECT_EQ(system + "\\control " + system + "\\modem.cpl", m_started.commands[0]);
    EXPECT_EQ(windows + "\\control " + system + "\\modem.cpl", m_started.commands[1]);
    EXPECT_EQ(static_cast<UINT>(SW_SHOWNORMAL), m_started.shows[0]);
    EXPECT_FALSE(Closed());
}
