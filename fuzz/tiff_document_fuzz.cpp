// TIFF files of any content: reading never leaves the data, and whatever is read is
// written and read back to the same pages and image data.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "standins/tiff/tiff_document.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string bytes(reinterpret_cast<const char*>(data), size);
    tiff::Document document;
    std::string reason;
    if (!tiff::ReadDocument(bytes, document, &reason))
        return 0;
    for (const tiff::Page& page : document.pages)
        page.VerticalResolution();
    tiff::Document again;
    if (!tiff::ReadDocument(tiff::WriteDocument(document, true), again, &reason))
        std::abort();
    if (again.pages.size() != document.pages.size())
        std::abort();
    for (size_t p = 0; p < document.pages.size(); ++p)
        if (again.pages[p].chunks != document.pages[p].chunks)
            std::abort();
    return 0;
}
