#pragma once
// What the library puts into the opaque identifiers it hands out: a mark, the kind
// (book or entry), the book number and the entry number.
#include <cstdint>

#include "phonebook/phonebook_library.h"

struct StandInId {
    bool isEntry = false;
    uint32_t book = 0;
    uint32_t entry = 0;
};

PHONEBOOK_ID MakeBookId(uint32_t book);
PHONEBOOK_ID MakeEntryId(uint32_t book, uint32_t entry);
// False for identifiers the library did not make (the all-zero one among them).
bool ReadId(const PHONEBOOK_ID& id, StandInId& out);
