#include "logs/log_page.h"

#include <unordered_set>

#include "engine/fax_engine.h"
#include "framework/data_exchange.h"
#include "framework/message_box.h"
#include "framework/resources.h"
#include "framework/trace.h"
#include "logs/log_age.h"
#include "logs/log_block_walk.h"
#include "logs/log_file_names.h"
#include "logs/log_list_layout.h"
#include "res/resource.h"
#include "send/send_schedule.h"
#include "settings/setting_names.h"
#include "settings/setting_readers.h"

namespace {
// The size of a block the engine handed out, 0 when it is not global memory.
size_t EngineBlockSize(const void* block)
{
    HGLOBAL memory = GlobalHandle(block);
    return memory ? GlobalSize(memory) : 0;
}

bool IsLogOpened(SHORT result) { return result >= 1 && result < FAXLOG_INIT_FIRST_FAILURE; }

// An engine that kept announcing more blocks would hold the page forever: a block that
// brings no entry the walk has not had already ends it, however long the log. Only an
// engine inventing entries reaches this many; no fax log holds them.
constexpr size_t kMostEntries = size_t{1} << 22;

// Reads the open log block by block and hands every record to visit.
template <typename Visit>
void WalkOpenLog(FAXENGINE engine, Visit visit)
{
    std::unordered_set<DWORD> delivered;
    for (;;) {
        CEngineMemory<SEND_FAX> block;
        SHORT count = FAXLOG_BLOCK_ENTRIES;
        SHORT result = FaxLogNextBlock(engine, block.Receive(), &count);
        if (count <= 0 || !block)
            return;
        bool news = false;
        WalkLogBlock(block.Get(), EngineBlockSize(block.Get()), count, [&](SEND_FAX* record) {
            news = delivered.insert(record->dwJobID).second || news;
            visit(record);
        });
        if (result != FAXLOG_MORE_BLOCKS || !news || delivered.size() >= kMostEntries)
            return;
    }
}
}  // namespace

CLogPage::CLogPage(UINT templateId, UINT helpContext) : CPropertyPage(templateId, true)
{
    m_nIDHelp = helpContext;
}

void CLogPage::DoDataExchange(CDataExchange* pDX) { DDX_Control(pDX, IDC_LOG_LIST, m_lstLog); }

void CLogPage::LoadLogKind(int kind, int* index)
{
    CLogDateTimeTexts texts;
    LoadLogKind(kind, index, texts);
}

void CLogPage::LoadLogKind(int kind, int* index, CLogDateTimeTexts& texts)
{
    if (!OpenLogForListing(kind))
        return;
    WalkOpenLog(hFaxEngine, [&](SEND_FAX* record) {
        m_rows.SetLogRow(record, *index, kind, texts);
        ++*index;
    });
}

void CLogPage::FillList(const std::vector<int>& kinds)
{
    SetupLogList(m_lstLog);
    m_rows.Clear();
    // Filling with redrawing off is many times faster.
    m_lstLog.SendMessage(WM_SETREDRAW, FALSE);
    int index = 0;
    CLogDateTimeTexts texts;
    for (int kind : kinds)
        LoadLogKind(kind, &index, texts);
    m_lstLog.SendMessage(WM_SETREDRAW, TRUE);
    InvalidateRect(m_lstLog.m_hWnd, nullptr, TRUE);
}

void CLogPage::ApplyLogChange(SEND_FAX* record, DWORD change, const std::vector<int>& kinds)
{
    // Before the page was first shown it has no list yet: it reads the log when it opens.
    if (!record || !m_lstLog.m_hWnd)
        return;
    const int kind = record->nLogType;
    bool handled = false;
    for (int k : kinds)
        handled = handled || k == kind;
    if (!handled)
        return;
    if (change == FAXLOG_CHANGE_UPDATED) {
        CLogDateTimeTexts texts;
        m_rows.SetLogRow(record, m_lstLog.GetItemCount(), kind, texts);
    } else if (change == FAXLOG_CHANGE_REMOVED) {
        int row = m_rows.FindRow(record->dwJobID);
        if (row >= 0)
            m_rows.DeleteRow(row);
    }
}

namespace {
// The entry goes whatever happens to its files; a file that stays behind is worth a trace.
void DeleteDocumentFile(const std::string& path)
{
    if (DeleteFileA(path.c_str()))
        return;
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND)
        FaxTrace("DeleteLogEntry - cannot delete %s (error %lu).\n", path.c_str(), static_cast<unsigned long>(error));
}
}  // namespace

