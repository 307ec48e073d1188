#pragma once
// The work of the image library stand-in without Windows: what a page of a TIFF file looks
// like, and copying one page of a file to the end of another.
#include <cstddef>
#include <cstdint>
#include <string>

#include "standins/tiff/tiff_document.h"

namespace image {

struct PageFacts {
    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t bitsPerPixel = 0;   // bits per sample times samples per pixel (1 for fax pages)
    uint32_t compression = 0;
    uint32_t xResolution = 0;    // dots per unit by integer division, 0 when not given
    uint32_t yResolution = 0;
};

PageFacts DescribePage(const tiff::Page& page);

enum class CopyResult { kCopied, kSourceUnreadable, kNoSuchPage, kTargetUnreadable };

// Appends page `pageNumber` (from 1) of the TIFF in `source` to the pages of `target` (no
// target: a new file) and gives the new target file as a little-endian TIFF in `written`.
// Whatever fails leaves `written` untouched.
CopyResult AppendPage(const std::string& source, size_t pageNumber, const std::string* target, std::string& written);

}  // namespace image
