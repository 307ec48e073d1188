#include "demo/host_window.h"

#include <commctrl.h>

#include <cstdio>
#include <string>

#include "demo/demo_host.h"
#include "demo/demo_resource.h"
#include "demo/engine_link.h"
#include "demo/event_list.h"
#include "demo/fax_folders.h"
#include "demo/fax_viewer.h"

namespace {
constexpr char kHostClass[] = "RWFaxDemoHost";
// The suite's mail application, which the module tells when the fax modem was changed.
constexpr char kMailClass[] = "RWFaxDemoMail";
constexpr char kMailTitle[] = "Tavan Plexwork Mailrunner";

HWND g_events = nullptr;
HWND g_statusBar = nullptr;
HACCEL g_keys = nullptr;

void ShowDocument(const char* requested, const char* what)
{
    std::string asked = requested ? requested : "";
    std::string found = FindFaxDocument(asked);
    if (found.empty()) {
        Log(std::string("Module asks to show ") + what + " " + asked + ": no such document here");
        return;
    }
    std::string reason;
    if (OpenFaxViewer(Demo().window, found, &reason))
        Log(std::string("Module asks to show ") + what + " " + asked + ": showing " + found);
    else
        Log(std::string("Module asks to show ") + what + " " + asked + ": " + reason);
}

// What the module asks of its host arrives as window messages.
bool HandleModuleRequest(UINT message, WPARAM wParam, LPARAM lParam)
{
    const char* text = reinterpret_cast<const char*>(lParam);
    switch (message) {
    case WM_FAX_PREVIEW_COVER:
        if (wParam == FAX_PREVIEW_COVER_PAGE)
            ShowDocument(text, "the cover page");
        return true;
    case WM_FAXDOC_VIEW:
        ShowDocument(text, "the fax document");
        return true;
    case WM_FAXDOC_REMOVED:
        Log(std::string("Module deleted the document ") + (text ? text : "(none)") + " with its log entry; " +
            std::to_string(text ? CloseFaxViewers(text) : 0) + " viewer(s) of it closed");
        return true;
    default:
        return false;
    }
}

void Layout(HWND window)
{
    RECT client, bar = {};
    GetClientRect(window, &client);
    SendMessageA(g_statusBar, WM_SIZE, 0, 0);
    GetWindowRect(g_statusBar, &bar);
    MoveWindow(g_events, 0, 0, client.right, client.bottom - (bar.bottom - bar.top), TRUE);
}

LRESULT CALLBACK HostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (HandleModuleRequest(message, wParam, lParam))
        return 0;
    switch (message) {
    case kEngineEventMessage:
        ForwardEngineEvent(wParam, reinterpret_cast<const FAXENGINE_EVENT*>(lParam));
        return 0;
    case WM_TIMER:
        if (wParam != kEngineTimer)
            break;
        GiveEngineTime();
        RefreshStatusBar();
        return 0;
    case WM_COMMAND:
        if (HIWORD(wParam) <= 1 && !lParam) {  // menu or shortcut
            RunCommand(LOWORD(wParam));
            return 0;
        }
        break;
    case WM_SIZE:
        Layout(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK MailWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_FAX_MODEM_CHANGED) {
        Log("The mail application hears from the module that the fax modem was changed");
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
}  // namespace

void Log(const std::string& line)
{
    if (Demo().tour)
        std::printf("%s\n", line.c_str());
    AddEvent(g_events, line);
}

HWND CreateHostWindow(HINSTANCE instance, int show)
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = HostWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kHostClass;
    RegisterClassA(&windowClass);
    windowClass.lpfnWndProc = MailWindowProc;
    windowClass.lpszClassName = kMailClass;
    RegisterClassA(&windowClass);
    CreateWindowA(kMailClass, kMailTitle, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);

    HWND window = CreateWindowA(kHostClass, "RWFaxDlg Demo Host", WS_OVERLAPPEDWINDOW, 40, 40, 720, 460, nullptr,
                                LoadMenuA(instance, MAKEINTRESOURCEA(IDR_DEMO_MENU)), instance, nullptr);
    g_keys = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_DEMO_KEYS));
    g_events = CreateEventList(window);
    g_statusBar = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, window,
                                  nullptr, instance, nullptr);
    int parts[] = {470, -1};
    SendMessageA(g_statusBar, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
    Layout(window);
    ShowWindow(window, show);
    return window;
}

void RefreshStatusBar()
{
    std::string activity = EngineActivity();
    std::string pace = "Pages take " + std::to_string(PageSeconds()) + " s";
    SendMessageA(g_statusBar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(activity.c_str()));
    SendMessageA(g_statusBar, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(pace.c_str()));
}

void ClearEvents() { SendMessageA(g_events, LB_RESETCONTENT, 0, 0); }

bool PreTranslateHostMessage(MSG& message)
{
    HWND top = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (top == Demo().window)
        return TranslateAcceleratorA(Demo().window, g_keys, &message) != 0;
    // The status window is a modeless dialog: give it the keyboard navigation of one.
    char className[16] = {};
    if (top && GetClassNameA(top, className, sizeof className) && std::string(className) == "#32770")
        return IsDialogMessageA(top, &message) != 0;
    return false;
}
