#include "host/shell_folders.h"

#include <shlobj.h>

namespace {
const char kDefaultShellFolderLibrary[] = "shfolder.dll";
const char* g_shellFolderLibrary = kDefaultShellFolderLibrary;
const char kSuiteDataSuffix[] = "\\Tavan\\Plexwork";

using SHGetFolderPathAProc = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPSTR);

// One shell folder by its CSIDL; false when the library, the function or the lookup fails.
bool LookUpShellFolder(int csidl, std::string* path)
{
    HMODULE library = LoadLibraryA(g_shellFolderLibrary);
    if (!library)
        return false;
    auto lookUp = reinterpret_cast<SHGetFolderPathAProc>(
        reinterpret_cast<void*>(GetProcAddress(library, "SHGetFolderPathA")));
    bool found = false;
    if (lookUp) {
        char buffer[520] = {};
        if (SUCCEEDED(lookUp(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, buffer))) {
            buffer[sizeof buffer - 1] = '\0';
            *path = buffer;
            found = true;
        }
    }
    FreeLibrary(library);
    return found;
}

bool IsFolder(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
}  // namespace

void SetShellFolderLibrary(const char* libraryName)
{
    g_shellFolderLibrary = libraryName ? libraryName : kDefaultShellFolderLibrary;
}

std::string GetPersonalFolder()
{
    std::string path;
    if (!LookUpShellFolder(CSIDL_PERSONAL | CSIDL_FLAG_CREATE, &path))
        return std::string();
    return path;
}

std::string GetCommonDataFolder(const std::string& suffix)
{
    std::string path;
    if (!LookUpShellFolder(CSIDL_COMMON_APPDATA, &path))
        return suffix;
    return path + suffix;
}

std::string GetUserDataFolder()
{
    std::string path;
    if (!LookUpShellFolder(CSIDL_APPDATA | CSIDL_FLAG_CREATE, &path))
        return std::string();
    path += kSuiteDataSuffix;
    if (!CreateDirectoryPath(path.c_str()))
        return std::string();
    return path;
}

BOOL CreateDirectoryPath(const char* path)
{
    if (!path)
        return 0;
    std::string whole = path;
    for (size_t position = 0; position <= whole.size(); ++position) {
        bool atSeparator = whole[position] == '\\';  // the end reads as the terminating NUL
        bool atEnd = position == whole.size();
        if (!atSeparator && !atEnd)
            continue;
        std::string prefix = whole.substr(0, atSeparator ? position + 1 : position);
        if (prefix.empty() || prefix == "\\" || prefix == "\\\\" || IsFolder(prefix))
            continue;
        // A drive ("C:" or "C:\") or a server share exists or not; it is never created.
        if (prefix.size() <= 3 && prefix.size() >= 2 && prefix[1] == ':')
            return 0;
        if (!CreateDirectoryA(prefix.c_str(), nullptr) && !IsFolder(prefix))
            return 0;
    }
    return 1;
}

BOOL FileExists(const char* path)
{
    if (!path)
        return 0;
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

BOOL EnsureUserDataFile(const char* fileName)
{
    if (!fileName)
        return 0;
    std::string userCopy = GetUserDataFolder() + "\\" + fileName;
    std::string master = GetCommonDataFolder(kSuiteDataSuffix) + "\\" + fileName;
    if (FileExists(userCopy.c_str()))
        return 1;
    if (FileExists(master.c_str()) && CopyFileA(master.c_str(), userCopy.c_str(), FALSE))
        return 1;
    return 0;
}
