#include "setup_sheet_support.h"

#include <windows.h>
#include <commctrl.h>

#include "framework/beep.h"
#include "framework/module_state.h"
#include "setup/modem_control_panel.h"
#include "host/fax_app.h"
#include "send/locale_date_time.h"
#include "setup/platform_version.h"

namespace testsupport {

namespace {
std::vector<std::string>* t_boxTexts = nullptr;
HHOOK t_boxHook = nullptr;
std::vector<std::pair<UINT, ULONG_PTR>>* t_help = nullptr;

void CountBeep(void* context) { ++*static_cast<int*>(context); }

BOOL RecordHelp(HWND, const char*, UINT command, ULONG_PTR data)
{
    if (t_help)
        t_help->emplace_back(command, data);
    return TRUE;
}

UINT RecordStart(const char* command, UINT show, void* context)
{
    static_cast<std::vector<std::string>*>(context)->push_back(std::string(command) + " " + std::to_string(show));
    return 33;
}

// Answers every message box shown while hooked, box after box.
LRESULT CALLBACK AnswerBox(int code, WPARAM wParam, LPARAM lParam)
{
    HWND window = reinterpret_cast<HWND>(wParam);
    char className[16] = {};
    if (code == HCBT_ACTIVATE && t_boxTexts && GetClassNameA(window, className, sizeof className) &&
        lstrcmpA(className, "#32770") == 0 && GetDlgItem(window, 0xFFFF)) {
        t_boxTexts->push_back(MessageBoxText(window));
        PostMessageA(window, WM_COMMAND, IDOK, 0);
    }
    return CallNextHookEx(t_boxHook, code, wParam, lParam);
}
}  // namespace

std::string LocaleTime(WORD hour, WORD minute)
{
    SYSTEMTIME time = {};
    time.wHour = hour;
    time.wMinute = minute;
    char text[80] = {};
    FormatLocalTime(&time, text, sizeof text);
    return text;
}

void SetupSheetTest::SetUp()
{
    SettingsTest::SetUp();
    DetectTimeMode();
    m_savedDisplayStatus = g_bDisplayStatus;
    m_savedNotify = g_bNotifyOnCompletion;
    m_savedWinNT = g_bWinNT;
    SetBeepHook(&CountBeep, &m_nBeeps);
    SetProgramStart(&RecordStart, &m_started);
    t_help = &m_help;
    CWinApp::SetHelpCall(&RecordHelp);
    if (!AfxGetApp())
        m_app = new CWinApp();
    m_host = FrameworkWindowObject(
        CreateWindowA("STATIC", "Host", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr));
    ASSERT_NE(nullptr, m_host.hWnd);
}

void SetupSheetTest::TearDown()
{
    m_sheet.reset();
    if (m_host.hWnd)
        DestroyWindow(m_host.hWnd);
    delete m_app;
    m_app = nullptr;
    CWinApp::SetHelpCall(nullptr);
    t_help = nullptr;
    SetBeepHook(nullptr, nullptr);
    SetProgramStart(nullptr, nullptr);
    g_bDisplayStatus = m_savedDisplayStatus;
    g_bNotifyOnCompletion = m_savedNotify;
    g_bWinNT = m_savedWinNT;
    SettingsTest::TearDown();
}

CFaxSetupSheet& SetupSheetTest::Open(UINT startPage, FAXENGINE engine)
{
    m_sheet.reset();
    m_sheet = std::make_unique<CFaxSetupSheet>(m_host.hWnd, startPage, engine);
    EXPECT_TRUE(m_sheet->Create());
    return *m_sheet;
}

void SetupSheetTest::Type(int id, const std::string& text) const
{
    for (char c : text)
        SendMessageA(Item(id), WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)), 1);
}

std::pair<int, int> SetupSheetTest::Selection(int id) const
{
    DWORD start = 0, end = 0;
    SendMessageA(Item(id), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
}

void SetupSheetTest::PressArrow(int id, bool upper) const
{
    RECT client = {};
    GetClientRect(Item(id), &client);
    const LPARAM at = MAKELPARAM(client.right / 2, upper ? client.bottom / 4 : client.bottom * 3 / 4);
    SendMessageA(Item(id), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(Item(id), WM_LBUTTONUP, 0, at);
}

std::vector<std::string> SetupSheetTest::ComboTexts(int id) const
{
    std::vector<std::string> texts;
    const int count = static_cast<int>(SendMessageA(Item(id), CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[512] = {};
        SendMessageA(Item(id), CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        texts.emplace_back(text);
    }
    return texts;
}

std::vector<std::string> SetupSheetTest::AnsweringBoxes(const std::function<void()>& action)
{
    std::vector<std::string> texts;
    t_boxTexts = &texts;
    t_boxHook = SetWindowsHookExA(WH_CBT, &AnswerBox, nullptr, GetCurrentThreadId());
    action();
    UnhookWindowsHookEx(t_boxHook);
    t_boxTexts = nullptr;
    return texts;
}

}  // namespace testsupport
