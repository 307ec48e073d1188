// The entry points of RWFaxDlg.dll. Each one that touches a window or a resource makes the
// module's framework state current first and gives the caller's back on every way out.
#include "RWFaxDlg.h"

#include "framework/module_state.h"
#include "host/host_window.h"
#include "host/modem_notifications.h"
#include "host/send_fax_entry.h"
#include "phonebook/manage_books.h"
#include "phonebook/phonebook_library.h"
#include "logs/fax_logs_sheet.h"
#include "logs/log_pages.h"
#include "logs/refresh_logs.h"
#include "res/resource.h"
#include "setup/fax_setup_sheet.h"
#include "status/fax_status.h"

extern "C" {

int WINAPI FaxDLL_OnSendFax(FAXHOSTWND* pHostWnd, FAXENGINE hFaxEngine, const char* pszDocument)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    return RunSendFaxDialog(pHostWnd, hFaxEngine, pszDocument);
}

void WINAPI FaxDLL_ShowFaxStatus(FAXHOSTWND* pHostWnd, FAXENGINE hFaxEngine, SEND_FAX* pJob)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    g_FaxStatus.ShowForJob(HostWindowHandle(pHostWnd), hFaxEngine, pJob);
}

void WINAPI FaxDLL_UpdateFaxStatus(DWORD dwUnused, DWORD dwCode, DWORD dwDetail)
{
    if (g_FaxStatus.IsCreated())
        g_FaxStatus.UpdateStatus(dwCode, dwDetail);
}

BOOL WINAPI FaxDLL_HideFaxStatus(DWORD dwUnused)
{
    return g_FaxStatus.HideStatus();
}

void WINAPI FaxDLL_NotifySendLog(SEND_FAX* pRecord, DWORD dwChange)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    if (g_pSendLogPage)
        g_pSendLogPage->OnLogChanged(pRecord, dwChange);
}

void WINAPI FaxDLL_NotifyReceiveLog(SEND_FAX* pRecord, DWORD dwChange)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    if (g_pRecvLogPage)
        g_pRecvLogPage->OnLogChanged(pRecord, dwChange);
}

DWORD WINAPI FaxDLL_NotifyOfModem(const DWORD* pdwModemNumber)
{
    if (!pdwModemNumber)
        return 0;
    return NoteModem(*pdwModemNumber);
}

void WINAPI FaxDLL_OnRefreshLogs(FAXHOSTWND* pHostWnd, FAXENGINE hFaxEngine)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    RefreshFaxLogs(pHostWnd, hFaxEngine);
}

void WINAPI FaxDLL_OnFaxLogs(FAXHOSTWND* pHostWnd, FAXENGINE hFaxEngine)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    RunFaxLogsSheet(pHostWnd, hFaxEngine);
}

void WINAPI FaxDLL_OnFaxPhonebooks(DWORD dwUnused)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    EditPhoneBookDlg();
}

int WINAPI FaxDLL_OnFaxModifyPhonebooks(FAXHOSTWND* pHostWnd)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    CDManageBooks dialog(HostWindowHandle(pHostWnd));
    return static_cast<int>(dialog.DoModal());
}

void WINAPI FaxDLL_OnFaxGeneralSetup(FAXHOSTWND* pHostWnd, FAXENGINE hFaxEngine)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    RunFaxSetupSheet(pHostWnd, kSetupPageGeneral, hFaxEngine);
}

void WINAPI FaxDLL_OnFaxModemSetup(FAXHOSTWND* pHostWnd, FAXENGINE hFaxEngine)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    RunFaxSetupSheet(pHostWnd, kSetupPageModem, hFaxEngine);
}

void WINAPI FaxDLL_OnFaxHeaderSetup(FAXHOSTWND* pHostWnd, FAXENGINE hFaxEngine)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    RunFaxSetupSheet(pHostWnd, kSetupPageHeader, hFaxEngine);
}

void WINAPI FaxDLL_OnFaxLogSetup(FAXHOSTWND* pHostWnd, FAXENGINE hFaxEngine)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    RunFaxSetupSheet(pHostWnd, kSetupPageLogSetup, hFaxEngine);
}

}  // extern "C"

l4linkSt& l4linkSt::operator=(const l4linkSt& other)
{
    dwFirst = other.dwFirst;
    dwSecond = other.dwSecond;
    return *this;
}
