#include "logs/forward_document.h"

#include <windows.h>

#include "logs/image_library.h"
#include "logs/log_file_names.h"

namespace {
// The page number that makes the library read a file's page count only.
constexpr DWORD kPageForCounting = 999;

// A fresh name in the temporary folder, "FMFxxxx.TIF"; empty when none can be made.
std::string TemporaryTiffPath()
{
    char folder[MAX_PATH] = {};
    char name[MAX_PATH] = {};
    DWORD length = GetTempPathA(MAX_PATH, folder);
    if (length == 0 || length >= MAX_PATH || !GetTempFileNameA(folder, "FMF", 0, name))
        return std::string();
    DeleteFileA(name);  // only its name is wanted; the image library creates the file
    std::string path;
    return ReplaceLastChars(name, 4, ".TIF", &path) ? path : std::string();
}

void CopyPagesToTiff(const std::string& document, const std::string& copy)
{
    IMAGE_LOAD_OPTIONS options = {};
    IMAGE_FILE_INFO info = {};
    options.dwPageNumber = kPageForCounting;
    ImageSetLoadOptions(&options);
    ImageFileInfo(document.c_str(), &info, 0);
    const DWORD pages = info.dwTotalPages;
    for (DWORD page = 1; page <= pages; ++page) {
        ImageFreeLoadOptions(&options);
        options.dwPageNumber = page;
        ImageSetLoadOptions(&options);
        ImageFileInfo(document.c_str(), &info, 0);
        ImageConvertFile(document.c_str(), copy.c_str(), IMAGE_FORMAT_TIFF, info.dwWidth, info.dwHeight,
                         info.dwBitsPerPixel, 0);
    }
}

void MarkAsTiff(const std::string& document)
{
    HANDLE file = CreateFileA(document.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, "II", 2, &written, nullptr);
    CloseHandle(file);
}
}  // namespace

std::string ForwardedDocumentPath(const char* fileList)
{
    return ReplaceExtension(fileList ? fileList : "", "tif");
}

bool RewriteForwardedDocument(FAXENGINE hFaxEngine, const std::string& document)
{
    const std::string copy = TemporaryTiffPath();
    if (copy.empty())
        return true;
    CopyPagesToTiff(document, copy);
    // Nothing could be copied: the received document stays as it is.
    if (GetFileAttributesA(copy.c_str()) == INVALID_FILE_ATTRIBUTES)
        return false;
    // The engine writes a new document under the name; the old one waits aside until it has.
    std::string aside;
    if (!ReplaceLastChars(document, 3, "FMP", &aside) || !MoveFileExA(document.c_str(), aside.c_str(), MOVEFILE_REPLACE_EXISTING))
        aside.clear();
    FaxCreate(hFaxEngine, copy.c_str(), document.c_str(), 0);
    if (GetFileAttributesA(document.c_str()) != INVALID_FILE_ATTRIBUTES) {
        MarkAsTiff(document);
        if (!aside.empty())
            DeleteFileA(aside.c_str());
    } else if (!aside.empty()) {
        MoveFileA(aside.c_str(), document.c_str());
    }
    DeleteFileA(copy.c_str());
    return true;
}
