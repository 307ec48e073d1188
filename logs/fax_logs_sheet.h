#pragma once
// The Fax Logs sheet: the receive log, then the send log, with a Help button and no Apply.
// While the sheet object lives, the module-wide page pointers lead the engine's log
// changes to its pages.
#include <memory>

#include "RWFaxDlg.h"
#include "framework/property_sheet.h"
#include "logs/log_pages.h"

class CFaxLogsSheet : public CPropertySheet {
public:
    CFaxLogsSheet(FAXHOSTWND* pHostWnd, FAXENGINE hFaxEngine);
    ~CFaxLogsSheet() override;

    CDRecvLog& RecvLog() { return *m_pRecvLog; }
    CDSendLog& SendLog() { return *m_pSendLog; }

private:
    std::unique_ptr<CDRecvLog> m_pRecvLog;
    std::unique_ptr<CDSendLog> m_pSendLog;
};

// FaxDLL_OnFaxLogs: runs the sheet modally for the host.
void RunFaxLogsSheet(FAXHOSTWND* pHostWnd, FAXENGINE hFaxEngine);
