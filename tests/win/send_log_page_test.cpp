// The send log page driven by its buttons and its list: which actions each selection
// allows, holding and releasing a job through the engine, deleting with and without
// confirmation, asking the host to show a document, and its help.
#include <algorithm>
#include <string>
#include <vector>

#include "framework/win_app.h"
#include "host/fax_app.h"
#include "host/fax_folders.h"
#include "log_test_support.h"
#include "send/locale_date_time.h"
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
        ComputeFaxFolderPaths();
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
    static LogJob Job(uint32_t id, int kind, const std::string& name)
    {
        LogJob job;
        job.id = id;
        job.kind = kind;
        job.state = kind == FAXLOG_WAITING ? 1 : 3;
        job.error = kind == FAXLOG_FAILED ? 1 : 0;
        job.name = name;
        job.year = 2024, job.month = kind == FAXLOG_WAITING ? 5 : 4, job.day = 10;
        job.hour = 14, job.minute = 30, job.second = 0;
        return job;
    }
    // The buttons Resend, Reschedule, Hold, Release, Delete: 1 enabled, 0 not.
    std::string Buttons(HWND page) const
    {
        std::string state;
        for (int id : {IDC_SENDLOG_RESEND, IDC_SENDLOG_RESCHEDULE, IDC_SENDLOG_HOLD, IDC_SENDLOG_RELEASE,
                       IDC_SENDLOG_DELETE})
            state += IsEnabled(page, id) ? '1' : '0';
        return state;
    }
    // The one job the engine has after a resubmission, besides those given.
    bool NewestJob(DWORD after, SEND_FAX& record, std::string& userDefined) const
    {
        for (DWORD id = after + 1; id < after + 20; ++id)
            if (EngineJob(id, record, &userDefined))
                return true;
        return false;
    }
    static std::string LocalDate(int year, int month, int day)
    {
        SYSTEMTIME date = {};
        date.wYear = static_cast<WORD>(year);
        date.wMonth = static_cast<WORD>(month);
        date.wDay = static_cast<WORD>(day);
        char text[80] = {};
        FormatLocalDate(&date, nullptr, text, sizeof text);
        return text;
    }
};

}  // namespace

TEST_F(SendLogPageTest, TheButtonsFollowTheSelectedRowsAndTheirStatus)
{
    LogJob held = Job(4, FAXLOG_WAITING, "Held");
    held.held = true;
    held.year = 2025;
    WriteJobs({Job(1, FAXLOG_FAILED, "Failed"), Job(2, FAXLOG_SENT, "Sent"), Job(3, FAXLOG_WAITING, "Pending"), held});
    OpenSheet();
    HWND page = SendPage();
    ASSERT_EQ((std::vector<std::string>{"Error", "Complete", "Pending", "On Hold"}), Column(page, 0));
    EXPECT_EQ("00000", Buttons(page));
    SelectRows(page, {0});
    EXPECT_EQ("10001", Buttons(page));
    SelectRows(page, {1});
    EXPECT_EQ("10001", Buttons(page));
    SelectRows(page, {2});
    EXPECT_EQ("01101", Buttons(page));
    SelectRows(page, {3});
    EXPECT_EQ("01011", Buttons(page));
    SelectRows(page, {2, 3});
    EXPECT_EQ("00001", Buttons(page));
    SelectRows(page, {});
    EXPECT_EQ("00000", Buttons(page));

    // A row that is being sent allows only Delete.
    char name[] = "Busy";
    SEND_FAX sending = {};
    sending.dwJobID = 9;
    sending.nLogType = FAXLOG_SENDING;
    sending.szDestName = name;
    g_pSendLogPage->OnLogChanged(&sending, FAXLOG_CHANGE_UPDATED);
    SelectRows(page, {4});
    EXPECT_EQ("00001", Buttons(page));
}

