#include "setup/machine_registry.h"

#include "settings/registry_values.h"

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
    return ReadRegistryText(m_hKey, valueName, bufferSize, text);
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
