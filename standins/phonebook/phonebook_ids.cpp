#include "standins/phonebook/phonebook_ids.h"

#include <cstring>

namespace {
void PutU32(BYTE* at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<BYTE>(v >> (8 * i));
}

uint32_t GetU32(const BYTE* at)
{
    return static_cast<uint32_t>(at[0]) | static_cast<uint32_t>(at[1]) << 8 | static_cast<uint32_t>(at[2]) << 16 |
           static_cast<uint32_t>(at[3]) << 24;
}

PHONEBOOK_ID MakeId(char kind, uint32_t book, uint32_t entry)
{
    PHONEBOOK_ID id = {};
    std::memcpy(id.bOpaque, "RDZ", 3);
    id.bOpaque[3] = static_cast<BYTE>(kind);
    PutU32(id.bOpaque + 4, book);
    PutU32(id.bOpaque + 8, entry);
    return id;
}
}  // namespace

PHONEBOOK_ID MakeBookId(uint32_t book) { return MakeId('B', book, 0); }
PHONEBOOK_ID MakeEntryId(uint32_t book, uint32_t entry) { return MakeId('E', book, entry); }

bool ReadId(const PHONEBOOK_ID& id, StandInId& out)
{
    static const BYTE zeros[4] = {};
    if (std::memcmp(id.bOpaque, "RDZ", 3) != 0 || std::memcmp(id.bOpaque + 12, zeros, 4) != 0)
        return false;
    char kind = static_cast<char>(id.bOpaque[3]);
    if (kind != 'B' && kind != 'E')
        return false;
    out.isEntry = kind == 'E';
    out.book = GetU32(id.bOpaque + 4);
    out.entry = GetU32(id.bOpaque + 8);
    return out.book != 0 && (out.isEntry ? out.entry != 0 : out.entry == 0);
}
