#include "logs/log_block_walk.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {
bool FitsInBlock(size_t offset, size_t blockBytes)
{
    return blockBytes == 0 || (offset <= blockBytes && blockBytes - offset >= sizeof(SEND_FAX));
}

// Every text pointer of the record: what a visit may read.
constexpr size_t kTextOffsets[] = {
    offsetof(SEND_FAX, szDestName),    offsetof(SEND_FAX, szDestFax),   offsetof(SEND_FAX, szDestPhone),
    offsetof(SEND_FAX, szSubject),     offsetof(SEND_FAX, szFromLine),  offsetof(SEND_FAX, szBanner),
    offsetof(SEND_FAX, szCover),       offsetof(SEND_FAX, szComments),  offsetof(SEND_FAX, szFromCompany),
    offsetof(SEND_FAX, szToCompany),   offsetof(SEND_FAX, szFromFax),   offsetof(SEND_FAX, szFromPhone),
    offsetof(SEND_FAX, szUserDefined), offsetof(SEND_FAX, szFileList),
};

// True when every text of the record is null or starts inside [first, first + bytes) and
// ends there with its terminator. Pointers are compared as numbers: a hostile one is never
// followed before it is known to lie inside.
bool TextsInside(const uint8_t* record, const uint8_t* first, size_t bytes)
{
    const uintptr_t begin = reinterpret_cast<uintptr_t>(first);
    for (size_t offset : kTextOffsets) {
        uintptr_t text = 0;
        std::memcpy(&text, record + offset, sizeof text);  // packed: read byte by byte
        if (text == 0)
            continue;
        if (text < begin || text - begin >= bytes)
            return false;
        const size_t left = bytes - (text - begin);
        if (!std::memchr(first + (text - begin), '\0', left))
            return false;
    }
    return true;
}
}  // namespace

int WalkLogBlock(void* block, size_t blockBytes, int count, const std::function<void(SEND_FAX*)>& visit)
{
    if (!block || count <= 0 || !FitsInBlock(0, blockBytes))
        return 0;
    auto* bytes = static_cast<uint8_t*>(block);
    size_t offset = 0;
    int visited = 0;
    for (;;) {
        auto* record = reinterpret_cast<SEND_FAX*>(bytes + offset);
        // The record length is read before the visit, which may change the record.
        size_t length = record->nRecLength;
        // Where its texts may lie: the block, or without its size the record's own bytes.
        const uint8_t* textsStart = blockBytes != 0 ? bytes : bytes + offset;
        const size_t textsBytes = blockBytes != 0 ? blockBytes : std::max(length, sizeof(SEND_FAX));
        if (!TextsInside(bytes + offset, textsStart, textsBytes))
            return visited;
        visit(record);
        if (++visited >= count || length < sizeof(SEND_FAX) || !FitsInBlock(offset + length, blockBytes))
            return visited;
        offset += length;
        uint32_t nextJob = 0;
        std::memcpy(&nextJob, bytes + offset + offsetof(SEND_FAX, dwJobID), sizeof nextJob);
        if (nextJob == 0)
            return visited;
    }
}
