#include "setup_sheet_support.h"

#include <commctrl.h>

#include "framework/beep.h"
#include "framework/module_state.h"
#include "host/fax_app.h"
#include "setup/platform_version.h"

namespace testsupport {

namespace {
std::vector<std::string>* t_boxTexts = nullptr;
HHOOK t_boxHook = nullptr;

void CountBeep(void* context) { ++*static_cast<int*>(context); }

std::vector<std::pair<UINT, ULONG_PTR>>* t_help = nullptr;
BOOL RecordHelp(HWND, const char*, UINT command, ULONG_PTR data)
{
    if (t_help)
        t_help->emplace_back(command, data);
    return TRUE;
}
}  // namespace

void SetupSheetTest::SetUp()
{
    SettingsTest::SetUp();
    m_savedDisplayStatus = g_bDisplayStatus;
    m_savedNotify = g_bNotifyOnCompletion;
    m_savedWinNT = g_bWinNT;
    SetBeepHook(&CountBeep, &m_nBeeps);
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

HWND SetupSheetTest::Page() const
{
    return reinterpret_cast<HWND>(m_sheet->SendMessage(PSM_GETCURRENTPAGEHWND));
}

void SetupSheetTest::Type(int id, const std::string& text) const
{
    HWND edit = Item(id);
    for (char c : text)
        SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)), 1);
}

std::pair<int, int> SetupSheetTest::Selection(int id) const
{
    DWORD start = 0, end = 0;
    SendMessageA(Item(id), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
}

void SetupSheetTest::PressArrow(int id, bool upper) const
{
    HWND spin = Item(id);
    RECT client = {};
    GetClientRect(spin, &client);
    const int x = (client.right - client.left) / 2;
    const int y = upper ? client.bottom / 4 : client.bottom * 3 / 4;
    SendMessageA(spin, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(spin, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

std::vector<std::string> SetupSheetTest::ComboTexts(int id) const
{
    std::vector<std::string> texts;
    HWND combo = Item(id);
    const int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[512] = {};
        if (SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0) < static_cast<LRESULT>(sizeof text))
            SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        texts.emplace_back(text);
    }
    return texts;
}

std::string SetupSheetTest::ComboSelectedText(int id) const
{
    const int selected = ComboSelection(id);
    if (selected < 0)
        return std::string();
    return ComboTexts(id).at(static_cast<size_t>(selected));
}

std::vector<std::string> SetupSheetTest::ListTexts(int id) const
{
    std::vector<std::string> texts;
    HWND list = Item(id);
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[512] = {};
        if (SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0) < static_cast<LRESULT>(sizeof text))
            SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        texts.emplace_back(text);
    }
    return texts;
}

SetupSheetTest::BoxAnswerer::BoxAnswerer(std::vector<std::string>* texts)
{
    t_boxTexts = texts;
    m_hook = SetWindowsHookExA(WH_CBT, &BoxAnswerer::Hook, nullptr, GetCurrentThreadId());
    t_boxHook = m_hook;
}

SetupSheetTest::BoxAnswerer::~BoxAnswerer()
{
    UnhookWindowsHookEx(m_hook);
    t_boxHook = nullptr;
    t_boxTexts = nullptr;
}

LRESULT CALLBACK SetupSheetTest::BoxAnswerer::Hook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE && t_boxTexts) {
        HWND window = reinterpret_cast<HWND>(wParam);
        char className[16] = {};
        GetClassNameA(window, className, sizeof className);
        if (lstrcmpA(className, "#32770") == 0 && GetDlgItem(window, 0xFFFF)) {
            t_boxTexts->push_back(MessageBoxText(window));
            PostMessageA(window, WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(t_boxHook, code, wParam, lParam);
}

}  // namespace testsupport
