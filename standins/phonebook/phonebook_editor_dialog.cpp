#include "standins/phonebook/phonebook_editor_dialog.h"

#include <commctrl.h>

#include "framework/message_box.h"
#include "framework/resources.h"
#include "standins/phonebook/entry_editor_dialog.h"
#include "standins/phonebook/new_book_dialog.h"
#include "standins/phonebook/phonebook_resource.h"
#include "standins/phonebook/phonebook_store.h"

namespace {
CPhoneBookStore& Store() { return CPhoneBookStore::Instance(); }

struct Column {
    UINT title;
    int width;  // share of the list's width
    std::string PhoneBookEntryText::*text;
};
const Column kColumns[] = {
    {IDS_PB_COLUMN_FIRST_NAME, 70, &PhoneBookEntryText::firstName},
    {IDS_PB_COLUMN_LAST_NAME, 70, &PhoneBookEntryText::lastName},
    {IDS_PB_COLUMN_COMPANY, 90, &PhoneBookEntryText::company},
    {IDS_PB_COLUMN_PHONE, 70, &PhoneBookEntryText::phone},
    {IDS_PB_COLUMN_FAX, 70, &PhoneBookEntryText::fax},
};

std::string DisplayName(const PhoneBookEntryText& entry)
{
    std::string name = entry.firstName;
    if (!entry.lastName.empty())
        name += (name.empty() ? "" : " ") + entry.lastName;
    return name.empty() ? entry.company : name;
}
}  // namespace

CPhoneBookEditorDlg::CPhoneBookEditorDlg(HWND parent) : CDialog(IDD_PB_PHONEBOOK_EDITOR, parent) {}

