#include "standins/phonebook/new_book_dialog.h"

#include "framework/data_exchange.h"
#include "framework/message_box.h"
#include "framework/resources.h"
#include "phonebook/phonebook_library.h"
#include "standins/phonebook/phonebook_resource.h"
#include "standins/phonebook/phonebook_store.h"

CNewBookDlg::CNewBookDlg(HWND parent) : CDialog(IDD_PB_NEW_BOOK, parent) {}

void CNewBookDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_PB_BOOK_NAME, m_strName, PHONEBOOK_NAME_CHARS - 1);
}

void CNewBookDlg::OnOK()
{
    if (!UpdateData(true))
        return;
    unsigned reason = 0;
    if (!CPhoneBookStore::Instance().CreateBook(m_strName, m_nBook, reason)) {
        FaxMessageBox(m_hWnd, FormatModuleString(reason, m_strName.c_str()), LoadModuleString(IDS_PB_PHONEBOOKS).c_str(),
                      MB_OK | MB_ICONEXCLAMATION);
        ::SetFocus(GetDlgItem(IDC_PB_BOOK_NAME));
        return;
    }
    EndDialog(IDOK);
}
