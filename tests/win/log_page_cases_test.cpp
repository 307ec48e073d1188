// The log pages where the list and the engine change under the user's hands: the Status
// column dragged elsewhere, rows that come and go while Delete asks, logs longer than the
// engine's 16-bit count, and an engine that never ends its blocks.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "host/fax_folders.h"
#include "list_test_support.h"
#include "log_test_support.h"
#include "settings/setting_names.h"
#include "settings/setting_readers.h"

using namespace logtest;
using namespace testsupport;

namespace {

thread_local std::function<void()> t_whileAsked;
thread_local HHOOK t_askHook = nullptr;

// Runs an action while the next message box is open, then answers it with OK.
class WhileAsked {
public:
    explicit WhileAsked(std::function<void()> action)
    {
        t_whileAsked = std::move(action);
        t_askHook = SetWindowsHookExA(WH_CBT, &WhileAsked::Hook, nullptr, GetCurrentThreadId());
    }
    ~WhileAsked()
    {
        UnhookWindowsHookEx(t_askHook);
        t_whileAsked = nullptr;
    }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        HWND window = reinterpret_cast<HWND>(wParam);
        if (code == HCBT_ACTIVATE && t_whileAsked && GetDlgItem(window, 0xFFFF)) {
            auto action = std::move(t_whileAsked);
            t_whileAsked = nullptr;
            action();
            PostMessageA(window, WM_COMMAND, IDOK, 0);
        }
        return CallNextHookEx(t_askHook, code, wParam, lParam);
    }
};

class LogPageCasesTest : public LogPagesTest {
protected:
    void SetUp() override
    {
        LogPagesTest::SetUp();
        ComputeFaxFolderPaths();
    }
    void TearDown() override
    {
        LoadedLibraryCall<void(WINAPI*)(DWORD)>("VOVADO32.dll", "FaxStandInNeverEndLogs")(0);
        LogPagesTest::TearDown();
    }

    // Drags the Status column's header past the last column, as the user would.
    void DragStatusColumnToTheEnd(HWND page) const
    {
        HWND list = List(page);
        HWND header = ListView_GetHeader(list);
        int right = 0;
        for (int column = 0; column < 7; ++column)
            right += ListView_GetColumnWidth(list, column);
        const int from = listtest::HeaderItemMiddle(header, 0);
        listtest::PressHeader(header, from);
        listtest::MoveOnHeader(header, (from + right) / 2);
        listtest::MoveOnHeader(header, right + 10);
        listtest::ReleaseHeader(header, right + 10);
    }
    // The enabled state of buttons, 1 enabled, 0 not.
    std::string Buttons(HWND page, std::initializer_list<int> ids) const
    {
        std::string state;
        for (int id : ids)
            state += IsEnabled(page, id) ? '1' : '0';
        return state;
    }
    static LogJob Job(uint32_t id, int kind, const std::string& name)
    {
        LogJob job;
        job.id = id;
        job.kind = kind;
        job.state = kind == FAXLOG_WAITING ? 1 : 3;
        job.error = kind == FAXLOG_FAILED ? 1 : 0;
        job.name = name;
        job.year = 2025;
        return job;
    }
};

}  // namespace

