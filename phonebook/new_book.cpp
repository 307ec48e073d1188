#include "phonebook/new_book.h"

#include "framework/data_exchange.h"
#include "framework/message_box.h"
#include "framework/resources.h"
#include "phonebook/book_name.h"
#include "res/resource.h"

CDNewBook::CDNewBook(HWND parent) : CDialog(IDD_NEWBOOK, parent) {}

BOOL CDNewBook::OnInitDialog()
{
    CDialog::OnInitDialog();  // empties the edit and limits it
    SetDlgItemText(IDC_NEWBOOK_PROMPT, FormatModuleString(m_nPromptID, m_strPromptArg.c_str()));
    SetWindowText(LoadModuleString(m_nCaptionID));
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(IDC_NEWBOOK_NAME)), TRUE);
    return FALSE;  // the focus is set
}

void CDNewBook::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_NEWBOOK_NAME, m_strBookName, kMaxBookName);
}

void CDNewBook::OnOK()
{
    if (!UpdateData(true))
        return;
    if (!IsValidBookName(m_strBookName)) {
        FaxMessageBoxId(m_hWnd, IDS_BOOKNAME_ALNUM, 0, MB_OK);
        SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(IDC_NEWBOOK_NAME)), TRUE);
        // The edit keeps what was typed; a Cancel now must not hand the refused name on.
        m_strBookName.clear();
        return;
    }
    EndDialog(IDOK);
}
