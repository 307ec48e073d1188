// The General page of the Fax Setup sheet: what it shows with and without stored settings,
// what it stores on OK and not on Cancel, the off-peak checks, the Station Fax ID filter,
// and the spins of the off-peak times.
#include <string>

#include "host/fax_app.h"
#include "res/resource.h"
#include "send/locale_date_time.h"
#include "settings/setting_names.h"
#include "settings/setting_readers.h"
#include "setup_sheet_support.h"

using namespace testsupport;

namespace {
std::string LocaleTime(WORD hour, WORD minute)
{
    SYSTEMTIME time = {};
    time.wHour = hour;
    time.wMinute = minute;
    char text[80] = {};
    FormatLocalTime(&time, text, sizeof text);
    return text;
}

std::string Stored(const char* name) { return ReadSettingText(name, 256, "<missing>"); }
DWORD StoredNumber(const char* name) { return ReadSettingNumber(name, 0xDEAD); }
}  // namespace

class GeneralPageTest : public SetupSheetTest {
protected:
    void SetUp() override
    {
        SetupSheetTest::SetUp();
        DetectTimeMode();
    }
};

TEST_F(GeneralPageTest, WithNoSettingsShowsTheDefaultsAndLimitsTheTexts)
{
    g_bDisplayStatus = 0;
    g_bNotifyOnCompletion = 1;
    Open(kSetupPageGeneral);
    ASSERT_EQ(0, ActiveIndex());
    for (int id : {IDC_GEN_NAME, IDC_GEN_PHONE, IDC_GEN_COMPANY, IDC_GEN_FAX, IDC_GEN_FAXID})
        EXPECT_EQ("", Text(id)) << id;
    EXPECT_EQ(LocaleTime(20, 0), Text(IDC_GEN_FROM));
    EXPECT_EQ(LocaleTime(7, 0), Text(IDC_GEN_TO));
    EXPECT_FALSE(Checked(IDC_GEN_ENABLEOFFPEAK));
    EXPECT_TRUE(Checked(IDC_GEN_AFTEROFFPEAK));
    EXPECT_TRUE(Checked(IDC_GEN_DISPLAYSTATUS));
    EXPECT_FALSE(Checked(IDC_GEN_NOTIFY));
    EXPECT_EQ(1, g_bDisplayStatus);  // reloaded from the (missing) settings
    EXPECT_EQ(0, g_bNotifyOnCompletion);
    for (int id : {IDC_GEN_FROM, IDC_GEN_TO, IDC_GEN_FROMSPIN, IDC_GEN_TOSPIN, IDC_GEN_AFTEROFFPEAK})
        EXPECT_FALSE(Enabled(id)) << id;

    const std::string longText(40, '7');
    for (int id : {IDC_GEN_NAME, IDC_GEN_PHONE, IDC_GEN_COMPANY, IDC_GEN_FAX, IDC_GEN_FAXID}) {
        Type(id, longText);
        EXPECT_EQ(id == IDC_GEN_FAXID ? 20u : 30u, Text(id).size()) << id;
    }

    Click(IDC_GEN_ENABLEOFFPEAK);
    for (int id : {IDC_GEN_FROM, IDC_GEN_TO, IDC_GEN_FROMSPIN, IDC_GEN_TOSPIN, IDC_GEN_AFTEROFFPEAK})
        EXPECT_TRUE(Enabled(id)) << id;
    Click(IDC_GEN_ENABLEOFFPEAK);
    EXPECT_FALSE(Enabled(IDC_GEN_FROM));
    EXPECT_FALSE(Enabled(IDC_GEN_AFTEROFFPEAK));
}

