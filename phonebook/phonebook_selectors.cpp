#include "phonebook/phonebook_selectors.h"

#include <new>
#include <string>

namespace {
// The selector asks for entries with the longer record size, so the record has room for it.
#pragma pack(push, 1)
struct LongPhoneBookEntry {
    PHONEBOOK_ENTRY entry;
    BYTE tail[PHONEBOOK_ENTRY_SIZE_LONG - PHONEBOOK_ENTRY_SIZE];
};
#pragma pack(pop)
static_assert(sizeof(LongPhoneBookEntry) == PHONEBOOK_ENTRY_SIZE_LONG, "long entry size");

PHONEBOOK_ID* CopyOf(const PHONEBOOK_ID& id) { return new (std::nothrow) PHONEBOOK_ID(id); }

// Shows the wait cursor while alive.
class WaitCursor {
public:
    WaitCursor() : m_previous(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
    ~WaitCursor() { SetCursor(m_previous); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    HCURSOR m_previous;
};
}  // namespace

std::string PhoneBookFieldText(const char* field, size_t size)
{
    size_t length = 0;
    while (length < size && field[length] != '\0')
        ++length;
    return std::string(field, length);
}

const PHONEBOOK_ID* BookIdOfLine(const CComboBox& combo, int line)
{
    if (line < 0 || line >= combo.GetCount())
        return nullptr;
    LPARAM data = combo.GetItemData(line);
    return data == CB_ERR ? nullptr : reinterpret_cast<const PHONEBOOK_ID*>(data);
}

const PHONEBOOK_ID* EntryIdOfRow(const CListCtrl& list, int row)
{
    if (row < 0 || row >= list.GetItemCount())
        return nullptr;
    return reinterpret_cast<const PHONEBOOK_ID*>(list.GetItemData(row));
}

void ClearBookCombo(CComboBox& combo)
{
    for (int line = 0; line < combo.GetCount(); ++line)
        delete BookIdOfLine(combo, line);
    combo.ResetContent();
}

int FillBookCombo(CComboBox& combo)
{
    ClearBookCombo(combo);
    int added = 0;
    LONG cursor = -1;
    PHONEBOOK_ID bookId = {};
    GetNextPhoneBookID(&cursor, &bookId);  // the library's first answer names no book
    while (GetNextPhoneBookID(&cursor, &bookId)) {
        PHONEBOOK_INFO info = {};
        info.cbSize = PHONEBOOK_INFO_SIZE;
        info.id = bookId;
        if (GetPhoneBookData(&info) != 0)
            continue;
        std::string name = PhoneBookFieldText(info.szName, sizeof info.szName);
        int line = combo.AddString(name.c_str());
        if (line < 0)
            continue;
        combo.SetItemData(line, reinterpret_cast<LPARAM>(CopyOf(bookId)));
        ++added;
    }
    return added;
}

void ClearEntryList(CListCtrl& list)
{
    for (int row = 0; row < list.GetItemCount(); ++row) {
        delete EntryIdOfRow(list, row);
        list.SetItemData(row, 0);
    }
    list.DeleteAllItems();
}

int FillEntryList(PHONEBOOK_ID book, CListCtrl& list)
{
    WaitCursor wait;
    ClearEntryList(list);
    int added = 0;
    LONG cursor = -1;
    PHONEBOOK_ID entryId = {};
    GetNextPhoneBookEntryID(book, &cursor, &entryId);  // the library's first answer names no entry
    while (GetNextPhoneBookEntryID(book, &cursor, &entryId)) {
        LongPhoneBookEntry record = {};
        PHONEBOOK_ENTRY& entry = record.entry;
        entry.cbSize = PHONEBOOK_ENTRY_SIZE_LONG;
        entry.id = entryId;
        if (GetPhoneBookEntryData(&book, &entry) != 0)
            continue;
        std::string name = PhoneBookFieldText(entry.szFirstName, sizeof entry.szFirstName) + " " +
                           PhoneBookFieldText(entry.szLastName, sizeof entry.szLastName);
        std::string company = PhoneBookFieldText(entry.szCompany, sizeof entry.szCompany);
        LVITEMA row = {};
        row.mask = LVIF_TEXT | LVIF_PARAM;
        row.iItem = added;
        row.pszText = &name[0];
        row.lParam = reinterpret_cast<LPARAM>(CopyOf(entryId));
        int inserted = list.InsertItem(row);
        if (inserted < 0) {
            delete reinterpret_cast<PHONEBOOK_ID*>(row.lParam);
            continue;
        }
        list.SetItemText(inserted, 1, company.c_str());
        ++added;
    }
    return added;
}
