// A small host application for RWFaxDlg.dll, written against the public header only and
// without any framework: it loads the module at run time, offers every command a suite
// host offers, and shows what the module asks of its host.
//
//   RWFaxDemo.exe            interactive
//   RWFaxDemo.exe --tour     runs every command that needs no user, prints what happened, exits
//   ... --tour --linger N    then shows the status window and keeps running N seconds (for a screenshot)
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "RWFaxDlg.h"

namespace {

enum Command : int {
    kSendFax = 100,
    kFaxLogs,
    kRefreshLogs,
    kGeneralSetup,
    kModemSetup,
    kHeaderSetup,
    kLogSetup,
    kPhonebooks,
    kManagePhonebooks,
    kShowStatus,
    kHideStatus,
};

struct Module {
    HMODULE handle = nullptr;
    PFN_FaxDLL_OnSendFax onSendFax = nullptr;
    PFN_FaxDLL_ShowFaxStatus showFaxStatus = nullptr;
    PFN_FaxDLL_UpdateFaxStatus updateFaxStatus = nullptr;
    PFN_FaxDLL_HideFaxStatus hideFaxStatus = nullptr;
    PFN_FaxDLL_NotifyOfModem notifyOfModem = nullptr;
    PFN_FaxDLL_OnRefreshLogs onRefreshLogs = nullptr;
    PFN_FaxDLL_OnFaxLogs onFaxLogs = nullptr;
    PFN_FaxDLL_OnFaxPhonebooks onFaxPhonebooks = nullptr;
    PFN_FaxDLL_OnFaxModifyPhonebooks onFaxModifyPhonebooks = nullptr;
    PFN_FaxDLL_OnFaxSetup onGeneralSetup = nullptr;
    PFN_FaxDLL_OnFaxSetup onModemSetup = nullptr;
    PFN_FaxDLL_OnFaxSetup onHeaderSetup = nullptr;
    PFN_FaxDLL_OnFaxSetup onLogSetup = nullptr;

    template <typename T>
    void Bind(T& slot, const char* name)
    {
        slot = reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(handle, name)));
    }

    bool Load()
    {
        handle = LoadLibraryA("RWFaxDlg.dll");
        if (!handle)
            return false;
        Bind(onSendFax, FAXDLL_EXPORT_NAME(FaxDLL_OnSendFax, 12));
        Bind(showFaxStatus, FAXDLL_EXPORT_NAME(FaxDLL_ShowFaxStatus, 12));
        Bind(updateFaxStatus, FAXDLL_EXPORT_NAME(FaxDLL_UpdateFaxStatus, 12));
        Bind(hideFaxStatus, FAXDLL_EXPORT_NAME(FaxDLL_HideFaxStatus, 4));
        Bind(notifyOfModem, FAXDLL_EXPORT_NAME(FaxDLL_NotifyOfModem, 4));
        Bind(onRefreshLogs, FAXDLL_EXPORT_NAME(FaxDLL_OnRefreshLogs, 8));
        Bind(onFaxLogs, FAXDLL_EXPORT_NAME(FaxDLL_OnFaxLogs, 8));
        Bind(onFaxPhonebooks, FAXDLL_EXPORT_NAME(FaxDLL_OnFaxPhonebooks, 4));
        Bind(onFaxModifyPhonebooks, FAXDLL_EXPORT_NAME(FaxDLL_OnFaxModifyPhonebooks, 4));
        Bind(onGeneralSetup, FAXDLL_EXPORT_NAME(FaxDLL_OnFaxGeneralSetup, 8));
        Bind(onModemSetup, FAXDLL_EXPORT_NAME(FaxDLL_OnFaxModemSetup, 8));
        Bind(onHeaderSetup, FAXDLL_EXPORT_NAME(FaxDLL_OnFaxHeaderSetup, 8));
        Bind(onLogSetup, FAXDLL_EXPORT_NAME(FaxDLL_OnFaxLogSetup, 8));
        return onSendFax && showFaxStatus && updateFaxStatus && hideFaxStatus && notifyOfModem && onRefreshLogs &&
               onFaxLogs && onFaxPhonebooks && onFaxModifyPhonebooks && onGeneralSetup && onModemSetup &&
               onHeaderSetup && onLogSetup;
    }
};

