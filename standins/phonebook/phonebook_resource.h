// Resource identifiers of the phonebook library stand-in.
#pragma once

#define IDD_PB_PHONEBOOK_EDITOR      100
#define IDD_PB_ENTRY_EDITOR          101
#define IDD_PB_NEW_BOOK              102

// Phonebook editor.
#define IDC_PB_BOOK_LIST             1001
#define IDC_PB_NEW_BOOK              1002
#define IDC_PB_ENTRY_LIST            1003
#define IDC_PB_ADD_ENTRY             1004
#define IDC_PB_EDIT_ENTRY            1005
#define IDC_PB_DELETE_ENTRY          1006

// Entry editor.
#define IDC_PB_ENTRY_BOOK            1100
#define IDC_PB_FIRST_NAME            1101
#define IDC_PB_LAST_NAME             1102
#define IDC_PB_COMPANY               1103
#define IDC_PB_PHONE                 1104
#define IDC_PB_FAX                   1105

// New phonebook.
#define IDC_PB_BOOK_NAME             1201

#define IDS_PB_COLUMN_FIRST_NAME     200
#define IDS_PB_COLUMN_LAST_NAME      201
#define IDS_PB_COLUMN_COMPANY        202
#define IDS_PB_COLUMN_PHONE          203
#define IDS_PB_COLUMN_FAX            204
#define IDS_PB_PHONEBOOKS            210
#define IDS_PB_CONFIRM_DELETE        211
#define IDS_PB_BOOK_EXISTS           212
#define IDS_PB_BOOK_NAME_MISSING     213
#define IDS_PB_BOOK_NOT_SAVED        214
#define IDS_PB_ENTRY_NAME_MISSING    215
#define IDS_PB_ENTRY_IN_BOOK         216
