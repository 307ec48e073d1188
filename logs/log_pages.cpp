#include "logs/log_pages.h"

CDRecvLog* g_pRecvLogPage = nullptr;
CDSendLog* g_pSendLogPage = nullptr;