TEST_F(SendLogPageTest, HoldingAndReleasingAJobKeepsItsDayAndItsDocument)
{
    const std::string document = Document("A1.fmf");
    ASSERT_TRUE(WriteFileBytes(document, "FF*\0document"));
    LogJob pending = Job(3, FAXLOG_WAITING, "Ann Archer");
    pending.fileList = document;
    WriteJobs({pending});
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
    EXPECT_EQ(2025, record.nYear);
    EXPECT_EQ(5, record.nMonth);
    EXPECT_EQ(10, record.nDay);
    EXPECT_EQ(14, record.nHour);
    EXPECT_EQ(30, record.nMinute);
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
    LogJob sent = Job(1, FAXLOG_SENT, "Sent");
    sent.fileList = Document("S1.fmf");
    LogJob failed = Job(2, FAXLOG_FAILED, "Failed");
    failed.fileList = Document("F2.fmf");
    LogJob pending = Job(3, FAXLOG_WAITING, "Pending");
    pending.fileList = Document("P3.fmf");
    LogJob held = Job(5, FAXLOG_WAITING, "Held");
    held.held = true;
    held.year = 2025;
    held.fileList = Document("H5.fmf");
    for (const char* name : {"S1.fmf", "S1.tif", "F2.fmf", "P3.fmf", "P3.LRS", "H5.fmf"})
        ASSERT_TRUE(WriteFileBytes(Document(name), "x"));
    WriteJobs({sent, failed, pending, Job(4, FAXLOG_SENT, "Kept"), held});
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

TEST_F(SendLogPageTest, AJobTheEngineNoLongerHasStopsTheDeletionThere)
{
    WriteJobs({Job(1, FAXLOG_SENT, "One"), Job(2, FAXLOG_SENT, "Two"), Job(3, FAXLOG_SENT, "Three")});
    OpenSheet();
    HWND page = SendPage();
    // Gone from the engine without a report reaching the page.
    FaxLogDelete(m_engine, 2, FAXLOG_SENT);
    WriteSettingNumber(kConfirmDeletes, 0);
    SelectRows(page, {0, 1, 2});
    auto boxes = ClickAnswering(page, IDC_SENDLOG_DELETE, IDOK);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("Could not locate specified log file.", boxes[0].text);
    EXPECT_EQ((std::vector<std::string>{"One", "Two"}), Column(page, 4));
    SEND_FAX record;
    EXPECT_TRUE(EngineJob(1, record));
}

TEST_F(SendLogPageTest, ADoubleClickAsksTheHostToShowTheJobsDocument)
{
    LogJob sent = Job(1, FAXLOG_SENT, "Sent");
    sent.fileList = "C:\\Out\\A1.tif";
    LogJob pending = Job(2, FAXLOG_WAITING, "Pending");
    pending.fileList = "C:\\Out\\B7.fmf";
    LogJob noDocument = Job(3, FAXLOG_FAILED, "Nothing");
    WriteJobs({sent, pending, noDocument});
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
    char name[] = "Busy", file[] = "C:\\Out\\C3.fmf";
    SEND_FAX sending = {};
    sending.dwJobID = 2;
    sending.nLogType = FAXLOG_SENDING;
    sending.szDestName = name;
    sending.szFileList = file;
    g_pSendLogPage->OnLogChanged(&sending, FAXLOG_CHANGE_UPDATED);
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
    std::string name, fax, date;
    {
        DialogScript script({{IDC_SCHED_TIME, [&](HWND dialog) {
                                  name = ControlText(dialog, IDC_SCHED_NAME);
                                  fax = ControlText(dialog, IDC_SCHED_FAX);
                                  date = ControlText(dialog, IDC_SCHED_DATE);
                                  PostClick(dialog, IDCANCEL);
                              }}});
        Click(page, IDC_SENDLOG_RESCHEDULE);
        EXPECT_EQ(1u, script.Done());
    }
    EXPECT_EQ("Ann Archer", name);
    EXPECT_EQ("555 0303", fax);
    EXPECT_TRUE(OffersDay2024(date)) << date;
    SEND_FAX record;
    ASSERT_TRUE(EngineJob(3, record));

    // Hold: a year ahead with the marker; the held job is offered at its own day again.
    {
        DialogScript script({{IDC_SCHED_TIME, [](HWND dialog) {
                                  SendMessageA(GetDlgItem(dialog, IDC_SCHED_HOLD), BM_CLICK, 0, 0);
                                  PostClick(dialog, IDOK);
                              }}});
        Click(page, IDC_SENDLOG_RESCHEDULE);
    }
    std::string userDefined;
    ASSERT_TRUE(NewestJob(3, record, userDefined));
    const DWORD heldId = record.dwJobID;
    EXPECT_EQ(2025, record.nYear);
    EXPECT_EQ("On Hold", userDefined);
    RunEngine();
    SelectRows(page, {0});
    {
        DialogScript script({{IDC_SCHED_TIME, [&](HWND dialog) {
                                  date = ControlText(dialog, IDC_SCHED_DATE);
                                  SendMessageA(GetDlgItem(dialog, IDC_SCHED_HOLD), BM_CLICK, 0, 0);
                                  PostClick(dialog, IDOK);
                              }}});
        Click(page, IDC_SENDLOG_RESCHEDULE);
    }
    EXPECT_TRUE(OffersDay2024(date)) << date;
    ASSERT_TRUE(NewestJob(heldId, record, userDefined));
    const DWORD heldAgainId = record.dwJobID;
    EXPECT_EQ(2025, record.nYear);  // holding a held job keeps its year
    EXPECT_EQ("On Hold", userDefined);

    // Send Now: the marker goes and the job starts at once.
    RunEngine();
    SelectRows(page, {0});
    {
        DialogScript script({{IDC_SCHED_TIME, [](HWND dialog) {
                                  SendMessageA(GetDlgItem(dialog, IDC_SCHED_SENDNOW), BM_CLICK, 0, 0);
                                  PostClick(dialog, IDOK);
                              }}});
        Click(page, IDC_SENDLOG_RESCHEDULE);
    }
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
    LogJob sent = Job(1, FAXLOG_SENT, "Ann Archer");
    sent.fileList = Document("A1.fmf");
    WriteJobs({sent});
    OpenSheet();
    HWND page = SendPage();
    SelectRows(page, {0});
    std::string tifWhileOpen;
    bool lrsWhileOpen = true;
    bool sheetEnabledWhileOpen = true;
    std::vector<std::string> names;
    {
        DialogScript script({{IDC_SENDFAX_SENDLIST, [&](HWND dialog) {
                                  tifWhileOpen = ReadFileBytes(Document("A1.tif"));
                                  lrsWhileOpen = PathExists(Document("A1.LRS"));
                                  sheetEnabledWhileOpen = IsWindowEnabled(m_sheet->m_hWnd) != FALSE;
                                  for (int row = 0; row < standintest::ListRowCount(dialog, IDC_SENDFAX_SENDLIST); ++row)
                                      names.push_back(standintest::ListCell(dialog, IDC_SENDFAX_SENDLIST, row, 0));
                                  PostClick(dialog, IDCANCEL);
                              }}});
        Click(page, IDC_SENDLOG_RESEND);
        EXPECT_EQ(1u, script.Done());
    }
    EXPECT_EQ("full resolution", tifWhileOpen);
    EXPECT_FALSE(lrsWhileOpen);
    EXPECT_FALSE(sheetEnabledWhileOpen);  // the dialog is modal over the whole sheet
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
    LogJob sent = Job(1, FAXLOG_SENT, "Ann Archer");
    sent.fileList = Document("A1.fmf");
    WriteJobs({sent});
    OpenSheet();
    HWND page = SendPage();
    SelectRows(page, {0});
    std::string message;
    {
        DialogScript script({{0xFFFF, [&](HWND box) {
                                  message = MessageBoxText(box);
                                  PostClick(box, IDOK);
                              }},
                             {IDC_SENDFAX_SENDLIST, [&](HWND dialog) { PostClick(dialog, IDCANCEL); }}});
        Click(page, IDC_SENDLOG_RESEND);
        EXPECT_EQ(2u, script.Done());
    }
    RemoveDirectoryA(Document("A1.tif").c_str());
    EXPECT_EQ("Cannot write to fax file " + Document("A1.tif") + ".", message);
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
