#pragma once
// Small TIFF files for tests: bilevel pages of 8 x 2 pixels, one strip each, whose image
// bytes tell the pages apart (page p holds the bytes p+1 and 0xA0+p).
#include <cstdint>
#include <string>

namespace testfiles {

// A TIFF of the pages, little-endian ("II") or big-endian ("MM"), with the vertical
// resolution given in dots per inch.
inline std::string MakeTiff(int pages, bool bigEndian = false, uint32_t yDpi = 196)
{
    auto bytes = [bigEndian](uint32_t value, int count) {
        std::string out;
        for (int i = 0; i < count; ++i)
            out += static_cast<char>((value >> (8 * (bigEndian ? count - 1 - i : i))) & 0xFF);
        return out;
    };
    std::string out = (bigEndian ? "MM" : "II") + bytes(42, 2);
    size_t link = out.size();
    out += bytes(0, 4);
    for (int p = 0; p < pages; ++p) {
        const auto strip = static_cast<uint32_t>(out.size());
        out += bytes(p + 1, 1) + bytes(0xA0 + p, 1) + bytes(204, 4) + bytes(1, 4) + bytes(yDpi, 4) + bytes(1, 4);
        out.replace(link, 4, bytes(static_cast<uint32_t>(out.size()), 4));
        // Tag, type, value; a SHORT value sits left-justified in its entry.
        const uint32_t entries[][3] = {{256, 3, 8}, {257, 3, 2},         {258, 3, 1},          {259, 3, 1},
                                       {262, 3, 0}, {273, 4, strip},     {278, 3, 2},          {279, 4, 2},
                                       {282, 5, strip + 2}, {283, 5, strip + 10}, {296, 3, 2}};
        out += bytes(11, 2);
        for (const auto& entry : entries)
            out += bytes(entry[0], 2) + bytes(entry[1], 2) + bytes(1, 4) +
                   (entry[1] == 3 ? bytes(entry[2], 2) + bytes(0, 2) : bytes(entry[2], 4));
        link = out.size();
        out += bytes(0, 4);
    }
    return out;
}

}  // namespace testfiles
