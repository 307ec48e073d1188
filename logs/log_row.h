#pragma once
// One log entry as a row of a log page's list: status, date, time, pages, name, company and
// fax, with the entry's job id as the row's item data. Used when a page reads its log and
// when the engine reports a changed entry.
#include <windows.h>

#include <string>

#include "SendFax.h"
#include "framework/list_ctrl.h"

// The status text of an entry of a log kind; null for a kind that has no rows.
const std::string* LogStatusText(const SEND_FAX& record, int kind);
// A received fax still coming in.
bool IsReceptionInProgress(const SEND_FAX& record, int kind);
// A waiting job carrying the hold marker; holding moved its start one year ahead.
bool IsHeldJob(const SEND_FAX& record);

// Writes the entry as a row: replaces every row of the same job id (the new row takes the
// place of the last one replaced), else inserts it at `index`. Entries of other kinds are
// left out.
void SetLogRow(const SEND_FAX* record, int index, int kind, const CListCtrl& list);
// The first row whose item data is the job id, or -1.
int FindLogRow(const CListCtrl& list, DWORD jobId);
