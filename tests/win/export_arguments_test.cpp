// RWFaxDlg.dll as a host sees it: loaded at run time and called through the public header,
// with good arguments and with the nulls and zeros a faulty host may pass. Its trace lines
// are caught as a debugger would.
#include "RWFaxDlg.h"

#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "standins/dialog_script.h"
#include "res/resource.h"
#include "test_support.h"

using namespace testsupport;

namespace {
// OutputDebugString raises DBG_PRINTEXCEPTION_C; a vectored handler sees it first.
std::vector<std::string>* t_traceLines = nullptr;
LONG CALLBACK CatchTraceLine(EXCEPTION_POINTERS* info)
{
    const EXCEPTION_RECORD* record = info->ExceptionRecord;
    if (record->ExceptionCode == DBG_PRINTEXCEPTION_C && record->NumberParameters >= 2 && t_traceLines)
        t_traceLines->push_back(reinterpret_cast<const char*>(record->ExceptionInformation[1]));
    return EXCEPTION_CONTINUE_SEARCH;
}

// Every window that becomes active on this thread is closed once the modal loop runs: a
// property sheet by its Cancel button, a dialog or message box by IDCANCEL.
HHOOK t_hook = nullptr;
int t_activated = 0;
bool t_closeActivated = true;
void CALLBACK CloseActiveWindow(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    HWND window = GetActiveWindow();
    if (!window || !t_closeActivated)
        return;
    if (SendMessageA(window, PSM_GETTABCONTROL, 0, 0))
        PostMessageA(window, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    else
        PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
}
LRESULT CALLBACK CloseOnActivation(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE) {
        ++t_activated;
        if (t_closeActivated)
            SetTimer(nullptr, 0, 1, &CloseActiveWindow);
    }
    return CallNextHookEx(t_hook, code, wParam, lParam);
}

BOOL CALLBACK AddIfVisible(HWND window, LPARAM list)
{
    if (IsWindowVisible(window))
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

std::vector<HWND> VisibleWindows()
{
    std::vector<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), &AddIfVisible, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

class ExportArgumentsTest : public SettingsTest {
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        m_module = LoadLibraryA("RWFaxDlg.dll");
        ASSERT_NE(nullptr, m_module);
        m_handler = AddVectoredExceptionHandler(1, &CatchTraceLine);
        t_hook = SetWindowsHookExA(WH_CBT, &CloseOnActivation, nullptr, GetCurrentThreadId());
    }
    void TearDown() override
    {
        UnhookWindowsHookEx(t_hook);
        RemoveVectoredExceptionHandler(m_handler);
        t_traceLines = nullptr;
        if (m_module)
            FreeLibrary(m_module);
        SettingsTest::TearDown();
    }
    template <typename T>
    T Export(const char* name) const
    {
        auto function = reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(m_module, name)));
        EXPECT_NE(nullptr, function) << name;
        return function;
    }

    HMODULE m_module = nullptr;
    void* m_handler = nullptr;
};

#define FAXDLL(name, bytes) FAXDLL_EXPORT_NAME(name, bytes)
}  // namespace

