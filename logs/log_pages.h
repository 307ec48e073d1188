#pragma once
// The two pages of the Fax Logs sheet as the entry points reach them: engine log changes
// are handed to the open pages through two module-wide pointers, set only while the sheet
// is open.
#include "logs/recv_log_page.h"
#include "logs/send_log_page.h"

extern CDRecvLog* g_pRecvLogPage;
extern CDSendLog* g_pSendLogPage;
