#include "setup/fax_gen_page.h"

#include <commctrl.h>

#include "framework/beep.h"
#include "framework/data_exchange.h"
#include "framework/message_box.h"
#include "host/fax_app.h"
#include "res/resource.h"
#include "send/locale_date_time.h"
#include "settings/setting_names.h"
#include "settings/setting_readers.h"
#include "setup/setup_rules.h"

namespace {
// The page reads its texts through a buffer of 64 bytes.
constexpr size_t kGeneralTextBuffer = 64;
constexpr int kSenderTextLimit = 30;
constexpr int kStationIdLimit = 20;

std::string ReadGeneralText(const char* valueName)
{
    return ReadSettingText(valueName, kGeneralTextBuffer, std::string());
}
}  // namespace

bool NormaliseOffpeakTime(std::string& text, WORD defaultHour)
{
    SYSTEMTIME fallback = {};
    GetLocalTime(&fallback);
    fallback.wHour = defaultHour;
    fallback.wMinute = 0;
    fallback.wSecond = 0;
    fallback.wMilliseconds = 0;
    return CheckTimeText(text, &fallback, nullptr) != 0;
}

CDFaxGen::CDFaxGen() : CFaxSetupPage(IDD_GENERALSETUP) {}

BOOL CDFaxGen::OnInitDialog()
{
    DetectTimeMode();

    m_strName = ReadGeneralText(kSenderName);
    m_strCompany = ReadGeneralText(kSenderCompany);
    m_strPhone = ReadGeneralText(kSenderPhone);
    m_strFax = ReadGeneralText(kSenderFax);
    m_strFaxID = ReadGeneralText(kSenderFaxId);

    m_strOffpeakStart = ReadGeneralText(kOffpeakStart);
    m_strOffpeakStop = ReadGeneralText(kOffpeakStop);
    NormaliseOffpeakTime(m_strOffpeakStart, kOffpeakStartHour);
    NormaliseOffpeakTime(m_strOffpeakStop, kOffpeakStopHour);

    m_bEnableOffpeak = static_cast<int>(ReadSettingNumber(kEnableOffpeak, 0));
    m_bAfterOffpeak = static_cast<int>(ReadSettingNumber(kAfterOffpeak, 1));
    g_bDisplayStatus = static_cast<BOOL>(ReadSettingNumber(kDisplayStatus, 1));
    g_bNotifyOnCompletion = static_cast<BOOL>(ReadSettingNumber(kNotifyOnCompletion, 0));
    m_bDisplayStatus = g_bDisplayStatus;
    m_bNotify = g_bNotifyOnCompletion;

    UpdateData(false);
    UpdateOffpeakControls();
    return TRUE;
}

void CDFaxGen::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_GEN_NAME, m_strName, kSenderTextLimit);
    DDX_Text(pDX, IDC_GEN_PHONE, m_strPhone, kSenderTextLimit);
    DDX_Text(pDX, IDC_GEN_COMPANY, m_strCompany, kSenderTextLimit);
    DDX_Text(pDX, IDC_GEN_FAX, m_strFax, kSenderTextLimit);
    DDX_Text(pDX, IDC_GEN_FAXID, m_strFaxID, kStationIdLimit);
    DDX_Check(pDX, IDC_GEN_ENABLEOFFPEAK, m_bEnableOffpeak);
    DDX_Text(pDX, IDC_GEN_FROM, m_strOffpeakStart);
    DDX_Text(pDX, IDC_GEN_TO, m_strOffpeakStop);
    DDX_Check(pDX, IDC_GEN_AFTEROFFPEAK, m_bAfterOffpeak);
    DDX_Check(pDX, IDC_GEN_DISPLAYSTATUS, m_bDisplayStatus);
    DDX_Check(pDX, IDC_GEN_NOTIFY, m_bNotify);
}

BOOL CDFaxGen::OnKillActive()
{
    if (!UpdateData(true))
        return FALSE;
    // Both times are checked, also while off-peak dialing is disabled: the schedule
    // computation reads them whatever this page shows. The stop time only once the start is
    // right, so that the user hears of one mistake at a time.
    struct TimeCheck {
        std::string* text;
        WORD defaultHour;
        int editId;
        UINT messageId;
    } checks[] = {
        {&m_strOffpeakStart, kOffpeakStartHour, IDC_GEN_FROM, IDS_INVALID_OFFPEAK_START},
        {&m_strOffpeakStop, kOffpeakStopHour, IDC_GEN_TO, IDS_INVALID_OFFPEAK_END},
    };
    for (const TimeCheck& check : checks) {
        if (NormaliseOffpeakTime(*check.text, check.defaultHour))
            continue;
        SetDlgItemText(check.editId, *check.text);
        FaxMessageBoxId(nullptr, check.messageId, 0, MB_OK | MB_ICONINFORMATION);
        ::SetFocus(GetDlgItem(check.editId));
        return FALSE;
    }
    return TRUE;
}

