#pragma once
// Small TIFF files for tests: bilevel pages of 8 x 2 pixels, one strip each, whose image
// bytes tell the pages apart (page p holds the bytes p+1 and 0xA0+p).
#include <cstdint>
#include <string>
#include <vector>

namespace testfiles {

class TiffBuilder {
public:
    explicit TiffBuilder(bool bigEndian) : m_big(bigEndian) {}

    void U16(uint32_t v)
    {
        if (m_big) {
            Byte(v >> 8);
            Byte(v);
        } else {
            Byte(v);
            Byte(v >> 8);
        }
    }
    void U32(uint32_t v)
    {
        if (m_big) {
            U16(v >> 16);
            U16(v & 0xFFFF);
        } else {
            U16(v & 0xFFFF);
            U16(v >> 16);
        }
    }
    void Byte(uint32_t v) { m_out += static_cast<char>(v & 0xFF); }
    // A directory entry whose single SHORT value sits in the entry (left-justified).
    void ShortEntry(uint16_t tag, uint16_t value)
    {
        U16(tag);
        U16(3);
        U32(1);
        U16(value);
        U16(0);
    }
    void LongEntry(uint16_t tag, uint16_t type, uint32_t count, uint32_t value)
    {
        U16(tag);
        U16(type);
        U32(count);
        U32(value);
    }
    size_t Size() const { return m_out.size(); }
    void Patch32(size_t at, uint32_t v)
    {
        std::string saved = m_out.substr(at + 4);
        m_out.resize(at);
        U32(v);
        m_out += saved;
    }
    std::string& Out() { return m_out; }

private:
    bool m_big;
    std::string m_out;
};

// A TIFF of the pages, little-endian ("II") or big-endian ("MM"), with the vertical
// resolution given in dots per inch.
inline std::string MakeTiff(int pages, bool bigEndian = false, uint32_t yDpi = 196)
{
    TiffBuilder t(bigEndian);
    t.Out() = bigEndian ? "MM" : "II";
    t.U16(42);
    size_t link = t.Size();
    t.U32(0);
    for (int p = 0; p < pages; ++p) {
        size_t strip = t.Size();
        t.Byte(p + 1);
        t.Byte(0xA0 + p);
        size_t xRes = t.Size();
        t.U32(204);
        t.U32(1);
        size_t yRes = t.Size();
        t.U32(yDpi);
        t.U32(1);
        t.Patch32(link, static_cast<uint32_t>(t.Size()));
        t.U16(11);
        t.ShortEntry(256, 8);
        t.ShortEntry(257, 2);
        t.ShortEntry(258, 1);
        t.ShortEntry(259, 1);
        t.ShortEntry(262, 0);
        t.LongEntry(273, 4, 1, static_cast<uint32_t>(strip));
        t.ShortEntry(278, 2);
        t.LongEntry(279, 4, 1, 2);
        t.LongEntry(282, 5, 1, static_cast<uint32_t>(xRes));
        t.LongEntry(283, 5, 1, static_cast<uint32_t>(yRes));
        t.ShortEntry(296, 2);
        link = t.Size();
        t.U32(0);
    }
    return t.Out();
}

}  // namespace testfiles
