// The Fax Setup sheet as a whole: its five pages with the engine handle, no Apply button, one
// help context from every page, and every stored setting shown by its control and stored back on OK.
#include <windows.h>
#include <commctrl.h>

#include "settings/settings_store.h"
#include "setup_sheet_support.h"

using namespace testsupport;

namespace {
// A setting as the registry holds it: "-" missing, "#n" a number, anything else a text.
void Store(const char* name, const std::string& value)
{
    if (value[0] == '#')
        WriteSettingNumber(name, std::stoul(value.substr(1)));
    else if (value != "-")
        WriteSettingText(name, value);
}

std::string Stored(const char* name)
{
    const DWORD value = ReadSettingNumber(name, 0xDEAD);
    return value == 0xDEAD ? ReadSettingText(name, 256, "-") : "#" + std::to_string(value);
}

// Stored before the sheet opens; shown as a text, or "[x]" / "[ ]" for a check box or radio
// button; entered by typing after clearing the edit, or "click" (empty: left alone); written
// on OK; and a control whose enabled state follows the change ("on"/"off" before and after).
struct Field {
    int page;
    const char* setting;
    std::string stored;
    int id;
    std::string shown, enter, written;
    int dependent = 0;
    const char* enabledBeforeAfter = "";
};
}  // namespace

class SetupSheetFrameTest : public SetupSheetTest {
protected:
    std::string Shown(int id) const
    {
        char className[16] = {};
        GetClassNameA(Item(id), className, sizeof className);
        return lstrcmpiA(className, "Button") == 0 ? (Checked(id) ? "[x]" : "[ ]") : Text(id);
    }
    std::string OnOff(int id) const { return Enabled(id) ? "on" : "off"; }
};

TEST_F(SetupSheetFrameTest, FivePagesWithTheEngineNoApplyAndOneHelpContext)
{
    Open(kSetupPageGeneral, 0x4711);
    ASSERT_EQ(5, Sheet().GetPageCount());
    for (int i = 0; i < Sheet().GetPageCount(); ++i)
        EXPECT_EQ(0x4711u, static_cast<CFaxSetupPage*>(Sheet().GetPage(i))->m_hFaxEngine) << i;
    HWND apply = GetDlgItem(Sheet().m_hWnd, 0x3021);
    EXPECT_TRUE(!apply || !IsWindowVisible(apply));
    EXPECT_EQ(GetWindow(Sheet().m_hWnd, GW_OWNER), m_host.hWnd);
    for (int page = 0; page < 5; ++page) {
        ASSERT_TRUE(SwitchTo(page)) << page;
        Sheet().PressButton(PSBTN_HELP);
    }
    ASSERT_EQ(5u, m_help.size());
    for (const auto& request : m_help)
        EXPECT_EQ(std::make_pair(static_cast<UINT>(HELP_CONTEXT), static_cast<ULONG_PTR>(685)), request);
    CloseWithCancel();
}