Module g_module;
FAXHOSTWND g_host;
FAXENGINE g_engine = 0;
HWND g_log = nullptr;
SEND_FAX g_statusJob;
bool g_tour = false;

void Log(const std::string& line)
{
    if (g_tour)
        std::printf("%s\n", line.c_str());
    if (g_log) {
        LRESULT index = SendMessageA(g_log, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
        SendMessageA(g_log, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    }
}

std::string DemoDocument()
{
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + "rwfax-demo.fmf";
}

void RunCommand(int command)
{
    char line[256];
    switch (command) {
    case kSendFax: {
        int result = g_module.onSendFax(&g_host, g_engine, DemoDocument().c_str());
        std::snprintf(line, sizeof line, "FaxDLL_OnSendFax returned %d", result);
        Log(line);
        break;
    }
    case kFaxLogs:
        g_module.onFaxLogs(&g_host, g_engine);
        Log("FaxDLL_OnFaxLogs returned");
        break;
    case kRefreshLogs:
        g_module.onRefreshLogs(&g_host, g_engine);
        Log("FaxDLL_OnRefreshLogs returned");
        break;
    case kGeneralSetup:
        g_module.onGeneralSetup(&g_host, g_engine);
        Log("FaxDLL_OnFaxGeneralSetup returned");
        break;
    case kModemSetup:
        g_module.onModemSetup(&g_host, g_engine);
        Log("FaxDLL_OnFaxModemSetup returned");
        break;
    case kHeaderSetup:
        g_module.onHeaderSetup(&g_host, g_engine);
        Log("FaxDLL_OnFaxHeaderSetup returned");
        break;
    case kLogSetup:
        g_module.onLogSetup(&g_host, g_engine);
        Log("FaxDLL_OnFaxLogSetup returned");
        break;
    case kPhonebooks:
        g_module.onFaxPhonebooks(0);
        Log("FaxDLL_OnFaxPhonebooks returned");
        break;
    case kManagePhonebooks: {
        int result = g_module.onFaxModifyPhonebooks(&g_host);
        std::snprintf(line, sizeof line, "FaxDLL_OnFaxModifyPhonebooks returned %d", result);
        Log(line);
        break;
    }
    case kShowStatus: {
        static char name[] = "Demo Recipient", company[] = "Demo Company", fax[] = "555-1212",
                    phone[] = "555-1313", subject[] = "Quarterly figures (100% final)";
        g_statusJob = SEND_FAX();
        g_statusJob.szDestName = name;
        g_statusJob.szToCompany = company;
        g_statusJob.szDestFax = fax;
        g_statusJob.szDestPhone = phone;
        g_statusJob.szSubject = subject;
        g_statusJob.dwJobID = 42;
        g_module.showFaxStatus(&g_host, g_engine, &g_statusJob);
        g_module.updateFaxStatus(0, FAXSTATUS_TOTAL_PAGES, 4);
        g_module.updateFaxStatus(0, FAXSTATUS_PAGE, 2);
        g_module.updateFaxStatus(0, FAXSTATUS_BAUD_RATE, 14400);
        g_module.updateFaxStatus(0, FAXSTATUS_PROGRESS, 50);
        Log("FaxDLL_ShowFaxStatus for job 42, page 2 of 4 at 14400 baud");
        break;
    }
    case kHideStatus: {
        BOOL wasVisible = g_module.hideFaxStatus(0);
        std::snprintf(line, sizeof line, "FaxDLL_HideFaxStatus returned %d", wasVisible);
        Log(line);
        break;
    }
    default:
        break;
    }
}

// What the module asks of its host arrives as window messages.
bool HandleModuleRequest(UINT message, WPARAM wParam, LPARAM lParam)
{
    const char* text = reinterpret_cast<const char*>(lParam);
    switch (message) {
    case WM_FAX_PREVIEW_COVER:
        Log(std::string("Module asks to preview cover page ") + (text ? text : "(none)"));
        return true;
    case WM_FAXDOC_VIEW:
        Log(std::string("Module asks to show fax document ") + (text ? text : "(none)"));
        return true;
    case WM_FAXDOC_REMOVED:
        Log(std::string("Module removed fax document ") + (text ? text : "(none)"));
        return true;
    default:
        return false;
    }
}

LRESULT CALLBACK HostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (HandleModuleRequest(message, wParam, lParam))
        return 0;
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) >= kSendFax) {
            RunCommand(LOWORD(wParam));
            return 0;
        }
        break;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateHostWindow(HINSTANCE instance)
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = HostWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "RWFaxDemoHost";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowA("RWFaxDemoHost", "RWFaxDlg Demo Host", WS_OVERLAPPEDWINDOW, 40, 40, 640, 420, nullptr,
                                nullptr, instance, nullptr);
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    struct Button {
        int id;
        const char* text;
    } const buttons[] = {
        {kSendFax, "Send Fax..."},           {kFaxLogs, "Fax Logs..."},
        {kRefreshLogs, "Refresh Logs"},      {kGeneralSetup, "General Setup..."},
        {kModemSetup, "Modem Setup..."},     {kHeaderSetup, "Header Setup..."},
        {kLogSetup, "Log Setup..."},         {kPhonebooks, "Phonebooks..."},
        {kManagePhonebooks, "Manage Phonebooks..."}, {kShowStatus, "Show Status"},
        {kHideStatus, "Hide Status"},
    };
    int y = 10;
    for (const Button& button : buttons) {
        HWND control = CreateWindowA("BUTTON", button.text, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, y, 170, 26, window,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(button.id)), instance, nullptr);
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        y += 32;
    }
    g_log = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT,
                            190, 10, 420, 352, window, nullptr, instance, nullptr);
    SendMessageA(g_log, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    return window;
}

