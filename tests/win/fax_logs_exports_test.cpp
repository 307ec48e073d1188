// The Fax Logs sheet and the log refresh as a host reaches them: through RWFaxDlg.dll's
// exports, with the stand-in engine, the sheet running modally in the module's own loop.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "log_test_support.h"

using namespace logtest;
using namespace testsupport;

namespace {

constexpr UINT kInspect = WM_APP + 5;

// A window that runs a check on the open sheet from inside the modal loop.
class SheetInspector {
public:
    explicit SheetInspector(std::function<void(HWND sheet)> check) : m_check(std::move(check))
    {
        m_window = CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        SetWindowLongPtrA(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        m_previous = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SheetInspector::Proc)));
    }
    ~SheetInspector() { DestroyWindow(m_window); }
    HWND Window() const { return m_window; }
    bool Ran() const { return m_ran; }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto* self = reinterpret_cast<SheetInspector*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (message == kInspect) {
            self->m_ran = true;
            self->m_check(reinterpret_cast<HWND>(wParam));
            return 0;
        }
        return CallWindowProcA(self->m_previous, window, message, wParam, lParam);
    }
    std::function<void(HWND)> m_check;
    HWND m_window;
    WNDPROC m_previous = nullptr;
    bool m_ran = false;
};

class FaxLogsExportsTest : public LogPagesTest {
protected:
    void SetUp() override
    {
        LogPagesTest::SetUp();
        m_module = LoadLibraryA("RWFaxDlg.dll");
        ASSERT_NE(nullptr, m_module);
    }
    void TearDown() override
    {
        if (m_module)
            FreeLibrary(m_module);
        LogPagesTest::TearDown();
    }
    template <typename T>
    T Export(const char* name) const
    {
        return reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(m_module, name)));
    }
    static std::vector<std::string> TabTexts(HWND sheet)
    {
        HWND tabs = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
        std::vector<std::string> texts;
        int count = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char text[80] = {};
            TCITEMA item = {};
            item.mask = TCIF_TEXT;
            item.pszText = text;
            item.cchTextMax = sizeof text;
            SendMessageA(tabs, TCM_GETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
            texts.push_back(text);
        }
        return texts;
    }
    static int RowCount(HWND sheet)
    {
        HWND page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
        return static_cast<int>(SendDlgItemMessageA(page, IDC_LOG_LIST, LVM_GETITEMCOUNT, 0, 0));
    }

    HMODULE m_module = nullptr;
};

}  // namespace

TEST_F(FaxLogsExportsTest, TheSheetShowsBothLogsAndReceivesTheEnginesReportsOnlyWhileOpen)
{
    AddReceived("Sender", "555 0100", nullptr, 2, 0);
    LogJob sent;
    sent.id = 40;
    WriteJobs({sent});
    auto onFaxLogs = Export<PFN_FaxDLL_OnFaxLogs>(FAXDLL_EXPORT_NAME(FaxDLL_OnFaxLogs, 8));
    auto notifyReceive = Export<PFN_FaxDLL_NotifyReceiveLog>(FAXDLL_EXPORT_NAME(FaxDLL_NotifyReceiveLog, 8));
    auto notifySend = Export<PFN_FaxDLL_NotifySendLog>(FAXDLL_EXPORT_NAME(FaxDLL_NotifySendLog, 8));
    ASSERT_TRUE(onFaxLogs && notifyReceive && notifySend);

    char name[] = "Later";
    SEND_FAX received = {};
    received.dwJobID = 77;
    received.nLogType = FAXLOG_RECEIVED;
    received.szDestName = name;
    SEND_FAX sentRecord = received;
    sentRecord.dwJobID = 78;
    sentRecord.nLogType = FAXLOG_SENT;

    struct Seen {
        std::string caption;
        std::vector<std::string> tabs;
        HWND owner = nullptr;
        bool applyShown = true, helpShown = false, hostDisabled = false;
        int receiveRows = -1, receiveRowsAfterReport = -1, sendRows = -1, sendRowsAfterReport = -1;
    } seen;
    SheetInspector inspector([&](HWND sheet) {
        seen.caption = WindowText(sheet);
        seen.tabs = TabTexts(sheet);
        seen.owner = GetWindow(sheet, GW_OWNER);
        HWND apply = GetDlgItem(sheet, 0x3021);
        seen.applyShown = apply && IsWindowVisible(apply);
        seen.helpShown = IsWindowVisible(GetDlgItem(sheet, IDHELP)) != FALSE;
        seen.hostDisabled = !IsWindowEnabled(m_host.hWnd);
        seen.receiveRows = RowCount(sheet);
        notifyReceive(&received, FAXLOG_CHANGE_UPDATED);
        seen.receiveRowsAfterReport = RowCount(sheet);
        SendMessageA(sheet, PSM_SETCURSEL, 1, 0);
        seen.sendRows = RowCount(sheet);
        notifySend(&sentRecord, FAXLOG_CHANGE_UPDATED);
        seen.sendRowsAfterReport = RowCount(sheet);
        PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    });
    {
        struct Target {
            HWND inspector;
        } target = {inspector.Window()};
        OnNextActivation post(
            [](HWND sheet, void* context) {
                PostMessageA(static_cast<Target*>(context)->inspector, kInspect, reinterpret_cast<WPARAM>(sheet), 0);
            },
            &target);
        onFaxLogs(&m_host, m_engine);
    }
    ASSERT_TRUE(inspector.Ran());
    EXPECT_EQ("Fax Logs", seen.caption);
    EXPECT_EQ((std::vector<std::string>{"Fax Receive Log", "Fax Send Log"}), seen.tabs);
    EXPECT_EQ(m_host.hWnd, seen.owner);
    EXPECT_FALSE(seen.applyShown);
    EXPECT_TRUE(seen.helpShown);
    EXPECT_TRUE(seen.hostDisabled);
    EXPECT_EQ(1, seen.receiveRows);
    EXPECT_EQ(2, seen.receiveRowsAfterReport);
    EXPECT_EQ(1, seen.sendRows);
    EXPECT_EQ(2, seen.sendRowsAfterReport);
    EXPECT_TRUE(IsWindowEnabled(m_host.hWnd));

    // Closed: the reports have nowhere to go and are dropped.
    notifyReceive(&received, FAXLOG_CHANGE_UPDATED);
    notifySend(&sentRecord, FAXLOG_CHANGE_REMOVED);
}

TEST_F(FaxLogsExportsTest, RefreshAgesTheLogsWithoutShowingAnything)
{
    LogJob old, recent;
    old.id = 1;
    old.year = 2001;
    recent.id = 2;
    recent.year = 2099;
    WriteJobs({old, recent});
    auto refresh = Export<PFN_FaxDLL_OnRefreshLogs>(FAXDLL_EXPORT_NAME(FaxDLL_OnRefreshLogs, 8));
    ASSERT_NE(nullptr, refresh);
    OnNextActivation anyWindow([](HWND, void*) {}, nullptr);
    refresh(&m_host, m_engine);
    EXPECT_FALSE(anyWindow.Fired());
    SEND_FAX record;
    EXPECT_FALSE(EngineJob(1, record));
    EXPECT_TRUE(EngineJob(2, record));
}
