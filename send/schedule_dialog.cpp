#include "send/schedule_dialog.h"

#include <commctrl.h>

#include "framework/data_exchange.h"
#include "framework/message_box.h"
#include "res/resource.h"
#include "send/locale_date_time.h"
#include "send/locale_picture.h"

namespace {
// The edits hold at most this many characters; OK reads up to 80.
constexpr int kTextLimit = 15;
constexpr int kReadBuffer = 81;
constexpr int kFormatBuffer = 80;
// Puts the spun field's selection back once the spin has finished with its edit.
constexpr UINT kRestoreSpinSelection = WM_APP + 1;
}  // namespace

CDSchedule::CDSchedule(HWND parent) : CDialog(IDD_SCHEDULE, parent), m_nChoice(SCHEDULE_SEND_NOW)
{
    GetLocalTime(&m_stDateTime);
}

CDSchedule::~CDSchedule() = default;

void CDSchedule::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_SCHED_DATE, m_strDate, kTextLimit);
    DDX_Text(pDX, IDC_SCHED_TIME, m_strTime, kTextLimit);
    DDX_Text(pDX, IDC_SCHED_SUBJECT, m_strSubject);
    DDX_Text(pDX, IDC_SCHED_NAME, m_strName);
    DDX_Text(pDX, IDC_SCHED_FAX, m_strFax);
    DDX_Control(pDX, IDC_SCHED_TIMESPIN, m_spinTime);
}

BOOL CDSchedule::OnInitDialog()
{
    char text[kFormatBuffer] = {};
    DetectTimeMode();
    FormatLocalTime(&m_stDateTime, text, sizeof text);
    m_strTime = text;
    DetectDateOrder();
    text[0] = '\0';
    FormatLocalDate(&m_stDateTime, DatePictureForOrder(g_nDateOrder), text, sizeof text);
    m_strDate = text;

    CDialog::OnInitDialog();
    CheckRadioButton(m_hWnd, SCHEDULE_SEND_NOW, SCHEDULE_HOLD, m_nChoice);
    ApplyChoice();
    return TRUE;
}

void CDSchedule::ApplyChoice()
{
    const bool later = m_nChoice == SCHEDULE_SEND_LATER;
    EnableDlgItem(IDC_SCHED_TIME, later);
    EnableDlgItem(IDC_SCHED_TIMESPIN, later);
    EnableDlgItem(IDC_SCHED_DATE, later);
    EnableDlgItem(IDC_SCHED_DATESPIN, later);
}

bool CDSchedule::OnCommand(int id, int code, HWND control)
{
    if (id >= SCHEDULE_SEND_NOW && id <= SCHEDULE_HOLD && code == BN_CLICKED) {
        m_nChoice = id;
        ApplyChoice();
        return true;
    }
    return CDialog::OnCommand(id, code, control);
}

bool CDSchedule::OnNotify(int id, NMHDR* header, LRESULT* result)
{
    if (header->code != UDN_DELTAPOS || (id != IDC_SCHED_TIMESPIN && id != IDC_SCHED_DATESPIN))
        return false;
    // The spins keep their default range, whose upper end is the lower number: the up arrow
    // reports a negative delta.
    const int step = -reinterpret_cast<NMUPDOWN*>(header)->iDelta;
    if (id == IDC_SCHED_TIMESPIN)
        SpinTimeField(m_hWnd, IDC_SCHED_TIME, IDC_SCHED_DATE, step, &g_wTimeSelStart, &g_wTimeSelEnd);
    else
        SpinDateField(m_hWnd, IDC_SCHED_DATE, IDC_SCHED_TIME, step, &g_wDateSelStart, &g_wDateSelEnd);
    *result = 0;
    return true;
}

bool CDSchedule::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == kRestoreSpinSelection) {
        RestoreSpinSelection();
        *result = 0;
        return true;
    }
    if (message != WM_VSCROLL || LOWORD(wParam) != SB_ENDSCROLL)
        return false;
    // Some spin controls select their buddy's whole text after telling the end of the spin;
    // the field is selected again once that is done.
    PostMessageA(m_hWnd, kRestoreSpinSelection, 0, 0);
    *result = 0;
    return true;
}

void CDSchedule::RestoreSpinSelection()
{
    DWORD start = 0, end = 0;
    SendDlgItemMessage(IDC_SCHED_TIME, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if (start != 0 || end != 0) {
        SendDlgItemMessage(IDC_SCHED_TIME, EM_SETSEL, g_wTimeSelStart, g_wTimeSelEnd);
        return;
    }
    SendDlgItemMessage(IDC_SCHED_DATE, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if (start != 0 || end != 0)
        SendDlgItemMessage(IDC_SCHED_DATE, EM_SETSEL, g_wDateSelStart, g_wDateSelEnd);
}

void CDSchedule::OnOK()
{
    char text[kReadBuffer] = {};
    ::GetDlgItemTextA(m_hWnd, IDC_SCHED_TIME, text, sizeof text);
    m_strTime = text;
    text[0] = '\0';
    ::GetDlgItemTextA(m_hWnd, IDC_SCHED_DATE, text, sizeof text);
    m_strDate = text;
    SYSTEMTIME now = {};
    GetLocalTime(&now);

    // Both texts are checked whatever the choice; a refused text is already replaced by
    // the current time or today's date, so a second OK goes through.
    if (!CheckTimeText(m_strTime, &now, &m_stDateTime)) {
        RefuseText(IDC_SCHED_TIME, IDS_INVALID_TIME, m_strTime);
        return;
    }
    if (!CheckDateText(m_strDate, &now, &m_stDateTime)) {
        RefuseText(IDC_SCHED_DATE, IDS_INVALID_DATE, m_strDate);
        return;
    }
    EndDialog(IDOK);
}

void CDSchedule::RefuseText(int editId, UINT messageId, const std::string& corrected)
{
    FaxMessageBoxId(m_hWnd, messageId, 0, MB_OK | MB_ICONEXCLAMATION);
    SetDlgItemText(editId, corrected);
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(editId)), TRUE);
}
