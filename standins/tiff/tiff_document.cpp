#include "standins/tiff/tiff_document.h"

#include <algorithm>
#include <set>

namespace tiff {
namespace {

enum Type : uint16_t {
    kByte = 1, kAscii = 2, kShort = 3, kLong = 4, kRational = 5, kSByte = 6, kUndefined = 7,
    kSShort = 8, kSLong = 9, kSRational = 10, kFloat = 11, kDouble = 12,
};

// Bytes of one value of a type, and of each number inside it (a rational is two longs);
// 0 for types this reader does not keep.
size_t TypeSize(uint16_t type)
{
    switch (type) {
    case kByte: case kAscii: case kSByte: case kUndefined: return 1;
    case kShort: case kSShort: return 2;
    case kLong: case kSLong: case kFloat: return 4;
    case kRational: case kSRational: case kDouble: return 8;
    default: return 0;
    }
}

size_t ComponentSize(uint16_t type)
{
    return (type == kRational || type == kSRational) ? 4 : TypeSize(type);
}

// Tags whose values point somewhere else in the file: they cannot be carried over.
bool IsPointerTag(uint16_t tag)
{
    switch (tag) {
    case 288: case 289:          // free offsets and byte counts
    case 330:                    // sub-images
    case 513: case 514:          // old-style JPEG data
    case 34665: case 34853: case 40965:  // EXIF, GPS and interoperability directories
        return true;
    default:
        return false;
    }
}

class Reader {
public:
    Reader(const std::string& bytes, bool big) : m_bytes(bytes), m_big(big) {}

