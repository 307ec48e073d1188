#include "logs/refresh_logs.h"

#include "logs/log_pages.h"

void RefreshFaxLogs(FAXHOSTWND* pHostWnd, FAXENGINE hFaxEngine)
{
    CDRecvLog recvLog;
    CDSendLog sendLog;
    for (CLogPage* page : {static_cast<CLogPage*>(&recvLog), static_cast<CLogPage*>(&sendLog)}) {
        page->hFaxEngine = hFaxEngine;
        page->pHostWnd = pHostWnd;
    }
    recvLog.AgeLogs(nullptr);
    sendLog.AgeLogs(nullptr);
}