void CLogPage::DeleteLogEntry(const SEND_FAX* record, int kind)
{
    const std::string fileList = record->szFileList ? record->szFileList : "";
    if (!fileList.empty()) {
        TellHost(WM_FAXDOC_REMOVED, DocumentFolder(kind) + "\\" + DocumentNameWithoutExtension(fileList));
        std::string sibling;
        if (ReplaceLastChars(fileList, 3, "tif", &sibling))
            DeleteDocumentFile(sibling);
        if (ReplaceLastChars(fileList, 3, "LRS", &sibling))
            DeleteDocumentFile(sibling);
    }
    FaxLogDelete(hFaxEngine, record->dwJobID, static_cast<SHORT>(kind));
}

void CLogPage::AgeLogKind(int kind, DWORD* count)
{
    if (!IsLogOpened(FaxLogInit(hFaxEngine, static_cast<SHORT>(kind))))
        return;
    if (count)
        *count = 0;
    const AgeingSettings settings = Ageing();
    DWORD enabled = 1;
    if (TryReadSettingNumber(settings.enableName, &enabled) && enabled == 0)
        return;
    DWORD days = settings.defaultDays;
    if (!TryReadSettingNumber(settings.daysName, &days) && !settings.hasDefaultDays)
        return;

    const SYSTEMTIME local = SendNow();
    uint64_t now = 0;
    if (!LogEntryFileTime(local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond, &now))
        return;
    if (FaxLogGetCount(hFaxEngine, static_cast<SHORT>(kind)) < 1)
        return;
    WalkOpenLog(hFaxEngine, [&](SEND_FAX* record) {
        uint64_t entryTime = 0;
        if (!MayAge(*record) ||
            !LogEntryFileTime(record->nYear, record->nMonth, record->nDay, record->nHour, record->nMinute,
                              record->nSecond, &entryTime) ||
            !IsLogEntryAged(entryTime, days, now))
            return;
        DeleteLogEntry(record, record->nLogType);
        if (count)
            ++*count;
    });
}

std::vector<int> CLogPage::SelectedRows() const
{
    std::vector<int> rows;
    for (int row = m_lstLog.GetNextItem(-1, LVNI_SELECTED); row >= 0; row = m_lstLog.GetNextItem(row, LVNI_SELECTED))
        rows.push_back(row);
    return rows;
}

int CLogPage::FirstSelectedRow() const { return m_lstLog.GetNextItem(-1, LVNI_SELECTED); }

bool CLogPage::FetchLogRecord(DWORD jobId, CEngineMemory<SEND_FAX>& record)
{
    if (FaxLogFind(hFaxEngine, record.Receive(), jobId) == FAXENGINE_OK && record)
        return true;
    record.Release();
    FaxMessageBoxId(m_hWnd, IDS_LOG_NOT_FOUND, 0, MB_OK);
    return false;
}

bool CLogPage::ConfirmDelete(int count)
{
    DWORD confirm = 1;
    if (TryReadSettingNumber(kConfirmDeletes, &confirm) && confirm == 0)
        return true;
    const std::string text =
        count == 1 ? LoadModuleString(IDS_CONFIRM_DELETE_LOG) : FormatModuleString(IDS_CONFIRM_DELETE_LOGS, count);
    const std::string caption = LoadModuleString(IDS_DELETE_LOG_CAPTION);
    return FaxMessageBox(m_hWnd, text, caption.c_str(), MB_OKCANCEL | MB_ICONSTOP) == IDOK;
}

bool CLogPage::DeleteRowEntry(int row, int kind)
{
    CEngineMemory<SEND_FAX> record;
    if (!FetchLogRecord(RowJobId(row), record))
        return false;
    DeleteLogEntry(record.Get(), kind);
    m_rows.DeleteRow(row);
    return true;
}

void CLogPage::TellHost(UINT message, const std::string& path) const
{
    if (HWND host = HostWindow())
        ::SendMessageA(host, message, 0, reinterpret_cast<LPARAM>(path.c_str()));
}

bool CLogPage::OnNotify(int id, NMHDR* header, LRESULT* result)
{
    if (id != IDC_LOG_LIST)
        return false;
    switch (header->code) {
    case NM_CLICK:
        UpdateLogButtons();
        *result = 0;
        return true;
    case LVN_ITEMCHANGED: {
        // Only the selection decides the buttons. Filling, sorting and rewriting rows change
        // item data and texts of every row, and looking for the selected rows each time
        // would cost a walk over the whole list per row.
        const auto* change = reinterpret_cast<const NMLISTVIEW*>(header);
        if ((change->uChanged & LVIF_STATE) && ((change->uOldState ^ change->uNewState) & LVIS_SELECTED))
            UpdateLogButtons();
        *result = 0;
        return true;
    }
    case NM_DBLCLK:
        OnView();
        *result = 0;
        return true;
    default:
        return false;
    }
}
