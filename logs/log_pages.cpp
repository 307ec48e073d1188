#include "logs/log_pages.h"

CDRecvLog* g_pRecvLogPage = nullptr;
CDSendLog* g_pSendLogPage = nullptr;

// The pages' lists come with the Fax Logs sheet; until then a change has nowhere to go.
void CDSendLog::OnLogChanged(SEND_FAX* record, DWORD change) {}
void CDRecvLog::OnLogChanged(SEND_FAX* record, DWORD change) {}
