#include "send/send_fax_dialog.h"

#include <commctrl.h>

#include <cstring>

#include "framework/data_exchange.h"
#include "framework/resources.h"
#include "host/fax_folders.h"
#include "host/shell_folders.h"
#include "phonebook/list_columns.h"
#include "phonebook/phonebook_selectors.h"
#include "phonebook/record.h"
#include "phonebook/record_names.h"
#include "res/resource.h"
#include "send/cover_pages.h"
#include "send/fmf_conversion.h"
#include "send/send_job_builder.h"
#include "send/send_list_rules.h"
#include "settings/setting_names.h"
#include "settings/setting_readers.h"

namespace {
// Both lists sort every column as text without letter case.
constexpr unsigned char kPhonebookColumnTypes[] = {1, 1};
constexpr unsigned char kRecipientColumnTypes[] = {1, 1, 1};

// The per-user copy of the phonebook master list.
constexpr char kMasterListFile[] = "QOmaster.ini";

std::string TextOf(const char* text) { return text ? std::string(text) : std::string(); }

// A report list of the dialog as every list of the module is set up.
void SetUpReportList(CSortListCtrl& list, const unsigned char* types, int count)
{
    if (list.SetColumnTypes(types, count))
        list.EnableSort(1);
    list.SetHighlightType(2);
    list.EnableHeaderDrag(1);
}
}  // namespace

CDSendFax::CDSendFax(CWnd* pParent, FAXHOSTWND* pHostWnd, SEND_FAX* pSourceJob, int nOpenMode)
    : CDialog(IDD_SENDFAX, pParent ? pParent->m_hWnd : nullptr),
      m_nOpenMode(nOpenMode),
      m_pSourceJob(pSourceJob),
      m_pHostWnd(pHostWnd),
      m_bCoverPage(0),
      m_nCoverPage(-1)
{
    const DWORD enableOffpeak = ReadSettingNumber(kEnableOffpeak, 1);
    ReadSettingNumber(kAfterOffpeak, 1);  // the job builder decides with it when no choice is made
    m_nSchedule = enableOffpeak ? SCHEDULE_OFF_PEAK : SCHEDULE_SEND_NOW;

    GetLocalTime(&m_stOpened);
    m_strSchedDate = ScheduleDateText(m_stOpened.wDay, m_stOpened.wMonth, m_stOpened.wYear);
    m_strSchedTime = ScheduleTimeText(m_stOpened.wHour, m_stOpened.wMinute, m_stOpened.wSecond);
    m_nIDHelp = HELP_CONTEXT_SENDFAX;

    ComputeFaxFolderPaths();
    LoadOnHoldText();
    EnsureUserDataFile(kMasterListFile);
}

CDSendFax::~CDSendFax() = default;

void CDSendFax::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_SENDFAX_BOOKS, m_cbPhonebooks);
    DDX_Control(pDX, IDC_SENDFAX_PHONEBOOK, m_lstPhonebook);
    DDX_Control(pDX, IDC_SENDFAX_SENDLIST, m_lstRecipients);
    DDX_Text(pDX, IDC_SENDFAX_NOTES, m_strNotes);
    DDX_Text(pDX, IDC_SENDFAX_SUBJECT, m_strSubject);
    DDX_Check(pDX, IDC_SENDFAX_COVERPAGE, m_bCoverPage);
    DDX_CBIndex(pDX, IDC_SENDFAX_COVERLIST, m_nCoverPage);
}

BOOL CDSendFax::OnInitDialog()
{
    CDialog::OnInitDialog();  // binds the lists and the combo box
    SetUpPhonebookPanel();
    SetUpRecipientList();
    FillCoverPages();
    if (m_nOpenMode == SENDFAX_OPEN_RESEND || m_nOpenMode == SENDFAX_OPEN_FORWARD)
        TakeOverSourceJob();

    ApplyTypingRowRule(TRUE);
    UpdateSendButtons();
    UpdateAddButtons();
    UpdateData(false);
    BringWindowToTop(m_hWnd);
    SetForegroundWindow(m_hWnd);
    ::SetFocus(m_hWnd);
    return FALSE;  // the focus is set
}

