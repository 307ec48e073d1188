#include "setup/fax_setup_sheet.h"

#include "framework/module_state.h"
#include "framework/resources.h"
#include "host/host_window.h"
#include "res/resource.h"

CFaxSetupSheet::CFaxSetupSheet(HWND parent, UINT startPage, FAXENGINE hFaxEngine)
    : CPropertySheet(LoadModuleString(IDS_FAX_SETUP), parent, startPage)
{
    m_dwFlags = PSH_NOAPPLYNOW | PSH_HASHELP;
    m_nIDHelp = HELP_CONTEXT_SETUP;
    CFaxSetupPage* pages[] = {&m_pageGeneral, &m_pageDialing, &m_pageModem, &m_pageHeader, &m_pageLogSetup};
    for (CFaxSetupPage* page : pages) {
        page->m_hFaxEngine = hFaxEngine;
        AddPage(page);
    }
}

CFaxSetupSheet::~CFaxSetupSheet()
{
    // The sheet's window goes before the pages it holds.
    if (m_hWnd && IsWindow(m_hWnd))
        ::DestroyWindow(m_hWnd);
}

LRESULT CFaxSetupSheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DEVICECHANGE) {
        for (int i = 0; i < GetPageCount(); ++i)
            if (CPropertyPage* page = GetPage(i); page->m_hWnd)
                page->SendMessage(WM_DEVICECHANGE, wParam, lParam);
        return TRUE;
    }
    return CPropertySheet::WindowProc(message, wParam, lParam);
}

void RunFaxSetupSheet(FAXHOSTWND* pHostWnd, UINT nStartPage, FAXENGINE hFaxEngine)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    CFaxSetupSheet sheet(HostWindowHandle(pHostWnd), nStartPage, hFaxEngine);
    sheet.DoModal();
}
