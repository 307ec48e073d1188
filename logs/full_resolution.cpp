#include "logs/full_resolution.h"

#include <windows.h>

#include "logs/log_file_names.h"

void RestoreFullResolutionDocument(const std::string& fileList)
{
    if (fileList.empty())
        return;
    const std::string fullResolution = ReplaceExtension(fileList, "LRS");
    HANDLE file = CreateFileA(fullResolution.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    CloseHandle(file);
    const std::string working = ReplaceExtension(fileList, "tif");
    DeleteFileA(working.c_str());
    CopyFileA(fullResolution.c_str(), working.c_str(), FALSE);
    DeleteFileA(fullResolution.c_str());
}
