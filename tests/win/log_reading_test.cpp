// The logs as the pages read them from the stand-in engine: the order of the kinds and of
// the entries, status texts, dates of held jobs, receptions in progress, and rows that the
// engine's change reports add, replace and remove.
#include <string>
#include <vector>

#include "log_test_support.h"

using namespace logtest;
using namespace testsupport;

namespace {

class LogReadingTest : public LogPagesTest {};

}  // namespace

TEST_F(LogReadingTest, SendLogListsFailedSentWaitingAndSendingJobsInThatOrder)
{
    LogJob sent = Job(1, FAXLOG_SENT, "Sent");
    sent.totalPages = 4;
    LogJob pending = At(Job(3, FAXLOG_WAITING, "Pending"), 2025, 4, 1, 14, 5, 9);
    pending.company = "Pending Ltd", pending.fax = "555 013";
    // Held for 5 March 2025: the engine keeps it a year ahead.
    LogJob held = At(Job(4, FAXLOG_WAITING, "Held"), 2026, 3, 5);
    held.held = true;
    // Due now: the engine's next step starts sending it, and then opens its log with 0.
    LogJob due = At(Job(5, FAXLOG_WAITING, "Due"), 2025, 3, 10, 11);
    due.cover = "cover";
    WriteJobs({sent, Job(2, FAXLOG_FAILED, "Failed"), pending, held, due});
    RunEngine(1);

    OpenSheet();
    HWND page = SendPage();
    const auto rows = Rows(page);
    ASSERT_EQ(5u, rows.size());
    EXPECT_EQ((std::vector<std::string>{"Error", "Complete", "Pending", "On Hold", "Sending"}), Column(page, 0));
    EXPECT_EQ((std::vector<std::string>{"Failed", "Sent", "Pending", "Held", "Due"}), Column(page, 4));
    EXPECT_EQ((std::vector<std::string>{"Pending", LocalDate(2025, 4, 1), LocalTime(14, 5, 9), "1", "Pending",
                                        "Pending Ltd", "555 013"}),
              rows[2]);
    EXPECT_EQ("4", rows[1][3]);
    EXPECT_EQ(LocalDate(2025, 3, 5), rows[3][1]);  // the day it was held for
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(page, IDC_SENDLOG_PRINT)));
}

TEST_F(LogReadingTest, AReceptionInProgressShowsReceivingItsPagesSoFarAndNoCompany)
{
    SetNow(2025, 3, 10, 8, 15, 0);
    AddReceived("Done", "555 0200", nullptr, 3, 0);
    AddReceived("Broken", "555 0201", nullptr, 2, FAXRECEIVE_FAILED);
    AddReceived("Coming", "555 0202", nullptr, 5, FAXRECEIVE_IN_PROGRESS);
    RunEngine(1);  // one page of the reception in progress arrives
    OpenSheet();
    EXPECT_EQ((std::vector<std::vector<std::string>>{
                  {"Complete", LocalDate(2025, 3, 10), LocalTime(8, 15, 0), "3", "Done", "", "555 0200"},
                  {"Error", LocalDate(2025, 3, 10), LocalTime(8, 15, 0), "2", "Broken", "", "555 0201"},
                  {"Receiving", LocalDate(2025, 3, 10), LocalTime(8, 15, 0), "1", "Coming", "", "555 0202"}}),
              Rows(RecvPage()));
}

TEST_F(LogReadingTest, ChangeReportsReplaceRowsInPlaceAddNewOnesAndRemoveGoneOnes)
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

TEST_F(LogReadingTest, ReportsBeforeTheSendPageWasShownWaitForItToReadTheLog)
{
    WriteJobs({Job(1, FAXLOG_SENT, "One")});
    OpenSheet();
    RecvPage();
    ReportSendEntry(5, FAXLOG_SENT, "Five");
    EXPECT_EQ((std::vector<std::string>{"One"}), Column(SendPage(), 4));
}

TEST_F(LogReadingTest, AnEngineThatRefusesTheLogsLeavesTheListsEmpty)
{
    WriteJobs({Job(1, FAXLOG_SENT, "One"), Job(2, FAXLOG_RECEIVED, "Two")});
    const FAXENGINE opened = m_engine;
    m_engine = 0;  // a handle the engine never gave out
    OpenSheet();
    EXPECT_TRUE(Rows(RecvPage()).empty());
    EXPECT_TRUE(Rows(SendPage()).empty());
    m_engine = opened;
}

TEST_F(LogReadingTest, AReportWithAnImpossibleDateAndAnOverlongNameStillGetsItsRow)
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
