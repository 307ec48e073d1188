#include "settings/settings_store.h"

#include <cstdio>
#include <cstring>

#include "framework/trace.h"

char g_szQOFaxKey[MAX_PATH];

namespace {
const char kSuiteKey[] = "Software\\Velmoor\\QOI";
const char kFaxSubKey[] = "\\Fax\\RW";

// The query failure line is formatted here and then emitted.
char g_szTraceLine[1024];

bool CreateKey(const char* path)
{
    HKEY key = nullptr;
    DWORD disposition = 0;
    LONG result = RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, const_cast<char*>(""), REG_OPTION_NON_VOLATILE,
                                  KEY_READ | KEY_WRITE, nullptr, &key, &disposition);
    if (result != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

// The key path must exist before the first read, even if InitQORegistryKey was never run.
void EnsureKeyPath()
{
    if (g_szQOFaxKey[0] == '\0')
        std::snprintf(g_szQOFaxKey, sizeof g_szQOFaxKey, "%s%s", kSuiteKey, kFaxSubKey);
}
}  // namespace

BOOL InitQORegistryKey()
{
    std::snprintf(g_szQOFaxKey, sizeof g_szQOFaxKey, "%s%s", kSuiteKey, kFaxSubKey);
    if (!CreateKey(kSuiteKey))
        return 0;
    if (!CreateKey(g_szQOFaxKey))
        return 0;
    return 1;
}

BOOL GetQORegistryValue(LPCSTR valueName, DWORD* type, BYTE* data, DWORD* size)
{
    EnsureKeyPath();
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, g_szQOFaxKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        FaxTraceText("GetQORegistryValue - RegOpenKeyEx failed.\n");
        return 0;
    }
    LONG result = RegQueryValueExA(key, valueName, nullptr, type, data, size);
    RegCloseKey(key);
    if (result == ERROR_SUCCESS)
        return 1;
    // The registry calls return their error instead of setting it; make it the thread's
    // last error so the line tells what went wrong.
    SetLastError(static_cast<DWORD>(result));
    std::snprintf(g_szTraceLine, sizeof g_szTraceLine, "GetQORegistryValue - RegQueryValueEx (%s / %s) failed. (%08x)\n",
                  g_szQOFaxKey, valueName ? valueName : "", static_cast<unsigned>(GetLastError()));
    FaxTraceText(g_szTraceLine);
    return 0;
}

BOOL SetQORegistryValue(LPCSTR valueName, DWORD type, const BYTE* data, DWORD size)
{
    EnsureKeyPath();
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, g_szQOFaxKey, 0, KEY_WRITE, &key) != ERROR_SUCCESS) {
        FaxTraceText("SetQORegistryValue - RegOpenKeyEx failed.\n");
        return 0;
    }
    LONG result = RegSetValueExA(key, valueName, 0, type, data, size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS) {
        FaxTraceText("SetQORegistryValue - RegSetValueEx failed.\n");
        return 0;
    }
    return 1;
}
