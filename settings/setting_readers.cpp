#include "settings/setting_readers.h"

#include <vector>

#include "settings/registry_values.h"
#include "settings/settings_store.h"

bool TryReadSettingNumber(const char* valueName, DWORD* value)
{
    DWORD type = 0;
    DWORD number = 0;
    DWORD size = sizeof number;
    if (GetQORegistryValue(valueName, &type, reinterpret_cast<BYTE*>(&number), &size) != 1)
        return false;
    if (type != REG_DWORD || size != sizeof number)
        return false;
    *value = number;
    return true;
}

DWORD ReadSettingNumber(const char* valueName, DWORD fallback)
{
    DWORD value = 0;
    return TryReadSettingNumber(valueName, &value) ? value : fallback;
}

bool TryReadSettingText(const char* valueName, size_t bufferSize, std::string* text)
{
    if (bufferSize == 0)
        return false;
    std::vector<char> buffer(bufferSize + 1, '\0');  // the spare byte keeps an unterminated value terminated
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(bufferSize);
    if (GetQORegistryValue(valueName, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) != 1)
        return false;
    return TextFromRegistryBuffer(type, buffer.data(), size, bufferSize, text);
}

std::string ReadSettingText(const char* valueName, size_t bufferSize, const std::string& fallback)
{
    std::string text;
    return TryReadSettingText(valueName, bufferSize, &text) ? text : fallback;
}

bool WriteSettingNumber(const char* valueName, DWORD value)
{
    return SetQORegistryValue(valueName, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value) == 1;
}

bool WriteSettingText(const char* valueName, const std::string& text)
{
    return SetQORegistryValue(valueName, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                              static_cast<DWORD>(text.size() + 1)) == 1;
}
