#include "setup/modem_set_page.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "RWFaxDlg.h"
#include "framework/data_exchange.h"
#include "framework/message_box.h"
#include "framework/resources.h"
#include "host/fax_app.h"
#include "res/resource.h"
#include "settings/setting_names.h"
#include "settings/setting_readers.h"
#include "setup/engine_device_switch.h"
#include "setup/modem_control_panel.h"
#include "setup/modem_discovery.h"
#include "setup/platform_version.h"
#include "setup/setup_rules.h"

BOOL g_bAutoReceiveAtOpen = FALSE;
BOOL g_bForwardAtOpen = FALSE;

namespace {
constexpr size_t kModemNameBuffer = 128;
constexpr DWORD kMaxSpeakerVolume = 3;
}  // namespace

CDModemSet::CDModemSet() : CFaxSetupPage(IDD_MODEMSETUP)
{
    m_bAutoReceive = 1;
    g_bWinNT = QueryPlatformId() == VER_PLATFORM_WIN32_NT;
}

BOOL CDModemSet::OnInitDialog()
{
    UpdateData(false);  // binds the two lists

    m_nCommPort = ReadSettingNumber(kCommPort, 0);
    const DWORD answerModeBusy = ReadSettingNumber(kAutoReceiveBusy, 0);
    if (m_nCommPort != 0) {
        EnableDlgItem(IDC_MODEM_AUTORECEIVE, true);
        m_bAutoReceive = ReadSettingNumber(kAutoReceive, 0) != 0;
        g_bAutoReceiveAtOpen = m_bAutoReceive;
        CheckDlgButton(m_hWnd, IDC_MODEM_AUTORECEIVE, m_bAutoReceive ? BST_CHECKED : BST_UNCHECKED);
        m_nForwardType = ReadSettingNumber(kFaxForwardType, kForwardSpeedDial);
        m_nForwardNumber = ReadSettingNumber(kFaxForwardNumber, 0);
        m_bForward = ReadSettingNumber(kFaxForwardSetting, 0) != 0;
        g_bForwardAtOpen = m_bForward;
        CheckDlgButton(m_hWnd, IDC_MODEM_FORWARD, m_bForward ? BST_CHECKED : BST_UNCHECKED);
        FillForwardList();
        m_cbForward.SetCurSel(ForwardIndexFromTarget(m_nForwardType, m_nForwardNumber));
        // A change of the answering mode that the engine has not carried out yet: the
        // answering controls wait for it.
        const bool locked = answerModeBusy != 0;
        EnableDlgItem(IDC_MODEM_AUTORECEIVE, !locked);
        EnableDlgItem(IDC_MODEM_FORWARD, !locked);
        EnableDlgItem(IDC_MODEM_FORWARDLIST, !locked);
    } else {
        m_bAutoReceive = 0;
        EnableDlgItem(IDC_MODEM_AUTORECEIVE, false);
        EnableDlgItem(IDC_MODEM_FORWARD, false);
        EnableDlgItem(IDC_MODEM_FORWARDLIST, false);
    }

    m_nSpeakerVolume = std::min(ReadSettingNumber(kSpeakerVolume, 1), kMaxSpeakerVolume);
    SendDlgItemMessage(IDC_MODEM_VOLUME, TBM_SETRANGE, FALSE, MAKELPARAM(0, kMaxSpeakerVolume));
    SendDlgItemMessage(IDC_MODEM_VOLUME, TBM_SETTICFREQ, 1);
    SendDlgItemMessage(IDC_MODEM_VOLUME, TBM_SETPOS, TRUE, static_cast<LPARAM>(m_nSpeakerVolume));
    m_bOnUntilConnected = ReadSettingNumber(kOnUntilConnected, 1) != 0;
    CheckDlgButton(m_hWnd, IDC_MODEM_ONUNTIL, m_bOnUntilConnected ? BST_CHECKED : BST_UNCHECKED);

    UpdateData(false);
    OnAutoReceiveClicked();
    EnableDlgItem(IDC_MODEM_ONUNTIL, m_nSpeakerVolume != 0);

    DiscoverModems();
    return TRUE;
}

void CDModemSet::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_MODEM_LIST, m_cbModems);
    DDX_Control(pDX, IDC_MODEM_FORWARDLIST, m_cbForward);
    DDX_Check(pDX, IDC_MODEM_AUTORECEIVE, m_bAutoReceive);
    DDX_Check(pDX, IDC_MODEM_FORWARD, m_bForward);
}

void CDModemSet::DiscoverModems()
{
    const std::vector<InstalledModem> modems = g_bWinNT ? DiscoverModemsNT() : DiscoverModems95();
    m_cbModems.ResetContent();
    for (const InstalledModem& modem : modems) {
        const int index = m_cbModems.AddString(modem.strName.c_str());
        if (index >= 0)
            m_cbModems.SetItemData(index, static_cast<LPARAM>(modem.nPort));
    }
    const std::string stored = ReadSettingText(kModem, kModemNameBuffer, std::string());
    int selected = -1;
    for (int i = 0; i < m_cbModems.GetCount() && selected < 0; ++i)
        if (lstrcmpiA(m_cbModems.GetLBText(i).c_str(), stored.c_str()) == 0)
            selected = i;
    m_cbModems.SetCurSel(selected >= 0 ? selected : 0);
}

void CDModemSet::FillForwardList()
{
    m_cbForward.ResetContent();
    const std::string speedDial = LoadModuleString(IDS_SPEED_DIAL);
    const std::string rapidDial = LoadModuleString(IDS_RAPID_DIAL);
    for (int number = 0; number < kSpeedDialCount; ++number)
        m_cbForward.AddString((speedDial + FormatText(" %02d", number)).c_str());
    for (int number = 1; number <= kRapidDialCount; ++number)
        m_cbForward.AddString((rapidDial + FormatText(" %02d", number)).c_str());
}

