#include "standins/phonebook/phonebook_store.h"

#include <windows.h>

#include <algorithm>

#include "phonebook/phonebook_library.h"
#include "standins/common/store_files.h"
#include "standins/phonebook/phonebook_resource.h"

namespace {
// Last write time and size of a file; 0 when it does not exist.
uint64_t FileStamp(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return 0;
    uint64_t time = static_cast<uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32 | data.ftLastWriteTime.dwLowDateTime;
    return time * 31 + data.nFileSizeLow + 1;
}

std::string StemOf(const std::string& fileName)
{
    size_t dot = fileName.find_last_of('.');
    return dot == std::string::npos ? fileName : fileName.substr(0, dot);
}

bool IsBookFile(const std::string& name)
{
    return name.size() > 4 && lstrcmpiA(name.c_str() + name.size() - 4, ".pbk") == 0;
}
}  // namespace

CPhoneBookStore& CPhoneBookStore::Instance()
{
    static CPhoneBookStore store;
    return store;
}

std::string CPhoneBookStore::Folder() const
{
    return m_explicitFolder.empty() ? DefaultStoreFolder("RWFAX_PHONEBOOK_STORE", "Phonebooks") : m_explicitFolder;
}

uint32_t CPhoneBookStore::NumberOf(const std::string& path)
{
    for (size_t i = 0; i < m_paths.size(); ++i)
        if (lstrcmpiA(m_paths[i].c_str(), path.c_str()) == 0)
            return static_cast<uint32_t>(i + 1);
    m_paths.push_back(path);
    return static_cast<uint32_t>(m_paths.size());
}

std::vector<BookListing> CPhoneBookStore::Books()
{
    std::vector<BookListing> books;
    std::string folder = Folder();
    for (const std::string& name : ListFiles(folder, "*.pbk")) {
        if (!IsBookFile(name))
            continue;
        uint32_t number = NumberOf(folder + "\\" + name);
        if (const PhoneBookFile* book = Load(number))
            books.push_back({number, book->name});
    }
    std::stable_sort(books.begin(), books.end(), [](const BookListing& a, const BookListing& b) {
        return lstrcmpiA(a.name.c_str(), b.name.c_str()) < 0;
    });
    return books;
}

const PhoneBookFile* CPhoneBookStore::Load(uint32_t book)
{
    if (book == 0 || book > m_paths.size())
        return nullptr;
    const std::string& path = m_paths[book - 1];
    uint64_t stamp = FileStamp(path);
    if (stamp == 0) {
        m_cache.erase(book);
        return nullptr;
    }
    auto cached = m_cache.find(book);
    if (cached != m_cache.end() && cached->second.stamp == stamp)
        return &cached->second.file;
    std::string text;
    if (!ReadWholeFile(path, kMaxPhoneBookBytes, text)) {
        m_cache.erase(book);
        return nullptr;
    }
    size_t slash = path.find_last_of('\\');
    Cached& entry = m_cache[book];
    entry.stamp = stamp;
    entry.file = ParsePhoneBookFile(text, StemOf(slash == std::string::npos ? path : path.substr(slash + 1)));
    return &entry.file;
}

bool CPhoneBookStore::Save(uint32_t book, const PhoneBookFile& file)
{
    if (book == 0 || book > m_paths.size())
        return false;
    const std::string& path = m_paths[book - 1];
    size_t slash = path.find_last_of('\\');
    if (slash != std::string::npos)
        CreateFolderPath(path.substr(0, slash));
    if (!ReplaceFileWith(path, FormatPhoneBookFile(file)))
        return false;
    Cached& entry = m_cache[book];
    entry.stamp = FileStamp(path);
    entry.file = file;
    return true;
}

bool CPhoneBookStore::CreateBook(const std::string& name, uint32_t& book, unsigned& reason)
{
    std::string trimmed = name;
    while (!trimmed.empty() && trimmed.front() == ' ')
        trimmed.erase(0, 1);
    while (!trimmed.empty() && trimmed.back() == ' ')
        trimmed.pop_back();
    if (trimmed.empty()) {
        reason = IDS_PB_BOOK_NAME_MISSING;
        return false;
    }
    trimmed = trimmed.substr(0, PHONEBOOK_NAME_CHARS - 1);
    std::string path = Folder() + "\\" + PhoneBookFileName(trimmed);
    bool taken = FileStamp(path) != 0;
    for (const BookListing& listing : Books())
        taken = taken || lstrcmpiA(listing.name.c_str(), trimmed.c_str()) == 0;
    if (taken) {
        reason = IDS_PB_BOOK_EXISTS;
        return false;
    }
    PhoneBookFile file;
    file.name = trimmed;
    book = NumberOf(path);
    if (!Save(book, file)) {
        reason = IDS_PB_BOOK_NOT_SAVED;
        return false;
    }
    return true;
}

bool CPhoneBookStore::SaveEntry(uint32_t book, PhoneBookEntryText& entry)
{
    const PhoneBookFile* current = Load(book);
    if (!current)
        return false;
    PhoneBookFile file = *current;
    if (PhoneBookEntryText* existing = entry.number ? file.Find(entry.number) : nullptr)
        *existing = entry;
    else
        entry.number = file.Add(entry);
    return Save(book, file);
}

bool CPhoneBookStore::DeleteEntry(uint32_t book, uint32_t entry)
{
    const PhoneBookFile* current = Load(book);
    if (!current || !current->Find(entry))
        return false;
    PhoneBookFile file = *current;
    file.entries.erase(std::remove_if(file.entries.begin(), file.entries.end(),
                                      [&](const PhoneBookEntryText& e) { return e.number == entry; }),
                       file.entries.end());
    return Save(book, file);
}
