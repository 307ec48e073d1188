#include "standins/phonebook/phonebook_file.h"

#include <algorithm>
#include <cstdlib>
#include <set>

#include "standins/common/profile_text.h"

namespace {
struct EntryField {
    const char* key;
    std::string PhoneBookEntryText::*member;
};
const EntryField kEntryFields[] = {
    {"FirstName", &PhoneBookEntryText::firstName}, {"LastName", &PhoneBookEntryText::lastName},
    {"Company", &PhoneBookEntryText::company},     {"Phone", &PhoneBookEntryText::phone},
    {"Fax", &PhoneBookEntryText::fax},
};

constexpr char kEntryPrefix[] = "Entry";

// The number of a section "Entry 12"; 0 for anything else.
uint32_t EntryNumber(const std::string& sectionName, bool& isEntry)
{
    const size_t prefix = sizeof kEntryPrefix - 1;
    isEntry = sectionName.size() >= prefix && SameProfileName(sectionName.substr(0, prefix), kEntryPrefix);
    if (!isEntry)
        return 0;
    std::string digits = sectionName.substr(prefix);
    while (!digits.empty() && digits.front() == ' ')
        digits.erase(0, 1);
    if (digits.empty() || digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos)
        return 0;
    return static_cast<uint32_t>(std::strtoul(digits.c_str(), nullptr, 10));
}
}  // namespace

const PhoneBookEntryText* PhoneBookFile::Find(uint32_t number) const
{
    for (const auto& entry : entries)
        if (entry.number == number)
            return &entry;
    return nullptr;
}

PhoneBookEntryText* PhoneBookFile::Find(uint32_t number)
{
    return const_cast<PhoneBookEntryText*>(static_cast<const PhoneBookFile*>(this)->Find(number));
}

uint32_t PhoneBookFile::Add(PhoneBookEntryText entry)
{
    for (const auto& existing : entries)
        if (existing.number >= nextNumber)
            nextNumber = existing.number + 1;
    entry.number = nextNumber++;
    entries.push_back(std::move(entry));
    return entries.back().number;
}

PhoneBookFile ParsePhoneBookFile(const std::string& text, const std::string& fallbackName)
{
    PhoneBookFile book;
    ProfileText profile = ParseProfileText(text);
    const ProfileSection* head = profile.Find("Phonebook");
    const std::string* name = head ? head->Find("Name") : nullptr;
    book.name = name && !name->empty() ? *name : fallbackName;
    if (const std::string* next = head ? head->Find("NextEntry") : nullptr;
        next && !next->empty() && next->size() <= 9 && next->find_first_not_of("0123456789") == std::string::npos)
        // 0 numbers nothing: entries without a number would be given it and read back as new.
        book.nextNumber = std::max<uint32_t>(1, static_cast<uint32_t>(std::strtoul(next->c_str(), nullptr, 10)));

    std::set<uint32_t> taken;
    std::vector<PhoneBookEntryText> unnumbered;
    for (const auto& section : profile.sections) {
        bool isEntry = false;
        uint32_t number = EntryNumber(section.name, isEntry);
        if (!isEntry)
            continue;
        PhoneBookEntryText entry;
        for (const auto& field : kEntryFields)
            if (const std::string* value = section.Find(field.key))
                entry.*field.member = *value;
        if (number != 0 && taken.insert(number).second) {
            entry.number = number;
            book.entries.push_back(entry);
        } else {
            unnumbered.push_back(entry);
        }
    }
    // Entries without a number of their own come after the others, in file order.
    for (auto& entry : unnumbered)
        book.Add(std::move(entry));
    for (const auto& entry : book.entries)
        if (entry.number >= book.nextNumber)
            book.nextNumber = entry.number + 1;
    return book;
}

std::string FormatPhoneBookFile(const PhoneBookFile& book)
{
    ProfileText profile;
    ProfileSection& head = profile.Add("Phonebook");
    head.Set("Name", book.name);
    head.Set("NextEntry", std::to_string(book.nextNumber));
    for (const auto& entry : book.entries) {
        ProfileSection& section = profile.Add(std::string(kEntryPrefix) + " " + std::to_string(entry.number));
        for (const auto& field : kEntryFields)
            section.Set(field.key, entry.*field.member);
    }
    return FormatProfileText(profile, {"A phonebook. Each [Entry n] section is one person or company."});
}

std::string PhoneBookFileName(const std::string& bookName)
{
    std::string name;
    for (unsigned char c : bookName)
        name += (c < 0x20 || std::string("\\/:*?\"<>|").find(static_cast<char>(c)) != std::string::npos)
                    ? '_'
                    : static_cast<char>(c);
    if (name.empty())
        name = "_";
    // Names Windows keeps for its devices cannot be files.
    static const char* const devices[] = {"CON", "PRN", "AUX", "NUL", "COM1", "COM2", "COM3", "COM4", "COM5",
                                          "COM6", "COM7", "COM8", "COM9", "LPT1", "LPT2", "LPT3", "LPT4",
                                          "LPT5", "LPT6", "LPT7", "LPT8", "LPT9"};
    std::string stem = name.substr(0, name.find('.'));
    while (!stem.empty() && stem.back() == ' ')
        stem.pop_back();
    for (const char* device : devices)
        if (SameProfileName(stem, device))
            return "_" + name + ".pbk";
    return name + ".pbk";
}
