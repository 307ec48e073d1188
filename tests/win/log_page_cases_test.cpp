// The log pages while the list and the engine change under the user's hands, how they read
// the logs, and the receive page's own actions.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "host/fax_folders.h"
#include "list_test_support.h"
#include "log_test_support.h"
#include "settings/setting_names.h"
#include "settings/setting_readers.h"
#include "standins/dialog_script.h"
#include "standins/tiff/tiff_document.h"
#include "tiff_test_files.h"

using namespace logtest;
using namespace testsupport;

namespace {

class LogPageCasesTest : public LogPagesTest {
protected:
    void TearDown() override
    {
        LoadedLibraryCall<void(WINAPI*)(DWORD)>("VOVADO32.dll", "FaxStandInNeverEndLogs")(0);
        LogPagesTest::TearDown();
    }

    // Opens the page; with column 6, drags the Status column's header past the last column.
    HWND PageWithStatusIn(int statusColumn, bool sendPage)
    {
        OpenSheet();
        HWND page = sendPage ? SendPage() : RecvPage();
        HWND header = ListView_GetHeader(List(page));
        int right = 0;
        for (int column = 0; column < 7; ++column)
            right += ListView_GetColumnWidth(List(page), column);
        if (statusColumn == 6) {
            const int from = listtest::HeaderItemMiddle(header, 0);
            listtest::PressHeader(header, from);
            listtest::MoveOnHeader(header, (from + right) / 2);
            listtest::MoveOnHeader(header, right + 10);
            listtest::ReleaseHeader(header, right + 10);
        }
        return page;
    }
    struct Selection {
        std::vector<int> rows;
        const char* buttons;
    };
    void ExpectButtons(HWND page, const std::vector<Selection>& selections, const std::vector<int>& ids,
                       int statusColumn)
    {
        for (const auto& selection : selections) {
            SelectRows(page, selection.rows);
            EXPECT_EQ(selection.buttons, Buttons(page, ids))
                << "column " << statusColumn << ", " << selection.rows.size() << " rows";
        }
    }
};

class RecvLogPageTest : public LogPagesTest {
protected:
    // The engine's copy of a received fax's document.
    std::string StoredDocument(DWORD jobId) const
    {
        char name[40];
        std::snprintf(name, sizeof name, "\\Received\\R%08u.tif", static_cast<unsigned>(jobId));
        return StoreFolder() + name;
    }
};

}  // namespace

TEST_F(LogPageCasesTest, TheSendPageGoesByEachRowsStatusWhereverTheStatusColumnStands)
{
    for (int statusColumn : {0, 6}) {
        LogJob held = At(Job(4, FAXLOG_WAITING, "Held"), 2026, 3, 1);
        held.held = true;
        // Failed jobs come before sent ones, then the waiting ones.
        WriteJobs({Job(2, FAXLOG_SENT, "Sent", "C:\\Out\\A1.tif"), Job(1, FAXLOG_FAILED, "Failed"),
                   Job(3, FAXLOG_WAITING, "Pending", "C:\\Out\\B7.fmf"), held, At(Job(9, FAXLOG_WAITING, "Busy"), 2027, 1, 1)});
        m_requests.clear();
        HWND page = PageWithStatusIn(statusColumn, true);
        ASSERT_EQ((std::vector<std::string>{"Error", "Complete", "Pending", "On Hold", "Pending"}),
                  Column(page, statusColumn));
        // Row 4 starts being sent: its new row is not selected, nor offered for holding.
        SelectRows(page, {4});
        ReportSendEntry(9, FAXLOG_SENDING, "Busy", "C:\\Out\\C3.fmf");
        EXPECT_EQ("00000", Buttons(page, kSendButtons));
        // A held job shows the day it was held for, not the year ahead.
        EXPECT_TRUE(statusColumn != 0 || Rows(page)[3][1] == LocalDate(2025, 3, 1)) << Rows(page)[3][1];
        // Resend, Reschedule, Hold, Release, Delete
        ExpectButtons(page,
                      {{{0}, "10001"}, {{1}, "10001"}, {{2}, "01101"}, {{3}, "01011"}, {{2, 3}, "00001"},
                       {{}, "00000"}, {{4}, "00001"}},
                      kSendButtons, statusColumn);
        // A double click shows the document of a sent or a waiting job, not of one being
        // sent nor of one without a document.
        for (int row : {1, 2, 4, 0})
            EXPECT_TRUE(DoubleClickAnswering(page, row).empty());
        EXPECT_EQ((std::vector<HostRequest>{{WM_FAXDOC_VIEW, g_strSentDir + "\\A1.qoi"},
                                            {WM_FAXDOC_VIEW, g_strOutboxDir + "\\B7.qoi"}}),
                  m_requests);

        // Each entry goes as the kind its status tells; a held job as one in transmission,
        // which is not where the engine keeps it.
        WriteSettingNumber(kConfirmDeletes, 0);
        SelectRows(page, {0, 1, 2, 3});
        EXPECT_TRUE(ClickAnswering(page, IDC_SENDLOG_DELETE, IDOK).empty());
        EXPECT_EQ(1u, Rows(page).size());  // the row being sent, which was not selected
        EXPECT_EQ((std::vector<DWORD>{4}), Remaining({1, 2, 3, 4}));
        m_sheet.reset();
    }
}

