#include "phonebook_store_support.h"

#include <cstring>

namespace testsupport {

namespace {
using SetStoreFolder = DWORD(WINAPI*)(const char*);

SetStoreFolder StoreFolderCall()
{
    return LoadedLibraryCall<SetStoreFolder>("ReDiZazu.dll", "PhoneBookStandInSetStoreFolder");
}

std::string Field(const char* text, size_t size) { return std::string(text, strnlen(text, size)); }
}  // namespace

PhoneBookStore::PhoneBookStore()
{
    if (SetStoreFolder setFolder = StoreFolderCall())
        setFolder(m_folder.Path().c_str());
}

PhoneBookStore::~PhoneBookStore()
{
    if (SetStoreFolder setFolder = StoreFolderCall())
        setFolder(nullptr);
}

bool PhoneBookStore::WriteBook(const std::string& name, const std::vector<BookEntryText>& entries)
{
    std::string text = "[Phonebook]\r\nName=" + name + "\r\nNextEntry=" + std::to_string(entries.size() + 1) + "\r\n";
    for (size_t i = 0; i < entries.size(); ++i) {
        const BookEntryText& entry = entries[i];
        text += "\r\n[Entry " + std::to_string(i + 1) + "]\r\nFirstName=" + entry.firstName +
                "\r\nLastName=" + entry.lastName + "\r\nCompany=" + entry.company + "\r\nPhone=" + entry.phone +
                "\r\nFax=" + entry.fax + "\r\n";
    }
    return WriteFileBytes(m_folder.File(name + ".pbk"), text);
}

bool PhoneBookStore::FindBook(const std::string& name, PHONEBOOK_ID* id)
{
    LONG cursor = -1;
    PHONEBOOK_ID book = {};
    GetNextPhoneBookID(&cursor, &book);
    while (GetNextPhoneBookID(&cursor, &book)) {
        PHONEBOOK_INFO info = {};
        info.cbSize = PHONEBOOK_INFO_SIZE;
        info.id = book;
        if (GetPhoneBookData(&info) == 0 && name == Field(info.szName, sizeof info.szName)) {
            *id = book;
            return true;
        }
    }
    return false;
}

}  // namespace testsupport