TEST_F(GeneralPageTest, OkStoresEveryValueAndCancelStoresNothing)
{
    WriteSettingText(kSenderName, "Ada Byron");
    WriteSettingText(kOffpeakStart, LocaleTime(21, 30));
    WriteSettingNumber(kEnableOffpeak, 1);
    WriteSettingNumber(kAfterOffpeak, 0);
    WriteSettingNumber(kNotifyOnCompletion, 1);
    Open(kSetupPageGeneral);
    EXPECT_EQ("Ada Byron", Text(IDC_GEN_NAME));
    EXPECT_EQ(LocaleTime(21, 30), Text(IDC_GEN_FROM));
    EXPECT_TRUE(Checked(IDC_GEN_ENABLEOFFPEAK));
    EXPECT_TRUE(Enabled(IDC_GEN_FROM));
    EXPECT_FALSE(Checked(IDC_GEN_AFTEROFFPEAK));
    EXPECT_TRUE(Checked(IDC_GEN_NOTIFY));
    EXPECT_EQ(1, g_bNotifyOnCompletion);

    SetText(IDC_GEN_NAME, "Grace Hopper");
    SetText(IDC_GEN_PHONE, "555 0100");
    SetText(IDC_GEN_COMPANY, "Navy");
    SetText(IDC_GEN_FAX, "555 0199");
    SetText(IDC_GEN_FAXID, "+1 555 0199");
    SetText(IDC_GEN_TO, LocaleTime(6, 45));
    Click(IDC_GEN_AFTEROFFPEAK);
    Click(IDC_GEN_DISPLAYSTATUS);
    EXPECT_EQ(0, g_bDisplayStatus);  // at once, not only on OK
    CloseWithOk();
    ASSERT_TRUE(Closed());

    EXPECT_EQ("Grace Hopper", Stored(kSenderName));
    EXPECT_EQ("555 0100", Stored(kSenderPhone));
    EXPECT_EQ("Navy", Stored(kSenderCompany));
    EXPECT_EQ("555 0199", Stored(kSenderFax));
    EXPECT_EQ("+1 555 0199", Stored(kSenderFaxId));
    EXPECT_EQ(LocaleTime(21, 30), Stored(kOffpeakStart));
    EXPECT_EQ(LocaleTime(6, 45), Stored(kOffpeakStop));
    EXPECT_EQ(1u, StoredNumber(kAfterOffpeak));
    EXPECT_EQ(1u, StoredNumber(kEnableOffpeak));
    EXPECT_EQ(0u, StoredNumber(kDisplayStatus));
    EXPECT_EQ(1u, StoredNumber(kNotifyOnCompletion));

    // Texts are stored with their terminator.
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key));
    DWORD type = 0, size = 0;
    RegQueryValueExA(key, kSenderCompany, nullptr, &type, nullptr, &size);
    RegCloseKey(key);
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
    EXPECT_EQ(5u, size);

    // Cancel: nothing is stored, but the report options keep what their boxes were set to.
    Open(kSetupPageGeneral);
    SetText(IDC_GEN_NAME, "Nobody");
    Click(IDC_GEN_NOTIFY);
    EXPECT_EQ(0, g_bNotifyOnCompletion);
    CloseWithCancel();
    ASSERT_TRUE(Closed());
    EXPECT_EQ("Grace Hopper", Stored(kSenderName));
    EXPECT_EQ(1u, StoredNumber(kNotifyOnCompletion));
    EXPECT_EQ(0, g_bNotifyOnCompletion);
}

TEST_F(GeneralPageTest, InvalidOffPeakTimesAreSetToTheDefaultsOneAtATime)
{
    Open(kSetupPageGeneral);
    Click(IDC_GEN_ENABLEOFFPEAK);
    SetText(IDC_GEN_FROM, "2:5");
    SetText(IDC_GEN_TO, "25:00:00");
    std::vector<std::string> boxes = AnsweringBoxes([&] { CloseWithOk(); });
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("Invalid Off-Peak Start Time\nSet to Default.", boxes[0]);
    EXPECT_FALSE(Closed());
    EXPECT_EQ(0, ActiveIndex());
    EXPECT_EQ(LocaleTime(20, 0), Text(IDC_GEN_FROM));
    EXPECT_EQ("25:00:00", Text(IDC_GEN_TO));
    EXPECT_EQ(Item(IDC_GEN_FROM), GetFocus());

    // With off-peak dialing disabled the times are checked all the same.
    Click(IDC_GEN_ENABLEOFFPEAK);
    ASSERT_FALSE(Enabled(IDC_GEN_TO));
    boxes = AnsweringBoxes([&] { CloseWithOk(); });
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("Invalid Off-Peak End Time\nSet to Default.", boxes[0]);
    EXPECT_FALSE(Closed());
    EXPECT_EQ(LocaleTime(7, 0), Text(IDC_GEN_TO));
    EXPECT_EQ("<missing>", Stored(kOffpeakStart));

    boxes = AnsweringBoxes([&] { CloseWithOk(); });
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(Closed());
    EXPECT_EQ(LocaleTime(20, 0), Stored(kOffpeakStart));
    EXPECT_EQ(LocaleTime(7, 0), Stored(kOffpeakStop));
    EXPECT_EQ(0u, StoredNumber(kEnableOffpeak));
}

