#pragma once
// The Dialing page of the Fax Setup sheet: how often and how long apart failed calls are
// retried, dial-tone and busy-tone detection, tone or pulse dialing, and a way into the
// system's modem control panel for the telephony location.
#include <windows.h>

#include "setup/fax_setup_page.h"

class CDialProp : public CFaxSetupPage {
public:
    CDialProp();

    unsigned m_nDialRetries = 2;
    unsigned m_nRetryDelay = 90;  // seconds
    int m_bDetectDialTone = 0;
    int m_bDetectBusyTone = 0;
    int m_bToneDialing = 0;
    int m_bPulseDialing = 0;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(int id, NMHDR* header, LRESULT* result) override;

private:
    // One step of an up-down control on its edit's number, kept within 0..maximum.
    void StepEdit(int editId, int delta, unsigned maximum);
};

constexpr unsigned kMaxDialRetries = 10;
constexpr unsigned kMaxRetryDelay = 300;