    bool Has(uint64_t offset, uint64_t length) const
    {
        return offset <= m_bytes.size() && length <= m_bytes.size() - offset;
    }
    uint32_t U16(size_t offset) const
    {
        auto b0 = static_cast<uint8_t>(m_bytes[offset]), b1 = static_cast<uint8_t>(m_bytes[offset + 1]);
        return m_big ? (b0 << 8 | b1) : (b1 << 8 | b0);
    }
    uint32_t U32(size_t offset) const
    {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i) {
            uint32_t b = static_cast<uint8_t>(m_bytes[offset + (m_big ? i : 3 - i)]);
            v = v << 8 | b;
        }
        return v;
    }
    // Copies n numbers of componentSize bytes each, turned to little-endian order.
    std::vector<uint8_t> LittleEndian(size_t offset, size_t count, size_t componentSize) const
    {
        std::vector<uint8_t> out(count * componentSize);
        for (size_t i = 0; i < count; ++i)
            for (size_t b = 0; b < componentSize; ++b) {
                size_t from = offset + i * componentSize + (m_big ? componentSize - 1 - b : b);
                out[i * componentSize + b] = static_cast<uint8_t>(m_bytes[from]);
            }
        return out;
    }

private:
    const std::string& m_bytes;
    bool m_big;
};

bool Fail(std::string* reason, const char* text)
{
    if (reason)
        *reason = text;
    return false;
}

// Offsets and byte counts of the image data of one page, as two equally long lists.
bool ReadChunks(const std::string& bytes, const Field* offsets, const Field* counts, Page& page,
                uint64_t& budget, std::string* reason)
{
    if (!offsets || !counts || offsets->count == 0 || offsets->count != counts->count)
        return Fail(reason, "a page has no usable image data offsets");
    for (uint32_t i = 0; i < offsets->count; ++i) {
        uint32_t offset = 0, length = 0;
        if (!offsets->Integer(i, offset) || !counts->Integer(i, length))
            return Fail(reason, "image data offsets of an unusable type");
        if (offset > bytes.size() || length > bytes.size() - offset)
            return Fail(reason, "image data beyond the end of the file");
        if (length > budget)
            return Fail(reason, "image data repeated beyond reason");
        budget -= length;
        page.chunks.push_back(bytes.substr(offset, length));
    }
    return true;
}

bool ReadPage(const std::string& bytes, const Reader& in, bool big, size_t ifd, Page& page, uint64_t& budget,
              std::string* reason)
{
    uint32_t count = in.U16(ifd);
    if (count > kMaxFieldsPerPage)
        return Fail(reason, "too many tags in a directory");
    if (!in.Has(ifd, 2 + 12ull * count + 4))
        return Fail(reason, "directory beyond the end of the file");
    Field stripOffsets, stripCounts, tileOffsets, tileCounts;
    bool hasStrips = false, hasStripCounts = false, hasTiles = false, hasTileCounts = false;
    for (uint32_t i = 0; i < count; ++i) {
        size_t entry = ifd + 2 + 12 * i;
        Field field;
        field.tag = static_cast<uint16_t>(in.U16(entry));
        field.type = static_cast<uint16_t>(in.U16(entry + 2));
        field.count = in.U32(entry + 4);
        size_t size = TypeSize(field.type);
        if (size == 0 || field.count == 0 || IsPointerTag(field.tag))
            continue;
        uint64_t total = static_cast<uint64_t>(size) * field.count;
        uint64_t at = total <= 4 ? entry + 8 : in.U32(entry + 8);
        if (!in.Has(at, total))
            return Fail(reason, "tag values beyond the end of the file");
        if (total > budget)
            return Fail(reason, "tag values repeated beyond reason");
        budget -= total;
        size_t component = ComponentSize(field.type);
        field.value = in.LittleEndian(static_cast<size_t>(at), static_cast<size_t>(total / component), component);
        switch (field.tag) {
        case kTagStripOffsets: stripOffsets = field; hasStrips = true; break;
        case kTagStripByteCounts: stripCounts = field; hasStripCounts = true; break;
        case kTagTileOffsets: tileOffsets = field; hasTiles = true; break;
        case kTagTileByteCounts: tileCounts = field; hasTileCounts = true; break;
        default: page.fields.push_back(std::move(field)); break;
        }
    }
    if (big)
        if (const Field* bits = page.Find(kTagBitsPerSample))
            for (uint32_t i = 0; i < bits->count; ++i) {
                uint32_t v = 0;
                if (bits->Integer(i, v) && v > 8)
                    return Fail(reason, "big-endian samples wider than a byte");
            }
    if (hasStrips)
        return ReadChunks(bytes, &stripOffsets, hasStripCounts ? &stripCounts : nullptr, page, budget, reason);
    page.tiled = true;
    return ReadChunks(bytes, hasTiles ? &tileOffsets : nullptr, hasTileCounts ? &tileCounts : nullptr, page,
                      budget, reason);
}

class Writer {
public:
    size_t Size() const { return m_out.size(); }
    void U16(uint32_t v)
    {
        m_out += static_cast<char>(v & 0xFF);
        m_out += static_cast<char>((v >> 8) & 0xFF);
    }
    void U32(uint32_t v)
    {
        U16(v & 0xFFFF);
        U16(v >> 16);
    }
    void PatchU32(size_t at, uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            m_out[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    }
    void Bytes(const void* data, size_t n) { m_out.append(static_cast<const char*>(data), n); }
    void Align()
    {
        if (m_out.size() & 1)
            m_out += '\0';
    }
    std::string& Out() { return m_out; }

private:
    std::string m_out;
};

Field LongList(uint16_t tag, const std::vector<uint32_t>& values)
{
    Field field;
    field.tag = tag;
    field.type = kLong;
    field.count = static_cast<uint32_t>(values.size());
    for (uint32_t v : values)
        for (int i = 0; i < 4; ++i)
            field.value.push_back(static_cast<uint8_t>((v >> (8 * i)) & 0xFF));
    return field;
}

}  // namespace

bool Field::Integer(uint32_t index, uint32_t& out) const
{
    size_t size = TypeSize(type);
    if (index >= count || (static_cast<size_t>(index) + 1) * size > value.size())
        return false;
    const uint8_t* p = value.data() + static_cast<size_t>(index) * size;
    switch (type) {
    case kByte: case kSByte: out = p[0]; return true;
    case kShort: case kSShort: out = static_cast<uint32_t>(p[0] | p[1] << 8); return true;
    case kLong: case kSLong:
        out = static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
              static_cast<uint32_t>(p[3]) << 24;
        return true;
    default: return false;
    }
}

const Field* Page::Find(uint16_t tag) const
{
    for (const auto& field : fields)
        if (field.tag == tag)
            return &field;
    return nullptr;
}

uint32_t Page::VerticalResolution() const
{
    const Field* field = Find(kTagYResolution);
    if (!field)
        return 0;
    if (field->type == kRational && field->value.size() >= 8) {
        auto u32 = [&](size_t at) {
            const uint8_t* p = field->value.data() + at;
            return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                   static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
        };
        uint32_t denominator = u32(4);
        return denominator ? u32(0) / denominator : 0;
    }
    uint32_t value = 0;
    return field->Integer(0, value) ? value : 0;
}

bool ReadDocument(const std::string& bytes, Document& document, std::string* reason)
{
    document = Document();
    if (bytes.size() < 8)
        return Fail(reason, "too short for a TIFF header");
    Document read;
    bool big = false;
    if (bytes.compare(0, 2, "II") == 0)
        read.order = ByteOrder::kLittle;
    else if (bytes.compare(0, 2, "FF") == 0)
        read.order = ByteOrder::kEngine;
    else if (bytes.compare(0, 2, "MM") == 0) {
        read.order = ByteOrder::kBig;
        big = true;
    } else
        return Fail(reason, "no TIFF byte-order mark");
    Reader in(bytes, big);
    if (in.U16(2) != 42)
        return Fail(reason, "not a TIFF file (no 42 after the mark)");
    // Image data and tag values may be shared between pages, but not without bound.
    uint64_t budget = 4ull * bytes.size() + 65536;
    std::set<uint32_t> seen;
    for (uint32_t ifd = in.U32(4); ifd != 0;) {
        if (!seen.insert(ifd).second)
            return Fail(reason, "directories form a loop");
        if (read.pages.size() >= kMaxPages)
            return Fail(reason, "too many pages");
        if (!in.Has(ifd, 2))
            return Fail(reason, "directory beyond the end of the file");
        Page page;
        if (!ReadPage(bytes, in, big, ifd, page, budget, reason))
            return false;
        read.pages.push_back(std::move(page));
        ifd = in.U32(ifd + 2 + 12 * in.U16(ifd));
    }
    if (read.pages.empty())
        return Fail(reason, "no page");
    document = std::move(read);
    return true;
}

size_t CountPages(const std::string& bytes)
{
    Document document;
    return ReadDocument(bytes, document) ? document.pages.size() : 0;
}

std::string WriteDocument(const Document& document, bool engineForm)
{
    Writer out;
    out.Bytes(engineForm ? "FF" : "II", 2);
    out.U16(42);
    size_t nextLink = out.Size();
    out.U32(0);
    for (const Page& page : document.pages) {
        std::vector<uint32_t> offsets, counts;
        for (const std::string& chunk : page.chunks) {
            offsets.push_back(static_cast<uint32_t>(out.Size()));
            counts.push_back(static_cast<uint32_t>(chunk.size()));
            out.Bytes(chunk.data(), chunk.size());
            out.Align();
        }
        std::vector<Field> fields = page.fields;
        fields.push_back(LongList(page.tiled ? kTagTileOffsets : kTagStripOffsets, offsets));
        fields.push_back(LongList(page.tiled ? kTagTileByteCounts : kTagStripByteCounts, counts));
        std::stable_sort(fields.begin(), fields.end(), [](const Field& a, const Field& b) { return a.tag < b.tag; });
        // Values longer than four bytes go before the directory.
        std::vector<uint32_t> valueAt(fields.size(), 0);
        for (size_t i = 0; i < fields.size(); ++i)
            if (fields[i].value.size() > 4) {
                valueAt[i] = static_cast<uint32_t>(out.Size());
                out.Bytes(fields[i].value.data(), fields[i].value.size());
                out.Align();
            }
        out.PatchU32(nextLink, static_cast<uint32_t>(out.Size()));
        out.U16(static_cast<uint32_t>(fields.size()));
        for (size_t i = 0; i < fields.size(); ++i) {
            const Field& field = fields[i];
            out.U16(field.tag);
            out.U16(field.type);
            out.U32(field.count);
            if (field.value.size() > 4) {
                out.U32(valueAt[i]);
            } else {
                uint8_t inline_[4] = {};
                std::copy(field.value.begin(), field.value.end(), inline_);
                out.Bytes(inline_, 4);
            }
        }
        nextLink = out.Size();
        out.U32(0);
    }
    return std::move(out.Out());
}

}  // namespace tiff
