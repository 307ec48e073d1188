#include "setup/modem_control_panel.h"

#include "setup/platform_version.h"

namespace {
ProgramStart g_start = nullptr;
void* g_startContext = nullptr;

std::string SystemFolder()
{
    char folder[MAX_PATH] = {};
    UINT length = GetSystemDirectoryA(folder, sizeof folder);
    return length > 0 && length < sizeof folder ? std::string(folder, length) : std::string();
}

std::string WindowsFolder()
{
    char folder[MAX_PATH] = {};
    UINT length = GetWindowsDirectoryA(folder, sizeof folder);
    return length > 0 && length < sizeof folder ? std::string(folder, length) : std::string();
}
}  // namespace

std::string ModemControlPanelCommand()
{
    const std::string system = SystemFolder();
    return (g_bWinNT ? system : WindowsFolder()) + "\\control " + system + "\\modem.cpl";
}

void StartModemControlPanel()
{
    const std::string command = ModemControlPanelCommand();
    if (g_start)
        g_start(command.c_str(), SW_SHOWNORMAL, g_startContext);
    else
        WinExec(command.c_str(), SW_SHOWNORMAL);
}

void SetProgramStart(ProgramStart start, void* context)
{
    g_start = start;
    g_startContext = context;
}