TEST_F(ExportArgumentsTest, NullsAndZerosGiveADefinedResultATraceLineAndNoWindowBehind)
{
    SEND_FAX blank = {};  // every text null, job id 0
    blank.nLogType = FAXLOG_SENT;
    const DWORD kNoResult = 0xDEAD;
    auto sendFax = Export<PFN_FaxDLL_OnSendFax>(FAXDLL(FaxDLL_OnSendFax, 12));
    auto show = Export<PFN_FaxDLL_ShowFaxStatus>(FAXDLL(FaxDLL_ShowFaxStatus, 12));
    auto update = Export<PFN_FaxDLL_UpdateFaxStatus>(FAXDLL(FaxDLL_UpdateFaxStatus, 12));
    auto hide = Export<PFN_FaxDLL_HideFaxStatus>(FAXDLL(FaxDLL_HideFaxStatus, 4));
    auto sendLog = Export<PFN_FaxDLL_NotifySendLog>(FAXDLL(FaxDLL_NotifySendLog, 8));
    auto recvLog = Export<PFN_FaxDLL_NotifyReceiveLog>(FAXDLL(FaxDLL_NotifyReceiveLog, 8));
    auto modem = Export<PFN_FaxDLL_NotifyOfModem>(FAXDLL(FaxDLL_NotifyOfModem, 4));
    auto refresh = Export<PFN_FaxDLL_OnRefreshLogs>(FAXDLL(FaxDLL_OnRefreshLogs, 8));
    auto logs = Export<PFN_FaxDLL_OnFaxLogs>(FAXDLL(FaxDLL_OnFaxLogs, 8));
    auto phonebooks = Export<PFN_FaxDLL_OnFaxPhonebooks>(FAXDLL(FaxDLL_OnFaxPhonebooks, 4));
    auto modify = Export<PFN_FaxDLL_OnFaxModifyPhonebooks>(FAXDLL(FaxDLL_OnFaxModifyPhonebooks, 4));
    auto general = Export<PFN_FaxDLL_OnFaxSetup>(FAXDLL(FaxDLL_OnFaxGeneralSetup, 8));
    ASSERT_FALSE(HasFailure());

    // kModal: closed here; kStatus: shown, hidden by the next call (kHides), which may activate another.
    enum Window { kNone, kModal, kStatus, kHides };
    const std::string noHost = " - no host window.\n";
    auto Both = [&](const std::string& name) { return std::vector<std::string>{name + noHost, name + " - no engine handle.\n"}; };
#define NO_RESULT(call) [&] { call; return kNoResult; }, kNoResult
    struct Case {
        const char* call;
        std::function<DWORD()> run;
        DWORD result;                     // kNoResult for the exports without one
        std::vector<std::string> traced;  // among the lines the call wrote
        Window window;
    };
    const Case cases[] = {
        {"OnSendFax(0, 0, 0)", [&] { return static_cast<DWORD>(sendFax(nullptr, 0, nullptr)); }, IDCANCEL,
         {"FaxDLL_OnSendFax - no document.\n"}, kNone},
        {"HideFaxStatus(0) before any show", [&] { return static_cast<DWORD>(hide(0)); }, FALSE, {}, kNone},
        {"UpdateFaxStatus(0, 99, 0)", NO_RESULT(update(0, 99, 0)), {"FaxDLL_UpdateFaxStatus - unknown status code 99.\n"}, kNone},
        {"NotifySendLog(0, 3)", NO_RESULT(sendLog(nullptr, FAXLOG_CHANGE_UPDATED)), {"FaxDLL_NotifySendLog - no log record.\n"}, kNone},
        {"NotifySendLog(blank, 0)", NO_RESULT(sendLog(&blank, 0)), {"FaxDLL_NotifySendLog - unknown change code 0.\n"}, kNone},
        {"NotifySendLog(blank, 3) with no log page", NO_RESULT(sendLog(&blank, FAXLOG_CHANGE_UPDATED)), {}, kNone},
        {"NotifyReceiveLog(0, 4)", NO_RESULT(recvLog(nullptr, FAXLOG_CHANGE_REMOVED)),
         {"FaxDLL_NotifyReceiveLog - no log record.\n"}, kNone},
        {"NotifyReceiveLog(blank, 12345)", NO_RESULT(recvLog(&blank, 12345)),
         {"FaxDLL_NotifyReceiveLog - unknown change code 12345.\n"}, kNone},
        {"NotifyOfModem(0)", [&] { return modem(nullptr); }, 0, {"FaxDLL_NotifyOfModem - no modem number.\n"}, kNone},
        // A modem's bit is its number mod 32, set and returned again.
        {"NotifyOfModem(33)", [&] { DWORD n = 33; return modem(&n); }, 2, {}, kNone},
        {"NotifyOfModem(31)", [&] { DWORD n = 31; return modem(&n); }, 0x80000000u, {}, kNone},
        {"NotifyOfModem(0)", [&] { DWORD n = 0; return modem(&n); }, 1, {}, kNone},
        {"OnRefreshLogs(0, 0)", NO_RESULT(refresh(nullptr, 0)), Both("FaxDLL_OnRefreshLogs"), kNone},
        {"OnFaxPhonebooks(0)", NO_RESULT(phonebooks(0)), {}, kModal},
        {"OnFaxModifyPhonebooks(0)", [&] { return static_cast<DWORD>(modify(nullptr)); }, IDCANCEL,
         {"FaxDLL_OnFaxModifyPhonebooks" + noHost}, kModal},
        {"OnFaxLogs(0, 0)", NO_RESULT(logs(nullptr, 0)), Both("FaxDLL_OnFaxLogs"), kModal},
        {"OnFaxGeneralSetup(0, 0)", NO_RESULT(general(nullptr, 0)), Both("FaxDLL_OnFaxGeneralSetup"), kModal},
        // No record, or one whose texts are all null: the window shows empty fields, and hides.
        {"ShowFaxStatus(0, 0, 0)", NO_RESULT(show(nullptr, 0, nullptr)),
         {"FaxDLL_ShowFaxStatus - no job record.\n", "FaxDLL_ShowFaxStatus" + noHost}, kStatus},
        {"HideFaxStatus(0) after it", [&] { return static_cast<DWORD>(hide(0) != FALSE); }, TRUE, {}, kHides},
        {"ShowFaxStatus(0, 0, blank)", NO_RESULT(show(nullptr, 0, &blank)), Both("FaxDLL_ShowFaxStatus"), kStatus},
        {"HideFaxStatus(0) after it", [&] { return static_cast<DWORD>(hide(0) != FALSE); }, TRUE, {}, kHides},
    };
#undef NO_RESULT
    const std::vector<HWND> before = VisibleWindows();
    for (const Case& c : cases) {
        std::vector<std::string> lines;
        t_traceLines = &lines;
        t_activated = 0;
        t_closeActivated = c.window == kModal;
        EXPECT_EQ(c.result, c.run()) << c.call;
        t_traceLines = nullptr;
        for (const std::string& line : c.traced)
            EXPECT_NE(lines.end(), std::find(lines.begin(), lines.end(), line)) << c.call << " did not trace " << line;
        if (c.window == kNone || c.window == kModal) {
            EXPECT_EQ(c.window == kModal, t_activated > 0) << c.call;
        }
        PumpPending();
        if (c.window != kStatus) {
            EXPECT_EQ(before, VisibleWindows()) << c.call << " left a window";
        }
    }
}

