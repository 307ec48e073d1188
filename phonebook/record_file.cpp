#include "phonebook/record_file.h"

CRecordFile::CRecordFile() : m_Slots(static_cast<size_t>(kSlots)) {}

std::string CRecordFile::GetField(int slot, int field) const
{
    if (slot < 0 || slot >= kSlots || field < 0 || field >= kContactFieldCount)
        return std::string();
    return m_Slots[static_cast<size_t>(slot)][static_cast<size_t>(field)];
}

bool CRecordFile::SetField(int slot, int field, const std::string& text)
{
    if (slot < 0 || slot >= kSlots || field < 0 || field >= kContactFieldCount)
        return false;
    m_Slots[static_cast<size_t>(slot)][static_cast<size_t>(field)] = text;
    return true;
}

CRecord CRecordFile::GetRecord(int slot, int type) const
{
    CRecord record(type);
    for (int field = 0; field < record.GetFieldCount(); ++field)
        record.SetField(field, GetField(slot, field));
    return record;
}

bool CRecordFile::SetRecord(int slot, const CRecord& record)
{
    if (slot < 0 || slot >= kSlots)
        return false;
    for (int field = 0; field < record.GetFieldCount(); ++field)
        SetField(slot, field, record.GetField(field));
    return true;
}