TEST_F(LogPageCasesTest, TheReceivePageGoesByEachRowsStatusWhereverTheStatusColumnStands)
{
    SetNow(2025, 3, 10, 8, 15, 0);
    AddReceived("One", "555 0100", nullptr, 1, 0);
    AddReceived("Two", "555 0101", nullptr, 2, 0);
    AddReceived("Broken", "555 0102", nullptr, 1, FAXRECEIVE_FAILED);
    AddReceived("Coming", "555 0103", nullptr, 3, FAXRECEIVE_IN_PROGRESS);
    RunEngine(1);  // one page of the reception in progress arrives
    const std::string day = LocalDate(2025, 3, 10), time = LocalTime(8, 15, 0);
    for (int statusColumn : {0, 6}) {
        HWND page = PageWithStatusIn(statusColumn, false);
        ASSERT_EQ((std::vector<std::string>{"Complete", "Complete", "Error", "Receiving"}), Column(page, statusColumn));
        // A reception in progress shows its pages so far; a received fax has no company.
        if (statusColumn == 0) {
            EXPECT_EQ((std::vector<std::string>{"Receiving", day, time, "1", "Coming", "", "555 0103"}), Rows(page)[3]);
            EXPECT_EQ((std::vector<std::string>{"1", "2", "1", "1"}), Column(page, 3));
            EXPECT_EQ(std::vector<std::string>(4, time), Column(page, 2));
        }
        // Forward, Delete
        ExpectButtons(page, {{{}, "00"}, {{0}, "11"}, {{0, 1}, "01"}, {{0, 2}, "01"}, {{3}, "00"}, {{1, 3}, "00"}},
                      kRecvButtons, statusColumn);
        auto boxes = DoubleClickAnswering(page, 2);
        ASSERT_EQ(1u, boxes.size());
        EXPECT_EQ("There was an error receiving this document.  It cannot be viewed.", boxes[0].text);
        EXPECT_TRUE(m_requests.empty());
        m_sheet.reset();
    }
}

TEST_F(LogPageCasesTest, AnEntryTheEngineLostIsReportedAndEndsTheAction)
{
    WriteJobs({Job(1, FAXLOG_SENT, "One"), Job(2, FAXLOG_SENT, "Two", "C:\\Out\\A2.tif"), Job(3, FAXLOG_SENT, "Three")});
    const DWORD received = AddReceived("Sender", "555 0100", nullptr, 1, 0);
    WriteSettingNumber(kConfirmDeletes, 0);
    OpenSheet();
    SendPage();
    // Gone from the engine without a report reaching the pages.
    FaxLogDelete(m_engine, 2, FAXLOG_SENT);
    FaxLogDelete(m_engine, received, FAXLOG_RECEIVED);
    const struct {
        bool sendPage;
        std::vector<int> rows;
        int button;  // 0: a double click on the first row
    } actions[] = {{true, {1}, 0}, {true, {0, 1, 2}, IDC_SENDLOG_DELETE}, {false, {0}, IDC_RECVLOG_FORWARD}};
    for (const auto& action : actions) {
        HWND page = action.sendPage ? SendPage() : RecvPage();
        SelectRows(page, action.rows);
        auto boxes = action.button ? ClickAnswering(page, action.button, IDOK) : DoubleClickAnswering(page, 1);
        ASSERT_EQ(1u, boxes.size()) << action.button;
        EXPECT_EQ("Could not locate specified log file.", boxes[0].text);
    }
    EXPECT_TRUE(m_requests.empty());
    // Delete goes from the last selected row to the first and stops at the lost one.
    EXPECT_EQ((std::vector<std::string>{"One", "Two"}), Column(SendPage(), 4));
    EXPECT_EQ((std::vector<DWORD>{1}), Remaining({1, 3}));
}