TEST_F(SetupSheetFrameTest, EverySettingIsShownByItsControlAndStoredBackOnOk)
{
    const int G = kSetupPageGeneral, D = kSetupPageDialing, H = kSetupPageHeader, L = kSetupPageLogSetup;
    const std::string n30(30, '7'), x20(20, 'x');
    const Field fields[] = {
        {G, kSenderName, "-", IDC_GEN_NAME, "", std::string(40, '7'), n30},
        {G, kSenderFax, "-", IDC_GEN_FAX, "", std::string(40, '7'), n30},
        {G, kSenderFaxId, "-", IDC_GEN_FAXID, "", std::string(25, '7'), std::string(20, '7')},
        {G, kOffpeakStart, "-", IDC_GEN_FROM, LocaleTime(20, 0), "", LocaleTime(20, 0)},
        {G, kOffpeakStart, LocaleTime(21, 30), IDC_GEN_FROM, LocaleTime(21, 30), "", LocaleTime(21, 30)},
        {G, kOffpeakStop, "-", IDC_GEN_TO, LocaleTime(7, 0), LocaleTime(6, 45), LocaleTime(6, 45)},
        {G, kEnableOffpeak, "-", IDC_GEN_ENABLEOFFPEAK, "[ ]", "click", "#1", IDC_GEN_FROM, "off on"},
        {G, kEnableOffpeak, "#1", IDC_GEN_ENABLEOFFPEAK, "[x]", "click", "#0", IDC_GEN_AFTEROFFPEAK, "on off"},
        {G, kAfterOffpeak, "-", IDC_GEN_AFTEROFFPEAK, "[x]", "", "#1"},
        {G, kAfterOffpeak, "#0", IDC_GEN_AFTEROFFPEAK, "[ ]", "click", "#1"},
        {G, kDisplayStatus, "-", IDC_GEN_DISPLAYSTATUS, "[x]", "click", "#0"},
        {G, kNotifyOnCompletion, "-", IDC_GEN_NOTIFY, "[ ]", "", "#0"},
        {G, kNotifyOnCompletion, "#1", IDC_GEN_NOTIFY, "[x]", "click", "#0"},
        {D, kDialRetries, "-", IDC_DIAL_RETRIES, "2", "", "#2"},
        {D, kDialRetries, "#5", IDC_DIAL_RETRIES, "5", "10", "#10"},
        {D, kRetryDelay, "-", IDC_DIAL_DELAY, "90", "0", "#0"},
        {D, kDetectDialTone, "-", IDC_DIAL_DETECTDIALTONE, "[x]", "", "#1"},
        {D, kDetectDialTone, "#0", IDC_DIAL_DETECTDIALTONE, "[ ]", "click", "#1"},
        {D, kDetectBusyTone, "-", IDC_DIAL_DETECTBUSY, "[x]", "click", "#0"},
        {D, kToneDialing, "-", IDC_DIAL_TONE, "[x]", "", "#1"},
        {D, kToneDialing, "#0", IDC_DIAL_TONE, "[ ]", "click", "#1"},
        {D, kToneDialing, "#0", IDC_DIAL_PULSE, "[x]", "", "#0"},
        {H, kHeaderLeft, "-", IDC_HEADER_LEFT, "From:@S @X To:@R", "", "From:@S @X To:@R"},
        {H, kHeaderLeft, "", IDC_HEADER_LEFT, "", std::string(25, 'x'), x20},
        {H, kHeaderCenter, "-", IDC_HEADER_CENTER, "Date:@D Time @T", "", "Date:@D Time @T"},
        {H, kHeaderCenter, "Fax from @Y", IDC_HEADER_CENTER, "Fax from @Y", "@D @T", "@D @T"},
        {H, kHeaderRight, "-", IDC_HEADER_RIGHT, "Page @P of @N", std::string(25, 'x'), x20},
        {H, kHeaderRight, std::string(21, 'R'), IDC_HEADER_RIGHT, "Page @P of @N", "", "Page @P of @N"},
        {L, kKeepAfterSend, "-", IDC_LOGSET_KEEP, "[x]", "", "#1"},
        {L, kKeepPages, "-", IDC_LOGSET_KEEP, "[x]", "click", "#0"},
        {L, kDeleteSentFaxes, "-", IDC_LOGSET_DELETESENT, "[x]", "", "#1", IDC_LOGSET_SENTDAYS, "on on"},
        {L, kDeleteSentFaxes, "#0", IDC_LOGSET_DELETESENT, "[ ]", "click", "#1", IDC_LOGSET_SENTDAYS, "off on"},
        {L, kDeleteReceivedFaxes, "-", IDC_LOGSET_DELETERECV, "[ ]", "", "#0", IDC_LOGSET_RECVDAYS, "off off"},
        {L, kDeleteReceivedFaxes, "#1", IDC_LOGSET_DELETERECV, "[x]", "click", "#0", IDC_LOGSET_RECVDAYS, "on off"},
        {L, kDeleteSentDays, "-", IDC_LOGSET_SENTDAYS, "30", "366", "#366"},
        {L, kDeleteRecvDays, "#90", IDC_LOGSET_RECVDAYS, "90", "1", "#1"},
        {L, kConfirmDeletes, "-", IDC_LOGSET_CONFIRM, "[x]", "click", "#0"},
    };
    for (const Field& f : fields) {
        DeleteRegistryTree(HKEY_CURRENT_USER, kSuiteKey);
        ASSERT_EQ(1, InitQORegistryKey());
        Store(f.setting, f.stored);
        Open(static_cast<UINT>(f.page));
        std::string seen = Shown(f.id);
        std::string enabled = f.dependent ? OnOff(f.dependent) : "";
        if (f.enter == "click") {
            Click(f.id);
        } else if (!f.enter.empty()) {
            SetText(f.id, "");
            Type(f.id, f.enter);
        }
        if (f.dependent)
            enabled += " " + OnOff(f.dependent);
        CloseWithOk();
        ASSERT_TRUE(Closed()) << f.setting;
        const std::string written = Stored(f.setting);
        EXPECT_EQ(f.shown + " | " + f.enabledBeforeAfter + " | " + f.written, seen + " | " + enabled + " | " + written)
            << f.setting << " stored as " << f.stored;
    }
}