TEST_F(GeneralPageTest, StoredTimesThatCannotBeReadShowTheDefaults)
{
    WriteSettingText(kOffpeakStart, "soon");
    WriteSettingText(kOffpeakStop, std::string(200, '9'));  // longer than the page's buffer
    testsupport::WriteRegistryDword(HKEY_CURRENT_USER, kSettingsKey, kSenderName, 42);  // not a text
    Open(kSetupPageGeneral);
    EXPECT_EQ(LocaleTime(20, 0), Text(IDC_GEN_FROM));
    EXPECT_EQ(LocaleTime(7, 0), Text(IDC_GEN_TO));
    EXPECT_EQ("", Text(IDC_GEN_NAME));
}

TEST_F(GeneralPageTest, StationFaxIdKeepsOnlyDigitsBlanksAndDialCharacters)
{
    Open(kSetupPageGeneral);
    Type(IDC_GEN_FAXID, "12");
    EXPECT_EQ(0, m_nBeeps);
    Type(IDC_GEN_FAXID, "A");
    EXPECT_EQ("12", Text(IDC_GEN_FAXID));
    EXPECT_EQ(1, m_nBeeps);
    EXPECT_EQ(std::make_pair(2, 2), Selection(IDC_GEN_FAXID));

    Type(IDC_GEN_FAXID, " #*+9");
    EXPECT_EQ("12 #*+9", Text(IDC_GEN_FAXID));
    EXPECT_EQ(1, m_nBeeps);

    // A pasted text loses every foreign character at once, with one beep; the caret moves
    // left by the number taken out.
    SetText(IDC_GEN_FAXID, "");
    SendMessageA(Item(IDC_GEN_FAXID), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("5x5-01\xE9"));
    EXPECT_EQ("5501", Text(IDC_GEN_FAXID));
    EXPECT_EQ(2, m_nBeeps);
    EXPECT_EQ(std::make_pair(4, 4), Selection(IDC_GEN_FAXID));
}

TEST_F(GeneralPageTest, ArrowsStepTheTimeFieldUnderTheCaret)
{
    WriteSettingText(kOffpeakStart, LocaleTime(21, 0));
    WriteSettingNumber(kEnableOffpeak, 1);
    Open(kSetupPageGeneral);
    ASSERT_EQ(LocaleTime(21, 0), Text(IDC_GEN_FROM));
    SendMessageA(Item(IDC_GEN_TO), EM_SETSEL, 0, 2);
    SendMessageA(Item(IDC_GEN_FROM), EM_SETSEL, 1, 1);  // caret in the hour

    PressArrow(IDC_GEN_FROMSPIN, true);
    EXPECT_EQ(LocaleTime(22, 0), Text(IDC_GEN_FROM));
    const auto hourField = [&] { return std::make_pair(0, static_cast<int>(Text(IDC_GEN_FROM).find(':'))); };
    EXPECT_EQ(hourField(), Selection(IDC_GEN_FROM));
    EXPECT_EQ(Item(IDC_GEN_FROM), GetFocus());  // the end of the spin gives it its field back
    std::pair<int, int> to = Selection(IDC_GEN_TO);
    EXPECT_EQ(to.first, to.second);  // the other time lost its selection

    PressArrow(IDC_GEN_FROMSPIN, false);
    PressArrow(IDC_GEN_FROMSPIN, false);
    EXPECT_EQ(LocaleTime(20, 0), Text(IDC_GEN_FROM));
    EXPECT_EQ(hourField(), Selection(IDC_GEN_FROM));

    // The minute of the end time.
    const std::string stop = Text(IDC_GEN_TO);
    const int minute = static_cast<int>(stop.find(':')) + 2;
    SendMessageA(Item(IDC_GEN_TO), EM_SETSEL, minute, minute);
    PressArrow(IDC_GEN_TOSPIN, false);
    EXPECT_EQ(LocaleTime(7, 59), Text(IDC_GEN_TO));
    to = Selection(IDC_GEN_TO);
    EXPECT_EQ(minute - 1, to.first);
    std::pair<int, int> from = Selection(IDC_GEN_FROM);
    EXPECT_EQ(from.first, from.second);
}
