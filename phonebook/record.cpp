#include "phonebook/record.h"

namespace {
int FieldCountOf(int type)
{
    switch (type) {
    case CRecord::TYPE_PLAIN:
        return 2;
    case CRecord::TYPE_CONTACT:
        return kContactFieldCount;
    case CRecord::TYPE_LOG:
        return kLogColumnCount;
    default:
        return 0;
    }
}
}  // namespace

CRecord::CRecord(int type) : m_nType(type), m_nFieldCount(FieldCountOf(type)) {}

std::string CRecord::GetField(int field) const
{
    return field >= 0 && field < m_nFieldCount ? m_strFields[field] : std::string();
}

bool CRecord::SetField(int field, const std::string& text)
{
    if (field < 0 || field >= m_nFieldCount)
        return false;
    m_strFields[field] = text;
    return true;
}

std::string CRecord::JoinedName() const { return m_strFields[0] + " " + m_strFields[1]; }
