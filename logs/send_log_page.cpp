#include "logs/send_log_page.h"

#include "engine/fax_engine.h"
#include "framework/message_box.h"
#include "framework/resources.h"
#include "host/fax_app.h"
#include "host/fax_folders.h"
#include "logs/full_resolution.h"
#include "logs/log_file_names.h"
#include "logs/log_row.h"
#include "logs/log_status_texts.h"
#include "res/resource.h"
#include "send/locale_date_time.h"
#include "send/schedule_dialog.h"
#include "send/send_fax_dialog.h"
#include "send/send_schedule.h"
#include "settings/setting_names.h"

namespace {
// Sent and failed jobs are kept this many days when the settings do not say.
constexpr DWORD kDefaultSentDays = 30;

// The log kind of a row as its status tells it when the row is deleted.
int SendKindOfStatus(const std::string& status)
{
    if (status == g_strError)
        return FAXLOG_FAILED;
    if (status == g_strComplete)
        return FAXLOG_SENT;
    if (status == g_strPending)
        return FAXLOG_WAITING;
    return FAXLOG_SENDING;
}

const char* TextOf(const char* text) { return text ? text : ""; }

// The empty user text of a released job.
char g_szNoUserText[1] = "";
}  // namespace

CDSendLog::CDSendLog() : CLogPage(IDD_SENDLOG, HELP_CONTEXT_SENDLOG)
{
    LoadLogStatusTexts();
    ComputeFaxFolderPaths();
}

BOOL CDSendLog::OnInitDialog()
{
    CLogPage::OnInitDialog();
    DetectTimeMode();
    FillList({FAXLOG_FAILED, FAXLOG_SENT, FAXLOG_WAITING, FAXLOG_SENDING});
    UpdateLogButtons();
    ::ShowWindow(GetDlgItem(IDC_SENDLOG_PRINT), SW_HIDE);
    return TRUE;
}

bool CDSendLog::OpenLogForListing(int kind)
{
    // The send log counts first and accepts an opening result of 0.
    if (FaxLogGetCount(hFaxEngine, static_cast<SHORT>(kind)) < 1)
        return false;
    return FaxLogInit(hFaxEngine, static_cast<SHORT>(kind)) < FAXLOG_INIT_FIRST_FAILURE;
}

const std::string& CDSendLog::DocumentFolder(int kind) const
{
    return kind == FAXLOG_SENT ? g_strSentDir : g_strOutboxDir;
}

CLogPage::AgeingSettings CDSendLog::Ageing() const
{
    return {kDeleteSentFaxes, kDeleteSentDays, true, kDefaultSentDays};
}

bool CDSendLog::MayAge(const SEND_FAX& record) const
{
    return record.nLogType == FAXLOG_SENT || record.nLogType == FAXLOG_FAILED;
}

void CDSendLog::AgeLogs(DWORD* count)
{
    DWORD sent = 0;
    DWORD failed = 0;
    AgeLogKind(FAXLOG_SENT, &sent);
    AgeLogKind(FAXLOG_FAILED, &failed);
    if (count)
        *count = sent + failed;
}

void CDSendLog::OnLogChanged(SEND_FAX* record, DWORD change)
{
    ApplyLogChange(record, change, {FAXLOG_WAITING, FAXLOG_SENDING, FAXLOG_SENT, FAXLOG_FAILED});
}

void CDSendLog::UpdateLogButtons()
{
    bool resend = false, reschedule = false, hold = false, release = false, erase = false;
    const UINT selected = m_lstLog.GetSelectedCount();
    if (selected > 1) {
        erase = true;
    } else if (selected == 1) {
        erase = true;
        const std::string status = RowStatus(FirstSelectedRow());
        if (status == g_strComplete || status == g_strError) {
            resend = true;
        } else if (status == g_strPending) {
            reschedule = hold = true;
        } else if (status == g_strOnHold) {
            reschedule = release = true;
        }
    }
    EnableDlgItem(IDC_SENDLOG_RESEND, resend);
    EnableDlgItem(IDC_SENDLOG_RESCHEDULE, reschedule);
    EnableDlgItem(IDC_SENDLOG_HOLD, hold);
    EnableDlgItem(IDC_SENDLOG_RELEASE, release);
    EnableDlgItem(IDC_SENDLOG_DELETE, erase);
}

bool CDSendLog::OnCommand(int id, int code, HWND control)
{
    if (code == BN_CLICKED) {
        switch (id) {
        case IDC_SENDLOG_DELETE:
            OnDelete();
            return true;
        case IDC_SENDLOG_RESEND:
            OnResend();
            return true;
        case IDC_SENDLOG_HOLD:
            OnHold();
            return true;
        case IDC_SENDLOG_RELEASE:
            OnRelease();
            return true;
        case IDC_SENDLOG_RESCHEDULE:
            OnReschedule();
            return true;
        default:
            break;
        }
    }
    return CLogPage::OnCommand(id, code, control);
}

bool CDSendLog::FetchSelectedJob(CEngineMemory<SEND_FAX>& record)
{
    int row = FirstSelectedRow();
    return row >= 0 && FetchLogRecord(RowJobId(row), record);
}

bool CDSendLog::ConfirmJobChange(const SEND_FAX& record, UINT promptId, UINT captionId)
{
    const std::string text = FormatModuleString(promptId, TextOf(record.szDestName));
    const std::string caption = LoadModuleString(captionId);
    return FaxMessageBox(m_hWnd, text, caption.c_str(), MB_OKCANCEL | MB_ICONEXCLAMATION) == IDOK;
}

