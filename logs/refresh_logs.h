#pragma once
// FaxDLL_OnRefreshLogs: ages the receive log and the send log without showing anything.
#include "RWFaxDlg.h"

void RefreshFaxLogs(FAXHOSTWND* pHostWnd, FAXENGINE hFaxEngine);
