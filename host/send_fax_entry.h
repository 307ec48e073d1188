#pragma once
// The work of FaxDLL_OnSendFax once the module's state is current: the Send Fax dialog for
// the host's document, parented to the foreground window.
#include "RWFaxDlg.h"

// The dialog's modal result: IDOK when the jobs were handed over, IDCANCEL when cancelled.
int RunSendFaxDialog(FAXHOSTWND* pHostWnd, FAXENGINE hFaxEngine, const char* pszDocument);
