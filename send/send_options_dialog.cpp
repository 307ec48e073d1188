#include "send/send_options_dialog.h"

#include "framework/data_exchange.h"
#include "res/resource.h"
#include "settings/setting_names.h"
#include "settings/setting_readers.h"

CDSendOptions::CDSendOptions(HWND parent) : CDialog(IDD_SENDOPTIONS, parent) {}

CDSendOptions::~CDSendOptions() = default;

void CDSendOptions::DoDataExchange(CDataExchange* pDX) { DDX_Check(pDX, IDC_OPTIONS_KEEPPAGES, m_bKeepPages); }

BOOL CDSendOptions::OnInitDialog()
{
    // Pages are kept unless the Log Setup page stored another choice than 1.
    DWORD keepAfterSend = 0;
    m_bKeepPages = TryReadSettingNumber(kKeepAfterSend, &keepAfterSend) && keepAfterSend != 1 ? 0 : 1;
    return CDialog::OnInitDialog();
}

void CDSendOptions::OnOK()
{
    UpdateData(true);
    WriteSettingNumber(kKeepPages, m_bKeepPages == 1 ? 1 : 0);
    EndDialog(IDOK);
}
