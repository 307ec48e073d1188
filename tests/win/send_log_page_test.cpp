// The send log page driven by its buttons: holding, releasing and rescheduling a job
// through the engine, deleting with and without confirmation, resending, and its help.
#include <algorithm>
#include <string>
#include <vector>

#include "framework/win_app.h"
#include "host/fax_app.h"
#include "host/fax_folders.h"
#include "log_test_support.h"
#include "standins/dialog_script.h"

using namespace logtest;
using namespace testsupport;
using standintest::ControlText;
using standintest::DialogScript;
using standintest::PostClick;

namespace {


class SendLogPageTest : public LogPagesTest {
protected:
    void SetUp() override
    {
        LogPagesTest::SetUp();
        SetNow(2024, 5, 1, 9, 0, 0);
    }
    // The page's jobs: waiting ones due on 10 May 2024, the others from 10 April.
    static LogJob Job(uint32_t id, int kind, const std::string& name, const std::string& fileList = "")
    {
        return At(logtest::Job(id, kind, name, fileList), 2024, kind == FAXLOG_WAITING ? 5 : 4, 10, 14, 30);
    }
    // Opens the send page with the jobs, the first row selected.
    HWND PageWith(const std::vector<LogJob>& jobs)
    {
        WriteJobs(jobs);
        OpenSheet();
        HWND page = SendPage();
        SelectRows(page, {0});
        return page;
    }

    CWinApp m_app;
};

}  // namespace

TEST_F(SendLogPageTest, HoldReleaseAndRescheduleResubmitTheJobKeepingItsDayAndItsDocument)
{
    const std::string document = Document("A1.fmf");
    ASSERT_TRUE(WriteFileBytes(document, "FF*\0document"));
    HWND page = PageWith({Job(3, FAXLOG_WAITING, "Ann Archer", document)});
    g_bNotifyOnCompletion = 1;  // a job the engine takes back is no failure to report
    // Cancelled, the job stays; confirmed, it goes and comes back as a new one: held a year
    // ahead with the marker (also when held already), released to its day, sent now.
    const struct {
        int button, choice;  // the box's answer, or the Schedule dialog's choice
        const char* box;     // caption: text
        std::vector<int> start;  // year, month, day, hour; empty: unchanged
        const char *userDefined, *status;
    } steps[] = {
        {IDC_SENDLOG_HOLD, IDCANCEL, "Hold Faxes: Hold the fax(es) to: Ann Archer", {}, "", "Pending"},
        {IDC_SENDLOG_HOLD, IDOK, "Hold Faxes: Hold the fax(es) to: Ann Archer", {2025, 5, 10, 14}, "On Hold", "On Hold"},
        {IDC_SENDLOG_RELEASE, IDOK, "Release Faxes: Release the fax(es) to: Ann Archer", {2024, 5, 10, 14}, "", "Pending"},
        {IDC_SENDLOG_RESCHEDULE, IDCANCEL, nullptr, {}, "", "Pending"},
        {IDC_SENDLOG_RESCHEDULE, IDC_SCHED_HOLD, nullptr, {2025, 5, 10, 14}, "On Hold", "On Hold"},
        {IDC_SENDLOG_RESCHEDULE, IDC_SCHED_SENDNOW, nullptr, {2024, 5, 1, 9}, "<null>", nullptr},
    };
    DWORD jobId = 3;
    for (const auto& step : steps) {
        SelectRows(page, {0});
        DialogScript script({{IDC_SCHED_TIME, [&](HWND dialog) {
                                  // The job's own day, in the user's order, even when held.
                                  const std::string date = ControlText(dialog, IDC_SCHED_DATE);
                                  EXPECT_TRUE(date.find("2024") != std::string::npos &&
                                              date.find("10") != std::string::npos)
                                      << date;
                                  if (step.choice != IDCANCEL)
                                      SendMessageA(GetDlgItem(dialog, step.choice), BM_CLICK, 0, 0);
                                  PostClick(dialog, step.choice == IDCANCEL ? IDCANCEL : IDOK);
                              }}});
        auto boxes = ClickAnswering(page, step.button, step.choice);
        EXPECT_EQ(step.box ? step.box : "", boxes.size() == 1 ? boxes[0].caption + ": " + boxes[0].text : "");
        EXPECT_EQ(step.box ? 0u : 1u, script.Done());
        SEND_FAX record;
        std::string userDefined;
        EXPECT_EQ(step.start.empty(), EngineJob(jobId, record)) << step.button << " " << step.choice;
        if (!step.start.empty()) {
            // The resubmitted job is the next one the engine numbers.
            ASSERT_TRUE(EngineJob(++jobId, record, &userDefined)) << step.button << " " << step.choice;
            EXPECT_EQ(step.start, (std::vector<int>{record.nYear, record.nMonth, record.nDay, record.nHour}));
            EXPECT_EQ(step.userDefined, userDefined);
        }
        EXPECT_TRUE(PathExists(document));
        if (!step.status)
            break;
        RunEngine();  // the engine reports the old entry gone and the new one added
        EXPECT_EQ(step.status, Rows(page).at(0)[0]);
        EXPECT_EQ(LocalDate(2024, 5, 10), Rows(page).at(0)[1]);
    }
}