TEST_F(LogPageCasesTest, DeleteTakesTheRowsSelectedWhenTheUserConfirms)
{
    // While Delete asks, the engine removes a fax and its row goes.
    const struct {
        int removedWhileAsked;
        std::vector<std::string> rowsLeft;
        std::vector<int> entriesLeft;
    } cases[] = {
        {0, {"Third"}, {2}},              // a row above the selected one
        {1, {"First", "Third"}, {0, 2}},  // the selected row itself: nothing else goes
    };
    for (const auto& c : cases) {
        std::vector<DWORD> ids, expected;
        for (const char* name : {"First", "Second", "Third"})
            ids.push_back(AddReceived(name, "555 0100", nullptr, 1, 0));
        for (int i : c.entriesLeft)
            expected.push_back(ids[static_cast<size_t>(i)]);
        RunEngine();
        OpenSheet();
        HWND page = RecvPage();
        SelectRows(page, {1});
        ClickAnswering(page, IDC_RECVLOG_DELETE, IDOK, [&] {
            FaxLogDelete(m_engine, ids[static_cast<size_t>(c.removedWhileAsked)], FAXLOG_RECEIVED);
            RunEngine(1);
        });
        EXPECT_EQ(c.rowsLeft, Column(page, 4)) << "removed " << c.removedWhileAsked;
        EXPECT_EQ(expected, Remaining(ids)) << "removed " << c.removedWhileAsked;
        m_sheet.reset();
        for (DWORD id : expected)
            FaxLogDelete(m_engine, id, FAXLOG_RECEIVED);
        RunEngine();
    }
}

TEST_F(LogPageCasesTest, EveryEntryOfALongLogIsShownAndAnEngineThatNeverEndsIsLeft)
{
    auto addEntry =
        LoadedLibraryCall<DWORD(WINAPI*)(FAXENGINE, const SEND_FAX*)>("VOVADO32.dll", "FaxStandInAddLogEntry");
    for (int entries : {33000, 25}) {
        LoadedLibraryCall<void(WINAPI*)()>("VOVADO32.dll", "FaxStandInHoldInMemory")();
        for (int i = 0; i < entries; ++i) {
            std::string name = "Sender " + std::to_string(i);
            SEND_FAX record = {};
            record.szDestName = &name[0];
            record.nLogType = FAXLOG_RECEIVED;
            record.nYear = 2025, record.nMonth = 3, record.nDay = 1;
            ASSERT_NE(0u, addEntry(m_engine, &record));
        }
        LoadedLibraryCall<void(WINAPI*)(DWORD)>("VOVADO32.dll", "FaxStandInNeverEndLogs")(entries == 25);
        OpenSheet();
        const auto names = Column(RecvPage(), 4);
        ASSERT_EQ(static_cast<size_t>(entries), names.size());
        EXPECT_EQ("Sender 0", names.front());
        EXPECT_EQ("Sender " + std::to_string(entries - 1), names.back());
        // Drawn again once filled: the rows can be scrolled to.
        EXPECT_TRUE(GetWindowLongA(List(RecvPage()), GWL_STYLE) & WS_VSCROLL);
        m_sheet.reset();
    }
}

