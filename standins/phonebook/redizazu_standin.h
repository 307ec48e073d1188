/* ReDiZazu.dll, the phonebook library built by this project in place of the suite's, so
 * that the fax module, its tests and the demo host run without the suite. It exports the
 * six calls of phonebook/phonebook_library.h and the calls below, which only this library
 * has.
 *
 * Store. Each phonebook is one text file "<name>.pbk" in the store folder (format:
 * phonebook_file.h); a person may add, change or remove such files with a text editor.
 * The folder is, in this order of precedence: the one given to
 * PhoneBookStandInSetStoreFolder; the environment variable RWFAX_PHONEBOOK_STORE at the
 * time of each call; "<application data>\Velmoor\Phonebooks" of the current user.
 *
 * Enumeration. After the cursor is set to -1, the first Next call yields an all-zero
 * identifier that names nothing (callers discard it); the following calls yield the books
 * ordered by name, or a book's entries in the order of its file. A cursor is a position:
 * books or entries added or removed meanwhile may be skipped or yielded twice.
 *
 * Results. GetPhoneBookData and GetPhoneBookEntryData return 0 or one of the PHONEBOOK_ERR_
 * codes; EditPhoneBookEntryDlg returns IDOK when it saved the entry, IDCANCEL when the user
 * cancelled, -1 when it could not run; EditPhoneBookDlg returns IDCANCEL when closed, -1
 * when it could not run. Texts longer than their record fields are cut. */
#ifndef RWFAX_REDIZAZU_STANDIN_H
#define RWFAX_REDIZAZU_STANDIN_H

#include "phonebook/phonebook_library.h"

#ifdef __cplusplus
extern "C" {
#endif

#define PHONEBOOK_ERR_ARGUMENT   1   /* a null pointer */
#define PHONEBOOK_ERR_SIZE       2   /* a cbSize the library does not know */
#define PHONEBOOK_ERR_NOT_FOUND  3   /* no such book or entry */

/* Uses another store folder from now on; null returns to the environment or the default. */
REDIZAZU_API DWORD WINAPI PhoneBookStandInSetStoreFolder(const char* pszFolder);
/* The store folder in use; returns its length, 0 when the buffer is too small. */
REDIZAZU_API DWORD WINAPI PhoneBookStandInGetStoreFolder(char* pszFolder, DWORD cchFolder);

#ifdef __cplusplus
}  /* extern "C" */
#endif

#endif /* RWFAX_REDIZAZU_STANDIN_H */
