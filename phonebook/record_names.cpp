#include "phonebook/record_names.h"

const char* const g_szContactFields[kContactFieldCount] = {
    "First Name", "Last Name", "Company", "Address1", "Address2", "City",  "State", "Zip",
    "Country",    "Phone",     "FAX",     "E-mail",   "Web",      "Notes", "Name",
};

const char* const g_szLogColumns[kLogColumnCount] = {
    "ID", "Status", "Date", "Time", "Pages", "Name", "Company", "Fax Number",
};

const char g_szMasterList[] = "QOmaster";
const char g_szDefaultBook[] = "Main";
const char g_szIndexSection[] = "Index";
const char g_szNumberKey[] = "Number";
const char g_szItemKey[] = "Item";
const char g_szProfileExt[] = "ini";
