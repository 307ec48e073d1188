// Long-run soak of RWFaxDlg.dll through its exports, as a host would run it for a day: every
// window is opened and closed many times, the status window shown, updated and hidden many
// times, with the stand-in engine and phonebook library. After a warm-up round it prints,
// per window, the process's handles, USER objects, GDI objects and private bytes before and
// after the run; a window that leaks shows a growth that scales with the number of runs.
//   exports_soak [runs] [status cycles]     (default 200 1000)
// Under wine, which counts neither handles nor USER and GDI objects per process, handles are
// the handle values that answer, USER objects the process's windows and GDI objects the
// live entries of wine's handle table. Private bytes are the committed private regions.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/bench_support.h"
#include "RWFaxDlg.h"
#include "standins/engine/vovado32_standin.h"
#include "standins/phonebook/redizazu_standin.h"

namespace {

struct Figures {
    long handles = 0;
    long user = 0;
    long gdi = 0;
    long long privateBytes = 0;
};

BOOL CALLBACK CountWindow(HWND window, LPARAM count)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId()) {
        ++*reinterpret_cast<long*>(count);
        EnumChildWindows(window, &CountWindow, count);
    }
    return TRUE;
}

long UserObjects()
{
    SetLastError(0);
    DWORD count = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    if (count || GetLastError() != ERROR_CALL_NOT_IMPLEMENTED)
        return static_cast<long>(count);
    long windows = 0;
    EnumWindows(&CountWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

long GdiObjects()
{
    SetLastError(0);
    DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (count || GetLastError() != ERROR_CALL_NOT_IMPLEMENTED)
        return static_cast<long>(count);
    // Wine accepts a handle table index without its generation: every live object answers.
    long objects = 0;
    for (ULONG_PTR index = 0; index < 0x10000; ++index)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(index + 32)))
            ++objects;
    return objects;
}

// Open handles. Where the system does not count them (wine), every handle value is asked.
long Handles()
{
    DWORD count = 0;
    if (GetProcessHandleCount(GetCurrentProcess(), &count) && count)
        return static_cast<long>(count);
    long handles = 0;
    for (ULONG_PTR value = 4; value < 0x10000; value += 4) {
        DWORD flags = 0;
        if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags))
            ++handles;
    }
    return handles;
}

// Committed private memory, region by region: what "private bytes" counts.
long long PrivateBytes()
{
    long long bytes = 0;
    MEMORY_BASIC_INFORMATION region;
    for (const char* at = nullptr; VirtualQuery(at, &region, sizeof region) == sizeof region;
         at = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE)
            bytes += static_cast<long long>(region.RegionSize);
        if (region.RegionSize == 0)
            break;
    }
    return bytes;
}

Figures Measure()
{
    Figures figures;
    figures.handles = Handles();
    figures.user = UserObjects();
    figures.gdi = GdiObjects();
    figures.privateBytes = PrivateBytes();
    return figures;
}

// Every window that becomes active is closed once its modal loop runs; a property sheet is
// first turned to the page under test, so that the page is built.
HHOOK g_hook = nullptr;
int g_page = -1;
void CALLBACK CloseActive(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    HWND window = GetActiveWindow();
    if (!window)
        return;
    if (SendMessageA(window, PSM_GETTABCONTROL, 0, 0)) {
        if (g_page >= 0)
            SendMessageA(window, PSM_SETCURSEL, static_cast<WPARAM>(g_page), 0);
        PostMessageA(window, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    } else {
        PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    }
}
LRESULT CALLBACK CloseOnActivation(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE)
        SetTimer(nullptr, 0, 1, &CloseActive);
    return CallNextHookEx(g_hook, code, wParam, lParam);
}

void Pump()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

using bench::Bind;

// Runs one window `runs` times after a warm-up, and prints the figures around the runs.
template <typename Open>
void Soak(const char* name, int runs, int page, Open open)
{
    g_page = page;
    const int warmUp = runs < 10 ? runs : 10;
    for (int i = 0; i < warmUp; ++i)
        open();
    Pump();
    const Figures before = Measure();
    DWORD start = GetTickCount();
    for (int i = 0; i < runs; ++i)
        open();
    Pump();
    const Figures after = Measure();
    std::printf("%-18s %5d %8.1f | %5ld %+4ld | %5ld %+4ld | %5ld %+4ld | %9lld %+8lld\n", name, runs,
                (GetTickCount() - start) / static_cast<double>(runs), before.handles, after.handles - before.handles,
                before.user, after.user - before.user, before.gdi, after.gdi - before.gdi, before.privateBytes / 1024,
                (after.privateBytes - before.privateBytes) / 1024);
    std::fflush(stdout);
}

// A one-page, 16 by 16 bilevel document in the engine's form ("FF" for the byte order).
void WriteDocument(const std::string& path)
{
    static const unsigned char document[] = {
        'F', 'F', 42, 0, 8, 0, 0, 0, 8, 0,
        0x00, 0x01, 3, 0, 1, 0, 0, 0, 16, 0, 0, 0,   0x01, 0x01, 3, 0, 1, 0, 0, 0, 16, 0, 0, 0,
        0x02, 0x01, 3, 0, 1, 0, 0, 0, 1, 0, 0, 0,    0x03, 0x01, 3, 0, 1, 0, 0, 0, 1, 0, 0, 0,
        0x06, 0x01, 3, 0, 1, 0, 0, 0, 0, 0, 0, 0,    0x11, 0x01, 4, 0, 1, 0, 0, 0, 110, 0, 0, 0,
        0x16, 0x01, 3, 0, 1, 0, 0, 0, 16, 0, 0, 0,   0x17, 0x01, 4, 0, 1, 0, 0, 0, 32, 0, 0, 0,
        0, 0, 0, 0,
        0xFF, 0xFF, 0x80, 0x01, 0x80, 0x01, 0x80, 0x01, 0x80, 0x01, 0x80, 0x01, 0x80, 0x01, 0x80, 0x01,
        0x80, 0x01, 0x80, 0x01, 0x80, 0x01, 0x80, 0x01, 0x80, 0x01, 0x80, 0x01, 0x80, 0x01, 0xFF, 0xFF,
    };
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, document, sizeof document, &written, nullptr);
    CloseHandle(file);
}

