// The send log page driven by its buttons and its list: holding, releasing and
// rescheduling a job through the engine, deleting with and without confirmation, asking
// the host to show a document, resending, and its help.
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "framework/win_app.h"
#include "host/fax_app.h"
#include "host/fax_folders.h"
#include "log_test_support.h"
#include "settings/setting_names.h"
#include "settings/setting_readers.h"
#include "standins/dialog_script.h"

using namespace logtest;
using namespace testsupport;
using standintest::ControlText;
using standintest::DialogScript;
using standintest::PostClick;

namespace {

std::vector<std::pair<UINT, ULONG_PTR>> g_help;
BOOL RecordHelp(HWND, const char*, UINT command, ULONG_PTR data)
{
    g_help.emplace_back(command, data);
    return TRUE;
}

class SendLogPageTest : public LogPagesTest {
protected:
    void SetUp() override
    {
        LogPagesTest::SetUp();
        SetNow(2024, 5, 1, 9, 0, 0);
        g_help.clear();
        CWinApp::SetHelpCall(&RecordHelp);
    }
    void TearDown() override
    {
        CWinApp::SetHelpCall(nullptr);
        LogPagesTest::TearDown();
    }

    CWinApp m_app;
    // The page's jobs: waiting ones due on 10 May 2024, the others from 10 April.
    static LogJob Job(uint32_t id, int kind, const std::string& name, const std::string& fileList = "")
    {
        return At(logtest::Job(id, kind, name, fileList), 2024, kind == FAXLOG_WAITING ? 5 : 4, 10, 14, 30);
    }
    // The one job the engine has after a resubmission, besides those given.
    bool NewestJob(DWORD after, SEND_FAX& record, std::string& userDefined) const
    {
        for (DWORD id = after + 1; id < after + 20; ++id)
            if (EngineJob(id, record, &userDefined))
                return true;
        return false;
    }
    // Has the Schedule dialog for the selected job do `choose`, then press OK.
    void Reschedule(HWND page, std::function<void(HWND)> choose)
    {
        DialogScript script({{IDC_SCHED_TIME, [&](HWND dialog) {
                                  choose(dialog);
                                  PostClick(dialog, IDOK);
                              }}});
        Click(page, IDC_SENDLOG_RESCHEDULE);
    }
};

}  // namespace

TEST_F(SendLogPageTest, HoldingAndReleasingAJobKeepsItsDayAndItsDocument)
{
    const std::string document = Document("A1.fmf");
    ASSERT_TRUE(WriteFileBytes(document, "FF*\0document"));
    WriteJobs({Job(3, FAXLOG_WAITING, "Ann Archer", document)});
    OpenSheet();
    HWND page = SendPage();
    SelectRows(page, {0});

    // Cancel changes nothing.
    auto boxes = ClickAnswering(page, IDC_SENDLOG_HOLD, IDCANCEL);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("Hold the fax(es) to: Ann Archer", boxes[0].text);
    EXPECT_EQ("Hold Faxes", boxes[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), boxes[0].icon);
    SEND_FAX record;
    EXPECT_TRUE(EngineJob(3, record));

    boxes = ClickAnswering(page, IDC_SENDLOG_HOLD, IDOK);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_FALSE(EngineJob(3, record));
    std::string userDefined;
    ASSERT_TRUE(NewestJob(3, record, userDefined));
    const DWORD heldId = record.dwJobID;
    EXPECT_EQ((std::vector<int>{2025, 5, 10, 14, 30}),
              (std::vector<int>{record.nYear, record.nMonth, record.nDay, record.nHour, record.nMinute}));
    EXPECT_EQ("On Hold", userDefined);
    EXPECT_EQ(FAXLOG_WAITING, record.nLogType);
    EXPECT_EQ(0, record.nError);
    EXPECT_TRUE(PathExists(document));

    RunEngine();  // the engine reports the old entry gone and the new one added
    ASSERT_EQ(1u, Rows(page).size());
    EXPECT_EQ(heldId, RowJobId(page, 0));
    EXPECT_EQ("On Hold", Rows(page)[0][0]);
    EXPECT_EQ(LocalDate(2024, 5, 10), Rows(page)[0][1]);

    SelectRows(page, {0});
    boxes = ClickAnswering(page, IDC_SENDLOG_RELEASE, IDOK);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("Release the fax(es) to: Ann Archer", boxes[0].text);
    EXPECT_EQ("Release Faxes", boxes[0].caption);
    EXPECT_FALSE(EngineJob(heldId, record));
    ASSERT_TRUE(NewestJob(heldId, record, userDefined));
    EXPECT_EQ(2024, record.nYear);
    EXPECT_EQ("", userDefined);
    EXPECT_TRUE(PathExists(document));
    RunEngine();
    EXPECT_EQ((std::vector<std::string>{"Pending"}), Column(page, 0));
    EXPECT_EQ(LocalDate(2024, 5, 10), Rows(page)[0][1]);
}

