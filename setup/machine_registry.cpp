#include "setup/machine_registry.h"

#include <vector>

bool CMachineKey::Open(const std::string& path)
{
    Close();
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    m_hKey = key;
    return true;
}

void CMachineKey::Close()
{
    if (m_hKey)
        RegCloseKey(m_hKey);
    m_hKey = nullptr;
}

bool CMachineKey::ReadText(const char* valueName, size_t bufferSize, std::string* text) const
{
    if (!m_hKey || bufferSize == 0)
        return false;
    std::vector<char> buffer(bufferSize + 1, '\0');  // a spare byte keeps an unterminated value terminated
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(bufferSize);
    if (RegQueryValueExA(m_hKey, valueName, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) !=
        ERROR_SUCCESS)
        return false;
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        return false;
    size_t length = 0;
    while (length < size && buffer[length] != '\0')
        ++length;
    if (length >= bufferSize)
        return false;
    text->assign(buffer.data(), length);
    return true;
}

LONG CMachineKey::SubkeyName(DWORD index, size_t maxChars, std::string* name) const
{
    if (!m_hKey)
        return ERROR_NO_MORE_ITEMS;
    std::vector<char> buffer(maxChars + 1, '\0');
    DWORD length = static_cast<DWORD>(buffer.size());
    LONG result = RegEnumKeyExA(m_hKey, index, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr);
    if (result == ERROR_SUCCESS)
        name->assign(buffer.data(), length < buffer.size() ? length : maxChars);
    return result;
}
