#pragma once
// The ordered list of names that heads every record file: the phonebook names of the
// master list, the record section names of a book. A removed name keeps its place until
// the index is cleared, but searches, listings and saves skip it.
#include <string>
#include <vector>

class CNameIndex {
public:
    static constexpr int kMaxNames = 500;

    void Clear();
    // Position of the first name that is not removed and equals name ignoring letter case;
    // -1 if there is none.
    int Find(const std::string& name) const;
    // Appends a name. 0 when the index is full or already holds the name (ignoring case).
    int Add(const std::string& name);
    // Marks the name as removed; 0 if there is no such name.
    int Remove(const std::string& name);
    // A copy of name i; an empty text when i is not below the count.
    std::string GetAt(int i) const;
    bool IsRemoved(int i) const;
    // Names in use, removed ones included.
    int GetCount() const { return static_cast<int>(m_entries.size()); }

    // Reads the index of a list's profile file. Returns 1 when the file has a "Number";
    // otherwise 0, with the trace line "Error reading from <path>" when report is set.
    int Load(const std::string& listName, bool report);
    // Writes the names that are not removed as Item1.. ItemN and "Number" N. Returns 0,
    // having told the user, when a write failed.
    int Save(const std::string& listName) const;

    // How many Item keys a load must read for a "Number": beyond the highest Item key the
    // file holds, every further key reads as the same empty name, so those are not read.
    static int ItemsToRead(int number, const std::vector<std::string>& keyNames);

private:
    struct Entry {
        std::string name;
        int removed = 0;
    };
    std::vector<Entry> m_entries;
};

// Letter case ignored as profile files ignore it for names of the Latin alphabet.
bool EqualNoCase(const std::string& a, const std::string& b);
