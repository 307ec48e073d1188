// Arbitrary bytes as a block of log records from the engine: the walk must stay inside the
// block whatever the record lengths, job ids and announced count say.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "logs/log_block_walk.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    int count = data[0] % 16;
    std::vector<uint8_t> block(data + 1, data + size);
    uint64_t sum = 0;
    WalkLogBlock(block.data(), block.size(), count, [&](SEND_FAX* record) {
        SEND_FAX copy;
        std::memcpy(&copy, record, sizeof copy);
        sum += copy.dwJobID + copy.nRecLength + static_cast<uint16_t>(copy.nLogType);
    });
    // The sum keeps the reads from being optimised away.
    return sum == UINT64_MAX ? -1 : 0;
}
