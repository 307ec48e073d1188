// The image library stand-in's page copy: every page lands at the end of the target, in the
// order copied, unchanged; bad sources, pages and targets are refused without output.
#include <gtest/gtest.h>

#include "standins/image/image_pages.h"
#include "tiff_test_files.h"

using testfiles::MakeTiff;

namespace {
// The first image byte of each page tells which source page it was.
std::vector<int> PageMarks(const std::string& bytes)
{
    tiff::Document document;
    std::vector<int> marks;
    if (!tiff::ReadDocument(bytes, document))
        return marks;
    for (const auto& page : document.pages)
        marks.push_back(page.chunks.empty() || page.chunks[0].empty() ? -1 : page.chunks[0][0]);
    return marks;
}
}  // namespace

TEST(ImagePagesTest, PagesCopiedOneByOneMakeTheSameDocumentInOrder)
{
    const std::string source = MakeTiff(3, /*bigEndian=*/true);
    std::string target;
    bool haveTarget = false;
    for (size_t page = 1; page <= 3; ++page) {
        std::string written;
        ASSERT_EQ(image::CopyResult::kCopied, image::AppendPage(source, page, haveTarget ? &target : nullptr, written));
        target = written;
        haveTarget = true;
    }
    EXPECT_EQ("II", target.substr(0, 2));
    EXPECT_EQ((std::vector<int>{1, 2, 3}), PageMarks(target));

    tiff::Document document;
    ASSERT_TRUE(tiff::ReadDocument(target, document));
    image::PageFacts facts = image::DescribePage(document.pages[1]);
    EXPECT_EQ(8u, facts.width);
    EXPECT_EQ(2u, facts.height);
    EXPECT_EQ(1u, facts.bitsPerPixel);
    EXPECT_EQ(1u, facts.compression);
    EXPECT_EQ(204u, facts.xResolution);
    EXPECT_EQ(196u, facts.yResolution);
}

TEST(ImagePagesTest, BadSourcesPagesAndTargetsWriteNothing)
{
    const std::string source = MakeTiff(2);
    const std::string garbage = "II*\0garbage";
    std::string written = "untouched";
    EXPECT_EQ(image::CopyResult::kNoSuchPage, image::AppendPage(source, 0, nullptr, written));
    EXPECT_EQ(image::CopyResult::kNoSuchPage, image::AppendPage(source, 3, nullptr, written));
    EXPECT_EQ(image::CopyResult::kNoSuchPage, image::AppendPage(source, 999, nullptr, written));
    EXPECT_EQ(image::CopyResult::kSourceUnreadable, image::AppendPage(garbage, 1, nullptr, written));
    EXPECT_EQ(image::CopyResult::kSourceUnreadable, image::AppendPage("", 1, nullptr, written));
    // A target that is not a TIFF is not overwritten by a one-page file.
    EXPECT_EQ(image::CopyResult::kTargetUnreadable, image::AppendPage(source, 1, &garbage, written));
    EXPECT_EQ("untouched", written);
}
