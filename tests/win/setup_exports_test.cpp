// The four setup entry points of RWFaxDlg.dll as a host calls them: each runs the Fax Setup
// sheet modally on its own page over the disabled host window, with the host's engine handed
// to the pages, and what the user accepts (and only that) reaches the engine.
#include "RWFaxDlg.h"

#include <windows.h>
#include <commctrl.h>

#include "modem_test_support.h"

using namespace testsupport;

namespace {
// What the user saw of the sheet, looked at once the modal loop runs (the sheet is activated
// while it is still being built) from a thread timer that the loop dispatches; then the user
// goes to the modem page and closes the sheet there.
struct SheetSeen {
    HWND owner;
    bool accept;
    int tab;
    bool ownerDisabled;
    bool quit;  // the application quits instead
};
SheetSeen* t_seen = nullptr;
HWND t_sheet = nullptr;

void CALLBACK LookWhenRunning(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    t_seen->tab = TabCtrl_GetCurSel(reinterpret_cast<HWND>(SendMessageA(t_sheet, PSM_GETTABCONTROL, 0, 0)));
    t_seen->ownerDisabled = !IsWindowEnabled(t_seen->owner);
    if (t_seen->quit)
        return PostQuitMessage(3);
    PostMessageA(t_sheet, PSM_SETCURSEL, kSetupPageModem, 0);
    PostMessageA(t_sheet, PSM_PRESSBUTTON, t_seen->accept ? PSBTN_OK : PSBTN_CANCEL, 0);
}

void LookSoon(HWND sheet, void* context)
{
    t_sheet = sheet;
    t_seen = static_cast<SheetSeen*>(context);
    SetTimer(nullptr, 0, 1, &LookWhenRunning);
}
}  // namespace

class SetupExportsTest : public ModemSetupTest {};

TEST_F(SetupExportsTest, EachEntryPointRunsTheSheetOnItsPageWithTheHostsEngine)
{
    WriteSettingText(kModem, "Hayes Accura");
    WriteSettingNumber(kCommPort, 2);
    WriteSettingNumber(kAutoReceive, 0);
    InstallModemNT(0, {"Hayes Accura", "COM2", "", "", ""});
    ASSERT_EQ(1u, FaxAddDevice(m_engine, 2));
    HMODULE module = LoadLibraryA("RWFaxDlg.dll");
    ASSERT_NE(nullptr, module);
    const struct {
        const char* name;
        int page;
        bool accept;
        bool quit = false;
    } entries[] = {
        {FAXDLL_EXPORT_NAME(FaxDLL_OnFaxGeneralSetup, 8), 0, true},
        {FAXDLL_EXPORT_NAME(FaxDLL_OnFaxModemSetup, 8), 2, true},
        {FAXDLL_EXPORT_NAME(FaxDLL_OnFaxHeaderSetup, 8), 3, true},
        {FAXDLL_EXPORT_NAME(FaxDLL_OnFaxLogSetup, 8), 4, true},
        {FAXDLL_EXPORT_NAME(FaxDLL_OnFaxGeneralSetup, 8), 0, false},
        {FAXDLL_EXPORT_NAME(FaxDLL_OnFaxLogSetup, 8), 4, false, true},
    };
    for (const auto& entry : entries) {
        auto setup = reinterpret_cast<PFN_FaxDLL_OnFaxSetup>(reinterpret_cast<void*>(GetProcAddress(module, entry.name)));
        ASSERT_NE(nullptr, setup) << entry.name;
        FaxSetConfig(m_engine, "AutoReceive", "ON");
        SheetSeen seen = {m_host.hWnd, entry.accept, -1, false, entry.quit};
        OnNextActivation act(&LookSoon, &seen);
        setup(&m_host, m_engine);
        EXPECT_EQ(entry.page, seen.tab) << entry.name;
        EXPECT_TRUE(seen.ownerDisabled) << entry.name;
        EXPECT_TRUE(IsWindowEnabled(m_host.hWnd)) << entry.name;
        // Accepted on the modem page, the page tells the engine its answering mode.
        EXPECT_EQ(entry.accept ? "OFF" : "ON", EngineConfig("AutoReceive")) << entry.name;
        // A quit ends the sheet, and is passed on for the host's own message loop.
        MSG quit = {};
        EXPECT_EQ(entry.quit, PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) && quit.wParam == 3);
    }
    FreeLibrary(module);
}
