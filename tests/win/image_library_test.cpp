// The image file library as the module imports it, by ordinal: file information, the page
// the load options select, pages copied one by one, and files it must refuse.
#include <gtest/gtest.h>

#include <string>

#include "logs/image_library.h"
#include "standins/tiff/tiff_document.h"
#include "test_support.h"
#include "tiff_test_files.h"

using namespace testsupport;

namespace {

class ImageLibraryTest : public testing::Test {
protected:
    void TearDown() override { ImageFreeLoadOptions(&m_options); }
    void SelectPage(DWORD page)
    {
        ImageFreeLoadOptions(&m_options);
        m_options.dwPageNumber = page;
        ASSERT_EQ(IMAGE_SUCCESS, ImageSetLoadOptions(&m_options));
    }
    IMAGE_LOAD_OPTIONS m_options = {};
    TempFolder m_temp;
};

}  // namespace

TEST_F(ImageLibraryTest, TheCallsAreExportedUnderTheirOrdinalsOnly)
{
    HMODULE library = GetModuleHandleA("LTFIL10N.DLL");
    ASSERT_NE(nullptr, library);
    for (WORD ordinal : {100, 105, 106, 111})
        EXPECT_NE(nullptr, reinterpret_cast<void*>(GetProcAddress(library, MAKEINTRESOURCEA(ordinal)))) << ordinal;
    EXPECT_EQ(nullptr, reinterpret_cast<void*>(GetProcAddress(library, "ImageFileInfo")));
    EXPECT_EQ(reinterpret_cast<void*>(GetProcAddress(library, MAKEINTRESOURCEA(100))),
              reinterpret_cast<void*>(&ImageFileInfo));
}

TEST_F(ImageLibraryTest, InformationCountsThePagesAndDescribesTheSelectedOne)
{
    const std::string file = m_temp.File("three.tif");
    ASSERT_TRUE(WriteFileBytes(file, testfiles::MakeTiff(3, /*bigEndian=*/true, 98)));
    IMAGE_FILE_INFO info;
    SelectPage(999);
    ASSERT_EQ(IMAGE_SUCCESS, ImageFileInfo(file.c_str(), &info, 0));
    EXPECT_EQ(3u, info.dwTotalPages);
    EXPECT_EQ(0u, info.dwWidth);
    EXPECT_EQ(static_cast<DWORD>(IMAGE_FORMAT_TIFF), info.dwFormat);
    EXPECT_EQ(1u, info.dwByteOrder);

    SelectPage(2);
    ASSERT_EQ(IMAGE_SUCCESS, ImageFileInfo(file.c_str(), &info, 0));
    EXPECT_EQ(2u, info.dwPageNumber);
    EXPECT_EQ(8u, info.dwWidth);
    EXPECT_EQ(2u, info.dwHeight);
    EXPECT_EQ(1u, info.dwBitsPerPixel);
    EXPECT_EQ(204u, info.dwXResolution);
    EXPECT_EQ(98u, info.dwYResolution);

    // Freed options select the first page again.
    ImageFreeLoadOptions(&m_options);
    ASSERT_EQ(IMAGE_SUCCESS, ImageFileInfo(file.c_str(), &info, 0));
    EXPECT_EQ(1u, info.dwPageNumber);
}

TEST_F(ImageLibraryTest, PagesConvertedOneByOneBuildANewTiffInOrder)
{
    const std::string source = m_temp.File("fax.fmf");
    std::string engineForm = testfiles::MakeTiff(3);
    engineForm[0] = engineForm[1] = 'F';
    ASSERT_TRUE(WriteFileBytes(source, engineForm));
    const std::string target = m_temp.File("copy.tif");
    for (DWORD page : {3u, 1u}) {
        SelectPage(page);
        IMAGE_FILE_INFO info;
        ASSERT_EQ(IMAGE_SUCCESS, ImageFileInfo(source.c_str(), &info, 0));
        ASSERT_EQ(IMAGE_SUCCESS, ImageConvertFile(source.c_str(), target.c_str(), IMAGE_FORMAT_TIFF, info.dwWidth,
                                                  info.dwHeight, info.dwBitsPerPixel, 0));
    }
    tiff::Document copy;
    const std::string bytes = ReadFileBytes(target);
    EXPECT_EQ("II", bytes.substr(0, 2));
    ASSERT_TRUE(tiff::ReadDocument(bytes, copy));
    ASSERT_EQ(2u, copy.pages.size());
    EXPECT_EQ(3, copy.pages[0].chunks.at(0)[0]);
    EXPECT_EQ(1, copy.pages[1].chunks.at(0)[0]);
}

TEST_F(ImageLibraryTest, BadArgumentsAndFilesAreRefusedAndNothingIsOverwritten)
{
    const std::string source = m_temp.File("one.tif");
    ASSERT_TRUE(WriteFileBytes(source, testfiles::MakeTiff(1)));
    const std::string garbage = m_temp.File("garbage.tif");
    ASSERT_TRUE(WriteFileBytes(garbage, std::string("II*\0\xff\xff\xff\x7f", 8)));
    const std::string target = m_temp.File("out.tif");
    IMAGE_FILE_INFO info;

    EXPECT_EQ(IMAGE_ERROR_ARGUMENT, ImageSetLoadOptions(nullptr));
    EXPECT_EQ(IMAGE_ERROR_ARGUMENT, ImageFreeLoadOptions(nullptr));
    EXPECT_EQ(IMAGE_ERROR_ARGUMENT, ImageFileInfo(source.c_str(), nullptr, 0));
    EXPECT_EQ(IMAGE_ERROR_FILE, ImageFileInfo(nullptr, &info, 0));
    EXPECT_EQ(IMAGE_ERROR_FILE, ImageFileInfo(garbage.c_str(), &info, 0));
    EXPECT_EQ(IMAGE_ERROR_FILE, ImageFileInfo(m_temp.File("missing.tif").c_str(), &info, 0));

    SelectPage(2);
    EXPECT_EQ(IMAGE_ERROR_PAGE, ImageConvertFile(source.c_str(), target.c_str(), IMAGE_FORMAT_TIFF, 0, 0, 0, 0));
    SelectPage(1);
    EXPECT_EQ(IMAGE_ERROR_FORMAT, ImageConvertFile(source.c_str(), target.c_str(), 7, 0, 0, 0, 0));
    EXPECT_EQ(IMAGE_ERROR_FORMAT, ImageConvertFile(source.c_str(), target.c_str(), IMAGE_FORMAT_TIFF, 1728, 0, 0, 0));
    EXPECT_EQ(IMAGE_ERROR_FILE, ImageConvertFile(garbage.c_str(), target.c_str(), IMAGE_FORMAT_TIFF, 0, 0, 0, 0));
    EXPECT_EQ(IMAGE_ERROR_ARGUMENT, ImageConvertFile(source.c_str(), nullptr, IMAGE_FORMAT_TIFF, 0, 0, 0, 0));
    EXPECT_FALSE(PathExists(target));
    // A target that is not a TIFF is left as it is.
    const std::string notes = m_temp.File("notes.txt");
    ASSERT_TRUE(WriteFileBytes(notes, "keep me"));
    EXPECT_EQ(IMAGE_ERROR_FILE, ImageConvertFile(source.c_str(), notes.c_str(), IMAGE_FORMAT_TIFF, 0, 0, 0, 0));
    EXPECT_EQ("keep me", ReadFileBytes(notes));
}
