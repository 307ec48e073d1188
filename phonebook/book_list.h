#pragma once
// The master list of phonebook names ("QOmaster") and its default book "Main".
#include <windows.h>

#include "phonebook/name_index.h"
#include "phonebook/record_file.h"

// Loads the master list into index. An empty or missing list becomes one holding "Main",
// written back, with an empty Main book file (replacing any earlier one). Returns 0 when
// writing that default failed.
int LoadBookList(CNameIndex& index, CRecordFile& recordFile);
// Fills a list box with the phonebook names in list order and selects the first line.
// Returns the number of lines.
int FillBookListBox(CRecordFile& recordFile, HWND listBox);
