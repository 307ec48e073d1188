// The exported calls of ReDiZazu.dll: the six calls of phonebook/phonebook_library.h and the
// stand-in's own calls of redizazu_standin.h.
#include "standins/phonebook/redizazu_standin.h"

#include <cstring>

#include "framework/module_state.h"
#include "standins/phonebook/entry_editor_dialog.h"
#include "standins/phonebook/phonebook_editor_dialog.h"
#include "standins/phonebook/phonebook_ids.h"
#include "standins/phonebook/phonebook_store.h"

namespace {
CPhoneBookStore& Store() { return CPhoneBookStore::Instance(); }

// Copies a text into a record field, cut to fit, the rest of the field zero.
template <size_t N>
void CopyField(char (&field)[N], const std::string& text)
{
    size_t length = text.size() < N - 1 ? text.size() : N - 1;
    std::memcpy(field, text.data(), length);
    std::memset(field + length, 0, N - length);
}

bool IsEntrySize(DWORD size) { return size == PHONEBOOK_ENTRY_SIZE || size == PHONEBOOK_ENTRY_SIZE_LONG; }

// The book an identifier names, when it exists.
const PhoneBookFile* BookOf(const PHONEBOOK_ID& id, uint32_t& number)
{
    StandInId read;
    if (!ReadId(id, read) || read.isEntry)
        return nullptr;
    number = read.book;
    return Store().Load(read.book);
}

// One step of the enumeration protocol over count items: the first call after -1 yields
// the all-zero identifier. Returns the index of the item to yield, -1 for the zero one,
// -2 when the enumeration is over.
long Step(LONG* cursor, size_t count)
{
    if (*cursor == -1) {
        *cursor = 0;
        return -1;
    }
    if (*cursor < 0 || static_cast<size_t>(*cursor) >= count)
        return -2;
    return (*cursor)++;
}

HWND DialogOwner()
{
    HWND active = GetActiveWindow();
    return active ? active : GetForegroundWindow();
}
}  // namespace

extern "C" {

int WINAPI EditPhoneBookDlg(void)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    CPhoneBookEditorDlg dialog(DialogOwner());
    return static_cast<int>(dialog.DoModal());
}

BOOL WINAPI GetNextPhoneBookID(LONG* pnCursor, PHONEBOOK_ID* pBookId)
{
    if (!pnCursor || !pBookId)
        return FALSE;
    std::vector<BookListing> books = Store().Books();
    long index = Step(pnCursor, books.size());
    if (index == -2)
        return FALSE;
    *pBookId = index == -1 ? PHONEBOOK_ID{} : MakeBookId(books[static_cast<size_t>(index)].number);
    return TRUE;
}

int WINAPI GetPhoneBookData(PHONEBOOK_INFO* pInfo)
{
    if (!pInfo)
        return PHONEBOOK_ERR_ARGUMENT;
    if (pInfo->cbSize != PHONEBOOK_INFO_SIZE)
        return PHONEBOOK_ERR_SIZE;
    uint32_t number = 0;
    const PhoneBookFile* book = BookOf(pInfo->id, number);
    if (!book)
        return PHONEBOOK_ERR_NOT_FOUND;
    CopyField(pInfo->szName, book->name);
    return 0;
}

BOOL WINAPI GetNextPhoneBookEntryID(PHONEBOOK_ID bookId, LONG* pnCursor, PHONEBOOK_ID* pEntryId)
{
    if (!pnCursor || !pEntryId)
        return FALSE;
    uint32_t number = 0;
    const PhoneBookFile* book = BookOf(bookId, number);
    long index = Step(pnCursor, book ? book->entries.size() : 0);
    if (index == -2)
        return FALSE;
    *pEntryId = index == -1 ? PHONEBOOK_ID{} : MakeEntryId(number, book->entries[static_cast<size_t>(index)].number);
    return TRUE;
}

int WINAPI GetPhoneBookEntryData(const PHONEBOOK_ID* pBookId, PHONEBOOK_ENTRY* pEntry)
{
    if (!pBookId || !pEntry)
        return PHONEBOOK_ERR_ARGUMENT;
    if (!IsEntrySize(pEntry->cbSize))
        return PHONEBOOK_ERR_SIZE;
    uint32_t number = 0;
    const PhoneBookFile* book = BookOf(*pBookId, number);
    StandInId entryId;
    if (!book || !ReadId(pEntry->id, entryId) || !entryId.isEntry || entryId.book != number)
        return PHONEBOOK_ERR_NOT_FOUND;
    const PhoneBookEntryText* entry = book->Find(entryId.entry);
    if (!entry)
        return PHONEBOOK_ERR_NOT_FOUND;
    CopyField(pEntry->szFirstName, entry->firstName);
    CopyField(pEntry->szLastName, entry->lastName);
    CopyField(pEntry->szCompany, entry->company);
    CopyField(pEntry->szPhone, entry->phone);
    CopyField(pEntry->szFax, entry->fax);
    return 0;
}

int WINAPI EditPhoneBookEntryDlg(const PHONEBOOK_ID* pBookId, PHONEBOOK_ENTRY* pEntry)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    if (!pBookId || !pEntry || !IsEntrySize(pEntry->cbSize))
        return -1;
    uint32_t number = 0;
    const PhoneBookFile* book = BookOf(*pBookId, number);
    if (!book)
        return -1;
    // The record's texts need not be terminated: each is read within its field.
    PhoneBookEntryText entry;
    entry.firstName.assign(pEntry->szFirstName, strnlen(pEntry->szFirstName, sizeof pEntry->szFirstName));
    entry.lastName.assign(pEntry->szLastName, strnlen(pEntry->szLastName, sizeof pEntry->szLastName));
    entry.company.assign(pEntry->szCompany, strnlen(pEntry->szCompany, sizeof pEntry->szCompany));
    entry.phone.assign(pEntry->szPhone, strnlen(pEntry->szPhone, sizeof pEntry->szPhone));
    entry.fax.assign(pEntry->szFax, strnlen(pEntry->szFax, sizeof pEntry->szFax));
    StandInId entryId;
    if (ReadId(pEntry->id, entryId) && entryId.isEntry && entryId.book == number && book->Find(entryId.entry))
        entry.number = entryId.entry;

    CEntryEditorDlg dialog(DialogOwner(), book->name, entry);
    INT_PTR result = dialog.DoModal();
    if (result != IDOK)
        return result == IDCANCEL ? IDCANCEL : -1;
    PhoneBookEntryText saved = dialog.Entry();
    saved.number = entry.number;
    if (!Store().SaveEntry(number, saved))
        return -1;
    pEntry->id = MakeEntryId(number, saved.number);
    CopyField(pEntry->szFirstName, saved.firstName);
    CopyField(pEntry->szLastName, saved.lastName);
    CopyField(pEntry->szCompany, saved.company);
    CopyField(pEntry->szPhone, saved.phone);
    CopyField(pEntry->szFax, saved.fax);
    return IDOK;
}

DWORD WINAPI PhoneBookStandInSetStoreFolder(const char* pszFolder)
{
    Store().SetFolder(pszFolder ? pszFolder : "");
    return 1;
}

DWORD WINAPI PhoneBookStandInGetStoreFolder(char* pszFolder, DWORD cchFolder)
{
    std::string folder = Store().Folder();
    if (!pszFolder || cchFolder <= folder.size())
        return 0;
    std::memcpy(pszFolder, folder.c_str(), folder.size() + 1);
    return static_cast<DWORD>(folder.size());
}

}  // extern "C"
