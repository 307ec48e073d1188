#pragma once
// The phonebook panel of the Send Fax dialog: a combo box of the phonebook library's books
// and a list of the selected book's entries. Each combo line and each list row carries a heap
// copy of its PHONEBOOK_ID as item data; the copies belong to the control and are freed by
// the next fill or by the Clear functions.
#include <windows.h>

#include "framework/combo_box.h"
#include "framework/list_ctrl.h"
#include "phonebook/phonebook_library.h"

// Fills the combo box with one line per readable book. Returns the number of lines added.
int FillBookCombo(CComboBox& combo);
// Frees every line's identifier copy, then empties the combo box.
void ClearBookCombo(CComboBox& combo);
// Fills the list with one row per readable entry of the book: "first last" and the company.
// Returns the number of rows added.
int FillEntryList(PHONEBOOK_ID book, CListCtrl& list);
// Frees every row's identifier copy, then deletes all rows.
void ClearEntryList(CListCtrl& list);

// The identifier a combo line or a list row carries; null when it carries none.
const PHONEBOOK_ID* BookIdOfLine(const CComboBox& combo, int line);
const PHONEBOOK_ID* EntryIdOfRow(const CListCtrl& list, int row);

// A text field of the library's records, which need not be terminated.
std::string PhoneBookFieldText(const char* field, size_t size);
