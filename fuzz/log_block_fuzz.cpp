// Arbitrary bytes as a block of log records from the engine, walked as the log pages walk
// it: whatever the record lengths, job ids, texts and announced count say, every record a
// visit sees lies inside the block and so does every one of its texts, terminator included.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "logs/log_block_walk.h"

namespace {
constexpr size_t kTextOffsets[] = {
    offsetof(SEND_FAX, szDestName),    offsetof(SEND_FAX, szDestFax),   offsetof(SEND_FAX, szDestPhone),
    offsetof(SEND_FAX, szSubject),     offsetof(SEND_FAX, szFromLine),  offsetof(SEND_FAX, szBanner),
    offsetof(SEND_FAX, szCover),       offsetof(SEND_FAX, szComments),  offsetof(SEND_FAX, szFromCompany),
    offsetof(SEND_FAX, szToCompany),   offsetof(SEND_FAX, szFromFax),   offsetof(SEND_FAX, szFromPhone),
    offsetof(SEND_FAX, szUserDefined), offsetof(SEND_FAX, szFileList),
};

uintptr_t ReadPointer(const uint8_t* at)
{
    uintptr_t value = 0;
    std::memcpy(&value, at, sizeof value);
    return value;
}

// The input holds texts as offsets into the block; the records an engine would have laid
// out (hopping by their lengths) get them as addresses, so that the fuzzer reaches texts
// inside, at the edge of and outside the block alike. Other values stay as they are.
void PlaceTexts(uint8_t* block, size_t size)
{
    for (size_t offset = 0, hops = 0; hops < 64 && size - offset >= sizeof(SEND_FAX); ++hops) {
        for (size_t field : kTextOffsets) {
            uintptr_t value = ReadPointer(block + offset + field);
            if (value != 0 && value <= size) {
                uintptr_t address = reinterpret_cast<uintptr_t>(block) + value;
                std::memcpy(block + offset + field, &address, sizeof address);
            }
        }
        size_t length = ReadPointer(block + offset + offsetof(SEND_FAX, nRecLength)) & 0xFFFF;
        if (length < sizeof(SEND_FAX) || length > size - offset)
            return;
        offset += length;
    }
}

bool Inside(uintptr_t at, size_t bytes, const uint8_t* block, size_t size)
{
    uintptr_t begin = reinterpret_cast<uintptr_t>(block);
    return at >= begin && at - begin <= size && size - (at - begin) >= bytes;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // A size of 0 tells the walk that the size is unknown: the pages always know it.
    if (size < 2)
        return 0;
    const int count = data[0] % 16;
    const size_t blockBytes = size - 1;
    // Exactly as large as delivered, so that a read past the end is caught.
    std::unique_ptr<uint8_t[]> block(new uint8_t[blockBytes]);
    std::memcpy(block.get(), data + 1, blockBytes);
    PlaceTexts(block.get(), blockBytes);

    int visits = 0;
    uint64_t sum = 0;
    int walked = WalkLogBlock(block.get(), blockBytes, count, [&](SEND_FAX* record) {
        ++visits;
        const auto* at = reinterpret_cast<const uint8_t*>(record);
        if (!Inside(reinterpret_cast<uintptr_t>(at), sizeof(SEND_FAX), block.get(), blockBytes))
            std::abort();
        for (size_t field : kTextOffsets) {
            uintptr_t text = ReadPointer(at + field);
            if (text == 0)
                continue;
            size_t length = std::strlen(reinterpret_cast<const char*>(text));
            if (!Inside(text, length + 1, block.get(), blockBytes))
                std::abort();
            sum += length;
        }
    });
    if (walked != visits || walked > count)
        std::abort();
    // The sum keeps the reads from being optimised away.
    return sum == UINT64_MAX ? -1 : 0;
}
