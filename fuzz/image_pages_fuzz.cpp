// Arbitrary files as the source and target of the image library stand-in's page copy: a
// page either lands at the end of a target that reads back with one page more, or nothing
// is written.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "standins/image/image_pages.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3)
        return 0;
    const size_t page = data[0] % 8;
    const bool hasTarget = data[1] & 1;
    const std::string rest(reinterpret_cast<const char*>(data + 2), size - 2);
    const size_t split = rest.size() / 2;
    const std::string source = hasTarget ? rest.substr(0, split) : rest;
    const std::string target = hasTarget ? rest.substr(split) : std::string();
    std::string written;
    if (image::AppendPage(source, page, hasTarget ? &target : nullptr, written) != image::CopyResult::kCopied) {
        if (!written.empty())
            std::abort();
        return 0;
    }
    tiff::Document before, after;
    size_t pagesBefore = hasTarget && tiff::ReadDocument(target, before) ? before.pages.size() : 0;
    if (!tiff::ReadDocument(written, after) || after.pages.size() != pagesBefore + 1)
        std::abort();
    return 0;
}