TEST_F(LogPageCasesTest, TheSendPageGoesByEachEntryWhereverTheStatusColumnWasDragged)
{
    LogJob sent = Job(2, FAXLOG_SENT, "Sent");
    sent.fileList = "C:\\Out\\A1.tif";
    LogJob held = Job(4, FAXLOG_WAITING, "Held");
    held.held = true;
    held.year = 2026;
    WriteJobs({Job(1, FAXLOG_FAILED, "Failed"), sent, Job(3, FAXLOG_WAITING, "Pending"), held});
    OpenSheet();
    HWND page = SendPage();
    DragStatusColumnToTheEnd(page);
    ASSERT_EQ((std::vector<std::string>{"Error", "Complete", "Pending", "On Hold"}), Column(page, 6));

    // Resend, Reschedule, Hold, Release, Delete.
    const struct {
        int row;
        const char* buttons;
    } selections[] = {{0, "10001"}, {1, "10001"}, {2, "01101"}, {3, "01011"}};
    for (const auto& selection : selections) {
        SelectRows(page, {selection.row});
        EXPECT_EQ(selection.buttons, Buttons(page, {IDC_SENDLOG_RESEND, IDC_SENDLOG_RESCHEDULE, IDC_SENDLOG_HOLD,
                                                    IDC_SENDLOG_RELEASE, IDC_SENDLOG_DELETE}))
            << "row " << selection.row;
    }
    EXPECT_TRUE(DoubleClickAnswering(page, 1, IDOK).empty());
    EXPECT_EQ((std::vector<HostRequest>{{WM_FAXDOC_VIEW, g_strSentDir + "\\A1.qoi"}}), m_requests);

    // Each entry goes as the kind its status tells; a held job as one in transmission,
    // which is not where the engine keeps it.
    WriteSettingNumber(kConfirmDeletes, 0);
    SelectRows(page, {0, 1, 2, 3});
    EXPECT_TRUE(ClickAnswering(page, IDC_SENDLOG_DELETE, IDOK).empty());
    EXPECT_TRUE(Rows(page).empty());
    SEND_FAX record;
    EXPECT_FALSE(EngineJob(1, record) || EngineJob(2, record) || EngineJob(3, record));
    EXPECT_TRUE(EngineJob(4, record));
}

TEST_F(LogPageCasesTest, TheReceivePageGoesByEachEntryWhereverTheStatusColumnWasDragged)
{
    AddReceived("Done", "555 0100", nullptr, 1, 0);
    AddReceived("Broken", "555 0101", nullptr, 1, FAXRECEIVE_FAILED);
    AddReceived("Coming", "555 0102", nullptr, 3, FAXRECEIVE_IN_PROGRESS);
    OpenSheet();
    HWND page = RecvPage();
    DragStatusColumnToTheEnd(page);
    ASSERT_EQ((std::vector<std::string>{"Complete", "Error", "Receiving"}), Column(page, 6));

    // Forward, Delete.
    const struct {
        std::vector<int> rows;
        const char* buttons;
    } selections[] = {{{0}, "11"}, {{2}, "00"}, {{0, 1}, "01"}, {{0, 2}, "00"}};
    for (const auto& selection : selections) {
        SelectRows(page, selection.rows);
        EXPECT_EQ(selection.buttons, Buttons(page, {IDC_RECVLOG_FORWARD, IDC_RECVLOG_DELETE}))
            << "first row " << selection.rows[0];
    }
    auto boxes = DoubleClickAnswering(page, 1, IDOK);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("There was an error receiving this document.  It cannot be viewed.", boxes[0].text);
}

TEST_F(LogPageCasesTest, DeleteTakesTheRowsSelectedWhenTheUserConfirms)
{
    // While Delete asks, the engine removes a fax and its row goes.
    const struct {
        int removedWhileAsked;
        std::vector<std::string> rowsLeft;
        std::vector<int> entriesLeft;
    } cases[] = {
        {0, {"Third"}, {2}},            // a row above the selected one
        {1, {"First", "Third"}, {0, 2}},  // the selected row itself: nothing else goes
    };
    for (const auto& c : cases) {
        std::vector<DWORD> ids;
        for (const char* name : {"First", "Second", "Third"})
            ids.push_back(AddReceived(name, "555 0100", nullptr, 1, 0));
        RunEngine();
        OpenSheet();
        HWND page = RecvPage();
        SelectRows(page, {1});
        {
            WhileAsked removal([&] {
                FaxLogDelete(m_engine, ids[static_cast<size_t>(c.removedWhileAsked)], FAXLOG_RECEIVED);
                StepEngine();
            });
            Click(page, IDC_RECVLOG_DELETE);
        }
        EXPECT_EQ(c.rowsLeft, Column(page, 4)) << "removed " << c.removedWhileAsked;
        std::vector<int> entriesLeft;
        SEND_FAX record;
        for (int i = 0; i < 3; ++i)
            if (EngineJob(ids[static_cast<size_t>(i)], record))
                entriesLeft.push_back(i);
        EXPECT_EQ(c.entriesLeft, entriesLeft) << "removed " << c.removedWhileAsked;
        m_sheet.reset();
        for (int i : entriesLeft)
            FaxLogDelete(m_engine, ids[static_cast<size_t>(i)], FAXLOG_RECEIVED);
        RunEngine();
    }
}

