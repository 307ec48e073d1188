#pragma once
// Log entries as rows of a log page's list: status, date, time, pages, name, company and
// fax, with the entry's job id as the row's item data. Used when a page reads its log and
// when the engine reports a changed entry.
#include <windows.h>

#include <string>
#include <unordered_map>
#include <vector>

#include "SendFax.h"
#include "controls/sort_list_ctrl.h"
#include "logs/log_date_time_texts.h"

// The status text of an entry of a log kind; null for a kind that has no rows.
const std::string* LogStatusText(const SEND_FAX& record, int kind);
// A received fax still coming in.
bool IsReceptionInProgress(const SEND_FAX& record, int kind);
// A waiting job carrying the hold marker; holding moved its start one year ahead.
bool IsHeldJob(const SEND_FAX& record);

// The rows of a log list and what the page knows of them beside their texts: for each job
// id listed, the status its entry was listed with and the row it was last seen at. The list
// keeps the rows and their order (header sorts, column moves, deletions); this spares the
// page a walk over every row to find a job, and tells a row's status from its entry
// wherever the user dragged the Status column. Every row of the list is written here.
class CLogRows {
public:
    explicit CLogRows(CSortListCtrl& list) : m_list(list) {}

    // Writes the entry as a row: replaces the row of the same job id (the new row takes its
    // place), else inserts it at `index`. Entries of other kinds are left out.
    void SetLogRow(const SEND_FAX* record, int index, int kind, CLogDateTimeTexts& texts);
    // The row showing the job, or -1.
    int FindRow(DWORD jobId);
    // The status the entry of the row was listed with; empty for a row not listed here.
    std::string RowStatus(int row) const;
    void DeleteRow(int row);
    // The list was emptied.
    void Clear();

private:
    struct Entry {
        int row;                 // as it was when the first `deletionsBefore` deletions had happened
        size_t deletionsBefore;
        unsigned epoch;          // rows of older epochs are looked for in the list
        const std::string* status;
    };
    DWORD JobIdOfRow(int row) const { return static_cast<DWORD>(m_list.RowData(row)); }
    // Where the entry's row is now, after the deletions recorded since it was seen; -1 when
    // that is not known.
    int CurrentRow(const Entry& entry) const;
    void Remember(DWORD jobId, int row, const std::string* status);
    // Finds the row of every job again after the rows moved.
    void Reindex();

    CSortListCtrl& m_list;
    std::unordered_map<DWORD, Entry> m_entries;
    // Rows deleted since the epoch began, in order; the rows below each moved up by one.
    std::vector<int> m_deletedRows;
    unsigned m_epoch = 0;
};
