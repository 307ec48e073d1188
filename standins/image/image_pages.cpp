#include "standins/image/image_pages.h"

namespace image {
namespace {
constexpr uint16_t kTagSamplesPerPixel = 277;
constexpr uint16_t kTypeRational = 5;

uint32_t IntegerOr(const tiff::Page& page, uint16_t tag, uint32_t fallback)
{
    const tiff::Field* field = page.Find(tag);
    uint32_t value = 0;
    return field && field->Integer(0, value) ? value : fallback;
}

uint32_t Resolution(const tiff::Page& page, uint16_t tag)
{
    const tiff::Field* field = page.Find(tag);
    if (!field)
        return 0;
    if (field->type == kTypeRational) {
        if (field->value.size() < 8)
            return 0;
        auto u32 = [&](size_t at) {
            const uint8_t* p = field->value.data() + at;
            return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
                   static_cast<uint32_t>(p[3]) << 24;
        };
        uint32_t denominator = u32(4);
        return denominator ? u32(0) / denominator : 0;
    }
    return IntegerOr(page, tag, 0);
}
}  // namespace

PageFacts DescribePage(const tiff::Page& page)
{
    PageFacts facts;
    facts.width = IntegerOr(page, tiff::kTagImageWidth, 0);
    facts.height = IntegerOr(page, tiff::kTagImageLength, 0);
    uint64_t bits = static_cast<uint64_t>(IntegerOr(page, tiff::kTagBitsPerSample, 1)) *
                    IntegerOr(page, kTagSamplesPerPixel, 1);
    facts.bitsPerPixel = bits > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(bits);
    facts.compression = IntegerOr(page, tiff::kTagCompression, 1);
    facts.xResolution = Resolution(page, tiff::kTagXResolution);
    facts.yResolution = Resolution(page, tiff::kTagYResolution);
    return facts;
}

CopyResult AppendPage(const std::string& source, size_t pageNumber, const std::string* target, std::string& written)
{
    tiff::Document from;
    if (!tiff::ReadDocument(source, from))
        return CopyResult::kSourceUnreadable;
    if (pageNumber < 1 || pageNumber > from.pages.size())
        return CopyResult::kNoSuchPage;
    tiff::Document to;
    if (target && !tiff::ReadDocument(*target, to))
        return CopyResult::kTargetUnreadable;
    if (to.pages.size() >= tiff::kMaxPages)
        return CopyResult::kTargetUnreadable;
    to.pages.push_back(from.pages[pageNumber - 1]);
    written = tiff::WriteDocument(to, false);
    return CopyResult::kCopied;
}

}  // namespace image
