#include "phonebook/book_name.h"

namespace {
// Not isalnum: its answer depends on the locale, the rule does not.
bool IsPlainLetterOrDigit(unsigned char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
}  // namespace

bool IsValidBookName(const std::string& name)
{
    if (name.empty())
        return false;
    for (unsigned char c : name)
        if (!IsPlainLetterOrDigit(c))
            return false;
    return true;
}