void CDModemSet::StoreModemCommands(int position)
{
    const ModemCommands commands = ReadModemCommands(position, g_bWinNT != 0);
    m_strReset = commands.strReset;
    m_strInit = commands.strInit;
    WriteSettingText(kModemInit, m_strInit);
    WriteSettingText(kModemReset, m_strReset);
}

void CDModemSet::OnAutoReceiveClicked()
{
    m_bAutoReceive = IsDlgButtonChecked(m_hWnd, IDC_MODEM_AUTORECEIVE) == BST_CHECKED;
    if (!m_bAutoReceive)
        return;
    m_bForward = 0;
    CheckDlgButton(m_hWnd, IDC_MODEM_FORWARD, BST_UNCHECKED);
    EnableDlgItem(IDC_MODEM_FORWARDLIST, false);
}

void CDModemSet::OnForwardClicked()
{
    m_bForward = IsDlgButtonChecked(m_hWnd, IDC_MODEM_FORWARD) == BST_CHECKED;
    EnableDlgItem(IDC_MODEM_FORWARDLIST, m_bForward != 0);
    if (!m_bForward)
        return;
    m_bAutoReceive = 0;
    CheckDlgButton(m_hWnd, IDC_MODEM_AUTORECEIVE, BST_UNCHECKED);
}

void CDModemSet::OnVolumeChanged()
{
    m_nSpeakerVolume = static_cast<DWORD>(SendDlgItemMessage(IDC_MODEM_VOLUME, TBM_GETPOS));
    EnableDlgItem(IDC_MODEM_ONUNTIL, m_nSpeakerVolume != 0);
}

bool CDModemSet::OnCommand(int id, int code, HWND control)
{
    switch (id) {
    case IDC_MODEM_AUTORECEIVE:
        if (code != BN_CLICKED)
            return false;
        OnAutoReceiveClicked();
        return true;
    case IDC_MODEM_FORWARD:
        if (code != BN_CLICKED)
            return false;
        OnForwardClicked();
        return true;
    case IDC_MODEM_ONUNTIL:
        if (code != BN_CLICKED)
            return false;
        m_bOnUntilConnected = IsDlgButtonChecked(m_hWnd, IDC_MODEM_ONUNTIL) == BST_CHECKED;
        return true;
    case IDC_MODEM_INSTALL:
        if (code != BN_CLICKED)
            return false;
        // The page hears of new modems through the system's device-change broadcast.
        StartModemControlPanel();
        return true;
    case IDC_MODEM_VOLUME:
        OnVolumeChanged();
        return true;
    default:
        return CFaxSetupPage::OnCommand(id, code, control);
    }
}

bool CDModemSet::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (message) {
    case WM_HSCROLL:
        if (reinterpret_cast<HWND>(lParam) != GetDlgItem(IDC_MODEM_VOLUME))
            return false;
        OnVolumeChanged();
        *result = 0;
        return true;
    case WM_DEVICECHANGE:
        DiscoverModems();
        *result = TRUE;
        return true;
    default:
        return false;
    }
}

void CDModemSet::OnOK()
{
    UpdateData(true);
    const int position = m_cbModems.GetCurSel();
    const std::string modemName = position >= 0 ? m_cbModems.GetLBText(position) : std::string();
    const DWORD port = position >= 0 ? static_cast<DWORD>(m_cbModems.GetItemData(position)) : 0;

    // Without a chosen modem there is no port to move the engine to and no commands to store.
    const bool accepted = position >= 0 && SwitchEngineDevice(m_hFaxEngine, port, m_nCommPort);
    if (position >= 0)
        StoreModemCommands(position);

    if (AnswerModeChangePending(m_bAutoReceive != 0, m_bForward != 0, g_bAutoReceiveAtOpen != 0,
                                g_bForwardAtOpen != 0))
        WriteSettingNumber(kAutoReceiveBusy, 1);
    FaxSetConfig(m_hFaxEngine, "AutoReceive", m_bAutoReceive || m_bForward ? "ON" : "OFF");

    if (!accepted) {
        FaxMessageBoxId(m_hWnd, IDS_NOT_A_FAX_MODEM, 0, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    StoreSettings(modemName, port);
    if (HWND mail = FindWindowA(nullptr, kMailApplicationTitle))
        PostMessageA(mail, WM_FAX_MODEM_CHANGED, 0, 0);
}

void CDModemSet::StoreSettings(const std::string& modemName, DWORD port)
{
    WriteSettingText(kModem, modemName);
    WriteSettingNumber(kCommPort, port);
    WriteSettingNumber(kAutoReceive, static_cast<DWORD>(m_bAutoReceive));
    WriteSettingNumber(kDisplayStatus, static_cast<DWORD>(g_bDisplayStatus));
    WriteSettingNumber(kNotifyOnCompletion, static_cast<DWORD>(g_bNotifyOnCompletion));
    WriteSettingNumber(kSpeakerVolume, m_nSpeakerVolume);
    WriteSettingNumber(kOnUntilConnected, static_cast<DWORD>(m_bOnUntilConnected));
    WriteSettingNumber(kFaxForwardSetting, static_cast<DWORD>(m_bForward));
    // A forwarding list that was never filled (no port when the page opened) has no
    // selection: the stored target stays as it is.
    const int target = m_cbForward.GetCurSel();
    if (target >= 0) {
        const ForwardTarget chosen = ForwardTargetFromIndex(target);
        m_nForwardType = chosen.type;
        m_nForwardNumber = chosen.number;
        WriteSettingNumber(kFaxForwardType, m_nForwardType);
        WriteSettingNumber(kFaxForwardNumber, m_nForwardNumber);
    }
}
