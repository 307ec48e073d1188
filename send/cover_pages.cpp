#include "send/cover_pages.h"

#include "res/resource.h"

namespace {
constexpr CoverPage kCoverPages[kCoverPageCount] = {
    {IDS_COVER_GENERAL, IDS_COVERFILE_GENERAL, "general.pg"},
    {IDS_COVER_ASAP, IDS_COVERFILE_ASAP, "asap.pg"},
    {IDS_COVER_URGENT, IDS_COVERFILE_URGENT, "urgent.pg"},
    {IDS_COVER_CHECKOUT, IDS_COVERFILE_CHECKOUT, "checkout.pg"},
    {IDS_COVER_FROMTOP, IDS_COVERFILE_FROMTOP, "fromtop.pg"},
};
}  // namespace

const CoverPage* CoverPageAt(int index)
{
    if (index < 0 || index >= kCoverPageCount)
        return nullptr;
    return &kCoverPages[index];
}

const char* CoverPageSentFile(int index)
{
    const CoverPage* page = CoverPageAt(index);
    return page ? page->sentFile : "";
}
