// A host application for RWFaxDlg.dll, written against the public header only and without
// any framework: it loads the module at run time, offers every command a suite host
// offers, gives the stand-in engine time and shows what the module asks of its host.
//
//   RWFaxDemo.exe                      interactive
//   RWFaxDemo.exe --page-seconds N     pages take N seconds to send or receive (default 3)
//   RWFaxDemo.exe --tour [--pictures FOLDER]
//                                      runs every command with no user, checks the paced
//                                      transmission, pictures every window (default folder
//                                      "screenshots"), prints what happened and exits
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "demo/demo_host.h"
#include "demo/engine_link.h"
#include "demo/host_window.h"
#include "demo/sample_data.h"
#include "demo/tour.h"

namespace {
DemoHost g_demo;

// The value after an option on the command line, or "".
std::string Option(const char* commandLine, const char* name)
{
    const char* at = commandLine ? std::strstr(commandLine, name) : nullptr;
    if (!at)
        return std::string();
    at += std::strlen(name);
    while (*at == ' ')
        ++at;
    const char* end = *at == '"' ? std::strchr(++at, '"') : std::strchr(at, ' ');
    return end ? std::string(at, end) : std::string(at);
}
}  // namespace

DemoHost& Demo() { return g_demo; }

FAXHOSTWND MakeHostWnd(HWND window)
{
    FAXHOSTWND host = {};
    host.hWnd = window;
    return host;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show)
{
    g_demo.tour = commandLine && std::strstr(commandLine, "--tour");
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);  // the Windows Imaging Component
    if (!g_demo.module.Load()) {
        std::printf("RWFaxDlg.dll could not be loaded\n");
        if (!g_demo.tour)
            MessageBoxA(nullptr, "RWFaxDlg.dll could not be loaded.", "RWFaxDlg Demo Host", MB_OK | MB_ICONSTOP);
        return 1;
    }
    if (!g_demo.fax.Load()) {
        std::printf("The fax engine VOVADO32.dll is not the stand-in of this project\n");
        return 1;
    }
    g_demo.window = CreateHostWindow(instance, g_demo.tour ? SW_SHOWNORMAL : show);
    g_demo.hostWnd = MakeHostWnd(g_demo.window);
    // The demo keeps its engine's jobs in a folder of its own unless told otherwise.
    if (!GetEnvironmentVariableA("RWFAX_ENGINE_STORE", nullptr, 0)) {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        SetEnvironmentVariableA("RWFAX_ENGINE_STORE", (std::string(temp) + "rwfax-demo-engine").c_str());
    }
    g_demo.engine = g_demo.fax.open(g_demo.window, kEngineEventMessage);
    std::string pageSeconds = Option(commandLine, "--page-seconds");
    SetTransmissionPace(pageSeconds.empty() ? 3 : std::atoi(pageSeconds.c_str()));
    SeedSampleData();
    RefreshStatusBar();

    int result = 0;
    if (g_demo.tour) {
        std::string folder = Option(commandLine, "--pictures");
        result = RunTour(folder.empty() ? "screenshots" : folder);
    } else {
        Log("Ready. Send a fax from the Fax menu (Ctrl+N) and watch it go out; the logs hold sample faxes.");
        SetTimer(g_demo.window, kEngineTimer, kTickMilliseconds, nullptr);
        MSG message;
        while (GetMessageA(&message, nullptr, 0, 0) > 0) {
            if (PreTranslateHostMessage(message))
                continue;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    g_demo.fax.close(g_demo.engine);
    if (IsWindow(g_demo.window))
        DestroyWindow(g_demo.window);
    FreeLibrary(g_demo.module.handle);
    CoUninitialize();
    return result;
}
