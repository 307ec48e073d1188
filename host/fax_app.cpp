#include "host/fax_app.h"

#include <cstring>
#include <string>

#include "settings/registry_values.h"
#include "settings/setting_names.h"
#include "settings/setting_readers.h"
#include "settings/settings_store.h"

char g_szInstallDir[259];
BOOL g_bDisplayStatus;
BOOL g_bNotifyOnCompletion;

namespace {
const char kDesktopKey[] = "Software\\Velmoor\\QOI\\Desktop\\RW";
const char kDefaultDirValue[] = "DefaultDir";
const char kFallbackInstallDir[] = "C:\\Program Files\\Tavan\\Plexwork";

// Reads "DefaultDir" from the local machine; false when the key or a usable text is missing.
bool ReadInstallDir(char* buffer, DWORD bufferSize)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kDesktopKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    std::string folder;
    bool read = ReadRegistryText(key, kDefaultDirValue, bufferSize, &folder);
    RegCloseKey(key);
    if (!read)
        return false;
    std::memcpy(buffer, folder.c_str(), folder.size() + 1);
    return true;
}

void AppendWithSeparator(std::string& path, const char* part)
{
    if (path.empty() || path.back() != '\\')
        path += '\\';
    path += part;
}
}  // namespace

CFaxDlgApp::CFaxDlgApp() : CWinApp(nullptr)
{
    InitQORegistryKey();

    g_bDisplayStatus = static_cast<BOOL>(ReadSettingNumber(kDisplayStatus, 1));
    g_bNotifyOnCompletion = static_cast<BOOL>(ReadSettingNumber(kNotifyOnCompletion, 0));

    if (!ReadInstallDir(g_szInstallDir, sizeof g_szInstallDir)) {
        std::strncpy(g_szInstallDir, kFallbackInstallDir, sizeof g_szInstallDir - 1);
        g_szInstallDir[sizeof g_szInstallDir - 1] = '\0';
    }

    std::string helpPath = g_szInstallDir;
    AppendWithSeparator(helpPath, "helpfiles");
    AppendWithSeparator(helpPath, "verari.hlp");
    SetHelpFilePath(helpPath);
}

void CFaxDlgApp::WinHelp(DWORD_PTR data, UINT command)
{
    if (static_cast<DWORD>(data) == 0xFFFFFFFFu)
        return;
    if (data == 0) {
        CWinApp::WinHelp(0, HELP_CONTENTS);
        return;
    }
    CWinApp::WinHelp(data, command);
}
