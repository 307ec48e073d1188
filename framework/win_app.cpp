#include "framework/win_app.h"

#include <cstdlib>
#include <cstring>

#include "framework/module_state.h"

namespace {
CWinApp::HelpCall g_helpCall = nullptr;
}

void CWinApp::SetHelpCall(HelpCall call) { g_helpCall = call; }

CWinApp::CWinApp(const char* appName) : m_strAppName(appName ? appName : "")
{
    AfxGetStaticModuleState()->m_pCurrentApp = this;
}

CWinApp::~CWinApp()
{
    std::free(m_pszHelpFilePath);
    CModuleState* state = AfxGetStaticModuleState();
    if (state->m_pCurrentApp == this)
        state->m_pCurrentApp = nullptr;
}

void CWinApp::SetHelpFilePath(const std::string& path)
{
    std::free(m_pszHelpFilePath);
    m_pszHelpFilePath = static_cast<char*>(std::malloc(path.size() + 1));
    if (m_pszHelpFilePath)
        std::memcpy(m_pszHelpFilePath, path.c_str(), path.size() + 1);
}

void CWinApp::WinHelp(DWORD_PTR data, UINT command)
{
    HWND owner = GetActiveWindow();
    const char* file = m_pszHelpFilePath ? m_pszHelpFilePath : "";
    if (g_helpCall)
        g_helpCall(owner, file, command, data);
    else
        ::WinHelpA(owner, file, command, data);
}
