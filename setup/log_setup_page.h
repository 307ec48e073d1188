#pragma once
// The Log Setup page of the Fax Setup sheet: whether a sent fax document is kept, whether
// sent and received faxes are deleted from the logs after a number of days, and whether
// deletions are confirmed. The log pages and the log ageing read these values.
#include <windows.h>

#include "setup/fax_setup_page.h"

class CDLogSetup : public CFaxSetupPage {
public:
    CDLogSetup();

    int m_bKeepAfterSend = 1;
    int m_bDeleteSent = 1;
    int m_bDeleteReceived = 0;  // follows its check box by hand, not by the data exchange
    unsigned m_nDeleteSentDays = 30;
    unsigned m_nDeleteRecvDays = 30;
    int m_bConfirmDeletes = 1;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    bool OnCommand(int id, int code, HWND control) override;
};

constexpr unsigned kMinLogDays = 1;
constexpr unsigned kMaxLogDays = 366;
