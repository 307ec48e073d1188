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
#include "standins/engine/vovado32_standin.h"

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
    kSimulateSend,
    kReceiveFax,
};

// The stand-in engine's events arrive as this message; its timer gives the engine time.
constexpr UINT kEngineEventMessage = WM_APP + 1;
constexpr UINT_PTR kEngineTimer = 1;

struct Module {
    HMODULE handle = nullptr;
    PFN_FaxDLL_OnSendFax onSendFax = nullptr;
    PFN_FaxDLL_ShowFaxStatus showFaxStatus = nullptr;
    PFN_FaxDLL_UpdateFaxStatus updateFaxStatus = nullptr;
    PFN_FaxDLL_HideFaxStatus hideFaxStatus = nullptr;
    PFN_FaxDLL_NotifyOfModem notifyOfModem = nullptr;
    PFN_FaxDLL_NotifySendLog notifySendLog = nullptr;
    PFN_FaxDLL_NotifyReceiveLog notifyReceiveLog = nullptr;
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
        Bind(notifySendLog, FAXDLL_EXPORT_NAME(FaxDLL_NotifySendLog, 8));
        Bind(notifyReceiveLog, FAXDLL_EXPORT_NAME(FaxDLL_NotifyReceiveLog, 8));
        Bind(onRefreshLogs, FAXDLL_EXPORT_NAME(FaxDLL_OnRefreshLogs, 8));
        Bind(onFaxLogs, FAXDLL_EXPORT_NAME(FaxDLL_OnFaxLogs, 8));
        Bind(onFaxPhonebooks, FAXDLL_EXPORT_NAME(FaxDLL_OnFaxPhonebooks, 4));
        Bind(onFaxModifyPhonebooks, FAXDLL_EXPORT_NAME(FaxDLL_OnFaxModifyPhonebooks, 4));
        Bind(onGeneralSetup, FAXDLL_EXPORT_NAME(FaxDLL_OnFaxGeneralSetup, 8));
        Bind(onModemSetup, FAXDLL_EXPORT_NAME(FaxDLL_OnFaxModemSetup, 8));
        Bind(onHeaderSetup, FAXDLL_EXPORT_NAME(FaxDLL_OnFaxHeaderSetup, 8));
        Bind(onLogSetup, FAXDLL_EXPORT_NAME(FaxDLL_OnFaxLogSetup, 8));
        return onSendFax && showFaxStatus && updateFaxStatus && hideFaxStatus && notifyOfModem && notifySendLog &&
               notifyReceiveLog && onRefreshLogs &&
               onFaxLogs && onFaxPhonebooks && onFaxModifyPhonebooks && onGeneralSetup && onModemSetup &&
               onHeaderSetup && onLogSetup;
    }
};

// The fax engine the module talks to: the stand-in of this project, which the module has
// already loaded. A host of the suite would use the suite's engine instead.
struct Engine {
    HMODULE handle = nullptr;
    decltype(&FaxStandInOpen) open = nullptr;
    decltype(&FaxStandInClose) close = nullptr;
    decltype(&FaxStandInTick) tick = nullptr;
    decltype(&FaxInitSendStruct) initSendStruct = nullptr;
    decltype(&FaxSchedule) schedule = nullptr;
    decltype(&FaxCreate) create = nullptr;
    decltype(&FaxStandInAddReceived) addReceived = nullptr;
    decltype(&FaxStandInScheduledCount) scheduledCount = nullptr;

    template <typename T>
    void Bind(T& slot, const char* name)
    {
        slot = reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(handle, name)));
    }

    bool Load()
    {
        handle = GetModuleHandleA("VOVADO32.dll");
        if (!handle)
            return false;
        Bind(open, "FaxStandInOpen");
        Bind(close, "FaxStandInClose");
        Bind(tick, "FaxStandInTick");
        Bind(initSendStruct, "FaxInitSendStruct");
        Bind(schedule, "FaxSchedule");
        Bind(create, "FaxCreate");
        Bind(addReceived, "FaxStandInAddReceived");
        Bind(scheduledCount, "FaxStandInScheduledCount");
        return open && close && tick && initSendStruct && schedule && create && addReceived && scheduledCount;
    }
};

