// The stand-ins' TIFF reader and writer: every page of either byte order, the engine's "FF"
// form, and files built to mislead the reader.
#include <gtest/gtest.h>

#include "standins/tiff/tiff_document.h"
#include "tiff_test_files.h"

using testfiles::MakeTiff;
using testfiles::TiffBuilder;

namespace {
std::string PageBytes(size_t p) { return std::string({static_cast<char>(p + 1), static_cast<char>(0xA0 + p)}); }

// A file of one directory whose entries the test writes.
template <typename Entries>
std::string OneDirectory(bool big, uint16_t count, Entries entries, uint32_t next = 0)
{
    TiffBuilder t(big);
    t.Out() = big ? "MM" : "II";
    t.U16(42);
    t.U32(8);
    t.U16(count);
    entries(t);
    t.U32(next);
    return t.Out();
}
}  // namespace

TEST(TiffDocumentTest, ReadsEveryPageInEitherByteOrderAndTheEngineForm)
{
    for (bool big : {false, true}) {
        tiff::Document document;
        std::string reason;
        ASSERT_TRUE(tiff::ReadDocument(MakeTiff(3, big, 98), document, &reason)) << reason;
        EXPECT_EQ(big ? tiff::ByteOrder::kBig : tiff::ByteOrder::kLittle, document.order);
        ASSERT_EQ(3u, document.pages.size());
        for (size_t p = 0; p < 3; ++p) {
            ASSERT_EQ(1u, document.pages[p].chunks.size());
            EXPECT_EQ(PageBytes(p), document.pages[p].chunks[0]);
            EXPECT_EQ(98u, document.pages[p].VerticalResolution());
            uint32_t width = 0;
            ASSERT_NE(nullptr, document.pages[p].Find(tiff::kTagImageWidth));
            EXPECT_TRUE(document.pages[p].Find(tiff::kTagImageWidth)->Integer(0, width));
            EXPECT_EQ(8u, width);
            EXPECT_EQ(nullptr, document.pages[p].Find(tiff::kTagStripOffsets)) << "kept as image data";
        }
    }
    std::string engineForm = MakeTiff(2);
    engineForm[0] = engineForm[1] = 'F';
    tiff::Document document;
    ASSERT_TRUE(tiff::ReadDocument(engineForm, document));
    EXPECT_EQ(tiff::ByteOrder::kEngine, document.order);
    EXPECT_EQ(2u, tiff::CountPages(engineForm));
}

TEST(TiffDocumentTest, WritingKeepsPagesTagsAndImageDataInLittleEndianOrder)
{
    tiff::Document read;
    ASSERT_TRUE(tiff::ReadDocument(MakeTiff(4, true, 196), read));
    for (bool engineForm : {false, true}) {
        std::string written = tiff::WriteDocument(read, engineForm);
        EXPECT_EQ(engineForm ? "FF" : "II", written.substr(0, 2));
        EXPECT_EQ(42, written[2]);
        EXPECT_EQ(0, written[3]);
        tiff::Document again;
        ASSERT_TRUE(tiff::ReadDocument(written, again));
        ASSERT_EQ(4u, again.pages.size());
        for (size_t p = 0; p < 4; ++p) {
            EXPECT_EQ(read.pages[p].chunks, again.pages[p].chunks);
            EXPECT_EQ(196u, again.pages[p].VerticalResolution());
            ASSERT_EQ(read.pages[p].fields.size(), again.pages[p].fields.size());
            for (size_t f = 0; f < read.pages[p].fields.size(); ++f) {
                EXPECT_EQ(read.pages[p].fields[f].tag, again.pages[p].fields[f].tag);
                EXPECT_EQ(read.pages[p].fields[f].value, again.pages[p].fields[f].value);
            }
        }
    }
}

