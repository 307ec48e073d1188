#include "demo/fax_folders.h"

#include <windows.h>
#include <shlobj.h>

#include "demo/demo_host.h"

namespace {
bool IsFile(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string FolderOf(const std::string& path)
{
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// The file name without folder and extension.
std::string StemOf(const std::string& path)
{
    size_t slash = path.find_last_of("\\/");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}
}  // namespace

const FaxFolders& MyFaxFolders()
{
    static FaxFolders folders;
    if (!folders.myFax.empty())
        return folders;
    char documents[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_PERSONAL | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, documents);
    folders.myFax = std::string(documents) + "\\My Fax";
    folders.coverPages = folders.myFax + "\\Fax Cover Page";
    folders.inbox = folders.myFax + "\\Fax Inbox";
    folders.outbox = folders.myFax + "\\Fax Outbox";
    folders.sent = folders.myFax + "\\Fax Sent";
    for (const std::string* folder :
         {&folders.myFax, &folders.coverPages, &folders.inbox, &folders.outbox, &folders.sent})
        CreateDirectoryA(folder->c_str(), nullptr);
    return folders;
}

std::string EngineReceivedFolder()
{
    char store[MAX_PATH] = {};
    if (!Demo().fax.getStoreFolder || !Demo().fax.getStoreFolder(store, sizeof store))
        return std::string();
    return std::string(store) + "\\Received";
}

std::string FindFaxDocument(const std::string& requested)
{
    if (IsFile(requested))
        return requested;
    const FaxFolders& fax = MyFaxFolders();
    std::string stem = StemOf(requested);
    for (const std::string& folder :
         {FolderOf(requested), fax.outbox, fax.sent, fax.inbox, fax.coverPages, EngineReceivedFolder()}) {
        for (const char* extension : {".fmf", ".tif", ".tiff"}) {
            std::string candidate = folder + "\\" + stem + extension;
            if (!folder.empty() && IsFile(candidate))
                return candidate;
        }
    }
    return std::string();
}