TEST_F(LogPageCasesTest, EveryEntryOfALongLogIsShownAndAnEngineThatNeverEndsIsLeft)
{
    auto holdInMemory = LoadedLibraryCall<void(WINAPI*)()>("VOVADO32.dll", "FaxStandInHoldInMemory");
    auto addEntry =
        LoadedLibraryCall<DWORD(WINAPI*)(FAXENGINE, const SEND_FAX*)>("VOVADO32.dll", "FaxStandInAddLogEntry");
    auto neverEnd = LoadedLibraryCall<void(WINAPI*)(DWORD)>("VOVADO32.dll", "FaxStandInNeverEndLogs");
    const struct {
        int entries;
        bool endless;
    } cases[] = {{33000, false}, {25, true}};
    for (const auto& c : cases) {
        holdInMemory();
        for (int i = 0; i < c.entries; ++i) {
            std::string name = "Sender " + std::to_string(i);
            SEND_FAX record = {};
            record.szDestName = &name[0];
            record.nLogType = FAXLOG_RECEIVED;
            record.nYear = 2025, record.nMonth = 3, record.nDay = 1;
            ASSERT_NE(0u, addEntry(m_engine, &record));
        }
        neverEnd(c.endless ? 1 : 0);
        OpenSheet();
        HWND list = List(RecvPage());
        ASSERT_EQ(c.entries, ListView_GetItemCount(list)) << c.entries;
        auto name = [&](int row) {
            char text[32] = {};
            ListView_GetItemText(list, row, 4, text, sizeof text);
            return std::string(text);
        };
        EXPECT_EQ("Sender 0", name(0));
        EXPECT_EQ("Sender " + std::to_string(c.entries - 1), name(c.entries - 1));
        m_sheet.reset();
    }
}

TEST_F(LogPageCasesTest, AJobBeingSentIsListedThoughTheEngineOpensItsLogWithZero)
{
    SetNow(2025, 3, 10, 12, 0, 0);
    LogJob due = Job(1, FAXLOG_WAITING, "Ann");
    due.cover = "cover";
    WriteJobs({due});
    StepEngine();  // the transmission starts
    OpenSheet();
    EXPECT_EQ((std::vector<std::string>{"Sending"}), Column(SendPage(), 0));
}

TEST_F(LogPageCasesTest, AChangedEntryTakesItsRowsPlaceAsANewRowThatIsNotSelected)
{
    WriteJobs({Job(1, FAXLOG_SENT, "Sent"), Job(2, FAXLOG_WAITING, "Pending"), Job(3, FAXLOG_WAITING, "Later")});
    OpenSheet();
    HWND page = SendPage();
    SelectRows(page, {1});
    ASSERT_TRUE(IsEnabled(page, IDC_SENDLOG_HOLD));

    // The engine starts the selected job: it must not be offered for holding any more.
    char name[] = "Pending";
    SEND_FAX sending = {};
    sending.dwJobID = 2;
    sending.nLogType = FAXLOG_SENDING;
    sending.szDestName = name;
    g_pSendLogPage->OnLogChanged(&sending, FAXLOG_CHANGE_UPDATED);
    EXPECT_EQ((std::vector<std::string>{"Complete", "Sending", "Pending"}), Column(page, 0));
    EXPECT_EQ(-1, ListView_GetNextItem(List(page), -1, LVNI_SELECTED));
    EXPECT_FALSE(IsEnabled(page, IDC_SENDLOG_HOLD));
}
