#pragma once
// The phonebook library's store: one file per book in the store folder, read again
// whenever it changed on disk. Books are known by a number that stays the same for the
// life of the process; entries by the number their book gave them.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "standins/phonebook/phonebook_file.h"

struct BookListing {
    uint32_t number = 0;
    std::string name;
};

class CPhoneBookStore {
public:
    static CPhoneBookStore& Instance();

    // "" returns to the environment variable or the default folder.
    void SetFolder(const std::string& folder) { m_explicitFolder = folder; }
    std::string Folder() const;

    // The books of the store, by name.
    std::vector<BookListing> Books();
    // The book with that number as it is on disk now; null when it is gone or unreadable.
    const PhoneBookFile* Load(uint32_t book);
    // Creates an empty book. False with the reason's string number when the name is empty
    // or taken or the file cannot be written.
    bool CreateBook(const std::string& name, uint32_t& book, unsigned& reason);

    // Adds the entry (number 0, or a number the book does not have) or replaces the entry
    // of that number; the entry gets its number. False when the book cannot be written.
    bool SaveEntry(uint32_t book, PhoneBookEntryText& entry);
    bool DeleteEntry(uint32_t book, uint32_t entry);

private:
    struct Cached {
        uint64_t stamp = 0;  // last write time and size, to see changes
        PhoneBookFile file;
    };
    uint32_t NumberOf(const std::string& path);
    bool Save(uint32_t book, const PhoneBookFile& file);

    std::string m_explicitFolder;
    std::vector<std::string> m_paths;  // by book number - 1
    std::map<uint32_t, Cached> m_cache;
};

// Files larger than this are not read as phonebooks.
constexpr size_t kMaxPhoneBookBytes = 4u << 20;
