#include "status/fax_status.h"

#include "RWFaxDlg.h"
#include "engine/fax_engine.h"
#include "framework/data_exchange.h"
#include "framework/resources.h"
#include "res/resource.h"
#include "settings/setting_names.h"
#include "settings/setting_readers.h"

CDFaxStatus g_FaxStatus;

namespace {
// The station identifier is read through a 30-byte buffer.
constexpr size_t kStationIdBuffer = 30;

std::string TextOf(const char* text) { return text ? std::string(text) : std::string(); }
}  // namespace

CDFaxStatus::CDFaxStatus() : CDialog(IDD_FAXSTATUS) {}

void CDFaxStatus::ShowForJob(HWND hostWindow, DWORD hFaxEngine, SEND_FAX* job)
{
    m_pJob = job;
    m_hFaxEngine = hFaxEngine;
    m_dwJobID = job ? job->dwJobID : 0;

    // The window goes with its owner: if the host destroyed it, build it again.
    bool windowAlive = m_hWnd && IsWindow(m_hWnd);
    if (!m_bCreated || !windowAlive) {
        if (!Create(hostWindow))
            return;
        m_bCreated = 1;
    } else {
        FillStatusFields();
        UpdateData(false);
        UpdateStatus(FAXSTATUS_PROGRESS, 0);
    }
    ShowWindow(SW_SHOWNORMAL);
}

BOOL CDFaxStatus::HideStatus()
{
    if (!m_bCreated)
        return 0;
    return ShowWindow(SW_HIDE);
}

BOOL CDFaxStatus::OnInitDialog()
{
    FillStatusFields();
    CDialog::OnInitDialog();  // binds the progress bar and moves the texts to the controls
    m_progress.SetStep(1);
    m_progress.SetPos(0);
    return TRUE;
}

void CDFaxStatus::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_STATUS_PROGRESS, m_progress);
    DDX_Text(pDX, IDC_STATUS_BAUD, m_strBaudRate);
    DDX_Text(pDX, IDC_STATUS_COMPANY, m_strCompany);
    DDX_Text(pDX, IDC_STATUS_FAX, m_strFax);
    DDX_Text(pDX, IDC_STATUS_PHONE, m_strPhone);
    DDX_Text(pDX, IDC_STATUS_PAGE, m_strPage);
    DDX_Text(pDX, IDC_STATUS_STATIONID, m_strStationID);
    DDX_Text(pDX, IDC_STATUS_STATUS, m_strStatus);
    DDX_Text(pDX, IDC_STATUS_SUBJECT, m_strSubject);
    DDX_Text(pDX, IDC_STATUS_NAME, m_strName);
}

void CDFaxStatus::FillStatusFields()
{
    m_strBaudRate.clear();
    m_strCompany.clear();
    m_strFax.clear();
    m_strPhone.clear();
    m_strPage.clear();
    m_strStationID.clear();
    m_strStatus.clear();
    m_strSubject.clear();
    m_strName.clear();
    if (!m_pJob)
        return;
    m_strName = TextOf(m_pJob->szDestName);
    m_strCompany = TextOf(m_pJob->szToCompany);
    m_strFax = TextOf(m_pJob->szDestFax);
    m_strPhone = TextOf(m_pJob->szDestPhone);
    m_strSubject = TextOf(m_pJob->szSubject);
    m_strStationID = ReadSettingText(kSenderFaxId, kStationIdBuffer, std::string());
    m_strStatus = LoadModuleString(IDS_MODEM_INITIALIZING);
}

void CDFaxStatus::UpdateStatus(DWORD code, DWORD value)
{
    switch (code) {
    case FAXSTATUS_BAUD_RATE:
        m_strBaudRate = FormatText("%ld", static_cast<long>(static_cast<int32_t>(value)));
        break;
    case FAXSTATUS_STATUS_TEXT:
        m_strStatus = LoadModuleString(value);
        break;
    case FAXSTATUS_PAGE:
        m_strPage = FormatModuleString(IDS_PAGE_OF, static_cast<long>(static_cast<int32_t>(value)),
                                       static_cast<long>(static_cast<int32_t>(m_nTotalPages)));
        break;
    case FAXSTATUS_PROGRESS:
        if (m_progress.m_hWnd)
            m_progress.SetPos(static_cast<int>(value));
        break;
    case FAXSTATUS_TOTAL_PAGES:
        m_nTotalPages = value;
        break;
    default:
        break;
    }
    UpdateData(false);
}

bool CDFaxStatus::OnCommand(int id, int code, HWND control)
{
    if (id == IDC_STATUS_ABORT && code == BN_CLICKED) {
        OnAbort();
        return true;
    }
    return CDialog::OnCommand(id, code, control);
}

void CDFaxStatus::OnAbort()
{
    FaxCancel(m_hFaxEngine, m_dwJobID);
    OnCancel();
}
