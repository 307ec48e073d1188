#include "logs/log_row.h"

#include "host/fax_folders.h"
#include "logs/log_status_texts.h"
#include "send/locale_date_time.h"

namespace {
// The date and time texts are formatted into buffers of this size.
constexpr int kDateTimeBuffer = 80;

std::string TextOf(const char* text) { return text ? std::string(text) : std::string(); }
}  // namespace

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

int FindLogRow(const CListCtrl& list, DWORD jobId)
{
    int rows = list.GetItemCount();
    for (int row = 0; row < rows; ++row)
        if (static_cast<DWORD>(list.GetItemData(row)) == jobId)
            return row;
    return -1;
}

void SetLogRow(const SEND_FAX* record, int index, int kind, const CListCtrl& list)
{
    if (!record)
        return;
    const std::string* status = LogStatusText(*record, kind);
    if (!status)
        return;
    const DWORD jobId = record->dwJobID;

    for (int row = 0; row < list.GetItemCount();) {
        if (static_cast<DWORD>(list.GetItemData(row)) == jobId) {
            list.DeleteItem(row);
            index = row;
        } else {
            ++row;
        }
    }

    SYSTEMTIME when = {};
    // Holding moved the job one year ahead; the row shows the date it was meant for.
    when.wYear = static_cast<WORD>(status == &g_strOnHold ? record->nYear - 1 : record->nYear);
    when.wMonth = static_cast<WORD>(record->nMonth);
    when.wDay = static_cast<WORD>(record->nDay);
    when.wHour = static_cast<WORD>(record->nHour);
    when.wMinute = static_cast<WORD>(record->nMinute);
    when.wSecond = static_cast<WORD>(record->nSecond);
    char date[kDateTimeBuffer] = {};
    char time[kDateTimeBuffer] = {};
    FormatLocalDate(&when, nullptr, date, sizeof date);
    FormatLocalTime(&when, time, sizeof time);

    const bool receiving = IsReceptionInProgress(*record, kind);
    const std::string pages = std::to_string(receiving ? record->nRcvPages : record->nTotPages);
    // A fax still coming in has no company yet, whatever the record holds.
    const std::string company = receiving ? std::string() : TextOf(record->szToCompany);

    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = index;
    item.pszText = const_cast<char*>(status->c_str());
    item.lParam = static_cast<LPARAM>(jobId);
    int row = list.InsertItem(item);
    if (row < 0)
        return;
    list.SetItemText(row, 1, date);
    list.SetItemText(row, 2, time);
    list.SetItemText(row, 3, pages.c_str());
    list.SetItemText(row, 4, TextOf(record->szDestName).c_str());
    list.SetItemText(row, 5, company.c_str());
    list.SetItemText(row, 6, TextOf(record->szDestFax).c_str());
}