BOOL CPhoneBookEditorDlg::OnInitDialog()
{
    HWND list = GetDlgItem(IDC_PB_ENTRY_LIST);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    RECT client;
    GetClientRect(list, &client);
    int width = client.right - client.left - GetSystemMetrics(SM_CXVSCROLL);
    int weights = 0;
    for (const Column& column : kColumns)
        weights += column.width;
    for (int i = 0; i < static_cast<int>(sizeof kColumns / sizeof kColumns[0]); ++i) {
        std::string title = LoadModuleString(kColumns[i].title);
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = &title[0];
        column.cx = width * kColumns[i].width / weights;
        column.iSubItem = i;
        ::SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
    FillBooks(0);
    return TRUE;
}

uint32_t CPhoneBookEditorDlg::CurrentBook() const
{
    LRESULT index = SendDlgItemMessage(IDC_PB_BOOK_LIST, CB_GETCURSEL);
    if (index == CB_ERR)
        return 0;
    return static_cast<uint32_t>(SendDlgItemMessage(IDC_PB_BOOK_LIST, CB_GETITEMDATA, index));
}

uint32_t CPhoneBookEditorDlg::SelectedEntry() const
{
    HWND list = GetDlgItem(IDC_PB_ENTRY_LIST);
    int index = ListView_GetNextItem(list, -1, LVNI_SELECTED);
    if (index < 0)
        return 0;
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = index;
    ::SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return static_cast<uint32_t>(item.lParam);
}

void CPhoneBookEditorDlg::FillBooks(uint32_t select)
{
    SendDlgItemMessage(IDC_PB_BOOK_LIST, CB_RESETCONTENT);
    int selectIndex = 0;
    for (const BookListing& book : Store().Books()) {
        LRESULT index = SendDlgItemMessage(IDC_PB_BOOK_LIST, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(book.name.c_str()));
        if (index < 0)
            continue;
        SendDlgItemMessage(IDC_PB_BOOK_LIST, CB_SETITEMDATA, index, book.number);
        if (book.number == select)
            selectIndex = static_cast<int>(index);
    }
    // The list sorts itself; look the chosen book up by its data.
    int count = static_cast<int>(SendDlgItemMessage(IDC_PB_BOOK_LIST, CB_GETCOUNT));
    for (int i = 0; i < count; ++i)
        if (static_cast<uint32_t>(SendDlgItemMessage(IDC_PB_BOOK_LIST, CB_GETITEMDATA, i)) == select)
            selectIndex = i;
    SendDlgItemMessage(IDC_PB_BOOK_LIST, CB_SETCURSEL, count > 0 ? selectIndex : -1);
    FillEntries(0);
}

void CPhoneBookEditorDlg::FillEntries(uint32_t select)
{
    HWND list = GetDlgItem(IDC_PB_ENTRY_LIST);
    ListView_DeleteAllItems(list);
    const PhoneBookFile* book = Store().Load(CurrentBook());
    if (book) {
        int row = 0;
        for (const PhoneBookEntryText& entry : book->entries) {
            LVITEMA item = {};
            item.mask = LVIF_TEXT | LVIF_PARAM;
            item.iItem = row;
            item.pszText = const_cast<char*>(entry.firstName.c_str());
            item.lParam = static_cast<LPARAM>(entry.number);
            int index = static_cast<int>(::SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
            for (int column = 1; column < static_cast<int>(sizeof kColumns / sizeof kColumns[0]); ++column) {
                LVITEMA sub = {};
                sub.iSubItem = column;
                sub.pszText = const_cast<char*>((entry.*kColumns[column].text).c_str());
                ::SendMessageA(list, LVM_SETITEMTEXTA, index, reinterpret_cast<LPARAM>(&sub));
            }
            if (entry.number == select)
                ListView_SetItemState(list, index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
            ++row;
        }
    }
    UpdateButtons();
}

void CPhoneBookEditorDlg::UpdateButtons()
{
    bool hasBook = CurrentBook() != 0;
    bool hasEntry = SelectedEntry() != 0;
    EnableDlgItem(IDC_PB_ADD_ENTRY, hasBook);
    EnableDlgItem(IDC_PB_EDIT_ENTRY, hasEntry);
    EnableDlgItem(IDC_PB_DELETE_ENTRY, hasEntry);
}

bool CPhoneBookEditorDlg::OnCommand(int id, int code, HWND control)
{
    switch (id) {
    case IDC_PB_BOOK_LIST:
        if (code == CBN_SELCHANGE)
            FillEntries(0);
        return true;
    case IDC_PB_NEW_BOOK:
        OnNewBook();
        return true;
    case IDC_PB_ADD_ENTRY:
        OnAddEntry();
        return true;
    case IDC_PB_EDIT_ENTRY:
        OnEditEntry();
        return true;
    case IDC_PB_DELETE_ENTRY:
        OnDeleteEntry();
        return true;
    default:
        return CDialog::OnCommand(id, code, control);
    }
}

bool CPhoneBookEditorDlg::OnNotify(int id, NMHDR* header, LRESULT* result)
{
    if (id != IDC_PB_ENTRY_LIST)
        return false;
    if (header->code == NM_DBLCLK && SelectedEntry() != 0) {
        OnEditEntry();
        *result = 0;
        return true;
    }
    if (header->code == LVN_ITEMCHANGED) {
        UpdateButtons();
        *result = 0;
        return true;
    }
    return false;
}

void CPhoneBookEditorDlg::OnNewBook()
{
    CNewBookDlg dialog(m_hWnd);
    if (dialog.DoModal() == IDOK)
        FillBooks(dialog.Book());
}

void CPhoneBookEditorDlg::OnAddEntry()
{
    uint32_t book = CurrentBook();
    const PhoneBookFile* file = Store().Load(book);
    if (!file)
        return;
    CEntryEditorDlg dialog(m_hWnd, file->name, PhoneBookEntryText());
    if (dialog.DoModal() != IDOK)
        return;
    PhoneBookEntryText entry = dialog.Entry();
    entry.number = 0;
    if (!Store().SaveEntry(book, entry))
        ReportNotSaved();
    FillEntries(entry.number);
}

void CPhoneBookEditorDlg::OnEditEntry()
{
    uint32_t book = CurrentBook();
    uint32_t number = SelectedEntry();
    const PhoneBookFile* file = Store().Load(book);
    const PhoneBookEntryText* current = file ? file->Find(number) : nullptr;
    if (!current)
        return;
    CEntryEditorDlg dialog(m_hWnd, file->name, *current);
    if (dialog.DoModal() != IDOK)
        return;
    PhoneBookEntryText entry = dialog.Entry();
    entry.number = number;
    if (!Store().SaveEntry(book, entry))
        ReportNotSaved();
    FillEntries(number);
}

void CPhoneBookEditorDlg::OnDeleteEntry()
{
    uint32_t book = CurrentBook();
    uint32_t number = SelectedEntry();
    const PhoneBookFile* file = Store().Load(book);
    const PhoneBookEntryText* entry = file ? file->Find(number) : nullptr;
    if (!entry)
        return;
    std::string question = FormatModuleString(IDS_PB_CONFIRM_DELETE, DisplayName(*entry).c_str());
    if (FaxMessageBox(m_hWnd, question, LoadModuleString(IDS_PB_PHONEBOOKS).c_str(), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    if (!Store().DeleteEntry(book, number))
        ReportNotSaved();
    FillEntries(0);
}

void CPhoneBookEditorDlg::ReportNotSaved()
{
    const PhoneBookFile* file = Store().Load(CurrentBook());
    std::string text = FormatModuleString(IDS_PB_BOOK_NOT_SAVED, file ? file->name.c_str() : "");
    FaxMessageBox(m_hWnd, text, LoadModuleString(IDS_PB_PHONEBOOKS).c_str(), MB_OK | MB_ICONSTOP);
}