TEST_F(LogPagesTest, ChangeReportsReplaceRowsInPlaceAddNewOnesAndRemoveGoneOnes)
{
    WriteJobs({Job(1, FAXLOG_SENT, "One"), Job(2, FAXLOG_SENT, "Two"), Job(6, FAXLOG_RECEIVED, "In")});
    OpenSheet();
    HWND recvPage = RecvPage(), sendPage = SendPage();
    char name[] = "New";
    SEND_FAX record = {};
    record.szDestName = name;
    // The send page takes reports straight, the receive page by its message too; each
    // page takes only its own kinds and known codes, and ignores a missing record.
    const struct {
        bool send;
        DWORD id;
        int kind;
        int state;
        DWORD code;
        std::vector<std::string> statuses, names;
    } reports[] = {
        {true, 2, FAXLOG_FAILED, 0, FAXLOG_CHANGE_UPDATED, {"Complete", "Error"}, {"One", "New"}},
        {true, 9, FAXLOG_WAITING, 0, FAXLOG_CHANGE_UPDATED, {"Complete", "Error", "Pending"}, {"One", "New", "New"}},
        // a transmission that failed while being sent
        {true, 9, FAXLOG_SENDING, 0, FAXLOG_CHANGE_UPDATED, {"Complete", "Error", "Error"}, {"One", "New", "New"}},
        {true, 10, FAXLOG_RECEIVED, 0, FAXLOG_CHANGE_UPDATED, {"Complete", "Error", "Error"}, {"One", "New", "New"}},
        {true, 10, FAXLOG_SENT, 0, 7, {"Complete", "Error", "Error"}, {"One", "New", "New"}},
        {true, 0, 0, 0, FAXLOG_CHANGE_UPDATED, {"Complete", "Error", "Error"}, {"One", "New", "New"}},
        {true, 1, FAXLOG_SENT, 0, FAXLOG_CHANGE_REMOVED, {"Error", "Error"}, {"New", "New"}},
        {false, 42, FAXLOG_RECEIVED, FAXSTATE_RECEIVING, FAXLOG_CHANGE_UPDATED, {"Complete", "Receiving"}, {"In", "New"}},
        {false, 43, FAXLOG_SENT, 0, FAXLOG_CHANGE_UPDATED, {"Complete", "Receiving"}, {"In", "New"}},
        {false, 0, 0, 0, FAXLOG_CHANGE_UPDATED, {"Complete", "Receiving"}, {"In", "New"}},
        {false, 42, FAXLOG_RECEIVED, 0, FAXLOG_CHANGE_REMOVED, {"Complete"}, {"In"}},
    };
    for (const auto& report : reports) {
        record.dwJobID = report.id;
        record.nLogType = static_cast<int16_t>(report.kind);
        record.nState = static_cast<int16_t>(report.state);
        record.nError = report.send ? 1 : 0;
        SEND_FAX* sent = report.id ? &record : nullptr;
        if (report.send)
            g_pSendLogPage->OnLogChanged(sent, report.code);
        else
            SendMessageA(recvPage, WM_RECVLOG_NOTIFY, reinterpret_cast<WPARAM>(sent), report.code);
        HWND page = report.send ? sendPage : recvPage;
        EXPECT_EQ(report.statuses, Column(page, 0)) << report.id << " " << report.kind << " " << report.code;
        EXPECT_EQ(report.names, Column(page, 4)) << report.id << " " << report.kind << " " << report.code;
    }
}

TEST_F(RecvLogPageTest, ADoubleClickShowsAReceivedFaxAndDeleteTakesItsDocument)
{
    ASSERT_TRUE(WriteFileBytes(Document("fax.tif"), testfiles::MakeTiff(2)));
    const DWORD first = AddReceived("First", "555 0100", Document("fax.tif").c_str(), 0, 0);
    const DWORD second = AddReceived("Second", "555 0101", Document("fax.tif").c_str(), 0, 0);
    OpenSheet();
    HWND page = RecvPage();
    EXPECT_TRUE(DoubleClickAnswering(page, 0).empty());
    SelectRows(page, {1});
    auto boxes = ClickAnswering(page, IDC_RECVLOG_DELETE, IDOK);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("Are you sure you want to delete the selected log?", boxes[0].text);
    EXPECT_EQ((std::vector<HostRequest>{{WM_FAXDOC_VIEW, g_strInboxDir + "\\R00000001.qoi"},
                                        {WM_FAXDOC_REMOVED, g_strInboxDir + "\\R00000002"}}),
              m_requests);
    EXPECT_EQ((std::vector<std::string>{"First"}), Column(page, 4));
    EXPECT_FALSE(PathExists(StoredDocument(second)));
    EXPECT_TRUE(PathExists(StoredDocument(first)));
    EXPECT_EQ((std::vector<DWORD>{first}), Remaining({first, second}));
}

