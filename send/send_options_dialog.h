#pragma once
// Fax Send Options: whether the fax engine keeps the sent pages after sending. Starts from
// the Log Setup page's keep-after-send default and writes the choice for the next send.
#include <windows.h>

#include "framework/dialog.h"

class CDSendOptions : public CDialog {
public:
    explicit CDSendOptions(HWND parent = nullptr);
    ~CDSendOptions() override;

    int m_bKeepPages = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
};
