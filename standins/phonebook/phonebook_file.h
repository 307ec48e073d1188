#pragma once
// One phonebook as the phonebook library keeps it: a text file "<name>.pbk" in its store,
// written so a person can read and change it in any text editor:
//
//   [Phonebook]
//   Name=Customers
//   NextEntry=3
//
//   [Entry 1]
//   FirstName=Ann
//   LastName=Archer
//   Company=Archer & Sons
//   Phone=555 0100
//   Fax=555 0101
//
// Each entry keeps its number for good, and numbers are not given twice (NextEntry); an entry without a usable number (or with the
// number of an earlier one) gets the next free one when the file is read. Texts are kept
// as written; they are cut to the record fields only when handed out.
#include <cstdint>
#include <string>
#include <vector>

struct PhoneBookEntryText {
    uint32_t number = 0;
    std::string firstName;
    std::string lastName;
    std::string company;
    std::string phone;
    std::string fax;
};

struct PhoneBookFile {
    std::string name;
    std::vector<PhoneBookEntryText> entries;
    uint32_t nextNumber = 1;  // at least 1 above every number given so far

    // The entry with that number, or null.
    const PhoneBookEntryText* Find(uint32_t number) const;
    PhoneBookEntryText* Find(uint32_t number);
    // Adds an entry under a number no entry has had yet; returns that number.
    uint32_t Add(PhoneBookEntryText entry);
};

// The name is taken from the file; fallbackName when it has none.
PhoneBookFile ParsePhoneBookFile(const std::string& text, const std::string& fallbackName);
std::string FormatPhoneBookFile(const PhoneBookFile& book);

// A file name for a book name: characters a file name cannot hold become '_', and names of
// devices get a '_' in front.
std::string PhoneBookFileName(const std::string& bookName);
