#pragma once
// One contact or log row as the dialogs pass it around.
#include <string>

#include "phonebook/record_names.h"

class CRecord {
public:
    enum Type { TYPE_PLAIN = 0, TYPE_CONTACT = 1, TYPE_LOG = 2 };
    static constexpr int kMaxFields = kContactFieldCount;

    // The type fixes the number of fields in use: 2, 15 or 8 (none for other types).
    explicit CRecord(int type);

    int GetType() const { return m_nType; }
    int GetFieldCount() const { return m_nFieldCount; }
    // An empty text for a field the record does not have.
    std::string GetField(int field) const;
    // False for a field the record does not have.
    bool SetField(int field, const std::string& text);
    // Fields 0 and 1 joined by one blank: a contact's display name and section name.
    std::string JoinedName() const;

    int m_nType;
    int m_nFieldCount;
    std::string m_strFields[kMaxFields];
};
