#include "phonebook/name_index.h"

#include <cstring>

#include "phonebook/record_names.h"

namespace {
char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
}  // namespace

bool EqualNoCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    return true;
}

void CNameIndex::Clear() { m_entries.clear(); }

int CNameIndex::Find(const std::string& name) const
{
    for (size_t i = 0; i < m_entries.size(); ++i)
        if (!m_entries[i].removed && EqualNoCase(m_entries[i].name, name))
            return static_cast<int>(i);
    return -1;
}

int CNameIndex::Add(const std::string& name)
{
    if (GetCount() >= kMaxNames || Find(name) >= 0)
        return 0;
    m_entries.push_back({name, 0});
    return 1;
}

int CNameIndex::Remove(const std::string& name)
{
    int position = Find(name);
    if (position < 0)
        return 0;
    m_entries[static_cast<size_t>(position)].removed = 1;
    return 1;
}

std::string CNameIndex::GetAt(int i) const
{
    return i >= 0 && i < GetCount() ? m_entries[static_cast<size_t>(i)].name : std::string();
}

bool CNameIndex::IsRemoved(int i) const
{
    return i >= 0 && i < GetCount() && m_entries[static_cast<size_t>(i)].removed != 0;
}

int CNameIndex::ItemsToRead(int number, const std::vector<std::string>& keyNames)
{
    if (number <= 0)
        return 0;
    const size_t prefix = std::strlen(g_szItemKey);
    long long highest = 0;
    for (const std::string& key : keyNames) {
        if (key.size() <= prefix || !EqualNoCase(key.substr(0, prefix), g_szItemKey) || key[prefix] == '0')
            continue;
        long long value = 0;
        size_t i = prefix;
        for (; i < key.size() && key[i] >= '0' && key[i] <= '9' && value <= number; ++i)
            value = value * 10 + (key[i] - '0');
        if (i == key.size() && value > highest)
            highest = value;
    }
    // One more than the highest key reads the empty name that missing keys give.
    long long needed = highest + 1;
    return needed < number ? static_cast<int>(needed) : number;
}
