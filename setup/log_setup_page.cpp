#include "setup/log_setup_page.h"

#include "framework/data_exchange.h"
#include "res/resource.h"
#include "settings/setting_names.h"
#include "settings/setting_readers.h"

CDLogSetup::CDLogSetup() : CFaxSetupPage(IDD_LOGSETUP) {}

BOOL CDLogSetup::OnInitDialog()
{
    m_bKeepAfterSend = static_cast<int>(ReadSettingNumber(kKeepAfterSend, 1));
    m_bDeleteSent = static_cast<int>(ReadSettingNumber(kDeleteSentFaxes, 1));
    m_bDeleteReceived = static_cast<int>(ReadSettingNumber(kDeleteReceivedFaxes, 0));
    m_nDeleteSentDays = ReadSettingNumber(kDeleteSentDays, 30);
    m_nDeleteRecvDays = ReadSettingNumber(kDeleteRecvDays, 30);
    m_bConfirmDeletes = static_cast<int>(ReadSettingNumber(kConfirmDeletes, 1));
    UpdateData(false);
    CheckDlgButton(m_hWnd, IDC_LOGSET_DELETESENT, m_bDeleteSent ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(m_hWnd, IDC_LOGSET_DELETERECV, m_bDeleteReceived ? BST_CHECKED : BST_UNCHECKED);
    EnableDlgItem(IDC_LOGSET_SENTDAYS, m_bDeleteSent != 0);
    EnableDlgItem(IDC_LOGSET_RECVDAYS, m_bDeleteReceived != 0);
    return TRUE;
}

void CDLogSetup::DoDataExchange(CDataExchange* pDX)
{
    // The day counts are checked also while their edits are disabled: log ageing reads them.
    DDX_Check(pDX, IDC_LOGSET_KEEP, m_bKeepAfterSend);
    DDX_Check(pDX, IDC_LOGSET_DELETESENT, m_bDeleteSent);
    DDX_Text(pDX, IDC_LOGSET_SENTDAYS, m_nDeleteSentDays);
    DDV_MinMaxUInt(pDX, IDC_LOGSET_SENTDAYS, m_nDeleteSentDays, kMinLogDays, kMaxLogDays);
    DDX_Text(pDX, IDC_LOGSET_RECVDAYS, m_nDeleteRecvDays);
    DDV_MinMaxUInt(pDX, IDC_LOGSET_RECVDAYS, m_nDeleteRecvDays, kMinLogDays, kMaxLogDays);
    DDX_Check(pDX, IDC_LOGSET_CONFIRM, m_bConfirmDeletes);
}

void CDLogSetup::OnOK()
{
    UpdateData(true);
    WriteSettingNumber(kKeepAfterSend, static_cast<DWORD>(m_bKeepAfterSend));
    WriteSettingNumber(kKeepPages, static_cast<DWORD>(m_bKeepAfterSend));
    WriteSettingNumber(kDeleteSentFaxes, static_cast<DWORD>(m_bDeleteSent));
    WriteSettingNumber(kDeleteReceivedFaxes, static_cast<DWORD>(m_bDeleteReceived));
    WriteSettingNumber(kDeleteSentDays, m_nDeleteSentDays);
    WriteSettingNumber(kDeleteRecvDays, m_nDeleteRecvDays);
    WriteSettingNumber(kConfirmDeletes, static_cast<DWORD>(m_bConfirmDeletes));
}

bool CDLogSetup::OnCommand(int id, int code, HWND control)
{
    if (code != BN_CLICKED || (id != IDC_LOGSET_DELETESENT && id != IDC_LOGSET_DELETERECV))
        return CFaxSetupPage::OnCommand(id, code, control);
    const bool checked = IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED;
    if (id == IDC_LOGSET_DELETESENT) {
        m_bDeleteSent = checked;
        EnableDlgItem(IDC_LOGSET_SENTDAYS, checked);
    } else {
        m_bDeleteReceived = checked;
        EnableDlgItem(IDC_LOGSET_RECVDAYS, checked);
    }
    return true;
}
