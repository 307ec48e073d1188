// The Fax Logs sheet and the log refresh as a host reaches them: through RWFaxDlg.dll's
// exports, with the stand-in engine, the sheet running modally in the module's own loop.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "log_test_support.h"
#include "standins/dialog_script.h"

using namespace logtest;
using namespace testsupport;

namespace {

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
    WriteJobs({Job(40, FAXLOG_SENT)});
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

    // Runs from the sheet's modal loop; 0x3020 is the sheet's tab control.
    standintest::DialogScript script({{0x3020, [&](HWND sheet) {
        EXPECT_EQ("Fax Logs", WindowText(sheet));
        EXPECT_EQ((std::vector<std::string>{"Fax Receive Log", "Fax Send Log"}), TabTexts(sheet));
        EXPECT_EQ(m_host.hWnd, GetWindow(sheet, GW_OWNER));
        HWND apply = GetDlgItem(sheet, 0x3021);
        EXPECT_FALSE(apply && IsWindowVisible(apply));
        EXPECT_TRUE(IsWindowVisible(GetDlgItem(sheet, IDHELP)));
        EXPECT_FALSE(IsWindowEnabled(m_host.hWnd));
        EXPECT_EQ(1, RowCount(sheet));
        notifyReceive(&received, FAXLOG_CHANGE_UPDATED);
        EXPECT_EQ(2, RowCount(sheet));
        SendMessageA(sheet, PSM_SETCURSEL, 1, 0);
        EXPECT_EQ(1, RowCount(sheet));
        notifySend(&sentRecord, FAXLOG_CHANGE_UPDATED);
        EXPECT_EQ(2, RowCount(sheet));
        PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    }}});
    onFaxLogs(&m_host, m_engine);
    ASSERT_EQ(1u, script.Done());
    EXPECT_TRUE(IsWindowEnabled(m_host.hWnd));

    // Closed: the reports have nowhere to go and are dropped.
    notifyReceive(&received, FAXLOG_CHANGE_UPDATED);
    notifySend(&sentRecord, FAXLOG_CHANGE_REMOVED);
}

TEST_F(FaxLogsExportsTest, RefreshAgesTheLogsWithoutShowingAnything)
{
    WriteJobs({At(Job(1, FAXLOG_SENT), 2001, 3, 1), At(Job(2, FAXLOG_SENT), 2099, 3, 1)});
    auto refresh = Export<PFN_FaxDLL_OnRefreshLogs>(FAXDLL_EXPORT_NAME(FaxDLL_OnRefreshLogs, 8));
    ASSERT_NE(nullptr, refresh);
    OnNextActivation anyWindow([](HWND, void*) {}, nullptr);
    refresh(&m_host, m_engine);
    EXPECT_FALSE(anyWindow.Fired());
    SEND_FAX record;
    EXPECT_FALSE(EngineJob(1, record));
    EXPECT_TRUE(EngineJob(2, record));
}