TEST_F(RecvLogPageTest, AFaxIsForwardedAsATiffDocumentOrAsItIsWhenItCannotBeRead)
{
    const std::string damaged("FF*\0\xff\xff\xff\x7f damaged", 16);
    for (bool readable : {true, false}) {
        ASSERT_TRUE(WriteFileBytes(Document("fax.tif"), testfiles::MakeTiff(3, /*bigEndian=*/true)));
        const DWORD received = AddReceived("Sender", "555 0100", Document("fax.tif").c_str(), 0, 0);
        const std::string stored = StoredDocument(received);
        ASSERT_EQ("FF", ReadFileBytes(stored).substr(0, 2));
        ASSERT_TRUE(readable || WriteFileBytes(stored, damaged));
        OpenSheet();
        HWND page = RecvPage();
        SelectRows(page, {0});
        std::string forwarded;
        BoxAnswerer complaints(IDOK);
        // The Send Fax dialog opens on the document; the user cancels it.
        standintest::DialogScript script({{IDC_SENDFAX_SENDLIST, [&](HWND dialog) {
                                               forwarded = ReadFileBytes(stored);
                                               // Only the typing row: a forwarded fax has no recipient yet.
                                               EXPECT_EQ(1, standintest::ListRowCount(dialog, IDC_SENDFAX_SENDLIST));
                                               standintest::PostClick(dialog, IDCANCEL);
                                           }}});
        Click(page, IDC_RECVLOG_FORWARD);
        ASSERT_EQ(1u, script.Done());
        m_sheet.reset();
        FaxLogDelete(m_engine, received, FAXLOG_RECEIVED);
        if (!readable) {
            EXPECT_EQ(damaged, forwarded);
            ASSERT_FALSE(complaints.Boxes().empty());
            EXPECT_EQ("Cannot read fax file " + stored + ".", complaints.Boxes()[0].text);
            continue;
        }
        EXPECT_TRUE(complaints.Boxes().empty());
        EXPECT_EQ("II", forwarded.substr(0, 2));
        tiff::Document document;
        ASSERT_TRUE(tiff::ReadDocument(forwarded, document));
        ASSERT_EQ(3u, document.pages.size());
        for (size_t p = 0; p < 3; ++p)
            EXPECT_EQ(std::string({static_cast<char>(p + 1), static_cast<char>(0xA0 + p)}),
                      document.pages[p].chunks.at(0));
    }
}

TEST_F(LogPageCasesTest, AfterAHeaderSortReportsStillReachTheirOwnRows)
{
    WriteJobs({Job(1, FAXLOG_SENT, "Cyd"), Job(2, FAXLOG_SENT, "Abe"), Job(3, FAXLOG_SENT, "Bea")});
    OpenSheet();
    HWND page = SendPage();
    HWND header = ListView_GetHeader(List(page));
    const int name = listtest::HeaderItemMiddle(header, 4);
    listtest::PressHeader(header, name);
    listtest::ReleaseHeader(header, name);
    ASSERT_EQ((std::vector<std::string>{"Abe", "Bea", "Cyd"}), Column(page, 4));
    ReportSendEntry(1, FAXLOG_FAILED, "Cyd");
    SEND_FAX removed = {};
    removed.dwJobID = 2;
    removed.nLogType = FAXLOG_SENT;
    g_pSendLogPage->OnLogChanged(&removed, FAXLOG_CHANGE_REMOVED);
    ReportSendEntry(3, FAXLOG_FAILED, "Bea");
    EXPECT_EQ((std::vector<std::string>{"Bea", "Cyd"}), Column(page, 4));
    EXPECT_EQ((std::vector<std::string>{"Error", "Error"}), Column(page, 0));
}

TEST_F(LogPageCasesTest, AReportWithAnImpossibleDateAndAnOverlongNameStillGetsItsRow)
{
    OpenSheet();
    HWND page = SendPage();
    std::string longName(5000, 'N');
    SEND_FAX record = {};
    record.dwJobID = 3;
    record.nLogType = FAXLOG_SENT;
    record.nYear = -1, record.nMonth = 13, record.nDay = 40, record.nHour = 99, record.nMinute = -7;
    record.nTotPages = -2;
    record.szDestName = &longName[0];
    g_pSendLogPage->OnLogChanged(&record, FAXLOG_CHANGE_UPDATED);
    EXPECT_EQ((std::vector<std::vector<std::string>>{{"Complete", "", "", "-2", longName, "", ""}}), Rows(page));
}