TEST(TiffDocumentTest, RefusesFilesThatAreNotTiffsOrPointOutside)
{
    std::string reason;
    tiff::Document document;
    const std::string refused[] = {
        "",
        "II*",
        "XX*\0\x08\0\0\0",
        std::string("II+\0\x08\0\0\0", 8),                  // no 42
        std::string("II*\0\0\0\0\0", 8),                    // no page at all
        std::string("II*\0\xF0\0\0\0", 8),                  // first directory past the end
        std::string("II*\0\x08\0\0\0\x05\0", 10),           // five entries announced, none there
        OneDirectory(false, 2,
                     [](TiffBuilder& t) {
                         t.LongEntry(273, 4, 1, 0x7FFFFFF0);  // strip far beyond the file
                         t.LongEntry(279, 4, 1, 16);
                     }),
        OneDirectory(false, 2,
                     [](TiffBuilder& t) {
                         t.LongEntry(273, 4, 1, 0);
                         t.LongEntry(279, 4, 1, 0xFFFFFFFF);  // a strip longer than the file
                     }),
        OneDirectory(false, 2,
                     [](TiffBuilder& t) {
                         t.LongEntry(273, 4, 2, 8);           // two offsets, one count
                         t.LongEntry(279, 4, 1, 1);
                     }),
        OneDirectory(false, 1, [](TiffBuilder& t) { t.ShortEntry(256, 8); }),  // no image data
        OneDirectory(false, 3,
                     [](TiffBuilder& t) {
                         t.LongEntry(270, 2, 0x40000000, 8);  // a text of a gigabyte
                         t.LongEntry(273, 4, 1, 0);
                         t.LongEntry(279, 4, 1, 1);
                     }),
        OneDirectory(false, 2,
                     [](TiffBuilder& t) {
                         t.LongEntry(273, 4, 1, 0);
                         t.LongEntry(279, 4, 1, 1);
                     },
                     8),                                      // the directory names itself as the next
        OneDirectory(true, 3,
                     [](TiffBuilder& t) {
                         t.ShortEntry(258, 16);               // big-endian samples of 16 bits
                         t.LongEntry(273, 4, 1, 0);
                         t.LongEntry(279, 4, 1, 2);
                     }),
    };
    for (size_t i = 0; i < sizeof refused / sizeof refused[0]; ++i) {
        reason.clear();
        EXPECT_FALSE(tiff::ReadDocument(refused[i], document, &reason)) << "file " << i;
        EXPECT_FALSE(reason.empty()) << "file " << i;
        EXPECT_TRUE(document.pages.empty()) << "file " << i;
        EXPECT_EQ(0u, tiff::CountPages(refused[i])) << "file " << i;
    }
}

TEST(TiffDocumentTest, PagesSharingImageDataAreBoundedAndUnknownTagsAreDropped)
{
    // Many directories that all use the whole file as their strip: refused before the copies
    // grow beyond a few times the file.
    TiffBuilder t(false);
    t.Out() = "II";
    t.U16(42);
    t.U32(8);
    const int pages = 200;
    for (int p = 0; p < pages; ++p) {
        t.U16(2);
        t.LongEntry(273, 4, 1, 0);
        t.LongEntry(279, 4, 1, 0);  // patched below
        t.U32(p + 1 < pages ? static_cast<uint32_t>(8 + (p + 1) * 30) : 0);
    }
    std::string file = t.Out();
    for (int p = 0; p < pages; ++p) {
        size_t countAt = 8 + p * 30 + 2 + 12 + 8;
        uint32_t size = static_cast<uint32_t>(file.size());
        for (int b = 0; b < 4; ++b)
            file[countAt + b] = static_cast<char>(size >> (8 * b));
    }
    std::string reason;
    tiff::Document document;
    EXPECT_FALSE(tiff::ReadDocument(file, document, &reason));
    EXPECT_EQ("image data repeated beyond reason", reason);

    // Tags of unknown types and tags that point elsewhere are left out; the rest is kept.
    std::string odd = OneDirectory(false, 4, [](TiffBuilder& t) {
        t.LongEntry(256, 99, 1, 8);    // unknown type
        t.LongEntry(273, 4, 1, 0);
        t.LongEntry(279, 4, 1, 2);
        t.LongEntry(34665, 4, 1, 8);   // a pointer to another directory
    });
    ASSERT_TRUE(tiff::ReadDocument(odd, document, &reason)) << reason;
    EXPECT_TRUE(document.pages[0].fields.empty());
    EXPECT_EQ(0u, document.pages[0].VerticalResolution());
}
