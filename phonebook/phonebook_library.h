/* The phonebook library ReDiZazu.dll as this module calls it. The module imports the
 * library by name; every call uses the standard Windows calling convention.
 *
 * Books and entries are named by PHONEBOOK_ID values, which the module copies but never
 * looks into. Enumeration, the same for books and entries: set the cursor to -1, call the
 * Next function once and discard what it yields, then read the record of each identifier
 * the following calls yield while they return nonzero. */
#ifndef RWFAX_PHONEBOOK_LIBRARY_H
#define RWFAX_PHONEBOOK_LIBRARY_H

#include <windows.h>

#include <stddef.h>

#ifndef REDIZAZU_API
#define REDIZAZU_API __declspec(dllimport)
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* cbSize values of the records. The entry selector asks with the longer entry size. */
#define PHONEBOOK_INFO_SIZE        60
#define PHONEBOOK_ENTRY_SIZE       922
#define PHONEBOOK_ENTRY_SIZE_LONG  924

/* Field sizes, terminator included; longer texts are cut to fit. */
#define PHONEBOOK_NAME_CHARS       32
#define PHONEBOOK_PERSON_CHARS     21
#define PHONEBOOK_COMPANY_CHARS    127
#define PHONEBOOK_NUMBER_CHARS     41

#pragma pack(push, 1)
typedef struct PHONEBOOK_ID {
    BYTE bOpaque[16];
} PHONEBOOK_ID;

typedef struct PHONEBOOK_INFO {
    DWORD cbSize;                       /* PHONEBOOK_INFO_SIZE */
    BYTE bLibraryReserved4[8];
    PHONEBOOK_ID id;
    char szName[PHONEBOOK_NAME_CHARS];
} PHONEBOOK_INFO;

typedef struct PHONEBOOK_ENTRY {
    DWORD cbSize;                       /* PHONEBOOK_ENTRY_SIZE (or _LONG) */
    BYTE bLibraryReserved4[8];
    PHONEBOOK_ID id;                    /* all zero: a new entry */
    char szFirstName[PHONEBOOK_PERSON_CHARS];
    char szLastName[PHONEBOOK_PERSON_CHARS];
    char szCompany[PHONEBOOK_COMPANY_CHARS];
    char szPhone[PHONEBOOK_NUMBER_CHARS];
    char szFax[PHONEBOOK_NUMBER_CHARS]; /* the number shown in lists */
    BYTE bLibraryReserved279[643];
} PHONEBOOK_ENTRY;
#pragma pack(pop)

/* Runs the library's phonebook editor. */
REDIZAZU_API int WINAPI EditPhoneBookDlg(void);
/* Yields the next book: nonzero while it yields one. */
REDIZAZU_API BOOL WINAPI GetNextPhoneBookID(LONG* pnCursor, PHONEBOOK_ID* pBookId);
/* Fills szName of the book named by pInfo->id (cbSize set): 0 on success. */
REDIZAZU_API int WINAPI GetPhoneBookData(PHONEBOOK_INFO* pInfo);
/* Yields the next entry of a book: nonzero while it yields one. */
REDIZAZU_API BOOL WINAPI GetNextPhoneBookEntryID(PHONEBOOK_ID bookId, LONG* pnCursor, PHONEBOOK_ID* pEntryId);
/* Fills the texts of the entry named by pEntry->id (cbSize set): 0 on success. */
REDIZAZU_API int WINAPI GetPhoneBookEntryData(const PHONEBOOK_ID* pBookId, PHONEBOOK_ENTRY* pEntry);
/* Runs the entry editor on the record (a new entry when its id is all zero); OK saves it
 * into the book. */
REDIZAZU_API int WINAPI EditPhoneBookEntryDlg(const PHONEBOOK_ID* pBookId, PHONEBOOK_ENTRY* pEntry);

#ifdef __cplusplus
}  /* extern "C" */

/* The layout the library was built against; it has no pointers, so it is the same in
 * 32-bit and 64-bit builds. */
static_assert(sizeof(PHONEBOOK_ID) == 16, "PHONEBOOK_ID size");
static_assert(sizeof(PHONEBOOK_INFO) == PHONEBOOK_INFO_SIZE, "PHONEBOOK_INFO size");
static_assert(offsetof(PHONEBOOK_INFO, id) == 12, "PHONEBOOK_INFO id");
static_assert(offsetof(PHONEBOOK_INFO, szName) == 28, "PHONEBOOK_INFO szName");
static_assert(sizeof(PHONEBOOK_ENTRY) == PHONEBOOK_ENTRY_SIZE, "PHONEBOOK_ENTRY size");
static_assert(offsetof(PHONEBOOK_ENTRY, id) == 12, "PHONEBOOK_ENTRY id");
static_assert(offsetof(PHONEBOOK_ENTRY, szFirstName) == 28, "PHONEBOOK_ENTRY szFirstName");
static_assert(offsetof(PHONEBOOK_ENTRY, szLastName) == 49, "PHONEBOOK_ENTRY szLastName");
static_assert(offsetof(PHONEBOOK_ENTRY, szCompany) == 70, "PHONEBOOK_ENTRY szCompany");
static_assert(offsetof(PHONEBOOK_ENTRY, szPhone) == 197, "PHONEBOOK_ENTRY szPhone");
static_assert(offsetof(PHONEBOOK_ENTRY, szFax) == 238, "PHONEBOOK_ENTRY szFax");
#endif

#endif /* RWFAX_PHONEBOOK_LIBRARY_H */
