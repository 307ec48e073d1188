#include "setup/dial_prop_page.h"

#include <commctrl.h>

#include <string>

#include "framework/data_exchange.h"
#include "res/resource.h"
#include "settings/setting_names.h"
#include "settings/setting_readers.h"
#include "setup/modem_control_panel.h"
#include "setup/setup_rules.h"

namespace {
// A spin reads at most this many characters of its edit.
constexpr int kSpinTextChars = 7;
}  // namespace

CDialProp::CDialProp() : CFaxSetupPage(IDD_DIALINGSETUP) {}

BOOL CDialProp::OnInitDialog()
{
    m_nDialRetries = ReadSettingNumber(kDialRetries, 2);
    m_nRetryDelay = ReadSettingNumber(kRetryDelay, 90);
    m_bDetectDialTone = static_cast<int>(ReadSettingNumber(kDetectDialTone, 1));
    m_bDetectBusyTone = static_cast<int>(ReadSettingNumber(kDetectBusyTone, 1));
    m_bToneDialing = static_cast<int>(ReadSettingNumber(kToneDialing, 1));
    m_bPulseDialing = !m_bToneDialing;
    UpdateData(false);
    return TRUE;
}

void CDialProp::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_DIAL_RETRIES, m_nDialRetries);
    DDV_MinMaxUInt(pDX, IDC_DIAL_RETRIES, m_nDialRetries, 0, kMaxDialRetries);
    DDX_Text(pDX, IDC_DIAL_DELAY, m_nRetryDelay);
    DDV_MinMaxUInt(pDX, IDC_DIAL_DELAY, m_nRetryDelay, 0, kMaxRetryDelay);
    DDX_Check(pDX, IDC_DIAL_DETECTDIALTONE, m_bDetectDialTone);
    DDX_Check(pDX, IDC_DIAL_DETECTBUSY, m_bDetectBusyTone);
    DDX_Check(pDX, IDC_DIAL_TONE, m_bToneDialing);
    DDX_Check(pDX, IDC_DIAL_PULSE, m_bPulseDialing);
}

void CDialProp::OnOK()
{
    UpdateData(true);
    WriteSettingNumber(kRetryDelay, m_nRetryDelay);
    WriteSettingNumber(kDialRetries, m_nDialRetries);
    WriteSettingNumber(kDetectDialTone, static_cast<DWORD>(m_bDetectDialTone));
    WriteSettingNumber(kDetectBusyTone, static_cast<DWORD>(m_bDetectBusyTone));
    WriteSettingNumber(kToneDialing, static_cast<DWORD>(m_bToneDialing));
}

bool CDialProp::OnCommand(int id, int code, HWND control)
{
    if (code != BN_CLICKED)
        return CFaxSetupPage::OnCommand(id, code, control);
    switch (id) {
    case IDC_DIAL_PROPERTIES:
        StartModemControlPanel();
        return true;
    case IDC_DIAL_DETECTDIALTONE:
        m_bDetectDialTone = IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED;
        return true;
    case IDC_DIAL_DETECTBUSY:
        m_bDetectBusyTone = IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED;
        return true;
    case IDC_DIAL_TONE:
    case IDC_DIAL_PULSE:
        m_bToneDialing = id == IDC_DIAL_TONE;
        m_bPulseDialing = !m_bToneDialing;
        return true;
    default:
        return CFaxSetupPage::OnCommand(id, code, control);
    }
}

bool CDialProp::OnNotify(int id, NMHDR* header, LRESULT* result)
{
    if (header->code != UDN_DELTAPOS)
        return false;
    const int delta = reinterpret_cast<NMUPDOWN*>(header)->iDelta;
    if (id == IDC_DIAL_RETRYSPIN)
        StepEdit(IDC_DIAL_RETRIES, delta, kMaxDialRetries);
    else if (id == IDC_DIAL_DELAYSPIN)
        StepEdit(IDC_DIAL_DELAY, delta, kMaxRetryDelay);
    else
        return false;
    *result = 0;
    return true;
}

void CDialProp::StepEdit(int editId, int delta, unsigned maximum)
{
    char text[kSpinTextChars + 1] = {};
    ::GetDlgItemTextA(m_hWnd, editId, text, sizeof text);
    const unsigned value = StepSpinValue(text, delta, maximum);
    SetDlgItemText(editId, std::to_string(value));
    HWND edit = GetDlgItem(editId);
    ::SetFocus(edit);
    ::SendMessageA(edit, EM_SETSEL, 0, -1);
}
