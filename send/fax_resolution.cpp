#include "send/fax_resolution.h"

#include <cstdio>
#include <cstring>

namespace {
constexpr uint16_t kVerticalResolutionTag = 283;
constexpr uint32_t kFineThreshold = 110;  // dots per inch above which a document is fine
constexpr unsigned kEntrySize = 12;       // tag, type, count, value offset

bool ReadExactly(ByteSource& source, uint64_t offset, void* buffer, size_t size)
{
    return source.ReadAt(offset, buffer, size) == size;
}

uint16_t Little16(const uint8_t* bytes) { return static_cast<uint16_t>(bytes[0] | (bytes[1] << 8)); }
uint32_t Little32(const uint8_t* bytes)
{
    return static_cast<uint32_t>(bytes[0]) | (static_cast<uint32_t>(bytes[1]) << 8) |
           (static_cast<uint32_t>(bytes[2]) << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
}

class MemorySource : public ByteSource {
public:
    MemorySource(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}
    size_t ReadAt(uint64_t offset, void* buffer, size_t size) override
    {
        if (!m_data || offset >= m_size)
            return 0;
        size_t available = static_cast<size_t>(m_size - offset);
        size_t count = size < available ? size : available;
        std::memcpy(buffer, m_data + offset, count);
        return count;
    }

private:
    const uint8_t* m_data;
    size_t m_size;
};

// Reads a file through a small window, so walking a directory entry by entry stays cheap.
class FileSource : public ByteSource {
public:
    explicit FileSource(std::FILE* file) : m_file(file) {}
    size_t ReadAt(uint64_t offset, void* buffer, size_t size) override
    {
        if (offset < m_start || offset + size > m_start + m_filled) {
            if (offset > 0x7FFFFFFF || std::fseek(m_file, static_cast<long>(offset), SEEK_SET) != 0)
                return 0;
            m_start = offset;
            m_filled = std::fread(m_window, 1, sizeof m_window, m_file);
        }
        if (offset < m_start || offset >= m_start + m_filled)
            return 0;
        size_t available = static_cast<size_t>(m_start + m_filled - offset);
        size_t count = size < available ? size : available;
        std::memcpy(buffer, m_window + (offset - m_start), count);
        return count;
    }

private:
    std::FILE* m_file;
    uint8_t m_window[4096];
    uint64_t m_start = 0;
    size_t m_filled = 0;
};
}  // namespace

int16_t ReadFaxResolution(ByteSource& source)
{
    int16_t fine = 1;
    uint8_t header[8];
    if (!ReadExactly(source, 0, header, sizeof header))
        return fine;
    if (header[0] != 'F' || header[1] != 'F' || header[2] != '*' || header[3] != 0)
        return fine;
    // Walk the directory's entries from its first one; each step moves forward, so the walk
    // ends at the end of the file whatever the offsets say.
    uint64_t entry = static_cast<uint64_t>(Little32(header + 4)) + 2;
    for (;; entry += kEntrySize) {
        uint8_t tag[2];
        if (!ReadExactly(source, entry, tag, sizeof tag))
            return fine;
        if (Little16(tag) != kVerticalResolutionTag)
            continue;
        uint8_t valueOffset[4];
        if (!ReadExactly(source, entry + 8, valueOffset, sizeof valueOffset))
            return fine;
        uint8_t rational[8];
        if (!ReadExactly(source, Little32(valueOffset), rational, sizeof rational))
            return fine;
        uint32_t numerator = Little32(rational);
        uint32_t denominator = Little32(rational + 4);
        if (denominator != 0)
            fine = numerator / denominator > kFineThreshold ? 1 : 0;
        return fine;
    }
}

int16_t ReadFaxResolutionFromBytes(const uint8_t* data, size_t size)
{
    MemorySource source(data, size);
    return ReadFaxResolution(source);
}

int16_t ReadFaxResolution(const char* path)
{
    if (!path || !*path)
        return 1;
    std::FILE* file = std::fopen(path, "rb");
    if (!file)
        return 1;
    FileSource source(file);
    int16_t fine = ReadFaxResolution(source);
    std::fclose(file);
    return fine;
}