// The assignment a host links by its decorated name copies both words.
TEST_F(ExportArgumentsTest, ExportedAssignmentCopiesBothWordsAndReturnsTheDestination)
{
    // On x86_64 a member function takes "this" as its first argument.
    auto assign = Export<l4linkSt* (*)(l4linkSt*, const l4linkSt*)>(sizeof(void*) == 8 ? "??4l4linkSt@@QEAAAEAU0@AEBU0@@Z"
                                                                                        : "??4l4linkSt@@QAEAAU0@ABU0@@Z");
    ASSERT_NE(nullptr, assign);
    l4linkSt source = {0x11111111, 0x22222222}, target = {0, 0};
    EXPECT_EQ(&target, assign(&target, &source));
    EXPECT_TRUE(target.dwFirst == 0x11111111u && target.dwSecond == 0x22222222u);
}

// Manage Phonebooks returns how the user closed it, owned by the host's window and disabling
// it meanwhile. A handle's place holding no window, the host window one word further (where a
// later framework keeps its handle): the module does not look there, and the dialog gets the
// framework's safe owner, the window the user works in.
TEST_F(ExportArgumentsTest, ModifyPhonebooksReturnsHowTheUserClosedTheDialogOwnedByTheHostWindow)
{
    auto modify = Export<PFN_FaxDLL_OnFaxModifyPhonebooks>(FAXDLL(FaxDLL_OnFaxModifyPhonebooks, 4));
    HWND host = CreateWindowA("STATIC", "Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr);
    HWND desk = CreateWindowA("STATIC", "Desk", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr);
    static const char moduleState[8] = {};
    struct {
        FAXHOSTWND object;
        HWND next;
    } later = {FrameworkWindowObject(reinterpret_cast<HWND>(const_cast<char*>(moduleState))), host};
    FAXHOSTWND hostObject = FrameworkWindowObject(host);
    const struct {
        FAXHOSTWND* object;
        int button;
        HWND owner;
    } cases[] = {{&hostObject, IDOK, host}, {&hostObject, IDCANCEL, host}, {&later.object, IDCANCEL, desk}};
    t_closeActivated = false;
    for (const auto& c : cases) {
        SetForegroundWindow(c.owner);
        SetActiveWindow(c.owner);
        standintest::DialogScript script({{IDC_BOOKS_LIST, [&](HWND dialog) {
                                               EXPECT_EQ(c.owner, GetWindow(dialog, GW_OWNER));
                                               EXPECT_FALSE(IsWindowEnabled(c.owner));
                                               EXPECT_EQ("Manage Phonebooks", WindowText(dialog));
                                               standintest::PostClick(dialog, c.button);
                                           }}});
        EXPECT_EQ(c.button, modify(c.object));
        EXPECT_EQ(1u, script.Done());
        EXPECT_TRUE(IsWindowEnabled(c.owner));
    }
    DestroyWindow(desk);
    DestroyWindow(host);
}
