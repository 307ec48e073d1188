#pragma once
// The in-memory image of one record file: its name index and a record slot for each name.
// Slot i holds the record whose name is index entry i. Large: owners keep it on the heap.
#include <array>
#include <string>
#include <vector>

#include "phonebook/name_index.h"
#include "phonebook/record.h"
#include "phonebook/record_names.h"

class CRecordFile {
public:
    static constexpr int kSlots = CNameIndex::kMaxNames;

    CRecordFile();

    CNameIndex& GetIndex() { return m_Index; }
    const CNameIndex& GetIndex() const { return m_Index; }

    // An empty text outside the slots and fields.
    std::string GetField(int slot, int field) const;
    bool SetField(int slot, int field, const std::string& text);
    // The first fields of a slot as a record of the given type, and back.
    CRecord GetRecord(int slot, int type) const;
    bool SetRecord(int slot, const CRecord& record);

    // Reads a list's file: the index, then for each of its names the section of that name,
    // with the 15 contact keys (contacts) or the 8 log keys. Returns the index's result.
    int Load(const std::string& listName, bool contacts, bool report);
    // Writes the whole file anew: the index, then each record that is not removed, in index
    // order. Returns 0, having told the user, when a write failed.
    int Save(const std::string& listName, bool contacts) const;

private:
    using Slot = std::array<std::string, kContactFieldCount>;
    std::vector<Slot> m_Slots;
    CNameIndex m_Index;
};
