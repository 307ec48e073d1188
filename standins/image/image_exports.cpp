// LTFIL10N.DLL, the image file library as this project builds it in place of the suite's:
// the four calls the fax module imports by ordinal, on the TIFF reader and writer of the
// stand-ins. The load options set last select the page the other calls work on.
#include <windows.h>

#include <string>

#include "logs/image_library.h"
#include "standins/common/store_files.h"
#include "standins/image/image_pages.h"

namespace {
// Files larger than this are not read.
constexpr size_t kMaxImageBytes = 64u << 20;

// The page the load options select; the first page when none are set. The library belongs
// to one thread, the host's user-interface thread.
DWORD g_dwSelectedPage = 1;

bool ReadImage(const char* path, std::string& bytes)
{
    return path && *path && ReadWholeFile(path, kMaxImageBytes, bytes);
}
}  // namespace

extern "C" {

LTFIL10N_API int WINAPI ImageSetLoadOptions(const IMAGE_LOAD_OPTIONS* pOptions)
{
    if (!pOptions)
        return IMAGE_ERROR_ARGUMENT;
    g_dwSelectedPage = pOptions->dwPageNumber ? pOptions->dwPageNumber : 1;
    return IMAGE_SUCCESS;
}

LTFIL10N_API int WINAPI ImageFreeLoadOptions(IMAGE_LOAD_OPTIONS* pOptions)
{
    if (!pOptions)
        return IMAGE_ERROR_ARGUMENT;
    g_dwSelectedPage = 1;
    return IMAGE_SUCCESS;
}

LTFIL10N_API int WINAPI ImageFileInfo(const char* pszFile, IMAGE_FILE_INFO* pInfo, DWORD dwFlags)
{
    if (!pInfo)
        return IMAGE_ERROR_ARGUMENT;
    std::string bytes;
    tiff::Document document;
    if (!ReadImage(pszFile, bytes) || !tiff::ReadDocument(bytes, document))
        return IMAGE_ERROR_FILE;
    *pInfo = {};
    pInfo->dwFormat = IMAGE_FORMAT_TIFF;
    pInfo->dwByteOrder = document.order == tiff::ByteOrder::kLittle ? 0 : document.order == tiff::ByteOrder::kBig ? 1 : 2;
    pInfo->dwTotalPages = static_cast<DWORD>(document.pages.size());
    pInfo->dwPageNumber = g_dwSelectedPage;
    if (g_dwSelectedPage <= document.pages.size()) {
        image::PageFacts facts = image::DescribePage(document.pages[g_dwSelectedPage - 1]);
        pInfo->dwCompression = facts.compression;
        pInfo->dwXResolution = facts.xResolution;
        pInfo->dwYResolution = facts.yResolution;
        pInfo->dwWidth = facts.width;
        pInfo->dwHeight = facts.height;
        pInfo->dwBitsPerPixel = facts.bitsPerPixel;
    }
    return IMAGE_SUCCESS;
}

LTFIL10N_API int WINAPI ImageConvertFile(const char* pszSource, const char* pszTarget, DWORD dwFormat, DWORD dwWidth,
                                         DWORD dwHeight, DWORD dwBitsPerPixel, DWORD dwQuality)
{
    if (!pszTarget || !*pszTarget)
        return IMAGE_ERROR_ARGUMENT;
    if (dwFormat != IMAGE_FORMAT_TIFF)
        return IMAGE_ERROR_FORMAT;
    std::string source;
    tiff::Document document;
    if (!ReadImage(pszSource, source) || !tiff::ReadDocument(source, document))
        return IMAGE_ERROR_FILE;
    if (g_dwSelectedPage > document.pages.size())
        return IMAGE_ERROR_PAGE;
    // Pages are copied as they are: the library does not scale or convert them.
    image::PageFacts facts = image::DescribePage(document.pages[g_dwSelectedPage - 1]);
    if ((dwWidth && dwWidth != facts.width) || (dwHeight && dwHeight != facts.height) ||
        (dwBitsPerPixel && dwBitsPerPixel != facts.bitsPerPixel))
        return IMAGE_ERROR_FORMAT;

    std::string target;
    bool targetExists = GetFileAttributesA(pszTarget) != INVALID_FILE_ATTRIBUTES;
    if (targetExists && !ReadWholeFile(pszTarget, kMaxImageBytes, target))
        return IMAGE_ERROR_FILE;
    std::string written;
    switch (image::AppendPage(source, g_dwSelectedPage, targetExists ? &target : nullptr, written)) {
    case image::CopyResult::kCopied:
        break;
    case image::CopyResult::kNoSuchPage:
        return IMAGE_ERROR_PAGE;
    default:
        return IMAGE_ERROR_FILE;
    }
    return ReplaceFileWith(pszTarget, written) ? IMAGE_SUCCESS : IMAGE_ERROR_WRITE;
}

}  // extern "C"