void CDSendFax::SetUpPhonebookPanel()
{
    SetUpReportList(m_lstPhonebook, kPhonebookColumnTypes, 2);
    // A click anywhere on an entry's row picks it.
    m_lstPhonebook.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    SetNameCompanyColumns(m_lstPhonebook);
    FillBookCombo(m_cbPhonebooks);
    m_cbPhonebooks.SetCurSel(0);
    ApplyCoverPageState();
    ShowSelectedPhonebook();
}

void CDSendFax::SetUpRecipientList()
{
    SetUpReportList(m_lstRecipients, kRecipientColumnTypes, 3);
    const std::string name = LoadModuleString(IDS_COLUMN_NAME);
    const std::string company = LoadModuleString(IDS_COLUMN_COMPANY);
    const std::string fax = LoadModuleString(IDS_COLUMN_FAX);
    const char* titles[] = {name.c_str(), company.c_str(), fax.c_str()};
    SetListColumns(m_lstRecipients, titles, 3);
}

void CDSendFax::FillCoverPages()
{
    HWND combo = GetDlgItem(IDC_SENDFAX_COVERLIST);
    for (int index = 0; index < kCoverPageCount; ++index) {
        const CoverPage* page = CoverPageAt(index);
        const std::string name = LoadModuleString(page->nameId);
        const std::string file = LoadModuleString(page->previewFileId);
        LRESULT line = ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        if (line < 0)
            continue;
        char* copy = new char[file.size() + 1];
        std::memcpy(copy, file.c_str(), file.size() + 1);
        ::SendMessageA(combo, CB_SETITEMDATA, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(copy));
    }
    ::SendMessageA(combo, CB_SETCURSEL, 0, 0);
    m_nCoverPage = 0;
}

void CDSendFax::FreeCoverFileNames()
{
    HWND combo = GetDlgItem(IDC_SENDFAX_COVERLIST);
    const int count = static_cast<int>(::SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int line = 0; line < count; ++line) {
        LRESULT data = ::SendMessageA(combo, CB_GETITEMDATA, static_cast<WPARAM>(line), 0);
        if (data != CB_ERR)
            delete[] reinterpret_cast<char*>(data);
        ::SendMessageA(combo, CB_SETITEMDATA, static_cast<WPARAM>(line), 0);
    }
}

void CDSendFax::TakeOverSourceJob()
{
    const SEND_FAX* job = m_pSourceJob;
    if (!job)
        return;
    const bool hadCover = job->szCover && job->szCover[0] != '\0';
    m_bCoverPage = hadCover ? 1 : 0;
    CheckDlgButton(m_hWnd, IDC_SENDFAX_COVERPAGE, hadCover ? BST_CHECKED : BST_UNCHECKED);
    if (hadCover && job->szComments)
        m_strNotes = job->szComments;
    ApplyCoverPageState();
    if (job->szSubject)
        m_strSubject = job->szSubject;

    // Month first here, while a new dialog's own date text is day first.
    m_strSchedDate = ScheduleDateText(job->nMonth, job->nDay, job->nYear);
    m_strSchedTime = ScheduleTimeText(job->nHour, job->nMinute, job->nSecond);
    m_stOpened = {};
    m_stOpened.wYear = static_cast<WORD>(job->nYear);
    m_stOpened.wMonth = static_cast<WORD>(job->nMonth);
    m_stOpened.wDay = static_cast<WORD>(job->nDay);
    m_stOpened.wHour = static_cast<WORD>(job->nHour);
    m_stOpened.wMinute = static_cast<WORD>(job->nMinute);
    m_stOpened.wSecond = static_cast<WORD>(job->nSecond);

    if (m_nOpenMode == SENDFAX_OPEN_RESEND) {
        CRecord recipient(CRecord::TYPE_CONTACT);
        recipient.SetField(CONTACT_NAME, TextOf(job->szDestName));
        recipient.SetField(CONTACT_COMPANY, TextOf(job->szToCompany));
        recipient.SetField(CONTACT_FAX, TextOf(job->szDestFax));
        AddRow(0, recipient);
    }

    // The engine sends documents in its own form; a document kept as TIFF is converted.
    const std::string tif = SourceTifToConvert(TextOf(job->szFileList));
    if (!tif.empty()) {
        LPSTR fmfPath = nullptr;
        ConvertTifToFmf(tif.c_str(), &fmfPath);
        delete[] fmfPath;
    }
}