std::string TempFolder()
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "rwfax-soak";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}
}  // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 200;
    const int cycles = argc > 2 ? std::atoi(argv[2]) : 1000;
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    HMODULE module = LoadLibraryA("RWFaxDlg.dll");
    HMODULE engineLibrary = GetModuleHandleA("VOVADO32.dll");
    HMODULE phonebookLibrary = GetModuleHandleA("ReDiZazu.dll");
    if (!module || !engineLibrary || !phonebookLibrary) {
        std::fprintf(stderr, "RWFaxDlg.dll and the stand-ins must lie beside this program\n");
        return 2;
    }
    const std::string folder = TempFolder();
    Bind<decltype(&FaxStandInSetStoreFolder)>(engineLibrary, "FaxStandInSetStoreFolder")((folder + "\\engine").c_str());
    Bind<decltype(&PhoneBookStandInSetStoreFolder)>(phonebookLibrary, "PhoneBookStandInSetStoreFolder")(
        (folder + "\\phonebooks").c_str());

    FAXHOSTWND host = {};
    host.hWnd = CreateWindowA("STATIC", "Soak host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300, nullptr,
                              nullptr, nullptr, nullptr);
    const FAXENGINE engine = Bind<decltype(&FaxStandInOpen)>(engineLibrary, "FaxStandInOpen")(nullptr, 0);
    auto addReceived = Bind<decltype(&FaxStandInAddReceived)>(engineLibrary, "FaxStandInAddReceived");
    for (int i = 0; i < 5; ++i)
        addReceived(engine, "Soak sender", "555 0100", nullptr, 2, 0);

    auto sendFax = Bind<PFN_FaxDLL_OnSendFax>(module, FAXDLL_EXPORT_NAME(FaxDLL_OnSendFax, 12));
    auto showStatus = Bind<PFN_FaxDLL_ShowFaxStatus>(module, FAXDLL_EXPORT_NAME(FaxDLL_ShowFaxStatus, 12));
    auto updateStatus = Bind<PFN_FaxDLL_UpdateFaxStatus>(module, FAXDLL_EXPORT_NAME(FaxDLL_UpdateFaxStatus, 12));
    auto hideStatus = Bind<PFN_FaxDLL_HideFaxStatus>(module, FAXDLL_EXPORT_NAME(FaxDLL_HideFaxStatus, 4));
    auto faxLogs = Bind<PFN_FaxDLL_OnFaxLogs>(module, FAXDLL_EXPORT_NAME(FaxDLL_OnFaxLogs, 8));
    auto modify = Bind<PFN_FaxDLL_OnFaxModifyPhonebooks>(module, FAXDLL_EXPORT_NAME(FaxDLL_OnFaxModifyPhonebooks, 4));
    auto general = Bind<PFN_FaxDLL_OnFaxSetup>(module, FAXDLL_EXPORT_NAME(FaxDLL_OnFaxGeneralSetup, 8));
    auto modem = Bind<PFN_FaxDLL_OnFaxSetup>(module, FAXDLL_EXPORT_NAME(FaxDLL_OnFaxModemSetup, 8));
    auto header = Bind<PFN_FaxDLL_OnFaxSetup>(module, FAXDLL_EXPORT_NAME(FaxDLL_OnFaxHeaderSetup, 8));
    auto logSetup = Bind<PFN_FaxDLL_OnFaxSetup>(module, FAXDLL_EXPORT_NAME(FaxDLL_OnFaxLogSetup, 8));

    const std::string document = folder + "\\soak.fmf";
    WriteDocument(document);
    g_hook = SetWindowsHookExA(WH_CBT, &CloseOnActivation, nullptr, GetCurrentThreadId());
    std::printf("%-18s %5s %8s | %10s | %10s | %10s | %18s\n", "window", "runs", "ms/run", "handles", "USER", "GDI",
                "private KB");
    Soak("Send Fax", runs, -1, [&] { sendFax(&host, engine, document.c_str()); });
    Soak("Receive log", runs, 0, [&] { faxLogs(&host, engine); });
    Soak("Send log", runs, 1, [&] { faxLogs(&host, engine); });
    Soak("General", runs, 0, [&] { general(&host, engine); });
    Soak("Dialing", runs, 1, [&] { general(&host, engine); });
    Soak("Modem", runs, 2, [&] { modem(&host, engine); });
    Soak("Header", runs, 3, [&] { header(&host, engine); });
    Soak("Log Setup", runs, 4, [&] { logSetup(&host, engine); });
    Soak("Manage Phonebooks", runs, -1, [&] { modify(&host); });
    UnhookWindowsHookEx(g_hook);

    SEND_FAX job = {};
    char name[] = "Soak recipient";
    char fax[] = "555 0199";
    job.szDestName = name;
    job.szDestFax = fax;
    job.dwJobID = 1;
    Soak("Status cycles", cycles, -1, [&] {
        showStatus(&host, engine, &job);
        for (DWORD code = FAXSTATUS_BAUD_RATE; code <= FAXSTATUS_TOTAL_PAGES; ++code)
            updateStatus(0, code, 3);
        hideStatus(0);
        Pump();
    });

    DestroyWindow(host.hWnd);
    return 0;
}
