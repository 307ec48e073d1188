#pragma once
// The two pages of the Fax Logs sheet as the entry points reach them: engine log changes
// are handed to the open pages through two module-wide pointers, set only while the sheet
// is open.
#include <windows.h>

#include "SendFax.h"

class CDSendLog {
public:
    // An entry of the send log was added or changed (code 3) or removed (code 4).
    void OnLogChanged(SEND_FAX* record, DWORD change);
};

class CDRecvLog {
public:
    // An entry of the receive log was added or changed (code 3) or removed (code 4).
    void OnLogChanged(SEND_FAX* record, DWORD change);
};

extern CDRecvLog* g_pRecvLogPage;
extern CDSendLog* g_pSendLogPage;
