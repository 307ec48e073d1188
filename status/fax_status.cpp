#include "status/fax_status.h"

#include "res/resource.h"

CDFaxStatus g_FaxStatus;

CDFaxStatus::CDFaxStatus() : CDialog(IDD_FAXSTATUS) {}

void CDFaxStatus::ShowForJob(HWND hostWindow, DWORD hFaxEngine, SEND_FAX* job)
{
    m_pJob = job;
    m_hFaxEngine = hFaxEngine;
    m_dwJobID = job ? job->dwJobID : 0;
    // The window itself comes with its dialog template.
}

void CDFaxStatus::UpdateStatus(DWORD code, DWORD detail) {}

BOOL CDFaxStatus::HideStatus()
{
    if (!m_bCreated)
        return 0;
    return ShowWindow(SW_HIDE);
}
