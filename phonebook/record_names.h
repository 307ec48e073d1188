#pragma once
// The names shared by the module's record files: each field name is both a record's field
// and the key it is stored under in a profile file.

constexpr int kContactFieldCount = 15;
constexpr int kLogColumnCount = 8;

// Contact fields; the index is the field number of a contact record.
enum ContactField {
    CONTACT_FIRST_NAME = 0,
    CONTACT_LAST_NAME = 1,
    CONTACT_COMPANY = 2,
    CONTACT_ADDRESS1 = 3,
    CONTACT_ADDRESS2 = 4,
    CONTACT_CITY = 5,
    CONTACT_STATE = 6,
    CONTACT_ZIP = 7,
    CONTACT_COUNTRY = 8,
    CONTACT_PHONE = 9,
    CONTACT_FAX = 10,
    CONTACT_EMAIL = 11,
    CONTACT_WEB = 12,
    CONTACT_NOTES = 13,
    CONTACT_NAME = 14,  // the display name: first name, one blank, last name
};

// Log row fields; field 0 identifies the record and names its section.
enum LogColumn {
    LOG_ID = 0,
    LOG_STATUS = 1,
    LOG_DATE = 2,
    LOG_TIME = 3,
    LOG_PAGES = 4,
    LOG_NAME = 5,
    LOG_COMPANY = 6,
    LOG_FAX_NUMBER = 7,
};

extern const char* const g_szContactFields[kContactFieldCount];
extern const char* const g_szLogColumns[kLogColumnCount];

extern const char g_szMasterList[];     // "QOmaster": the list of phonebook names
extern const char g_szDefaultBook[];    // "Main"
extern const char g_szIndexSection[];   // "Index"
extern const char g_szNumberKey[];      // "Number"
extern const char g_szItemKey[];        // "Item", followed by a number counted from 1
extern const char g_szProfileExt[];     // "ini"