TEST_F(SendLogPageTest, DeletingAsksOnceForAllSelectedRowsAndTellsTheHostOfEachDocument)
{
    LogJob held = At(Job(5, FAXLOG_WAITING, "Held", Document("H5.fmf")), 2025, 5, 10);
    held.held = true;
    for (const char* name : {"S1.fmf", "S1.tif", "F2.fmf", "P3.fmf", "P3.LRS", "H5.fmf"})
        ASSERT_TRUE(WriteFileBytes(Document(name), "x"));
    HWND page = PageWith({Job(1, FAXLOG_SENT, "Sent", Document("S1.fmf")),
                          Job(2, FAXLOG_FAILED, "Failed", Document("F2.fmf")),
                          Job(3, FAXLOG_WAITING, "Pending", Document("P3.fmf")), Job(4, FAXLOG_SENT, "Kept"), held});
    ASSERT_EQ((std::vector<std::string>{"Failed", "Sent", "Kept", "Pending", "Held"}), Column(page, 4));

    SelectRows(page, {0, 1, 3, 4});
    auto boxes = ClickAnswering(page, IDC_SENDLOG_DELETE, IDCANCEL);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("Are you sure you want to delete the 4 logs you have selected?", boxes[0].text);
    EXPECT_EQ(5u, Rows(page).size());
    EXPECT_TRUE(m_requests.empty());

    EXPECT_EQ(1u, ClickAnswering(page, IDC_SENDLOG_DELETE, IDOK).size());
    EXPECT_EQ((std::vector<std::string>{"Kept"}), Column(page, 4));
    // From the last selected row to the first.
    EXPECT_EQ((std::vector<HostRequest>{{WM_FAXDOC_REMOVED, g_strOutboxDir + "\\H5"},
                                        {WM_FAXDOC_REMOVED, g_strOutboxDir + "\\P3"},
                                        {WM_FAXDOC_REMOVED, g_strSentDir + "\\S1"},
                                        {WM_FAXDOC_REMOVED, g_strOutboxDir + "\\F2"}}),
              m_requests);
    EXPECT_EQ((std::vector<DWORD>{4}), Remaining({1, 2, 3, 4}));
    EXPECT_FALSE(PathExists(Document("S1.tif")) || PathExists(Document("P3.LRS")));

}

TEST_F(SendLogPageTest, ResendingRestoresTheFullResolutionDocumentOrSaysWhyNot)
{
    // A folder where the working file goes: no copy can reach it (a read-only file does
    // not stop the copy here, where the tests run with every right).
    for (bool blocked : {false, true}) {
        DeleteFileA(Document("A1.tif").c_str());
        ASSERT_TRUE(WriteFileBytes(Document("A1.fmf"), "FF*\0engine form"));
        ASSERT_TRUE(WriteFileBytes(Document("A1.LRS"), "full resolution"));
        ASSERT_TRUE(blocked ? CreateDirectoryA(Document("A1.tif").c_str(), nullptr) != FALSE
                            : WriteFileBytes(Document("A1.tif"), "low resolution"));
        HWND page = PageWith({Job(1, FAXLOG_SENT, "Ann Archer", Document("A1.fmf"))});
        std::vector<std::string> names;
        BoxAnswerer answerer(IDOK);
        DialogScript script({{IDC_SENDFAX_SENDLIST, [&](HWND dialog) {
                                  EXPECT_FALSE(IsWindowEnabled(m_sheet->m_hWnd));  // modal over the whole sheet
                                  for (int row = 0; row < standintest::ListRowCount(dialog, IDC_SENDFAX_SENDLIST); ++row)
                                      names.push_back(standintest::ListCell(dialog, IDC_SENDFAX_SENDLIST, row, 0));
                                  PostClick(dialog, IDCANCEL);
                              }}});
        Click(page, IDC_SENDLOG_RESEND);
        ASSERT_EQ(1u, script.Done());
        EXPECT_TRUE(IsWindowEnabled(m_sheet->m_hWnd));
        EXPECT_NE(std::find(names.begin(), names.end(), "Ann Archer"), names.end());
        SEND_FAX record;
        EXPECT_TRUE(EngineJob(1, record));  // cancelled: the log keeps the job
        if (blocked) {
            ASSERT_EQ(1u, answerer.Boxes().size());
            EXPECT_EQ("Cannot write to fax file " + Document("A1.tif") + ".", answerer.Boxes()[0].text);
            EXPECT_EQ("full resolution", ReadFileBytes(Document("A1.LRS")));
            RemoveDirectoryA(Document("A1.tif").c_str());
        } else {
            EXPECT_TRUE(answerer.Boxes().empty());
            EXPECT_EQ("full resolution", ReadFileBytes(Document("A1.tif")));
            EXPECT_FALSE(PathExists(Document("A1.LRS")));
        }
        m_sheet.reset();
    }
}