void CDSendLog::OnHold()
{
    CEngineMemory<SEND_FAX> record;
    if (!FetchSelectedJob(record) || !ConfirmJobChange(*record.Get(), IDS_HOLD_PROMPT, IDS_HOLD_CAPTION))
        return;
    // A held job waits a year ahead; the hold marker tells it from a job meant for then.
    record->nYear = static_cast<int16_t>(record->nYear + 1);
    record->szUserDefined = const_cast<char*>(g_strOnHold.c_str());
    ResubmitJob(record.Get());
}

void CDSendLog::OnRelease()
{
    CEngineMemory<SEND_FAX> record;
    if (!FetchSelectedJob(record) || !ConfirmJobChange(*record.Get(), IDS_RELEASE_PROMPT, IDS_RELEASE_CAPTION))
        return;
    record->nYear = static_cast<int16_t>(record->nYear - 1);
    record->szUserDefined = g_szNoUserText;
    ResubmitJob(record.Get());
}

void CDSendLog::ResubmitJob(SEND_FAX* record)
{
    WithdrawJob(record);
    ScheduleAgain(record);
}

void CDSendLog::WithdrawJob(SEND_FAX* record)
{
    const std::string document = TextOf(record->szFileList);
    std::string aside;
    const bool moveAside = ReplaceLastChars(document, 3, "FMP", &aside);
    if (moveAside)
        MoveFileA(document.c_str(), aside.c_str());
    FaxLogDelete(hFaxEngine, record->dwJobID, FAXLOG_WAITING);
    if (moveAside)
        MoveFileA(aside.c_str(), document.c_str());

    record->dwEngineReserved160 = 0;
    record->dwJobID = 0;
    record->wEngineReserved164 = 0;
    record->nTotPages = 0;
    record->wEngineReserved168 = 0;
    record->wEngineReserved170 = 0;
    record->wEngineReserved174 = 0;
    record->wEngineReserved176 = 0;
    record->wEngineReserved182 = 0;
    record->wEngineReserved184 = 0;
    record->wEngineReserved186 = 0;
    record->wEngineReserved204 = 0;
    record->nError = 0;
    record->nState = 1;
}

void CDSendLog::ScheduleAgain(SEND_FAX* record)
{
    if (FaxSchedule(hFaxEngine, record) == 0 && g_bNotifyOnCompletion == 1)
        FaxMessageBoxId(m_hWnd, IDS_FAX_TRANSMIT_ERROR, IDS_FAX_NOTIFICATION, MB_OK | MB_ICONSTOP);
}

void CDSendLog::OnReschedule()
{
    const int row = FirstSelectedRow();
    if (row < 0)
        return;
    const DWORD jobId = RowJobId(row);
    CDSchedule schedule(m_hWnd);
    {
        CEngineMemory<SEND_FAX> record;
        if (!FetchLogRecord(jobId, record))
            return;
        schedule.m_strName = TextOf(record->szDestName);
        schedule.m_strFax = TextOf(record->szDestFax);
        schedule.m_stDateTime = {};
        // A held job is offered at the day it was held for.
        schedule.m_stDateTime.wYear = static_cast<WORD>(IsHeldJob(*record.Get()) ? record->nYear - 1 : record->nYear);
        schedule.m_stDateTime.wMonth = static_cast<WORD>(record->nMonth);
        schedule.m_stDateTime.wDay = static_cast<WORD>(record->nDay);
        schedule.m_stDateTime.wHour = static_cast<WORD>(record->nHour);
        schedule.m_stDateTime.wMinute = static_cast<WORD>(record->nMinute);
        schedule.m_stDateTime.wSecond = static_cast<WORD>(record->nSecond);
    }
    if (schedule.DoModal() != IDOK)
        return;

    CEngineMemory<SEND_FAX> record;
    if (!FetchLogRecord(jobId, record))
        return;
    // The job started or ended while the user chose: there is nothing to reschedule.
    if (record->nLogType != FAXLOG_WAITING)
        return;
    WithdrawJob(record.Get());
    FillSendSchedule(record.Get(), schedule.m_nChoice, schedule.m_strDate.c_str(), schedule.m_strTime.c_str());
    ScheduleAgain(record.Get());
}

void CDSendLog::OnResend()
{
    CEngineMemory<SEND_FAX> record;
    if (!FetchSelectedJob(record))
        return;
    CDSendFax dialog(this, pHostWnd, record.Get(), SENDFAX_OPEN_RESEND);
    dialog.m_hFaxEngine = hFaxEngine;
    dialog.m_strDocument = TextOf(record->szFileList);
    RestoreFullResolutionDocument(dialog.m_strDocument);
    dialog.DoModal();
    record.Release();
}

void CDSendLog::OnDelete() { DeleteSelectedEntries(&SendKindOfStatus); }

void CDSendLog::OnView()
{
    int row = FirstSelectedRow();
    if (row < 0)
        return;
    CEngineMemory<SEND_FAX> record;
    if (!FetchLogRecord(RowJobId(row), record))
        return;
    const std::string status = RowStatus(row);
    if (status == g_strSending || !record->szFileList || !*record->szFileList)
        return;
    const std::string name = ReplaceExtension(FileNameOfPath(record->szFileList), "qoi");
    const std::string& folder = status == g_strComplete ? g_strSentDir : g_strOutboxDir;
    TellHost(WM_FAXDOC_VIEW, folder + "\\" + name);
}
