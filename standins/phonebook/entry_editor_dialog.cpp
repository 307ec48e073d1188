#include "standins/phonebook/entry_editor_dialog.h"

#include "framework/data_exchange.h"
#include "framework/message_box.h"
#include "framework/resources.h"
#include "phonebook/phonebook_library.h"
#include "standins/phonebook/phonebook_resource.h"

CEntryEditorDlg::CEntryEditorDlg(HWND parent, const std::string& bookName, const PhoneBookEntryText& entry)
    : CDialog(IDD_PB_ENTRY_EDITOR, parent), m_strBookName(bookName), m_entry(entry)
{
}

BOOL CEntryEditorDlg::OnInitDialog()
{
    SetDlgItemText(IDC_PB_ENTRY_BOOK, FormatModuleString(IDS_PB_ENTRY_IN_BOOK, m_strBookName.c_str()));
    return CDialog::OnInitDialog();
}

void CEntryEditorDlg::DoDataExchange(CDataExchange* pDX)
{
    // Texts longer than the record fields are cut to fit before they are shown.
    if (!pDX->m_bSaveAndValidate) {
        m_entry.firstName = m_entry.firstName.substr(0, PHONEBOOK_PERSON_CHARS - 1);
        m_entry.lastName = m_entry.lastName.substr(0, PHONEBOOK_PERSON_CHARS - 1);
        m_entry.company = m_entry.company.substr(0, PHONEBOOK_COMPANY_CHARS - 1);
        m_entry.phone = m_entry.phone.substr(0, PHONEBOOK_NUMBER_CHARS - 1);
        m_entry.fax = m_entry.fax.substr(0, PHONEBOOK_NUMBER_CHARS - 1);
    }
    DDX_Text(pDX, IDC_PB_FIRST_NAME, m_entry.firstName, PHONEBOOK_PERSON_CHARS - 1);
    DDX_Text(pDX, IDC_PB_LAST_NAME, m_entry.lastName, PHONEBOOK_PERSON_CHARS - 1);
    DDX_Text(pDX, IDC_PB_COMPANY, m_entry.company, PHONEBOOK_COMPANY_CHARS - 1);
    DDX_Text(pDX, IDC_PB_PHONE, m_entry.phone, PHONEBOOK_NUMBER_CHARS - 1);
    DDX_Text(pDX, IDC_PB_FAX, m_entry.fax, PHONEBOOK_NUMBER_CHARS - 1);
}

void CEntryEditorDlg::OnOK()
{
    if (!UpdateData(true))
        return;
    if (m_entry.firstName.empty() && m_entry.lastName.empty() && m_entry.company.empty()) {
        FaxMessageBoxId(m_hWnd, IDS_PB_ENTRY_NAME_MISSING, IDS_PB_PHONEBOOKS, MB_OK | MB_ICONEXCLAMATION);
        ::SetFocus(GetDlgItem(IDC_PB_FIRST_NAME));
        return;
    }
    EndDialog(IDOK);
}