bool CDSendFax::OnCommand(int id, int code, HWND control)
{
    if (id == IDC_SENDFAX_BOOKS) {
        if (code == CBN_SELCHANGE)
            ShowSelectedPhonebook();
        return true;
    }
    if (code != BN_CLICKED)
        return CDialog::OnCommand(id, code, control);
    switch (id) {
    case IDC_SENDFAX_OPTIONS:
        OnOptions();
        return true;
    case IDC_SENDFAX_SCHEDULE:
        OnSchedule();
        return true;
    case IDC_SENDFAX_ADDTOBOOK:
        OnAddToPhonebook();
        return true;
    case IDC_SENDFAX_ADD:
        AddSelectedEntries(false);
        return true;
    case IDC_SENDFAX_ADDALL:
        AddSelectedEntries(true);
        return true;
    case IDC_SENDFAX_REMOVE:
        RemoveSelectedRows();
        return true;
    case IDC_SENDFAX_COVERPAGE:
        ApplyCoverPageState();
        return true;
    case IDC_SENDFAX_PREVIEW:
        OnPreview();
        return true;
    case IDC_HELPBUTTON:
        OnHelp();
        return true;
    default:
        return CDialog::OnCommand(id, code, control);
    }
}

bool CDSendFax::OnNotify(int id, NMHDR* header, LRESULT* result)
{
    if (id != IDC_SENDFAX_SENDLIST && id != IDC_SENDFAX_PHONEBOOK)
        return false;
    bool selectionChanged = false;
    if (header->code == LVN_ITEMCHANGED) {
        const auto* change = reinterpret_cast<const NMLISTVIEW*>(header);
        selectionChanged = (change->uChanged & LVIF_STATE) && ((change->uNewState ^ change->uOldState) & LVIS_SELECTED);
    }
    // A click, or a selection changed from the keyboard, changes what the buttons can do.
    if (header->code == NM_CLICK || selectionChanged) {
        if (id == IDC_SENDFAX_SENDLIST)
            UpdateSendButtons();
        else
            UpdateAddButtons();
    }
    *result = 0;  // item changes, keys and header changes are allowed
    return true;
}

void CDSendFax::OnDestroy()
{
    FreeCoverFileNames();
    ClearBookCombo(m_cbPhonebooks);
    ClearEntryList(m_lstPhonebook);
}

void CDSendFax::OnOK()
{
    // Enter reaches here even while Send is disabled.
    if (!::IsWindowEnabled(GetDlgItem(IDOK)))
        return;
    UpdateData(true);

    SendJobRequest request;
    for (int row = 0; row < m_lstRecipients.GetItemCount(); ++row)
        request.rows.push_back({m_lstRecipients.GetItemText(row, 0), m_lstRecipients.GetItemText(row, 1),
                                m_lstRecipients.GetItemText(row, 2)});
    request.bCoverPage = m_bCoverPage;
    request.nCoverPage = m_nCoverPage;
    request.strSubject = m_strSubject;
    request.strNotes = m_strNotes;
    request.nSchedule = m_nSchedule;
    request.strSchedDate = m_strSchedDate;
    request.strSchedTime = m_strSchedTime;
    request.strDocument = m_strDocument;
    request.hFaxEngine = m_hFaxEngine;
    if (const PHONEBOOK_ID* book = SelectedBook()) {
        request.bHasBook = true;
        request.selectedBook = *book;
    }
    request.hOwner = m_hWnd;
    SubmitSendJobs(request);
    EndDialog(IDOK);
}
