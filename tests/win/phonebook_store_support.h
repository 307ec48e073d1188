#pragma once
// A phonebook store of the stand-in phonebook library in a temporary folder, for one test:
// books are written as the library's text files and found through its own calls.
#include <windows.h>

#include <string>
#include <vector>

#include "phonebook/phonebook_library.h"
#include "test_support.h"

namespace testsupport {

struct BookEntryText {
    std::string firstName;
    std::string lastName;
    std::string company;
    std::string phone;
    std::string fax;
};

class PhoneBookStore {
public:
    PhoneBookStore();   // the library now keeps its books here
    ~PhoneBookStore();  // back to the library's default store
    PhoneBookStore(const PhoneBookStore&) = delete;
    PhoneBookStore& operator=(const PhoneBookStore&) = delete;

    // Writes "<name>.pbk" holding a book of that name with the entries, in order.
    bool WriteBook(const std::string& name, const std::vector<BookEntryText>& entries);
    const TempFolder& Folder() const { return m_folder; }

    // The book of that name, found as the module finds books.
    static bool FindBook(const std::string& name, PHONEBOOK_ID* id);

private:
    TempFolder m_folder;
};

}  // namespace testsupport