TEST_F(SendLogPageTest, AnEngineRefusalIsShownOnlyWhenNotificationIsOn)
{
    WriteJobs({Job(3, FAXLOG_WAITING, "Ann"), Job(4, FAXLOG_WAITING, "Bob")});
    OpenSheet();
    HWND page = SendPage();
    auto refuseNext = LoadedLibraryCall<void(WINAPI*)()>("VOVADO32.dll", "FaxStandInRefuseNextSchedule");

    refuseNext();
    SelectRows(page, {0});
    auto boxes = ClickAnswering(page, IDC_SENDLOG_HOLD, IDOK);
    EXPECT_EQ(1u, boxes.size());  // the confirmation only
    SEND_FAX record;
    EXPECT_FALSE(EngineJob(3, record));  // the old entry is gone all the same

    g_bNotifyOnCompletion = 1;
    refuseNext();
    SelectRows(page, {1});
    boxes = ClickAnswering(page, IDC_SENDLOG_HOLD, IDOK);
    ASSERT_EQ(2u, boxes.size());
    EXPECT_EQ("Fax Transmission Error.", boxes[1].text);
    EXPECT_EQ("Fax Notification", boxes[1].caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP), boxes[1].icon);
}

TEST_F(SendLogPageTest, DeletingAsksOnceForAllSelectedRowsAndTellsTheHostOfEachDocument)
{
    LogJob held = Job(5, FAXLOG_WAITING, "Held", Document("H5.fmf"));
    held.held = true;
    held.year = 2025;
    for (const char* name : {"S1.fmf", "S1.tif", "F2.fmf", "P3.fmf", "P3.LRS", "H5.fmf"})
        ASSERT_TRUE(WriteFileBytes(Document(name), "x"));
    WriteJobs({Job(1, FAXLOG_SENT, "Sent", Document("S1.fmf")), Job(2, FAXLOG_FAILED, "Failed", Document("F2.fmf")),
               Job(3, FAXLOG_WAITING, "Pending", Document("P3.fmf")), Job(4, FAXLOG_SENT, "Kept"), held});
    OpenSheet();
    HWND page = SendPage();
    ASSERT_EQ((std::vector<std::string>{"Failed", "Sent", "Kept", "Pending", "Held"}), Column(page, 4));

    SelectRows(page, {0, 1, 3, 4});
    auto boxes = ClickAnswering(page, IDC_SENDLOG_DELETE, IDCANCEL);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("Are you sure you want to delete the 4 logs you have selected?", boxes[0].text);
    EXPECT_EQ("Delete Log", boxes[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP), boxes[0].icon);
    EXPECT_EQ(5u, Rows(page).size());
    EXPECT_TRUE(m_requests.empty());

    boxes = ClickAnswering(page, IDC_SENDLOG_DELETE, IDOK);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ((std::vector<std::string>{"Kept"}), Column(page, 4));
    // From the last selected row to the first.
    EXPECT_EQ((std::vector<HostRequest>{{WM_FAXDOC_REMOVED, g_strOutboxDir + "\\H5"},
                                        {WM_FAXDOC_REMOVED, g_strOutboxDir + "\\P3"},
                                        {WM_FAXDOC_REMOVED, g_strSentDir + "\\S1"},
                                        {WM_FAXDOC_REMOVED, g_strOutboxDir + "\\F2"}}),
              m_requests);
    SEND_FAX record;
    EXPECT_FALSE(EngineJob(1, record) || EngineJob(2, record) || EngineJob(3, record));
    EXPECT_FALSE(PathExists(Document("S1.tif")) || PathExists(Document("P3.LRS")));

    SelectRows(page, {0});
    boxes = ClickAnswering(page, IDC_SENDLOG_DELETE, IDCANCEL);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("Are you sure you want to delete the selected log?", boxes[0].text);

    WriteSettingNumber(kConfirmDeletes, 0);
    boxes = ClickAnswering(page, IDC_SENDLOG_DELETE, IDCANCEL);
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(Rows(page).empty());
}

