// The Fax Logs sheet and the log refresh as a host reaches them: through RWFaxDlg.dll's
// exports, with the stand-in engine, the sheet running modally in the module's own loop.
// Refreshing ages the logs: which entries go, to the second, which settings say so, and
// what goes with an entry (the host's document, the working files).
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "host/fax_folders.h"
#include "log_test_support.h"
#include "logs/refresh_logs.h"
#include "settings/setting_names.h"
#include "settings/setting_readers.h"
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
        FreeLibrary(m_module);
        LogPagesTest::TearDown();
    }
    template <typename T>
    static T Export(const char* name) { return LoadedLibraryCall<T>("RWFaxDlg.dll", name); }
    // Ages the logs as the export does, by the test's clock.
    void Refresh() { RefreshFaxLogs(&m_host, m_engine); }
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
    auto notifyReceive = Export<PFN_FaxDLL_NotifyReceiveLog>(FAXDLL_EXPORT_NAME(FaxDLL_NotifyReceiveLog, 8));
    auto notifySend = Export<PFN_FaxDLL_NotifySendLog>(FAXDLL_EXPORT_NAME(FaxDLL_NotifySendLog, 8));
    SEND_FAX received = {};
    received.dwJobID = 77;
    received.nLogType = FAXLOG_RECEIVED;
    SEND_FAX sentRecord = received;
    sentRecord.dwJobID = 78;
    sentRecord.nLogType = FAXLOG_SENT;

    // Runs from the sheet's modal loop; 0x3020 is the sheet's tab control.
    standintest::DialogScript script({{0x3020, [&](HWND sheet) {
        EXPECT_EQ(m_host.hWnd, GetWindow(sheet, GW_OWNER));
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
    Export<PFN_FaxDLL_OnFaxLogs>(FAXDLL_EXPORT_NAME(FaxDLL_OnFaxLogs, 8))(&m_host, m_engine);
    ASSERT_EQ(1u, script.Done());
    EXPECT_TRUE(IsWindowEnabled(m_host.hWnd));
    // Closed: the reports have nowhere to go and are dropped.
    notifyReceive(&received, FAXLOG_CHANGE_UPDATED);
    notifySend(&sentRecord, FAXLOG_CHANGE_REMOVED);
}

TEST_F(FaxLogsExportsTest, RefreshAgesEntriesWhoseDaysHaveRunOutAsTheSettingsSay)
{
    // Now is 10 March 2025, 12:00. Without "Delete Sent Days", thirty days (the boundary to
    // the second is the age rule's own test); waiting jobs never age, nor does the receive
    // log without days (days that are not a number count as none); impossible dates are kept.
    WriteJobs({At(Job(1, FAXLOG_SENT), 2025, 2, 7, 12), At(Job(2, FAXLOG_SENT), 2025, 2, 9, 12),
               At(Job(3, FAXLOG_FAILED), 2024, 12, 31, 23, 59, 59), At(Job(4, FAXLOG_WAITING), 2020, 1, 1),
               At(Job(5, FAXLOG_RECEIVED), 2020, 1, 1), At(Job(6, FAXLOG_SENT), 2024, 2, 30),
               At(Job(7, FAXLOG_SENT), 2024, 13, 1), At(Job(8, FAXLOG_SENT), 2099, 1, 1)});
    WriteSettingText(kDeleteRecvDays, "1");
    Refresh();
    EXPECT_EQ((std::vector<DWORD>{2, 4, 5, 6, 7, 8}), Remaining({1, 2, 3, 4, 5, 6, 7, 8}));
    WriteSettingNumber(kDeleteSentDays, 0);
    Refresh();
    EXPECT_EQ((std::vector<DWORD>{4, 5, 8}), Remaining({2, 4, 5, 8}));
    // The export goes by the real clock, and shows nothing.
    WriteJobs({At(Job(9, FAXLOG_SENT), 2001, 3, 1)});
    OnNextActivation anyWindow([](HWND, void*) {}, nullptr);
    Export<PFN_FaxDLL_OnRefreshLogs>(FAXDLL_EXPORT_NAME(FaxDLL_OnRefreshLogs, 8))(&m_host, m_engine);
    EXPECT_FALSE(anyWindow.Fired());
    EXPECT_EQ((std::vector<DWORD>{4, 5, 8}), Remaining({4, 5, 8, 9}));

    WriteJobs({At(Job(11, FAXLOG_SENT), 2025, 3, 3, 12), At(Job(12, FAXLOG_RECEIVED), 2025, 3, 8, 12),
               At(Job(13, FAXLOG_RECEIVED), 2025, 3, 9, 12, 0, 1)});
    WriteSettingNumber(kDeleteSentDays, 7);
    WriteSettingNumber(kDeleteRecvDays, 1);
    WriteSettingNumber(kDeleteSentFaxes, 0);
    WriteSettingNumber(kDeleteReceivedFaxes, 0);
    Refresh();
    EXPECT_EQ((std::vector<DWORD>{11, 12, 13}), Remaining({11, 12, 13}));
    // A switch that is not a number counts as on, like a missing one.
    WriteSettingText(kDeleteSentFaxes, "off");
    WriteSettingNumber(kDeleteReceivedFaxes, 1);
    Refresh();
    EXPECT_EQ((std::vector<DWORD>{13}), Remaining({11, 12, 13}));
}

TEST_F(FaxLogsExportsTest, AnAgedEntryTakesItsWorkingFilesAndTellsTheHostButAReceptionInProgressStays)
{
    for (const char* name : {"A1.fmf", "A1.tif", "A1.LRS", "A1.qoi", "B2.fmf"})
        ASSERT_TRUE(WriteFileBytes(Document(name), "x"));
    // A working file that cannot be deleted stays behind; the entry goes all the same.
    ASSERT_TRUE(CreateDirectoryA(Document("B2.tif").c_str(), nullptr));
    ASSERT_TRUE(WriteFileBytes(Document("B2.tif\\kept"), "x"));
    WriteJobs({At(Job(21, FAXLOG_SENT, "Ann", Document("A1.fmf")), 2024, 1, 1),
               At(Job(22, FAXLOG_FAILED, "Ann", Document("B2.fmf")), 2024, 1, 1), At(Job(23, FAXLOG_SENT), 2024, 1, 1)});
    SetNow(2024, 1, 1, 0, 0, 0);
    const DWORD coming = AddReceived("Coming", "555 0300", nullptr, 3, FAXRECEIVE_IN_PROGRESS);
    const DWORD done = AddReceived("Done", "555 0301", nullptr, 3, 0);
    SetNow(2025, 3, 10, 12, 0, 0);
    WriteSettingNumber(kDeleteRecvDays, 1);
    Refresh();
    EXPECT_EQ((std::vector<DWORD>{coming}), Remaining({21, 22, 23, coming, done}));
    EXPECT_EQ((std::vector<HostRequest>{{WM_FAXDOC_REMOVED, g_strSentDir + "\\A1"},
                                        {WM_FAXDOC_REMOVED, g_strOutboxDir + "\\B2"}}),
              m_requests);
    EXPECT_FALSE(PathExists(Document("A1.tif")) || PathExists(Document("A1.LRS")));
    EXPECT_TRUE(PathExists(Document("B2.tif\\kept")));
    // The host keeps its own shown copy; the engine took the document itself.
    EXPECT_TRUE(PathExists(Document("A1.qoi")));
    EXPECT_FALSE(PathExists(Document("A1.fmf")));
}
