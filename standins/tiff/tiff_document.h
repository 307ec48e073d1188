#pragma once
// Reading and writing TIFF files for the stand-ins: the fax engine's documents (a
// little-endian TIFF whose byte-order mark "II" is replaced by "FF") and the TIFF files it
// is given. Written here because no TIFF library is available for the Windows toolchain.
//
// The reader takes every page (image file directory) with its tags and its image data,
// in the byte order of the file ("II", "MM", or the engine's "FF"), and checks every
// offset against the file: hostile files give an error, never a read outside the data.
// The writer puts the pages back as one little-endian file, image data copied as it is.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tiff {

enum Tag : uint16_t {
    kTagImageWidth = 256,
    kTagImageLength = 257,
    kTagBitsPerSample = 258,
    kTagCompression = 259,
    kTagStripOffsets = 273,
    kTagRowsPerStrip = 278,
    kTagStripByteCounts = 279,
    kTagXResolution = 282,
    kTagYResolution = 283,
    kTagTileOffsets = 324,
    kTagTileByteCounts = 325,
};

enum class ByteOrder { kLittle, kBig, kEngine };

// One tag of a page; its values in little-endian order, whatever the file's order was.
struct Field {
    uint16_t tag = 0;
    uint16_t type = 0;
    uint32_t count = 0;
    std::vector<uint8_t> value;

    // The n-th value of an integer field (BYTE, SHORT, LONG and their signed forms).
    bool Integer(uint32_t index, uint32_t& out) const;
};

struct Page {
    std::vector<Field> fields;        // without the image data's offsets and byte counts
    bool tiled = false;                // data given as tiles rather than strips
    std::vector<std::string> chunks;   // the strips (or tiles) of image data, in order

    const Field* Find(uint16_t tag) const;
    // Vertical resolution in dots per unit, by integer division; 0 when absent or invalid.
    uint32_t VerticalResolution() const;
};

struct Document {
    ByteOrder order = ByteOrder::kLittle;
    std::vector<Page> pages;
};

// Limits against hostile files.
constexpr size_t kMaxPages = 4096;
constexpr size_t kMaxFieldsPerPage = 1024;

// Reads a whole file. False with a reason when it is not a TIFF this reader can take; a
// file with no page is refused.
bool ReadDocument(const std::string& bytes, Document& document, std::string* reason = nullptr);
// Counts the pages without keeping them; 0 for anything that is not a readable TIFF.
size_t CountPages(const std::string& bytes);
// Writes the pages as a little-endian TIFF; with engineForm the file begins "FF" instead
// of "II". Fields that point to other parts of the file (other than the image data) are
// left out, as a reader could not follow them after the move.
std::string WriteDocument(const Document& document, bool engineForm);

}  // namespace tiff