TEST_F(SendLogPageTest, ADoubleClickAsksTheHostToShowTheJobsDocument)
{
    WriteJobs({Job(1, FAXLOG_SENT, "Sent", "C:\\Out\\A1.tif"), Job(2, FAXLOG_WAITING, "Pending", "C:\\Out\\B7.fmf"),
               Job(3, FAXLOG_FAILED, "Nothing")});
    OpenSheet();
    HWND page = SendPage();
    ASSERT_EQ((std::vector<std::string>{"Nothing", "Sent", "Pending"}), Column(page, 4));

    EXPECT_TRUE(DoubleClickAnswering(page, 1, IDOK).empty());
    EXPECT_TRUE(DoubleClickAnswering(page, 2, IDOK).empty());
    EXPECT_TRUE(DoubleClickAnswering(page, 0, IDOK).empty());
    EXPECT_EQ((std::vector<HostRequest>{{WM_FAXDOC_VIEW, g_strSentDir + "\\A1.qoi"},
                                        {WM_FAXDOC_VIEW, g_strOutboxDir + "\\B7.qoi"}}),
              m_requests);

    // A job being sent is not shown; a job the engine lost is reported.
    ReportSendEntry(2, FAXLOG_SENDING, "Busy", "C:\\Out\\C3.fmf");
    EXPECT_TRUE(DoubleClickAnswering(page, 2, IDOK).empty());
    FaxLogDelete(m_engine, 1, FAXLOG_SENT);
    auto boxes = DoubleClickAnswering(page, 1, IDOK);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("Could not locate specified log file.", boxes[0].text);
    EXPECT_EQ(2u, m_requests.size());
}

TEST_F(SendLogPageTest, ReschedulingOffersTheJobsDayAndHandsTheChoiceToTheEngine)
{
    LogJob pending = Job(3, FAXLOG_WAITING, "Ann Archer");
    pending.fax = "555 0303";
    WriteJobs({pending});
    OpenSheet();
    HWND page = SendPage();
    SelectRows(page, {0});
    // The dialog shows the date in the user's order with its own picture.
    auto OffersDay2024 = [](const std::string& date) {
        return date.find("2024") != std::string::npos && date.find("10") != std::string::npos &&
               date.find("2025") == std::string::npos;
    };

    // Cancelled: the job stays as it was.
    {
        DialogScript script({{IDC_SCHED_TIME, [&](HWND dialog) {
                                  EXPECT_EQ("Ann Archer", ControlText(dialog, IDC_SCHED_NAME));
                                  EXPECT_EQ("555 0303", ControlText(dialog, IDC_SCHED_FAX));
                                  EXPECT_TRUE(OffersDay2024(ControlText(dialog, IDC_SCHED_DATE)));
                                  PostClick(dialog, IDCANCEL);
                              }}});
        Click(page, IDC_SENDLOG_RESCHEDULE);
        ASSERT_EQ(1u, script.Done());
    }
    SEND_FAX record;
    ASSERT_TRUE(EngineJob(3, record));

    // Hold: a year ahead with the marker; the held job is offered at its own day again.
    Reschedule(page, [](HWND dialog) { SendMessageA(GetDlgItem(dialog, IDC_SCHED_HOLD), BM_CLICK, 0, 0); });
    std::string userDefined;
    ASSERT_TRUE(NewestJob(3, record, userDefined));
    const DWORD heldId = record.dwJobID;
    EXPECT_EQ(2025, record.nYear);
    EXPECT_EQ("On Hold", userDefined);
    RunEngine();
    SelectRows(page, {0});
    Reschedule(page, [&](HWND dialog) {
        EXPECT_TRUE(OffersDay2024(ControlText(dialog, IDC_SCHED_DATE)));
        SendMessageA(GetDlgItem(dialog, IDC_SCHED_HOLD), BM_CLICK, 0, 0);
    });
    ASSERT_TRUE(NewestJob(heldId, record, userDefined));
    const DWORD heldAgainId = record.dwJobID;
    EXPECT_EQ(2025, record.nYear);  // holding a held job keeps its year
    EXPECT_EQ("On Hold", userDefined);

    // Send Now: the marker goes and the job starts at once.
    RunEngine();
    SelectRows(page, {0});
    Reschedule(page, [](HWND dialog) { SendMessageA(GetDlgItem(dialog, IDC_SCHED_SENDNOW), BM_CLICK, 0, 0); });
    ASSERT_TRUE(NewestJob(heldAgainId, record, userDefined));
    EXPECT_EQ("<null>", userDefined);
    EXPECT_EQ((std::vector<int>{2024, 5, 1, 9, 0}),
              (std::vector<int>{record.nYear, record.nMonth, record.nDay, record.nHour, record.nMinute}));
}