void CDFaxGen::OnOK()
{
    UpdateData(true);
    WriteSettingText(kSenderName, m_strName);
    WriteSettingText(kSenderCompany, m_strCompany);
    WriteSettingText(kSenderPhone, m_strPhone);
    WriteSettingText(kSenderFax, m_strFax);
    WriteSettingText(kSenderFaxId, m_strFaxID);
    NormaliseOffpeakTime(m_strOffpeakStart, kOffpeakStartHour);
    NormaliseOffpeakTime(m_strOffpeakStop, kOffpeakStopHour);
    WriteSettingText(kOffpeakStart, m_strOffpeakStart);
    WriteSettingText(kOffpeakStop, m_strOffpeakStop);
    WriteSettingNumber(kAfterOffpeak, static_cast<DWORD>(m_bAfterOffpeak));
    WriteSettingNumber(kEnableOffpeak, static_cast<DWORD>(m_bEnableOffpeak));
    WriteSettingNumber(kDisplayStatus, static_cast<DWORD>(g_bDisplayStatus));
    WriteSettingNumber(kNotifyOnCompletion, static_cast<DWORD>(g_bNotifyOnCompletion));
}

bool CDFaxGen::OnCommand(int id, int code, HWND control)
{
    switch (id) {
    case IDC_GEN_ENABLEOFFPEAK:
        if (code != BN_CLICKED)
            return false;
        UpdateOffpeakControls();
        return true;
    case IDC_GEN_DISPLAYSTATUS:
        if (code != BN_CLICKED)
            return false;
        m_bDisplayStatus = IsDlgButtonChecked(m_hWnd, IDC_GEN_DISPLAYSTATUS) == BST_CHECKED;
        g_bDisplayStatus = m_bDisplayStatus;
        return true;
    case IDC_GEN_NOTIFY:
        if (code != BN_CLICKED)
            return false;
        m_bNotify = IsDlgButtonChecked(m_hWnd, IDC_GEN_NOTIFY) == BST_CHECKED;
        g_bNotifyOnCompletion = m_bNotify;
        return true;
    case IDC_GEN_FAXID:
        if (code != EN_CHANGE)
            return false;
        FilterStationFaxId();
        return true;
    default:
        return CFaxSetupPage::OnCommand(id, code, control);
    }
}

bool CDFaxGen::OnNotify(int id, NMHDR* header, LRESULT* result)
{
    if (header->code != UDN_DELTAPOS || (id != IDC_GEN_FROMSPIN && id != IDC_GEN_TOSPIN))
        return false;
    auto* change = reinterpret_cast<NMUPDOWN*>(header);
    SpinOffpeakTime(id == IDC_GEN_FROMSPIN ? IDC_GEN_FROM : IDC_GEN_TO, change->iDelta);
    *result = 0;  // the up-down control keeps its own position change
    return true;
}

bool CDFaxGen::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message != WM_VSCROLL || LOWORD(wParam) != SB_ENDSCROLL)
        return false;
    HWND from = reinterpret_cast<HWND>(lParam);
    if (from != GetDlgItem(IDC_GEN_FROMSPIN) && from != GetDlgItem(IDC_GEN_TOSPIN))
        return false;
    RestoreSpinSelection();
    *result = 0;
    return true;
}

void CDFaxGen::UpdateOffpeakControls()
{
    m_bEnableOffpeak = IsDlgButtonChecked(m_hWnd, IDC_GEN_ENABLEOFFPEAK) == BST_CHECKED;
    const bool enable = m_bEnableOffpeak != 0;
    for (int id : {IDC_GEN_FROM, IDC_GEN_TO, IDC_GEN_FROMSPIN, IDC_GEN_TOSPIN, IDC_GEN_AFTEROFFPEAK})
        EnableDlgItem(id, enable);
}

void CDFaxGen::FilterStationFaxId()
{
    if (m_bFilteringFaxId)
        return;  // the cleaned text going back in changes the edit once more
    HWND edit = GetDlgItem(IDC_GEN_FAXID);
    DWORD selStart = 0, selEnd = 0;
    ::SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&selStart), reinterpret_cast<LPARAM>(&selEnd));
    StationIdFilterResult filtered = ::FilterStationFaxId(GetDlgItemText(IDC_GEN_FAXID), static_cast<int>(selEnd));
    if (filtered.removed == 0)
        return;
    DefaultBeep();
    m_bFilteringFaxId = true;
    ::SetWindowTextA(edit, filtered.text.c_str());
    m_bFilteringFaxId = false;
    ::SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(filtered.caret), filtered.caret);
    ::SendMessageA(edit, EM_SCROLLCARET, 0, 0);
}

void CDFaxGen::SpinOffpeakTime(int editId, int delta)
{
    // The upper arrow reports a negative change and moves the time on.
    if (editId == IDC_GEN_FROM)
        SpinTimeField(m_hWnd, IDC_GEN_FROM, IDC_GEN_TO, -delta, &m_wFromSelStart, &m_wFromSelEnd);
    else
        SpinTimeField(m_hWnd, IDC_GEN_TO, IDC_GEN_FROM, -delta, &m_wToSelStart, &m_wToSelEnd);
}

void CDFaxGen::RestoreSpinSelection()
{
    struct Remembered {
        int editId;
        WORD start;
        WORD end;
    } edits[] = {{IDC_GEN_FROM, m_wFromSelStart, m_wFromSelEnd}, {IDC_GEN_TO, m_wToSelStart, m_wToSelEnd}};
    for (const Remembered& remembered : edits) {
        HWND edit = GetDlgItem(remembered.editId);
        DWORD start = 0, end = 0;
        ::SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        if (start == end)
            continue;
        ::SetFocus(edit);
        ::SendMessageA(edit, EM_SETSEL, remembered.start, remembered.end);
        return;
    }
}
