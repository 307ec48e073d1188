#include "phonebook/manage_books.h"

#include <vector>

#include "framework/message_box.h"
#include "framework/resources.h"
#include "phonebook/book_list.h"
#include "phonebook/book_name.h"
#include "phonebook/new_book.h"
#include "phonebook/profile_file.h"
#include "phonebook/record_names.h"
#include "res/resource.h"

CDManageBooks::CDManageBooks(HWND parent)
    : CDialog(IDD_MANAGEBOOKS, parent), m_pRecordFile(std::make_unique<CRecordFile>())
{
    m_nIDHelp = HELP_CONTEXT_MANAGEBOOKS;
}

CDManageBooks::~CDManageBooks() = default;

BOOL CDManageBooks::OnInitDialog()
{
    CDialog::OnInitDialog();
    // Creates the master list with "Main" when there is none yet.
    FillBookListBox(*m_pRecordFile, GetDlgItem(IDC_BOOKS_LIST));
    return TRUE;
}

bool CDManageBooks::OnCommand(int id, int code, HWND control)
{
    if (code != BN_CLICKED && control)
        return CDialog::OnCommand(id, code, control);
    switch (id) {
    case IDC_BOOKS_NEW:
        OnNewBook();
        return true;
    case IDC_BOOKS_COPY:
        OnCopyBook();
        return true;
    case IDC_BOOKS_RENAME:
        OnRenameBook();
        return true;
    case IDC_BOOKS_DELETE:
        OnDeleteBook();
        return true;
    case IDC_HELPBUTTON:
        OnHelp();  // the application's help with this dialog's context
        return true;
    default:
        return CDialog::OnCommand(id, code, control);  // OK, Cancel, the framework's Help
    }
}

void CDManageBooks::OnNewBook()
{
    std::string name;
    if (AskBookName(IDS_NEW_BOOK_CAPTION, IDS_NEW_BOOK_PROMPT, std::string(), name)) {
        LoadMasterList();
        if (!AddToMasterList(name))
            return;
        SaveMasterList();
        m_pRecordFile->GetIndex().Clear();
        m_pRecordFile->Save(name, true);  // an empty book: "Number" 0
    }
    FocusOkButton();
}

void CDManageBooks::OnCopyBook()
{
    std::string source;
    if (!GetSelectedBook(source))
        return;
    std::string name;
    if (AskBookName(IDS_COPY_BOOK_CAPTION, IDS_COPY_BOOK_PROMPT, source, name)) {
        LoadMasterList();
        if (!AddToMasterList(name))
            return;
        SaveMasterList();
        // A source without a file loads as an empty book, and the copy is one.
        m_pRecordFile->Load(source, true, true);
        m_pRecordFile->Save(name, true);
    }
    FocusOkButton();
}

void CDManageBooks::OnRenameBook()
{
    std::string oldName;
    if (!GetSelectedBook(oldName))
        return;
    std::string name;
    if (AskBookName(IDS_RENAME_BOOK_CAPTION, IDS_RENAME_BOOK_PROMPT, oldName, name) && name != oldName) {
        LoadMasterList();
        // A change of letter case only finds the old name and is refused with the others.
        if (!AddToMasterList(name))
            return;
        m_BookList.Remove(oldName);
        SaveMasterList();
        m_pRecordFile->Load(oldName, true, true);
        m_pRecordFile->Save(name, true);
        DeleteBookFile(oldName);
    }
    FocusOkButton();
}

void CDManageBooks::OnDeleteBook()
{
    std::string name;
    if (!GetSelectedBook(name))
        return;
    std::string question = FormatModuleString(IDS_CONFIRM_DELETE_BOOK, name.c_str());
    std::string caption = LoadModuleString(IDS_DELETE_BOOK_CAPTION);
    if (FaxMessageBox(m_hWnd, question, caption.c_str(), MB_OKCANCEL | MB_ICONSTOP) == IDOK) {
        LoadMasterList();
        m_BookList.Remove(name);
        // Refilling an emptied list brings "Main" back with a new file; deleting "Main"
        // itself then removes that file again, as the user asked.
        SaveMasterList();
        DeleteBookFile(name);
    }
    FocusOkButton();
}

void CDManageBooks::DeleteBookFile(const std::string& name)
{
    // A hand-edited master list may hold its own name; the list goes, its file stays.
    if (!NamesMasterList(name))
        DeleteFileA(GetProfilePath(name).c_str());
}

void CDManageBooks::LoadMasterList() { m_BookList.Load(g_szMasterList, true); }

void CDManageBooks::SaveMasterList()
{
    m_BookList.Save(g_szMasterList);
    FillBookListBox(*m_pRecordFile, GetDlgItem(IDC_BOOKS_LIST));
}

bool CDManageBooks::AddToMasterList(const std::string& name)
{
    if (m_BookList.Add(name))
        return true;
    FaxMessageBox(m_hWnd, FormatModuleString(IDS_BOOK_EXISTS, name.c_str()), nullptr, MB_OK);
    return false;
}

bool CDManageBooks::GetSelectedBook(std::string& name) const
{
    HWND list = GetDlgItem(IDC_BOOKS_LIST);
    LRESULT line = ::SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (line == LB_ERR)
        return false;
    LRESULT length = ::SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(line), 0);
    if (length == LB_ERR)
        return false;
    std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
    ::SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(text.data()));
    name = text.data();
    return true;
}

bool CDManageBooks::AskBookName(UINT captionId, UINT promptId, const std::string& promptArg, std::string& name)
{
    CDNewBook dialog(m_hWnd);
    dialog.m_nCaptionID = captionId;
    dialog.m_nPromptID = promptId;
    dialog.m_strPromptArg = promptArg;
    dialog.DoModal();
    name = dialog.m_strBookName;
    return !name.empty();
}

void CDManageBooks::FocusOkButton()
{
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(IDOK)), TRUE);
}
