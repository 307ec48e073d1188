#include "logs/log_row.h"

#include <iterator>

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

namespace {
// Deletions replayed at most to find where a row moved.
constexpr size_t kMostDeletionsToReplay = 256;
}  // namespace

int CLogRows::CurrentRow(const Entry& entry) const
{
    if (entry.epoch != m_epoch)
        return -1;
    int row = entry.row;
    for (size_t i = entry.deletionsBefore; i < m_deletedRows.size() && row >= 0; ++i) {
        if (m_deletedRows[i] < row)
            --row;
        else if (m_deletedRows[i] == row)
            row = -1;
    }
    return row;
}

void CLogRows::Remember(DWORD jobId, int row, const std::string* status)
{
    m_entries[jobId] = {row, m_deletedRows.size(), m_epoch, status};
}

int CLogRows::FindRow(DWORD jobId)
{
    // Every row was written here: a job not remembered has no row.
    auto entry = m_entries.find(jobId);
    if (entry == m_entries.end())
        return -1;
    int row = CurrentRow(entry->second);
    if (row >= 0 && JobIdOfRow(row) == jobId)
        return row;
    // The rows moved in a way not recorded here (a sort): one walk over the list finds them
    // all again, where a search for this job alone would be repeated for the next one.
    Reindex();
    entry = m_entries.find(jobId);
    return entry == m_entries.end() ? -1 : entry->second.row;
}

void CLogRows::Reindex()
{
    m_deletedRows.clear();
    ++m_epoch;
    const int rows = m_list.GetItemCount();
    for (int row = 0; row < rows; ++row) {
        auto entry = m_entries.find(JobIdOfRow(row));
        if (entry != m_entries.end())
            entry->second = {row, 0, m_epoch, entry->second.status};
    }
    // A job the list no longer shows has no row.
    for (auto entry = m_entries.begin(); entry != m_entries.end();)
        entry = entry->second.epoch == m_epoch ? std::next(entry) : m_entries.erase(entry);
}

std::string CLogRows::RowStatus(int row) const
{
    auto entry = m_entries.find(JobIdOfRow(row));
    return entry == m_entries.end() ? std::string() : *entry->second.status;
}

void CLogRows::DeleteRow(int row)
{
    const DWORD jobId = JobIdOfRow(row);
    if (!m_list.DeleteItem(row))
        return;
    m_entries.erase(jobId);
    m_deletedRows.push_back(row);
    if (m_deletedRows.size() > kMostDeletionsToReplay) {
        // Replaying more would cost more than looking rows up: a new epoch begins.
        m_deletedRows.clear();
        ++m_epoch;
    }
}

void CLogRows::Clear()
{
    m_entries.clear();
    m_deletedRows.clear();
    ++m_epoch;
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
    item.iItem = replaced >= 0 ? replaced : index;
    item.pszText = const_cast<char*>(status->c_str());
    item.lParam = static_cast<LPARAM>(jobId);
    if (replaced >= 0) {
        // Written over where it stands, as a new row: without the old row's selection or
        // focus. Deleting and inserting would make a shown list lay out all rows twice.
        item.mask |= LVIF_STATE;
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED | LVIS_CUT | LVIS_DROPHILITED | LVIS_OVERLAYMASK |
                         LVIS_STATEIMAGEMASK;
    }
    const std::string& date = texts.Date(when);
    const std::string& time = texts.Time(when);
    const char* const cells[6] = {date.c_str(), time.c_str(), pages,
                                  record->szDestName ? record->szDestName : "", company,
                                  record->szDestFax ? record->szDestFax : ""};
    const int row = m_list.WriteRow(item, replaced >= 0, cells, 6);
    if (row < 0)
        m_entries.erase(jobId);
    else
        Remember(jobId, row, status);
}
