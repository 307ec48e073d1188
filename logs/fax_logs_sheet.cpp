#include "logs/fax_logs_sheet.h"

#include "framework/resources.h"
#include "host/host_window.h"
#include "res/resource.h"

CFaxLogsSheet::CFaxLogsSheet(FAXHOSTWND* pHostWnd, FAXENGINE hFaxEngine)
    : CPropertySheet(LoadModuleString(IDS_FAX_LOGS), HostWindowHandle(pHostWnd), 0),
      m_pRecvLog(std::make_unique<CDRecvLog>()),
      m_pSendLog(std::make_unique<CDSendLog>())
{
    g_pRecvLogPage = m_pRecvLog.get();
    g_pSendLogPage = m_pSendLog.get();
    AddPage(m_pRecvLog.get());
    AddPage(m_pSendLog.get());
    m_dwFlags |= PSH_NOAPPLYNOW | PSH_HASHELP;
    for (CLogPage* page : {static_cast<CLogPage*>(m_pRecvLog.get()), static_cast<CLogPage*>(m_pSendLog.get())}) {
        page->hFaxEngine = hFaxEngine;
        page->pHostWnd = pHostWnd;
    }
}

CFaxLogsSheet::~CFaxLogsSheet()
{
    // No change may reach a page that is going.
    g_pRecvLogPage = nullptr;
    g_pSendLogPage = nullptr;
    if (m_hWnd && IsWindow(m_hWnd))
        DestroyWindow();
}

void RunFaxLogsSheet(FAXHOSTWND* pHostWnd, FAXENGINE hFaxEngine)
{
    CFaxLogsSheet sheet(pHostWnd, hFaxEngine);
    sheet.DoModal();
}
