#pragma once
// What the send-log and receive-log pages share: the engine and host they work for, their
// list, reading a log kind into it, deleting an entry with its document files, ageing, and
// the parts of Delete and View that do not depend on the log.
#include <windows.h>

#include <string>
#include <vector>

#include "RWFaxDlg.h"
#include "controls/sort_list_ctrl.h"
#include "engine/engine_memory.h"
#include "framework/property_sheet.h"
#include "host/host_window.h"
#include "logs/log_row.h"

class CLogPage : public CPropertyPage {
public:
    CLogPage(UINT templateId, UINT helpContext);

    FAXENGINE hFaxEngine = 0;         // set by the entry point after construction
    FAXHOSTWND* pHostWnd = nullptr;   // likewise; receives WM_FAXDOC_REMOVED and WM_FAXDOC_VIEW

    // Appends the entries of one log kind to the list; *index is the running row index
    // shared by successive calls.
    void LoadLogKind(int kind, int* index);
    void LoadLogKind(int kind, int* index, CLogDateTimeTexts& texts);
    // Deletes one entry and its document files; the host hears which document went.
    void DeleteLogEntry(const SEND_FAX* record, int kind);
    // Deletes the entries of a log kind older than the days the settings keep them; *count
    // (when given) receives how many went.
    void AgeLogKind(int kind, DWORD* count);
    // Ages every log kind of the page.
    virtual void AgeLogs(DWORD* count) = 0;
    // The engine reports a changed entry (code 3) or a removed one (code 4).
    virtual void OnLogChanged(SEND_FAX* record, DWORD change) = 0;

protected:
    // Opens a log kind for listing: the two logs ask the engine in different orders. True
    // when there are entries to read.
    virtual bool OpenLogForListing(int kind) = 0;
    // The folder in which the host keeps the documents of entries of a kind.
    virtual const std::string& DocumentFolder(int kind) const = 0;
    // The settings that say whether and after how many days entries are aged.
    struct AgeingSettings {
        const char* enableName;
        const char* daysName;
        bool hasDefaultDays;
        DWORD defaultDays;
    };
    virtual AgeingSettings Ageing() const = 0;
    // Whether ageing may delete this entry at all.
    virtual bool MayAge(const SEND_FAX& record) const = 0;

    void DoDataExchange(CDataExchange* pDX) override;
    // Clicks and selection changes in the list update the buttons; a double click views.
    bool OnNotify(int id, NMHDR* header, LRESULT* result) override;
    virtual void UpdateLogButtons() = 0;
    virtual void OnView() = 0;
    // Sets up the list and fills it with the kinds in order, with redrawing off meanwhile.
    void FillList(const std::vector<int>& kinds);
    // Adds, replaces or removes a row for an engine change of an entry of one of the kinds.
    void ApplyLogChange(SEND_FAX* record, DWORD change, const std::vector<int>& kinds);

    // The selected rows, in ascending order; the first of them, or -1.
    std::vector<int> SelectedRows() const;
    int FirstSelectedRow() const;
    // The status the row's entry was listed with, wherever the Status column is now.
    std::string RowStatus(int row) const { return m_rows.RowStatus(row); }
    DWORD RowJobId(int row) const { return static_cast<DWORD>(m_lstLog.RowData(row)); }
    // Fetches an entry from the engine; tells the user when it cannot be found.
    bool FetchLogRecord(DWORD jobId, CEngineMemory<SEND_FAX>& record);
    // Asks the user to confirm the deletion of `count` entries, unless the settings say not
    // to ask. True when they may go.
    bool ConfirmDelete(int count);
    // Deletes the selected entries from the last to the first, each as the kind its row
    // tells; stops at the first that the engine no longer has. The rows are those selected
    // when the user confirmed: rows may have come and gone while the question was open.
    template <typename KindOfRow>
    void DeleteSelectedEntries(KindOfRow kindOfRow)
    {
        const UINT selected = m_lstLog.GetSelectedCount();
        if (selected == 0 || !ConfirmDelete(static_cast<int>(selected)))
            return;
        std::vector<int> rows = SelectedRows();
        for (auto row = rows.rbegin(); row != rows.rend(); ++row)
            if (!DeleteRowEntry(*row, kindOfRow(RowStatus(*row))))
                return;
    }
    bool DeleteRowEntry(int row, int kind);
    // Sends the host a message whose lParam is the path.
    void TellHost(UINT message, const std::string& path) const;
    HWND HostWindow() const { return HostWindowHandle(pHostWnd); }

    CSortListCtrl m_lstLog;
    CLogRows m_rows{m_lstLog};
};
