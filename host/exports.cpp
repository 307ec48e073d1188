// The entry points of RWFaxDlg.dll. Each one that touches a window or a resource makes the
// module's framework state current first and gives the caller's back on every way out.
// Whatever a host passes, each returns a defined result, and no C++ exception leaves one.
#include "RWFaxDlg.h"

#include "framework/module_state.h"
#include "host/export_guard.h"
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
    const char* const self = __func__;  // inside a lambda __func__ names the lambda
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    return GuardExport(self, static_cast<int>(IDCANCEL), [&] {
        // Without a document there is nothing to fax: the user is not asked for anything.
        if (Missing(self, pszDocument, "document"))
            return static_cast<int>(IDCANCEL);
        Missing(self, pHostWnd, "host window");
        NoteMissingEngine(self, hFaxEngine);
        return RunSendFaxDialog(pHostWnd, hFaxEngine, pszDocument);
    });
}

void WINAPI FaxDLL_ShowFaxStatus(FAXHOSTWND* pHostWnd, FAXENGINE hFaxEngine, SEND_FAX* pJob)
{
    const char* const self = __func__;
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    GuardExport(self, 0, [&] {
        // Without a record the window shows empty fields, as for a job not yet known.
        Missing(self, pJob, "job record");
        Missing(self, pHostWnd, "host window");
        NoteMissingEngine(self, hFaxEngine);
        g_FaxStatus.ShowForJob(HostWindowHandle(pHostWnd), hFaxEngine, pJob);
        return 0;
    });
}

void WINAPI FaxDLL_UpdateFaxStatus(DWORD dwUnused, DWORD dwCode, DWORD dwDetail)
{
    const char* const self = __func__;
    GuardExport(self, 0, [&] {
        if (dwCode > FAXSTATUS_TOTAL_PAGES) {
            FaxTrace("%s - unknown status code %lu.\n", self, static_cast<unsigned long>(dwCode));
            return 0;
        }
        if (g_FaxStatus.IsCreated())
            g_FaxStatus.UpdateStatus(dwCode, dwDetail);
        return 0;
    });
}

BOOL WINAPI FaxDLL_HideFaxStatus(DWORD dwUnused)
{
    const char* const self = __func__;
    return GuardExport(self, static_cast<BOOL>(FALSE), [] { return g_FaxStatus.HideStatus(); });
}

namespace {
// The checks both log notifications share; true when the change can go to a page.
bool IsUsableLogChange(const char* exportName, const SEND_FAX* pRecord, DWORD dwChange)
{
    if (Missing(exportName, pRecord, "log record"))
        return false;
    if (dwChange != FAXLOG_CHANGE_UPDATED && dwChange != FAXLOG_CHANGE_REMOVED) {
        FaxTrace("%s - unknown change code %lu.\n", exportName, static_cast<unsigned long>(dwChange));
        return false;
    }
    return true;
}
}  // namespace

void WINAPI FaxDLL_NotifySendLog(SEND_FAX* pRecord, DWORD dwChange)
{
    const char* const self = __func__;
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    GuardExport(self, 0, [&] {
        if (IsUsableLogChange(self, pRecord, dwChange) && g_pSendLogPage)
            g_pSendLogPage->OnLogChanged(pRecord, dwChange);
        return 0;
    });
}

void WINAPI FaxDLL_NotifyReceiveLog(SEND_FAX* pRecord, DWORD dwChange)
{
    const char* const self = __func__;
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    GuardExport(self, 0, [&] {
        if (IsUsableLogChange(self, pRecord, dwChange) && g_pRecvLogPage)
            g_pRecvLogPage->OnLogChanged(pRecord, dwChange);
        return 0;
    });
}

DWORD WINAPI FaxDLL_NotifyOfModem(const DWORD* pdwModemNumber)
{
    const char* const self = __func__;
    return GuardExport(self, static_cast<DWORD>(0), [&] {
        if (Missing(self, pdwModemNumber, "modem number"))
            return static_cast<DWORD>(0);
        return NoteModem(*pdwModemNumber);
    });
}

void WINAPI FaxDLL_OnRefreshLogs(FAXHOSTWND* pHostWnd, FAXENGINE hFaxEngine)
{
    const char* const self = __func__;
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    GuardExport(self, 0, [&] {
        // Without a host window the documents are still deleted; nobody is told.
        Missing(self, pHostWnd, "host window");
        NoteMissingEngine(self, hFaxEngine);
        RefreshFaxLogs(pHostWnd, hFaxEngine);
        return 0;
    });
}

void WINAPI FaxDLL_OnFaxLogs(FAXHOSTWND* pHostWnd, FAXENGINE hFaxEngine)
{
    const char* const self = __func__;
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    GuardExport(self, 0, [&] {
        Missing(self, pHostWnd, "host window");
        NoteMissingEngine(self, hFaxEngine);
        RunFaxLogsSheet(pHostWnd, hFaxEngine);
        return 0;
    });
}

void WINAPI FaxDLL_OnFaxPhonebooks(DWORD dwUnused)
{
    const char* const self = __func__;
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    GuardExport(self, 0, [] {
        EditPhoneBookDlg();
        return 0;
    });
}

int WINAPI FaxDLL_OnFaxModifyPhonebooks(FAXHOSTWND* pHostWnd)
{
    const char* const self = __func__;
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    return GuardExport(self, static_cast<int>(IDCANCEL), [&] {
        Missing(self, pHostWnd, "host window");
        CDManageBooks dialog(HostWindowHandle(pHostWnd));
        return static_cast<int>(dialog.DoModal());
    });
}

namespace {
void RunSetup(const char* exportName, FAXHOSTWND* pHostWnd, UINT startPage, FAXENGINE hFaxEngine)
{
    GuardExport(exportName, 0, [&] {
        Missing(exportName, pHostWnd, "host window");
        NoteMissingEngine(exportName, hFaxEngine);
        RunFaxSetupSheet(pHostWnd, startPage, hFaxEngine);
        return 0;
    });
}
}  // namespace

void WINAPI FaxDLL_OnFaxGeneralSetup(FAXHOSTWND* pHostWnd, FAXENGINE hFaxEngine)
{
    const char* const self = __func__;
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    RunSetup(self, pHostWnd, kSetupPageGeneral, hFaxEngine);
}

void WINAPI FaxDLL_OnFaxModemSetup(FAXHOSTWND* pHostWnd, FAXENGINE hFaxEngine)
{
    const char* const self = __func__;
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    RunSetup(self, pHostWnd, kSetupPageModem, hFaxEngine);
}

void WINAPI FaxDLL_OnFaxHeaderSetup(FAXHOSTWND* pHostWnd, FAXENGINE hFaxEngine)
{
    const char* const self = __func__;
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    RunSetup(self, pHostWnd, kSetupPageHeader, hFaxEngine);
}

void WINAPI FaxDLL_OnFaxLogSetup(FAXHOSTWND* pHostWnd, FAXENGINE hFaxEngine)
{
    const char* const self = __func__;
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    RunSetup(self, pHostWnd, kSetupPageLogSetup, hFaxEngine);
}

}  // extern "C"

l4linkSt& l4linkSt::operator=(const l4linkSt& other)
{
    dwFirst = other.dwFirst;
    dwSecond = other.dwSecond;
    return *this;
}