Module g_module;
Engine g_fax;
// The demo is no framework program: its window object is the header's, the reserved words
// of the framework's object left 0 and the handle in its place.
FAXHOSTWND g_host = {};
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

std::string TempFile(const char* name)
{
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

// A one-page document as a host would produce it: a small bilevel TIFF, turned into the
// engine's form by the engine.
std::string DemoDocument()
{
    std::string fmf = TempFile("rwfax-demo.fmf");
    if (GetFileAttributesA(fmf.c_str()) != INVALID_FILE_ATTRIBUTES || !g_fax.handle)
        return fmf;
    static const unsigned char tiff[] = {
        'I', 'I', 42, 0, 8, 0, 0, 0,                 // header, directory at 8
        8, 0,                                        // eight entries
        0x00, 0x01, 3, 0, 1, 0, 0, 0, 16, 0, 0, 0,   // width 16
        0x01, 0x01, 3, 0, 1, 0, 0, 0, 16, 0, 0, 0,   // length 16
        0x02, 0x01, 3, 0, 1, 0, 0, 0, 1, 0, 0, 0,    // 1 bit per sample
        0x03, 0x01, 3, 0, 1, 0, 0, 0, 1, 0, 0, 0,    // uncompressed
        0x06, 0x01, 3, 0, 1, 0, 0, 0, 0, 0, 0, 0,    // white is zero
        0x11, 0x01, 4, 0, 1, 0, 0, 0, 110, 0, 0, 0,  // strip at 110
        0x16, 0x01, 3, 0, 1, 0, 0, 0, 16, 0, 0, 0,   // 16 rows per strip
        0x17, 0x01, 4, 0, 1, 0, 0, 0, 32, 0, 0, 0,   // 32 bytes
        0, 0, 0, 0,                                  // no next directory
    };
    std::string tif = TempFile("rwfax-demo.tif");
    HANDLE file = CreateFileA(tif.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(file, tiff, sizeof tiff, &written, nullptr);
        unsigned char strip[32] = {0xFF, 0xFF, 0x80, 0x01, 0x80, 0x01, 0x80, 0x01, 0x80, 0x01, 0x80, 0x01,
                                   0x80, 0x01, 0x80, 0x01, 0x80, 0x01, 0x80, 0x01, 0x80, 0x01, 0x80, 0x01,
                                   0x80, 0x01, 0x80, 0x01, 0x80, 0x01, 0xFF, 0xFF};
        WriteFile(file, strip, sizeof strip, &written, nullptr);
        CloseHandle(file);
    }
    g_fax.create(g_engine, tif.c_str(), fmf.c_str(), 0);
    return fmf;
}

// A phonebook to pick recipients from, when the phonebook library has none yet.
void SeedDemoPhonebook()
{
    using GetStoreFolder = DWORD(WINAPI*)(char*, DWORD);
    HMODULE library = GetModuleHandleA("ReDiZazu.dll");
    auto getFolder = library ? reinterpret_cast<GetStoreFolder>(
                                   reinterpret_cast<void*>(GetProcAddress(library, "PhoneBookStandInGetStoreFolder")))
                             : nullptr;
    char folder[MAX_PATH] = {};
    if (!getFolder || !getFolder(folder, sizeof folder))
        return;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((std::string(folder) + "\\*.pbk").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        FindClose(search);
        return;
    }
    // Every folder along the way may be missing on a fresh profile.
    std::string path = folder;
    for (size_t at = path.find('\\', 3); at != std::string::npos; at = path.find('\\', at + 1))
        CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
    CreateDirectoryA(folder, nullptr);
    static const char book[] =
        "[Phonebook]\r\nName=Demo Contacts\r\nNextEntry=4\r\n"
        "\r\n[Entry 1]\r\nFirstName=Ann\r\nLastName=Archer\r\nCompany=Archer & Sons\r\nPhone=555 0100\r\nFax=555 0101\r\n"
        "\r\n[Entry 2]\r\nFirstName=Bob\r\nLastName=Baker\r\nCompany=Baker Bros\r\nPhone=555 0200\r\nFax=555 0202\r\n"
        "\r\n[Entry 3]\r\nFirstName=Cleo\r\nLastName=Cole\r\nCompany=\r\nPhone=\r\nFax=555 0303\r\n";
    HANDLE file = CreateFileA((std::string(folder) + "\\Demo Contacts.pbk").c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_NEW, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, book, sizeof book - 1, &written, nullptr);
    CloseHandle(file);
    Log(std::string("Phonebook \"Demo Contacts\" written to ") + folder);
}

// Hands the engine a job that is due now, as the Send Fax dialog would.
void SimulateSend()
{
    static char name[] = "Demo Recipient", company[] = "Demo Company", fax[] = "555 1212", subject[] = "Demo";
    static std::string document;
    document = DemoDocument();
    SEND_FAX job = {};
    g_fax.initSendStruct(g_engine, &job);
    SYSTEMTIME now;
    GetLocalTime(&now);
    job.nYear = static_cast<int16_t>(now.wYear);
    job.nMonth = static_cast<int16_t>(now.wMonth);
    job.nDay = static_cast<int16_t>(now.wDay);
    job.nHour = static_cast<int16_t>(now.wHour);
    job.nMinute = static_cast<int16_t>(now.wMinute);
    job.nSecond = static_cast<int16_t>(now.wSecond);
    job.szDestName = name;
    job.szToCompany = company;
    job.szDestFax = fax;
    job.szSubject = subject;
    job.szFileList = &document[0];
    job.Resolution = 1;
    DWORD id = g_fax.schedule(g_engine, &job);
    Log(id ? "Engine took job " + std::to_string(id) + " for Demo Recipient" : std::string("Engine refused the job"));
}

// Passes an engine event on to the module, as a host of the suite does.
void ForwardEngineEvent(WPARAM kind, const FAXENGINE_EVENT* event)
{
    if (!event)
        return;
    char line[160];
    switch (kind) {
    case FAXEVENT_SHOW_STATUS:
        g_module.showFaxStatus(&g_host, g_engine, event->pRecord);
        Log("Engine: show status of job " + std::to_string(event->pRecord ? event->pRecord->dwJobID : 0));
        break;
    case FAXEVENT_UPDATE_STATUS:
        g_module.updateFaxStatus(0, event->dwCode, event->dwDetail);
        std::snprintf(line, sizeof line, "Engine: status code %lu, detail %lu", event->dwCode, event->dwDetail);
        Log(line);
        break;
    case FAXEVENT_HIDE_STATUS:
        g_module.hideFaxStatus(0);
        Log("Engine: hide status");
        break;
    case FAXEVENT_SEND_LOG:
        g_module.notifySendLog(event->pRecord, event->dwCode);
        std::snprintf(line, sizeof line, "Engine: send log change %lu for job %lu", event->dwCode,
                      static_cast<unsigned long>(event->pRecord ? event->pRecord->dwJobID : 0));
        Log(line);
        break;
    case FAXEVENT_RECEIVE_LOG:
        g_module.notifyReceiveLog(event->pRecord, event->dwCode);
        std::snprintf(line, sizeof line, "Engine: receive log change %lu for job %lu", event->dwCode,
                      static_cast<unsigned long>(event->pRecord ? event->pRecord->dwJobID : 0));
        Log(line);
        break;
    default:
        break;
    }
}

void RunCommand(int command)
{
    char line[256];
    switch (command) {
    case kSendFax: {
        DWORD jobsBefore = g_fax.scheduledCount();
        int result = g_module.onSendFax(&g_host, g_engine, DemoDocument().c_str());
        std::snprintf(line, sizeof line, "FaxDLL_OnSendFax returned %d", result);
        Log(line);
        if (result == IDOK) {
            std::snprintf(line, sizeof line, "Engine took %lu job(s); it starts each when it is due",
                          g_fax.scheduledCount() - jobsBefore);
            Log(line);
        }
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
    case kSimulateSend:
        SimulateSend();
        break;
    case kReceiveFax: {
        DWORD id = g_fax.addReceived(g_engine, "Demo Sender", "555 0000", nullptr, 2, 0);
        Log("Engine received fax " + std::to_string(id) + " from Demo Sender");
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
    case kEngineEventMessage:
        ForwardEngineEvent(wParam, reinterpret_cast<const FAXENGINE_EVENT*>(lParam));
        return 0;
    case WM_TIMER:
        if (wParam == kEngineTimer) {
            g_fax.tick(g_engine);
            return 0;
        }
        break;
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
    HWND window = CreateWindowA("RWFaxDemoHost", "RWFaxDlg Demo Host", WS_OVERLAPPEDWINDOW, 40, 40, 640, 480, nullptr,
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
        {kHideStatus, "Hide Status"},          {kSimulateSend, "Simulate a Transmission"},
        {kReceiveFax, "Receive a Fax"},
    };
    int y = 10;
    for (const Button& button : buttons) {
        HWND control = CreateWindowA("BUTTON", button.text, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, y, 170, 26, window,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(button.id)), instance, nullptr);
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        y += 32;
    }
    g_log = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT,
                            190, 10, 420, 416, window, nullptr, instance, nullptr);
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

// The tour shows the Send Fax dialog and closes it again, as a user who changes their mind.
HHOOK g_cancelHook = nullptr;
LRESULT CALLBACK CancelSendFax(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE) {
        char title[64] = {};
        GetWindowTextA(reinterpret_cast<HWND>(wParam), title, sizeof title);
        if (std::strcmp(title, "Fax Send") == 0)
            PostMessageA(reinterpret_cast<HWND>(wParam), WM_COMMAND, IDCANCEL, 0);
    }
    return CallNextHookEx(g_cancelHook, code, wParam, lParam);
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
    g_cancelHook = SetWindowsHookExA(WH_CBT, CancelSendFax, nullptr, GetCurrentThreadId());
    RunCommand(kSendFax);
    UnhookWindowsHookEx(g_cancelHook);
    // A whole transmission: the engine works step by step and reports through the host.
    RunCommand(kSimulateSend);
    for (int step = 0; step < 50 && g_fax.tick(g_engine); ++step) {
    }
    RunCommand(kReceiveFax);
    g_fax.tick(g_engine);
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
    if (!g_fax.Load()) {
        std::printf("The fax engine VOVADO32.dll is not the stand-in of this project\n");
        return 1;
    }
    // The demo keeps its engine's jobs in a folder of its own unless told otherwise.
    if (!GetEnvironmentVariableA("RWFAX_ENGINE_STORE", nullptr, 0))
        SetEnvironmentVariableA("RWFAX_ENGINE_STORE", TempFile("rwfax-demo-engine").c_str());
    g_engine = g_fax.open(window, kEngineEventMessage);
    if (!g_tour)
        SeedDemoPhonebook();
    if (!g_tour)
        SetTimer(window, kEngineTimer, 500, nullptr);
    ShowWindow(window, g_tour ? SW_SHOWNORMAL : show);
    if (g_tour) {
        int result = RunTour();
        const char* linger = std::strstr(commandLine, "--linger ");
        if (linger)
            Linger(std::atoi(linger + 9));
        g_fax.close(g_engine);
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
    g_fax.close(g_engine);
    FreeLibrary(g_module.handle);
    return 0;
}
