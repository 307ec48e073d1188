#pragma once
// Fax Send: where the user puts a fax together. The Fax Send List of recipients (typed into
// its typing row or taken from the phonebook beside it), an optional cover page with subject
// and notes, an optional schedule, and the send options. Send hands one job per recipient to
// the fax engine and closes the dialog. Opened for a document the host has just produced, and
// by the log pages to resend a sent fax or forward a received one.
#include <windows.h>

#include <string>

#include "RWFaxDlg.h"
#include "framework/combo_box.h"
#include "framework/dialog.h"
#include "phonebook/phonebook_library.h"
#include "phonebook/recipient_list.h"

class CRecord;

// How the dialog was opened.
constexpr int SENDFAX_OPEN_NEW = 0;         // a new document from the host
constexpr int SENDFAX_OPEN_FORWARD = 16;    // a fax of the receive log
constexpr int SENDFAX_OPEN_RESEND = 256;    // a job of the send log

class CDSendFax : public CDialog, public CRecipientListOwner {
public:
    // The source job is read during initialisation in the forward and resend modes; it may be
    // null in mode SENDFAX_OPEN_NEW.
    CDSendFax(CWnd* pParent, FAXHOSTWND* pHostWnd, SEND_FAX* pSourceJob, int nOpenMode);
    ~CDSendFax() override;

    int m_nOpenMode;
    SEND_FAX* m_pSourceJob;
    int m_nSchedule;              // SCHEDULE_SEND_NOW, _OFF_PEAK, _SEND_LATER or _HOLD
    std::string m_strSchedDate;
    std::string m_strSchedTime;
    SYSTEMTIME m_stOpened;        // handed to and taken back from the Schedule dialog
    FAXENGINE m_hFaxEngine = 0;   // set by the opener
    std::string m_strDocument;    // set by the opener
    FAXHOSTWND* m_pHostWnd;       // receives the cover page preview request
    CComboBox m_cbPhonebooks;
    CSortListCtrl m_lstPhonebook;
    CRecipientList m_lstRecipients;
    std::string m_strNotes;
    std::string m_strSubject;
    int m_bCoverPage;
    int m_nCoverPage;

    // The typing-row rule: the list keeps a typing row on top. With removal allowed, a
    // half-typed top row without a fax number is replaced by a fresh typing row.
    void ApplyTypingRowRule(BOOL bAllowRemoval) override;
    // Send, Remove, Schedule... and Add to Phonebook as the Fax Send List allows.
    void UpdateSendButtons() override;
    // < Add and < Add All as the phonebook list allows.
    void UpdateAddButtons();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Send: the jobs go to the engine, one per recipient, and the dialog closes.
    void OnOK() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(int id, NMHDR* header, LRESULT* result) override;
    void OnDestroy() override;

private:
    // Initialisation steps.
    void SetUpPhonebookPanel();
    void SetUpRecipientList();
    void FillCoverPages();
    void TakeOverSourceJob();

    // The Fax Send List.
    std::string PlaceholderText() const;
    // Inserts a row with the record's name (field 14), company (2) and fax (10), unless a row
    // with the same name and fax number is there already.
    void AddRow(int position, const CRecord& contact);
    void AddSelectedEntries(bool all);
    void RemoveSelectedRows();

    // The phonebook panel.
    void ShowSelectedPhonebook();
    const PHONEBOOK_ID* SelectedBook() const;

    // The other buttons.
    void ApplyCoverPageState();
    void OnPreview();
    void OnSchedule();
    void OnAddToPhonebook();
    void OnOptions();
    void FreeCoverFileNames();
};
