#include "logs/full_resolution.h"

#include <windows.h>

#include "logs/log_file_names.h"

bool RestoreFullResolutionDocument(const std::string& fileList, std::string* working)
{
    if (fileList.empty())
        return true;
    const std::string fullResolution = ReplaceExtension(fileList, "LRS");
    HANDLE file = CreateFileA(fullResolution.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return true;
    CloseHandle(file);
    *working = ReplaceExtension(fileList, "tif");
    // Overwritten in place: the full-resolution copy goes only once it has a successor.
    if (!CopyFileA(fullResolution.c_str(), working->c_str(), FALSE))
        return false;
    DeleteFileA(fullResolution.c_str());
    return true;
}
