#pragma once
// The resolution of a document in the engine's form ("FF*\0" TIFF): fine (1) unless its
// vertical resolution is 110 dots per inch or less. Anything unreadable counts as fine.
#include <cstddef>
#include <cstdint>
#include <string>

// Reads up to size bytes at offset into buffer; returns how many were read (0 at the end
// or on failure).
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual size_t ReadAt(uint64_t offset, void* buffer, size_t size) = 0;
};

// The resolution flag of the document behind the source.
int16_t ReadFaxResolution(ByteSource& source);
// The same for bytes held in memory.
int16_t ReadFaxResolutionFromBytes(const uint8_t* data, size_t size);
// The same for a file: a file that cannot be opened counts as fine.
int16_t ReadFaxResolution(const char* path);
