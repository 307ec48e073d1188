// The four setup entry points of RWFaxDlg.dll as a host calls them: each runs the Fax Setup
// sheet modally on its own page over the disabled host window, and what the user accepts
// reaches the settings.
#include "RWFaxDlg.h"

#include <commctrl.h>

#include <string>

#include "settings/setting_names.h"
#include "settings/setting_readers.h"
#include "res/resource.h"
#include "test_support.h"

using namespace testsupport;

namespace {
struct SheetSeen {
    std::string caption;
    int tab = -1;
    bool ownerDisabled = false;
    HWND owner = nullptr;
    const char* senderName = nullptr;  // typed into the General page before OK; null: Cancel
};

// The sheet is activated while it is still being built: look at it once the modal loop runs,
// from a thread timer that the loop dispatches.
SheetSeen* t_seen = nullptr;
HWND t_sheet = nullptr;

void LookAndClose(HWND sheet, SheetSeen* seen)
{
    seen->caption = WindowText(sheet);
    seen->tab = TabCtrl_GetCurSel(reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0)));
    seen->ownerDisabled = seen->owner && !IsWindowEnabled(seen->owner);
    HWND page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    if (seen->senderName && page)
        SetDlgItemTextA(page, IDC_GEN_NAME, seen->senderName);
    PostMessageA(sheet, PSM_PRESSBUTTON, seen->senderName ? PSBTN_OK : PSBTN_CANCEL, 0);
}

void CALLBACK LookWhenRunning(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    if (t_seen)
        LookAndClose(t_sheet, t_seen);
    t_seen = nullptr;
}

void LookSoon(HWND sheet, void* context)
{
    t_sheet = sheet;
    t_seen = static_cast<SheetSeen*>(context);
    SetTimer(nullptr, 0, 1, &LookWhenRunning);
}

class SetupExportsTest : public SettingsTest {
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        m_module = LoadLibraryA("RWFaxDlg.dll");
        ASSERT_NE(nullptr, m_module);
        m_host = FrameworkWindowObject(
            CreateWindowA("STATIC", "Host", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr));
    }
    void TearDown() override
    {
        if (m_host.hWnd)
            DestroyWindow(m_host.hWnd);
        if (m_module)
            FreeLibrary(m_module);
        SettingsTest::TearDown();
    }
    PFN_FaxDLL_OnFaxSetup Export(const char* name) const
    {
        return reinterpret_cast<PFN_FaxDLL_OnFaxSetup>(reinterpret_cast<void*>(GetProcAddress(m_module, name)));
    }
    SheetSeen Run(const char* name, const char* senderName = nullptr)
    {
        SheetSeen seen;
        seen.owner = m_host.hWnd;
        seen.senderName = senderName;
        PFN_FaxDLL_OnFaxSetup setup = Export(name);
        EXPECT_NE(nullptr, setup) << name;
        if (!setup)
            return seen;
        OnNextActivation act(&LookSoon, &seen);
        setup(&m_host, 0);
        EXPECT_TRUE(act.Fired()) << name;
        return seen;
    }

    HMODULE m_module = nullptr;
    FAXHOSTWND m_host = {};
};
}  // namespace

TEST_F(SetupExportsTest, EachEntryPointOpensTheSheetOnItsPage)
{
    const struct {
        const char* name;
        int page;
    } entries[] = {
        {FAXDLL_EXPORT_NAME(FaxDLL_OnFaxGeneralSetup, 8), 0},
        {FAXDLL_EXPORT_NAME(FaxDLL_OnFaxModemSetup, 8), 2},
        {FAXDLL_EXPORT_NAME(FaxDLL_OnFaxHeaderSetup, 8), 3},
        {FAXDLL_EXPORT_NAME(FaxDLL_OnFaxLogSetup, 8), 4},
    };
    for (const auto& entry : entries) {
        SheetSeen seen = Run(entry.name);
        EXPECT_EQ("Fax Setup", seen.caption) << entry.name;
        EXPECT_EQ(entry.page, seen.tab) << entry.name;
        EXPECT_TRUE(seen.ownerDisabled) << entry.name;
        EXPECT_TRUE(IsWindowEnabled(m_host.hWnd)) << entry.name;
    }
    // Cancel stored nothing.
    EXPECT_EQ("<none>", ReadSettingText(kSenderName, 64, "<none>"));
    EXPECT_EQ("<none>", ReadSettingText(kHeaderLeft, 64, "<none>"));
}

TEST_F(SetupExportsTest, WhatTheUserAcceptsIsStored)
{
    SheetSeen seen = Run(FAXDLL_EXPORT_NAME(FaxDLL_OnFaxGeneralSetup, 8), "Ada Byron");
    EXPECT_EQ(0, seen.tab);
    EXPECT_EQ("Ada Byron", ReadSettingText(kSenderName, 64, "<none>"));
    EXPECT_EQ(0u, ReadSettingNumber(kEnableOffpeak, 7));
}
