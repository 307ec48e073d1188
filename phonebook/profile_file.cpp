#include "phonebook/profile_file.h"

#include <cstdio>
#include <cstring>

#include "framework/module_state.h"
#include "phonebook/book_name.h"
#include "phonebook/record_names.h"

namespace {
constexpr DWORD kValueBuffer = 1024;
// Far beyond any list the module writes; a hostile file's key list is cut here.
constexpr DWORD kKeyListLimit = 1u << 24;
}  // namespace

std::string GetProfilePath(const std::string& listName)
{
    char module[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(AfxGetInstanceHandle(), module, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        length = 0;
    std::string folder(module, length);
    size_t slash = folder.find_last_of("\\/");
    folder = slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
    return folder + ProfileFileStem(listName) + "." + g_szProfileExt;
}

namespace {
ProfileWriter g_profileWriter = WritePrivateProfileStringA;
}  // namespace

ProfileWriter SetProfileWriter(ProfileWriter writer)
{
    ProfileWriter previous = g_profileWriter;
    g_profileWriter = writer ? writer : WritePrivateProfileStringA;
    return previous;
}

BOOL WriteProfileText(const char* section, const char* key, const char* value, const std::string& path)
{
    return g_profileWriter(section, key, value, path.c_str());
}

BOOL WriteProfileNumber(const char* section, const char* key, int number, const std::string& path)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", number);
    return WriteProfileText(section, key, text, path);
}

BOOL ReadProfileText(const char* section, const char* key, std::string& text, const std::string& path)
{
    char buffer[kValueBuffer] = {};
    DWORD copied = GetPrivateProfileStringA(section, key, "", buffer, kValueBuffer, path.c_str());
    text.assign(buffer, copied < kValueBuffer ? copied : kValueBuffer - 1);
    return TRUE;
}

BOOL ReadProfileNumber(const char* section, const char* key, int& number, const std::string& path)
{
    number = static_cast<int>(GetPrivateProfileIntA(section, key, kMissingProfileNumber, path.c_str()));
    return number != kMissingProfileNumber;
}

std::vector<std::string> ReadProfileKeyNames(const char* section, const std::string& path)
{
    std::vector<char> buffer(4096);
    for (;;) {
        DWORD copied = GetPrivateProfileStringA(section, nullptr, "", buffer.data(),
                                                static_cast<DWORD>(buffer.size()), path.c_str());
        // A cut list ends at size - 2; grow and read again while that may be the case.
        if (copied + 2 < buffer.size() || buffer.size() >= kKeyListLimit) {
            std::vector<std::string> names;
            size_t end = copied < buffer.size() ? copied : buffer.size() - 1;
            for (size_t start = 0; start < end;) {
                size_t length = strnlen(buffer.data() + start, end - start);
                if (length > 0)
                    names.emplace_back(buffer.data() + start, length);
                start += length + 1;
            }
            return names;
        }
        buffer.resize(buffer.size() * 4);
    }
}
