#include "host/send_fax_entry.h"

#include "framework/wnd.h"
#include "res/resource.h"
#include "send/send_fax_dialog.h"

int RunSendFaxDialog(FAXHOSTWND* pHostWnd, FAXENGINE hFaxEngine, const char* pszDocument)
{
    // The dialog's parent is whatever window is in front, borrowed for the call. A window
    // that already has an object of this module keeps it: borrowing its handle would take
    // it out of the module's window map.
    HWND foreground = GetForegroundWindow();
    CWnd* parent = CWnd::FromHandlePermanent(foreground);
    CWnd borrowed;
    if (!parent && foreground && borrowed.Attach(foreground))
        parent = &borrowed;

    INT_PTR result;
    {
        CDSendFax dialog(parent, pHostWnd, nullptr, SENDFAX_OPEN_NEW);
        dialog.m_pHostWnd = pHostWnd;
        dialog.m_hFaxEngine = hFaxEngine;
        dialog.m_strDocument = pszDocument ? pszDocument : "";
        dialog.m_nIDHelp = HELP_CONTEXT_SENDFAX;
        result = dialog.DoModal();
    }
    borrowed.Detach();
    return static_cast<int>(result);
}
