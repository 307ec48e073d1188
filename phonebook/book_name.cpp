#include "phonebook/book_name.h"

#include <cstdio>

#include "phonebook/record_names.h"

namespace {
// Not isalnum: its answer depends on the locale, the rule does not.
bool IsPlainLetterOrDigit(unsigned char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameIgnoringCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Upper(a[i]) != Upper(b[i]))
            return false;
    return true;
}

// CON, PRN, AUX, NUL, COM1-COM9 and LPT1-LPT9 open devices, with any extension too, and
// so does the name with blanks after it.
bool IsDeviceName(const std::string& name)
{
    std::string base = name.substr(0, name.find('.'));
    while (!base.empty() && base.back() == ' ')
        base.pop_back();
    for (const char* device : {"CON", "PRN", "AUX", "NUL"})
        if (SameIgnoringCase(base, device))
            return true;
    if (base.size() != 4 || base[3] < '1' || base[3] > '9')
        return false;
    return SameIgnoringCase(base.substr(0, 3), "COM") || SameIgnoringCase(base.substr(0, 3), "LPT");
}

// Bytes that cannot stand in a file name, or would lead elsewhere, and the escape itself.
bool NeedsEscape(unsigned char c)
{
    switch (c) {
    case '\\': case '/': case ':': case '*': case '?': case '"': case '<': case '>': case '|': case '%':
        return true;
    default:
        return c < 0x20 || c == 0x7F;
    }
}

std::string Escaped(unsigned char c)
{
    char text[4];
    std::snprintf(text, sizeof text, "%%%02X", c);
    return text;
}
}  // namespace

bool IsValidBookName(const std::string& name)
{
    if (name.empty())
        return false;
    for (unsigned char c : name)
        if (!IsPlainLetterOrDigit(c))
            return false;
    return !NamesMasterList(name) && !IsDeviceName(name);
}

bool NamesMasterList(const std::string& name) { return SameIgnoringCase(name, g_szMasterList); }

std::string ProfileFileStem(const std::string& name)
{
    std::string stem;
    for (size_t i = 0; i < name.size(); ++i) {
        auto c = static_cast<unsigned char>(name[i]);
        bool device = i == 0 && IsDeviceName(name);
        stem += NeedsEscape(c) || device ? Escaped(c) : std::string(1, name[i]);
    }
    return stem;
}