// Runs the commands that need no user, for a first look without a display of one's own.
void Linger(int seconds)
{
    RunCommand(kShowStatus);
    DWORD end = GetTickCount() + static_cast<DWORD>(seconds) * 1000;
    while (GetTickCount() < end) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
}

int RunTour()
{
    Log("RWFaxDlg.dll loaded");
    DWORD modem = 33;
    char line[128];
    std::snprintf(line, sizeof line, "FaxDLL_NotifyOfModem(33) returned %lu", g_module.notifyOfModem(&modem));
    Log(line);
    RunCommand(kShowStatus);
    RunCommand(kHideStatus);
    RunCommand(kRefreshLogs);
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show)
{
    g_tour = commandLine && std::string(commandLine).find("--tour") != std::string::npos;
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    if (!g_module.Load()) {
        MessageBoxA(nullptr, "RWFaxDlg.dll could not be loaded.", "RWFaxDlg Demo Host", MB_OK | MB_ICONSTOP);
        std::printf("RWFaxDlg.dll could not be loaded\n");
        return 1;
    }
    HWND window = CreateHostWindow(instance);
    g_host.hWnd = window;
    ShowWindow(window, g_tour ? SW_SHOWNORMAL : show);
    if (g_tour) {
        int result = RunTour();
        const char* linger = std::strstr(commandLine, "--linger ");
        if (linger)
            Linger(std::atoi(linger + 9));
        DestroyWindow(window);
        FreeLibrary(g_module.handle);
        return result;
    }
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        // The status window is modeless: give it the keyboard navigation of a dialog.
        HWND top = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
        if (top && top != window && IsDialogMessageA(top, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    FreeLibrary(g_module.handle);
    return 0;
}
