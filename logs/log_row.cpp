#include "logs/log_row.h"

#include "host/fax_folders.h"
#include "logs/log_status_texts.h"

bool IsHeldJob(const SEND_FAX& record)
{
    return record.szUserDefined && g_strOnHold == record.szUserDefined;
}

bool IsReceptionInProgress(const SEND_FAX& record, int kind)
{
    return kind == FAXLOG_RECEIVED && record.nState == FAXSTATE_RECEIVING;
}

const std::string* LogStatusText(const SEND_FAX& record, int kind)
{
    switch (kind) {
    case FAXLOG_WAITING:
        return IsHeldJob(record) ? &g_strOnHold : &g_strPending;
    case FAXLOG_SENDING:
        return record.nError ? &g_strError : &g_strSending;
    case FAXLOG_SENT:
        return &g_strComplete;
    case FAXLOG_FAILED:
        return &g_strError;
    case FAXLOG_RECEIVED:
        if (record.nError)
            return &g_strError;
        return record.nState == FAXSTATE_RECEIVING ? &g_strReceiving : &g_strComplete;
    default:
        return nullptr;
    }
}

int CLogRows::FindRow(DWORD jobId)
{
    auto entry = m_entries.find(jobId);
    if (entry == m_entries.end())
        return -1;
    int row = entry->second.row;
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    if (row >= 0 && m_list.GetItem(&item) && static_cast<DWORD>(item.lParam) == jobId)
        return row;
    // Rows moved since (a sort, a deletion above): the list finds it by its item data.
    LVFINDINFOA find = {};
    find.flags = LVFI_PARAM;
    find.lParam = static_cast<LPARAM>(jobId);
    row = m_list.FindItem(&find);
    if (row < 0)
        m_entries.erase(entry);
    else
        entry->second.row = row;
    return row;
}

std::string CLogRows::RowStatus(int row) const
{
    auto entry = m_entries.find(JobIdOfRow(row));
    return entry == m_entries.end() ? std::string() : *entry->second.status;
}

void CLogRows::DeleteRow(int row)
{
    const DWORD jobId = JobIdOfRow(row);
    if (m_list.DeleteItem(row))
        m_entries.erase(jobId);
}

void CLogRows::SetLogRow(const SEND_FAX* record, int index, int kind, CLogDateTimeTexts& texts)
{
    if (!record)
        return;
    const std::string* status = LogStatusText(*record, kind);
    if (!status)
        return;
    const DWORD jobId = record->dwJobID;

    // A job has at most one row, as every row is written here: the new row takes its place.
    const int replaced = FindRow(jobId);
    if (replaced >= 0) {
        m_list.DeleteItem(replaced);
        index = replaced;
    }

    SYSTEMTIME when = {};
    // Holding moved the job one year ahead; the row shows the date it was meant for.
    when.wYear = static_cast<WORD>(status == &g_strOnHold ? record->nYear - 1 : record->nYear);
    when.wMonth = static_cast<WORD>(record->nMonth);
    when.wDay = static_cast<WORD>(record->nDay);
    when.wHour = static_cast<WORD>(record->nHour);
    when.wMinute = static_cast<WORD>(record->nMinute);
    when.wSecond = static_cast<WORD>(record->nSecond);

    const bool receiving = IsReceptionInProgress(*record, kind);
    char pages[16];
    wsprintfA(pages, "%d", static_cast<int>(receiving ? record->nRcvPages : record->nTotPages));
    // A fax still coming in has no company yet, whatever the record holds.
    const char* company = receiving || !record->szToCompany ? "" : record->szToCompany;

    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = index;
    item.pszText = const_cast<char*>(status->c_str());
    item.lParam = static_cast<LPARAM>(jobId);
    const int row = m_list.InsertItem(item);
    if (row < 0) {
        m_entries.erase(jobId);
        return;
    }
    m_entries[jobId] = {row, status};
    m_list.SetItemText(row, 1, texts.Date(when).c_str());
    m_list.SetItemText(row, 2, texts.Time(when).c_str());
    m_list.SetItemText(row, 3, pages);
    m_list.SetItemText(row, 4, record->szDestName ? record->szDestName : "");
    m_list.SetItemText(row, 5, company);
    m_list.SetItemText(row, 6, record->szDestFax ? record->szDestFax : "");
}