TEST_F(SendLogPageTest, AJobThatStartedWhileTheUserChoseIsLeftAlone)
{
    LogJob due = Job(3, FAXLOG_WAITING, "Ann");
    due.year = 2024, due.month = 5, due.day = 1, due.hour = 8;
    due.cover = "cover";
    WriteJobs({due});
    OpenSheet();
    HWND page = SendPage();
    SelectRows(page, {0});
    const DWORD deletesBefore = CallCount("FaxLogDelete");
    const DWORD schedulesBefore = CallCount("FaxSchedule");
    {
        DialogScript script({{IDC_SCHED_TIME, [&](HWND dialog) {
                                  StepEngine();  // the engine starts sending it meanwhile
                                  PostClick(dialog, IDOK);
                              }}});
        Click(page, IDC_SENDLOG_RESCHEDULE);
        EXPECT_EQ(1u, script.Done());
    }
    EXPECT_EQ(deletesBefore, CallCount("FaxLogDelete"));
    EXPECT_EQ(schedulesBefore, CallCount("FaxSchedule"));
    SEND_FAX record;
    ASSERT_TRUE(EngineJob(3, record));
    EXPECT_EQ(FAXLOG_SENDING, record.nLogType);
}

TEST_F(SendLogPageTest, ResendingRestoresTheFullResolutionDocumentAndOffersTheRecipient)
{
    ASSERT_TRUE(WriteFileBytes(Document("A1.fmf"), "FF*\0engine form"));
    ASSERT_TRUE(WriteFileBytes(Document("A1.tif"), "low resolution"));
    ASSERT_TRUE(WriteFileBytes(Document("A1.LRS"), "full resolution"));
    WriteJobs({Job(1, FAXLOG_SENT, "Ann Archer", Document("A1.fmf"))});
    OpenSheet();
    HWND page = SendPage();
    SelectRows(page, {0});
    std::vector<std::string> names;
    {
        DialogScript script({{IDC_SENDFAX_SENDLIST, [&](HWND dialog) {
                                  EXPECT_EQ("full resolution", ReadFileBytes(Document("A1.tif")));
                                  EXPECT_FALSE(PathExists(Document("A1.LRS")));
                                  EXPECT_FALSE(IsWindowEnabled(m_sheet->m_hWnd));  // modal over the whole sheet
                                  for (int row = 0; row < standintest::ListRowCount(dialog, IDC_SENDFAX_SENDLIST); ++row)
                                      names.push_back(standintest::ListCell(dialog, IDC_SENDFAX_SENDLIST, row, 0));
                                  PostClick(dialog, IDCANCEL);
                              }}});
        Click(page, IDC_SENDLOG_RESEND);
        ASSERT_EQ(1u, script.Done());
    }
    EXPECT_TRUE(IsWindowEnabled(m_sheet->m_hWnd));
    EXPECT_NE(std::find(names.begin(), names.end(), "Ann Archer"), names.end());
    SEND_FAX record;
    EXPECT_TRUE(EngineJob(1, record));  // cancelled: the log keeps the job
}

TEST_F(SendLogPageTest, AFullResolutionDocumentThatCannotBeRestoredIsKeptAndTheUserTold)
{
    ASSERT_TRUE(WriteFileBytes(Document("A1.fmf"), "FF*\0engine form"));
    ASSERT_TRUE(WriteFileBytes(Document("A1.LRS"), "full resolution"));
    // A folder where the working file would go: no copy can reach it (a read-only file
    // does not stop the copy here, where the tests run with every right).
    ASSERT_TRUE(CreateDirectoryA(Document("A1.tif").c_str(), nullptr));
    WriteJobs({Job(1, FAXLOG_SENT, "Ann Archer", Document("A1.fmf"))});
    OpenSheet();
    HWND page = SendPage();
    SelectRows(page, {0});
    std::vector<AnsweredBox> boxes;
    {
        BoxAnswerer answerer(IDOK);
        DialogScript script({{IDC_SENDFAX_SENDLIST, [&](HWND dialog) { PostClick(dialog, IDCANCEL); }}});
        Click(page, IDC_SENDLOG_RESEND);
        EXPECT_EQ(1u, script.Done());
        boxes = answerer.Boxes();
    }
    RemoveDirectoryA(Document("A1.tif").c_str());
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("Cannot write to fax file " + Document("A1.tif") + ".", boxes[0].text);
    EXPECT_EQ("full resolution", ReadFileBytes(Document("A1.LRS")));
}

TEST_F(SendLogPageTest, EachPageOpensItsOwnHelp)
{
    OpenSheet();
    RecvPage();
    m_sheet->PressButton(PSBTN_HELP);
    SendPage();
    m_sheet->PressButton(PSBTN_HELP);
    EXPECT_EQ((std::vector<std::pair<UINT, ULONG_PTR>>{{HELP_CONTEXT, 681}, {HELP_CONTEXT, 680}}), g_help);
}
