#pragma once
// The module's application object: one per module, alive from load to unload. It holds
// the help file path and routes help requests.
#include <windows.h>
#include <string>

class CWinApp {
public:
    explicit CWinApp(const char* appName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Opens the help file with a command (HELP_CONTEXT, HELP_CONTENTS, ...) and its data.
    virtual void WinHelp(DWORD_PTR data, UINT command = HELP_CONTEXT);

    // Replaces the help file path by a heap copy of the text.
    void SetHelpFilePath(const std::string& path);
    const char* GetHelpFilePath() const { return m_pszHelpFilePath; }

    // How a help request reaches the system: ::WinHelpA by default. Tests replace it to see
    // the requests without starting a help viewer; null restores the default.
    using HelpCall = BOOL (*)(HWND owner, const char* helpFile, UINT command, ULONG_PTR data);
    static void SetHelpCall(HelpCall call);

protected:
    char* m_pszHelpFilePath = nullptr;  // heap copy, freed with the object
    std::string m_strAppName;
};
