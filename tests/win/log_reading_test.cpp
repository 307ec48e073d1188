// The logs as the pages read them from the stand-in engine: the order of the kinds and of
// the entries, status texts, dates of held jobs, receptions in progress, and rows that the
// engine's change reports add, replace and remove.
#include <string>
#include <vector>

#include "framework/module_state.h"
#include "logs/log_row.h"
#include "logs/log_status_texts.h"
#include "log_test_support.h"
#include "send/locale_date_time.h"
#include "tiff_test_files.h"

using namespace logtest;
using namespace testsupport;

namespace {

std::string LocalTime(int hour, int minute, int second)
{
    const SYSTEMTIME time = MakeTime(2025, 1, 1, hour, minute, second);
    char text[80] = {};
    FormatLocalTime(&time, text, sizeof text);
    return text;
}

class LogReadingTest : public LogPagesTest {};

}  // namespace

TEST_F(LogReadingTest, SendLogListsFailedSentWaitingAndSendingJobsInThatOrder)
{
    SetNow(2025, 3, 10, 12, 0, 0);
    LogJob sent = Job(1, FAXLOG_SENT, "Sent");
    sent.totalPages = 4;
    LogJob pending = Job(3, FAXLOG_WAITING, "Pending");
    pending.company = "Pending Ltd", pending.fax = "555 013";
    pending.year = 2025, pending.month = 4, pending.day = 1, pending.hour = 14, pending.minute = 5, pending.second = 9;
    // Held for 5 March 2025: the engine keeps it a year ahead.
    LogJob held = Job(4, FAXLOG_WAITING, "Held");
    held.held = true;
    held.year = 2026, held.month = 3, held.day = 5;
    // Due now: the engine's next step starts sending it.
    LogJob due = Job(5, FAXLOG_WAITING, "Due");
    due.year = 2025, due.month = 3, due.day = 10, due.hour = 11;
    due.cover = "cover";
    WriteJobs({sent, Job(2, FAXLOG_FAILED, "Failed"), pending, held, due});
    StepEngine();

    OpenSheet();
    HWND page = SendPage();
    ASSERT_NE(nullptr, page);
    const auto rows = Rows(page);
    ASSERT_EQ(5u, rows.size());
    EXPECT_EQ((std::vector<std::string>{"Error", "Complete", "Pending", "On Hold", "Sending"}), Column(page, 0));
    EXPECT_EQ((std::vector<std::string>{"Failed", "Sent", "Pending", "Held", "Due"}), Column(page, 4));
    EXPECT_EQ((std::vector<DWORD>{2, 1, 3, 4, 5}),
              (std::vector<DWORD>{RowJobId(page, 0), RowJobId(page, 1), RowJobId(page, 2), RowJobId(page, 3),
                                  RowJobId(page, 4)}));
    EXPECT_EQ((std::vector<std::string>{"Pending", LocalDate(2025, 4, 1), LocalTime(14, 5, 9), "1", "Pending",
                                        "Pending Ltd", "555 013"}),
              rows[2]);
    EXPECT_EQ("4", rows[1][3]);
    // The held job shows the day it was held for.
    EXPECT_EQ(LocalDate(2025, 3, 5), rows[3][1]);
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(page, IDC_SENDLOG_PRINT)));
}

TEST_F(LogReadingTest, TwentyFiveEntriesArriveInThreeBlocksAndKeepTheEnginesOrder)
{
    std::vector<LogJob> jobs;
    std::vector<std::string> names;
    for (uint32_t id = 1; id <= 25; ++id) {
        // Dates and names run against the job ids: the rows must keep the engine's order.
        LogJob job = Job(id, FAXLOG_RECEIVED, "Sender " + std::string(1, static_cast<char>('Z' - id)));
        job.day = static_cast<int>(28 - id);
        jobs.push_back(job);
        names.push_back(job.name);
    }
    WriteJobs(jobs);
    const DWORD blocksBefore = CallCount("FaxLogNextBlock");
    OpenSheet();
    HWND page = RecvPage();
    EXPECT_EQ(names, Column(page, 4));
    EXPECT_EQ(3u, CallCount("FaxLogNextBlock") - blocksBefore);
    EXPECT_EQ(25u, RowJobId(page, 24));
}

TEST_F(LogReadingTest, AReceptionInProgressShowsReceivingItsPagesSoFarAndNoCompany)
{
    SetNow(2025, 3, 10, 8, 15, 0);
    const DWORD done = AddReceived("Done", "555 0200", nullptr, 3, 0);
    const DWORD failed = AddReceived("Broken", "555 0201", nullptr, 2, FAXRECEIVE_FAILED);
    const DWORD coming = AddReceived("Coming", "555 0202", nullptr, 5, FAXRECEIVE_IN_PROGRESS);
    StepEngine();  // one page of the reception in progress arrives
    OpenSheet();
    HWND page = RecvPage();
    const auto rows = Rows(page);
    ASSERT_EQ(3u, rows.size());
    EXPECT_EQ(done, RowJobId(page, 0));
    EXPECT_EQ((std::vector<std::string>{"Complete", LocalDate(2025, 3, 10), LocalTime(8, 15, 0), "3", "Done", "",
                                        "555 0200"}),
              rows[0]);
    EXPECT_EQ("Error", rows[1][0]);
    EXPECT_EQ(failed, RowJobId(page, 1));
    EXPECT_EQ(coming, RowJobId(page, 2));
    EXPECT_EQ("Receiving", rows[2][0]);
    EXPECT_EQ("1", rows[2][3]);
    EXPECT_EQ("", rows[2][5]);
}

