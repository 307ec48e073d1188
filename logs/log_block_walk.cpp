#include "logs/log_block_walk.h"

#include <cstdint>
#include <cstring>

namespace {
bool FitsInBlock(size_t offset, size_t blockBytes)
{
    return blockBytes == 0 || (offset <= blockBytes && blockBytes - offset >= sizeof(SEND_FAX));
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
