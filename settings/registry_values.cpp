#include "settings/registry_values.h"

#include <vector>

bool TextFromRegistryBuffer(DWORD type, const char* buffer, DWORD size, size_t bufferSize, std::string* text)
{
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        return false;
    // A stored text without its terminator that fills the buffer would not fit as a C string.
    size_t length = 0;
    while (length < size && length < bufferSize && buffer[length] != '\0')
        ++length;
    if (length >= bufferSize)
        return false;
    text->assign(buffer, length);
    return true;
}

bool ReadRegistryText(HKEY key, const char* valueName, size_t bufferSize, std::string* text)
{
    if (!key || bufferSize == 0)
        return false;
    std::vector<char> buffer(bufferSize + 1, '\0');  // the spare byte keeps an unterminated value terminated
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(bufferSize);
    if (RegQueryValueExA(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS)
        return false;
    return TextFromRegistryBuffer(type, buffer.data(), size, bufferSize, text);
}

bool ReadRegistryNumber(HKEY key, const char* valueName, DWORD* value)
{
    DWORD type = 0;
    DWORD number = 0;
    DWORD size = sizeof number;
    if (!key || RegQueryValueExA(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(&number), &size) != ERROR_SUCCESS)
        return false;
    if (type != REG_DWORD || size != sizeof number)
        return false;
    *value = number;
    return true;
}