TEST_F(LogReadingTest, ChangeReportsReplaceRowsInPlaceAddNewOnesAndRemoveGoneOnes)
{
    WriteJobs({Job(1, FAXLOG_SENT, "One"), Job(2, FAXLOG_SENT, "Two"), Job(3, FAXLOG_SENT, "Three")});
    OpenSheet();
    HWND page = SendPage();
    ASSERT_EQ(3u, Rows(page).size());

    char name[] = "Two again", fax[] = "555 0999", company[] = "Second Co";
    SEND_FAX record = {};
    record.dwJobID = 2;
    record.nLogType = FAXLOG_FAILED;
    record.nError = 1;
    record.szDestName = name;
    record.szDestFax = fax;
    record.szToCompany = company;
    record.nYear = 2025, record.nMonth = 3, record.nDay = 2;
    g_pSendLogPage->OnLogChanged(&record, FAXLOG_CHANGE_UPDATED);
    EXPECT_EQ((std::vector<std::string>{"One", "Two again", "Three"}), Column(page, 4));
    EXPECT_EQ("Error", Rows(page)[1][0]);

    record.dwJobID = 9;
    record.nLogType = FAXLOG_WAITING;
    g_pSendLogPage->OnLogChanged(&record, FAXLOG_CHANGE_UPDATED);
    EXPECT_EQ(9u, RowJobId(page, 3));
    EXPECT_EQ("Pending", Rows(page)[3][0]);
    record.nLogType = FAXLOG_SENDING;  // a transmission that failed while being sent
    g_pSendLogPage->OnLogChanged(&record, FAXLOG_CHANGE_UPDATED);
    EXPECT_EQ("Error", Rows(page)[3][0]);

    // Received faxes, unknown codes and missing records are not the send log's.
    record.nLogType = FAXLOG_RECEIVED;
    record.dwJobID = 10;
    g_pSendLogPage->OnLogChanged(&record, FAXLOG_CHANGE_UPDATED);
    record.nLogType = FAXLOG_SENT;
    g_pSendLogPage->OnLogChanged(&record, 7);
    g_pSendLogPage->OnLogChanged(nullptr, FAXLOG_CHANGE_UPDATED);
    EXPECT_EQ(4u, Rows(page).size());

    record.dwJobID = 1;
    g_pSendLogPage->OnLogChanged(&record, FAXLOG_CHANGE_REMOVED);
    EXPECT_EQ((std::vector<std::string>{"Two again", "Three", "Two again"}), Column(page, 4));
}

TEST_F(LogReadingTest, TheEnginesOwnReportsFollowAJobFromWaitingToSent)
{
    SetNow(2025, 3, 10, 12, 0, 0);
    LogJob job = Job(1, FAXLOG_WAITING, "Ann");
    job.year = 2025, job.month = 3, job.day = 10, job.hour = 11;
    job.cover = "cover";
    WriteJobs({Job(7, FAXLOG_SENT, "Earlier"), job});
    OpenSheet();
    HWND page = SendPage();
    EXPECT_EQ((std::vector<std::string>{"Complete", "Pending"}), Column(page, 0));
    StepEngine();
    EXPECT_EQ((std::vector<std::string>{"Complete", "Sending"}), Column(page, 0));
    RunEngine();
    EXPECT_EQ((std::vector<std::string>{"Complete", "Complete"}), Column(page, 0));
    EXPECT_EQ((std::vector<DWORD>{7, 1}), (std::vector<DWORD>{RowJobId(page, 0), RowJobId(page, 1)}));
}

TEST_F(LogReadingTest, ReportsBeforeTheSendPageWasShownWaitForItToReadTheLog)
{
    WriteJobs({Job(1, FAXLOG_SENT, "One")});
    OpenSheet();
    RecvPage();
    SEND_FAX record = {};
    record.dwJobID = 5;
    record.nLogType = FAXLOG_SENT;
    g_pSendLogPage->OnLogChanged(&record, FAXLOG_CHANGE_UPDATED);
    HWND page = SendPage();
    EXPECT_EQ((std::vector<std::string>{"One"}), Column(page, 4));
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

TEST_F(LogReadingTest, AStringTableWithoutCompleteIsReported)
{
    CModuleState stringless = *AfxGetStaticModuleState();
    stringless.m_hResource = GetModuleHandleA("VOVADO32.dll");
    std::vector<AnsweredBox> boxes;
    {
        CModuleStateGuard guard(&stringless);
        BoxAnswerer answerer(IDOK);
        EXPECT_FALSE(LoadLogStatusTexts());
        boxes = answerer.Boxes();
    }
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("Could not load string IDS_STATUS_COMPLETE.\n", boxes[0].text);
    EXPECT_TRUE(LoadLogStatusTexts());
    EXPECT_EQ("Complete", g_strComplete);
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
    const auto rows = Rows(page);
    ASSERT_EQ(1u, rows.size());
    EXPECT_EQ((std::vector<std::string>{"Complete", "", "", "-2", longName}),
              std::vector<std::string>(rows[0].begin(), rows[0].begin() + 5));
}
