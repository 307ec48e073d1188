#include "logs/recv_log_page.h"

#include "engine/fax_engine.h"
#include "framework/message_box.h"
#include "framework/resources.h"
#include "host/fax_folders.h"
#include "logs/forward_document.h"
#include "logs/log_file_names.h"
#include "logs/log_status_texts.h"
#include "res/resource.h"
#include "send/send_fax_dialog.h"
#include "settings/setting_names.h"

CDRecvLog::CDRecvLog() : CLogPage(IDD_RECVLOG, HELP_CONTEXT_RECVLOG) { ComputeFaxFolderPaths(); }

BOOL CDRecvLog::OnInitDialog()
{
    CLogPage::OnInitDialog();
    // The time column keeps the time mode an earlier caller left.
    FillList({FAXLOG_RECEIVED});
    UpdateLogButtons();
    ::ShowWindow(GetDlgItem(IDC_RECVLOG_PRINT), SW_HIDE);
    return TRUE;
}

bool CDRecvLog::OpenLogForListing(int kind)
{
    SHORT opened = FaxLogInit(hFaxEngine, static_cast<SHORT>(kind));
    if (opened < 1 || opened >= FAXLOG_INIT_FIRST_FAILURE)
        return false;
    return FaxLogGetCount(hFaxEngine, static_cast<SHORT>(kind)) >= 1;
}

const std::string& CDRecvLog::DocumentFolder(int) const { return g_strInboxDir; }

CLogPage::AgeingSettings CDRecvLog::Ageing() const
{
    // Without a number of days nothing received is aged.
    return {kDeleteReceivedFaxes, kDeleteRecvDays, false, 0};
}

bool CDRecvLog::MayAge(const SEND_FAX& record) const
{
    return record.nLogType == FAXLOG_RECEIVED && record.nState != FAXSTATE_RECEIVING;
}

void CDRecvLog::AgeLogs(DWORD* count) { AgeLogKind(FAXLOG_RECEIVED, count); }

void CDRecvLog::OnLogChanged(SEND_FAX* record, DWORD change) { ApplyLogChange(record, change, {FAXLOG_RECEIVED}); }

void CDRecvLog::UpdateLogButtons()
{
    std::vector<int> rows = SelectedRows();
    bool receiving = false;
    for (int row : rows)
        receiving = receiving || RowStatus(row) == g_strReceiving;
    EnableDlgItem(IDC_RECVLOG_FORWARD, !receiving && rows.size() == 1);
    EnableDlgItem(IDC_RECVLOG_DELETE, !receiving && !rows.empty());
}

bool CDRecvLog::OnCommand(int id, int code, HWND control)
{
    if (code == BN_CLICKED && id == IDC_RECVLOG_FORWARD) {
        OnForward();
        return true;
    }
    if (code == BN_CLICKED && id == IDC_RECVLOG_DELETE) {
        OnDelete();
        return true;
    }
    return CLogPage::OnCommand(id, code, control);
}

bool CDRecvLog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message != WM_RECVLOG_NOTIFY)
        return false;
    OnLogChanged(reinterpret_cast<SEND_FAX*>(wParam), static_cast<DWORD>(lParam));
    *result = 0;
    return true;
}

void CDRecvLog::OnDelete()
{
    DeleteSelectedEntries([](const std::string&) { return FAXLOG_RECEIVED; });
}

void CDRecvLog::OnView()
{
    int row = FirstSelectedRow();
    if (row < 0)
        return;
    if (RowStatus(row) == g_strError) {
        FaxMessageBoxId(m_hWnd, IDS_RECEIVE_ERROR_VIEW, 0, MB_OK);
        return;
    }
    CEngineMemory<SEND_FAX> record;
    if (!FetchLogRecord(RowJobId(row), record) || !record->szFileList)
        return;
    std::string name;
    if (!ReplaceLastChars(FileNameOfPath(record->szFileList), 3, "qoi", &name))
        return;
    TellHost(WM_FAXDOC_VIEW, g_strInboxDir + "\\" + name);
}

void CDRecvLog::OnForward()
{
    int row = FirstSelectedRow();
    CEngineMemory<SEND_FAX> record;
    if (row < 0 || !FetchLogRecord(RowJobId(row), record))
        return;
    CDSendFax dialog(this, pHostWnd, record.Get(), SENDFAX_OPEN_FORWARD);
    dialog.m_hFaxEngine = hFaxEngine;
    dialog.m_strDocument = record->szFileList ? record->szFileList : "";
    // The dialog takes the document as a TIFF file and makes the engine's form of it anew.
    if (!dialog.m_strDocument.empty()) {
        const std::string document = ForwardedDocumentPath(record->szFileList);
        if (!RewriteForwardedDocument(hFaxEngine, document))
            FaxMessageBox(m_hWnd, FormatModuleString(IDS_CANNOT_READ_FAX, document.c_str()), nullptr, MB_OK);
    }
    dialog.DoModal();
    record.Release();
}
