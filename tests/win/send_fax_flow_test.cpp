// What the Send Fax dialog does beyond its lists: the schedule, adding a recipient to the
// phonebook, the options, help and cover preview, taking over a logged job to resend or
// forward it, and sending: from the dialog and through the module's entry point.
#include <windows.h>
#include <commctrl.h>

#include "RWFaxDlg.h"
#include "framework/wnd.h"
#include "host/send_fax_entry.h"
#include "locale_support.h"
#include "res/resource.h"
#include "send/locale_date_time.h"
#include "send/locale_picture.h"
#include "send/schedule_dialog.h"
#include "send_fax_fixture.h"
#include "standins/dialog_script.h"
#include "standins/phonebook/phonebook_resource.h"
#include "tiff_test_files.h"

using namespace sendfaxtest;
using namespace testsupport;
using standintest::ControlText;
using standintest::DialogScript;
using standintest::PostClick;
using standintest::SetControlText;

namespace {
constexpr int kMessageBoxText = 0xFFFF;

class SendFaxFlowTest : public SendFaxTest {};

bool ScriptDone(const DialogScript& script) { return script.Done() == script.Size(); }

// A logged job with its texts in owned buffers.
struct LoggedJob {
    std::string name = "Ann Archer", company = "Archer & Sons", fax = "555 0101", cover = "C:\\FAXCOV~1\\general.pg",
                comments = "Call me", subject = "Figures", file;
    SEND_FAX record = {};

    SEND_FAX* Record()
    {
        record.szDestName = &name[0];
        record.szToCompany = &company[0];
        record.szDestFax = &fax[0];
        record.szCover = &cover[0];
        record.szComments = &comments[0];
        record.szSubject = &subject[0];
        record.szFileList = file.empty() ? nullptr : &file[0];
        record.nYear = 2025;
        record.nMonth = 3;
        record.nDay = 7;
        record.nHour = 14;
        record.nMinute = 30;
        record.nSecond = 5;
        return &record;
    }
};
}  // namespace

TEST_F(SendFaxFlowTest, ScheduleShowsTheRecipientsAndTakesBackTheChoiceOnlyAfterOk)
{
    CDSendFax& dialog = Open();
    Click(IDC_SENDFAX_ADDALL);
    TypeIntoCell(2, 2, "");  // Bob without a number is left out of the schedule
    Click(IDC_SENDFAX_COVERPAGE);
    SetDlgItemTextA(Dialog(), IDC_SENDFAX_SUBJECT, "Figures");

    bool scheduleButtonShut = false;
    DialogScript cancel({{IDC_SCHED_TIME, [&](HWND schedule) {
                              scheduleButtonShut = !Enabled(IDC_SENDFAX_SCHEDULE);
                              EXPECT_EQ("Ann Archer, Cleo Cole", ControlText(schedule, IDC_SCHED_NAME));
                              EXPECT_EQ("555 0101, 555 0303", ControlText(schedule, IDC_SCHED_FAX));
                              EXPECT_EQ("Figures", ControlText(schedule, IDC_SCHED_SUBJECT));
                              EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(schedule, IDC_SCHED_OFFPEAK));
                              SendMessageA(GetDlgItem(schedule, IDC_SCHED_HOLD), BM_CLICK, 0, 0);
                              PostClick(schedule, IDCANCEL);
                          }}});
    Click(IDC_SENDFAX_SCHEDULE);
    EXPECT_TRUE(ScriptDone(cancel));
    EXPECT_TRUE(scheduleButtonShut);
    EXPECT_TRUE(Enabled(IDC_SENDFAX_SCHEDULE));
    EXPECT_EQ(SCHEDULE_OFF_PEAK, dialog.m_nSchedule);

    // Texts in the user's regional format, whatever it is; the dialog's stored moment is shown.
    SYSTEMTIME stored = MakeTime(2029, 1, 2, 3, 4, 5), chosen = MakeTime(2030, 12, 24, 21, 5, 0);
    char storedDate[80] = {}, chosenDate[80] = {}, chosenTime[80] = {};
    std::string shownDate;
    DialogScript later({{IDC_SCHED_TIME, [&](HWND schedule) {
                             FormatLocalDate(&stored, DatePictureForOrder(g_nDateOrder), storedDate, 80);
                             FormatLocalDate(&chosen, DatePictureForOrder(g_nDateOrder), chosenDate, 80);
                             FormatLocalTime(&chosen, chosenTime, 80);
                             shownDate = ControlText(schedule, IDC_SCHED_DATE);
                             SendMessageA(GetDlgItem(schedule, IDC_SCHED_SENDLATER), BM_CLICK, 0, 0);
                             SetControlText(schedule, IDC_SCHED_TIME, chosenTime);
                             SetControlText(schedule, IDC_SCHED_DATE, chosenDate);
                             PostClick(schedule, IDOK);
                         }}});
    dialog.m_stOpened = stored;
    Click(IDC_SENDFAX_SCHEDULE);
    EXPECT_TRUE(ScriptDone(later));
    EXPECT_EQ(storedDate, shownDate);
    EXPECT_EQ(SCHEDULE_SEND_LATER, dialog.m_nSchedule);
    EXPECT_EQ(chosenDate, dialog.m_strSchedDate);
    EXPECT_EQ(chosenTime, dialog.m_strSchedTime);
    EXPECT_EQ(2030, dialog.m_stOpened.wYear);
    EXPECT_EQ(21, dialog.m_stOpened.wHour);
}

TEST_F(SendFaxFlowTest, ScheduleWithoutAnyFaxNumberSaysSoAndOpensNothing)
{
    Open();
    SelectRows(IDC_SENDFAX_PHONEBOOK, {0});
    Click(IDC_SENDFAX_ADD);
    TypeIntoCell(1, 2, "");
    ASSERT_TRUE(Enabled(IDC_SENDFAX_SCHEDULE));  // two rows, neither with a number

    std::string text, caption;
    DialogScript script({{kMessageBoxText, [&](HWND box) {
                              text = MessageBoxText(box);
                              caption = WindowText(box);
                              PostClick(box, IDOK);
                          }}});
    Click(IDC_SENDFAX_SCHEDULE);
    EXPECT_TRUE(ScriptDone(script));
    EXPECT_EQ("There are no faxes to schedule", text);
    EXPECT_EQ("", caption);
}

TEST_F(SendFaxFlowTest, AddToPhonebookOpensTheLibrarysEditorFilledFromTheRowAndListsTheNewEntry)
{
    Open();
    TypeIntoCell(0, 0, "Dana Duke Smith");
    TypeIntoCell(0, 1, "Duke Co");
    TypeIntoCell(0, 2, "555 0606");
    SelectRows(IDC_SENDFAX_SENDLIST, {1});
    SelectRows(IDC_SENDFAX_PHONEBOOK, {0});
    ASSERT_TRUE(Enabled(IDC_SENDFAX_ADD));

    std::string shown;
    DialogScript script({{IDC_PB_FIRST_NAME, [&](HWND editor) {
                              for (int id : {IDC_PB_FIRST_NAME, IDC_PB_LAST_NAME, IDC_PB_COMPANY, IDC_PB_FAX})
                                  shown += ControlText(editor, id) + "|";
                              PostClick(editor, IDOK);
                          }}});
    Click(IDC_SENDFAX_ADDTOBOOK);
    EXPECT_TRUE(ScriptDone(script));
    EXPECT_EQ("Dana|Duke Smith|Duke Co|555 0606|", shown);

    EXPECT_EQ((std::vector<std::string>{"Ann Archer", "Bob Baker", "Cleo Cole", "Dana Duke Smith"}), EntryNames());
    EXPECT_FALSE(Enabled(IDC_SENDFAX_ADD));  // the list was filled again, nothing is selected in it
    PHONEBOOK_ID customers = {};
    ASSERT_TRUE(PhoneBookStore::FindBook("Customers", &customers));
    std::vector<BookEntryText> entries = PhoneBookStore::Entries(customers);
    ASSERT_EQ(4u, entries.size());
    EXPECT_EQ("Duke Smith", entries[3].lastName);
    EXPECT_EQ("555 0606", entries[3].fax);
}

TEST_F(SendFaxFlowTest, OptionsHelpAndPreviewReachTheirDialogHelpFileAndHost)
{
    Open();
    std::string caption;
    HWND owner = nullptr;
    BOOL sendFaxEnabled = TRUE;
    DialogScript options({{IDC_OPTIONS_KEEPPAGES, [&](HWND window) {
                               caption = WindowText(window);
                               owner = GetWindow(window, GW_OWNER);
                               sendFaxEnabled = IsWindowEnabled(Dialog());
                               PostClick(window, IDCANCEL);
                           }}});
    Click(IDC_SENDFAX_OPTIONS);
    EXPECT_TRUE(ScriptDone(options));
    EXPECT_EQ("Fax Send Options", caption);
    // Opened without a parent, the box is modal over the Send Fax dialog all the same.
    EXPECT_EQ(Dialog(), owner);
    EXPECT_FALSE(sendFaxEnabled);
    EXPECT_TRUE(Enabled(IDC_SENDFAX_OPTIONS) && IsWindowEnabled(Dialog()));

    Click(IDC_HELPBUTTON);
    ASSERT_EQ(1u, m_help.size());
    EXPECT_EQ(static_cast<UINT>(HELP_CONTEXT), m_help[0].first);
    EXPECT_EQ(677u, m_help[0].second);

    Click(IDC_SENDFAX_COVERPAGE);
    ChooseComboLine(IDC_SENDFAX_COVERLIST, 2);
    Click(IDC_SENDFAX_PREVIEW);
    ChooseComboLine(IDC_SENDFAX_COVERLIST, 3);
    Click(IDC_SENDFAX_PREVIEW);
    EXPECT_EQ((std::vector<std::string>{"9 Urgent.Qoi", "9 Check This Out.Qoi"}), m_previews);
}

TEST_F(SendFaxFlowTest, ResendTakesOverTheRecipientCoverTextsStartAndMakesTheEnginesDocument)
{
    LoggedJob job;
    job.file = m_files.File("R00000017.tif");
    ASSERT_TRUE(WriteFileBytes(job.file, testfiles::MakeTiff(1)));
    CDSendFax& dialog = Open(SENDFAX_OPEN_RESEND, job.Record());

    EXPECT_EQ((std::vector<Row>{{kTypeHere, "", ""}, {"Ann Archer", "Archer & Sons", "555 0101"}}), Rows());
    EXPECT_TRUE(Enabled(IDOK));
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(Dialog(), IDC_SENDFAX_COVERPAGE));
    EXPECT_EQ("Figures", Text(IDC_SENDFAX_SUBJECT));
    EXPECT_EQ("Call me", Text(IDC_SENDFAX_NOTES));
    // The job's start, month first.
    EXPECT_EQ("03/07/2025", dialog.m_strSchedDate);
    EXPECT_EQ("14:30:05", dialog.m_strSchedTime);
    EXPECT_EQ(7, dialog.m_stOpened.wDay);
    EXPECT_EQ(0, dialog.m_stOpened.wMilliseconds);
    EXPECT_EQ(std::string("FF*\0", 4), ReadFileBytes(m_files.File("R00000017.fmf")).substr(0, 4));

    // Forward adds no recipient; a job without cover leaves the cover off.
    job.cover = "";
    Open(SENDFAX_OPEN_FORWARD, job.Record());
    EXPECT_EQ((std::vector<Row>{{kTypeHere, "", ""}}), Rows());
    EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(Dialog(), IDC_SENDFAX_COVERPAGE));
    EXPECT_EQ("", Text(IDC_SENDFAX_NOTES));
    EXPECT_FALSE(Enabled(IDC_SENDFAX_NOTES));
}

TEST_F(SendFaxFlowTest, ALoggedJobWithoutDocumentOrTextsStillOpens)
{
    LoggedJob job;
    job.file = m_files.File("missing.tif");
    std::string message;
    DialogScript script({{kMessageBoxText, [&](HWND box) {
                              message = MessageBoxText(box);
                              PostClick(box, IDOK);
                          }}});
    Open(SENDFAX_OPEN_RESEND, job.Record());
    EXPECT_TRUE(ScriptDone(script));
    EXPECT_EQ("Cannot open fax file " + job.file + ".", message);
    EXPECT_EQ(2u, Rows().size());

    // A document already in the engine's form is used as it is, without a word.
    LoggedJob sent;
    sent.file = m_document;
    std::string before = ReadFileBytes(m_document);
    Open(SENDFAX_OPEN_RESEND, sent.Record());
    EXPECT_EQ(before, ReadFileBytes(m_document));

    SEND_FAX empty = {};
    Open(SENDFAX_OPEN_RESEND, &empty);
    EXPECT_EQ((std::vector<Row>{{kTypeHere, "", ""}}), Rows());
    EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(Dialog(), IDC_SENDFAX_COVERPAGE));
    Open(SENDFAX_OPEN_RESEND, nullptr);
    EXPECT_EQ(1u, Rows().size());
}

TEST_F(SendFaxFlowTest, SendHandsOneJobPerRecipientToTheEngineAndCloses)
{
    Open();
    Click(IDC_SENDFAX_ADDALL);
    Click(IDC_SENDFAX_COVERPAGE);
    ChooseComboLine(IDC_SENDFAX_COVERLIST, 1);
    SetDlgItemTextA(Dialog(), IDC_SENDFAX_SUBJECT, "Figures");
    SetDlgItemTextA(Dialog(), IDC_SENDFAX_NOTES, "See page 2");
    Click(IDOK);

    EXPECT_FALSE(IsWindowVisible(Dialog()));
    std::vector<EngineJob> jobs = m_engine.Jobs();
    ASSERT_EQ(3u, jobs.size());
    EXPECT_EQ("Ann Archer", jobs[0].destName);
    EXPECT_EQ("555 0100", jobs[0].destPhone);  // found in the selected book
    EXPECT_EQ("Archer & Sons", jobs[0].toCompany);
    EXPECT_EQ("555 0303", jobs[2].destFax);
    for (const EngineJob& job : jobs) {
        EXPECT_EQ("Figures", job.subject);
        EXPECT_EQ("See page 2", job.comments);
        EXPECT_NE(std::string::npos, job.cover.find("asap.pg")) << job.cover;
    }
}

TEST_F(SendFaxFlowTest, ADocumentThatCannotBeReachedIsNamedToTheUserAndEveryJobStillGoes)
{
    // A path longer than MAX_PATH, and a document in an outbox folder that is gone.
    for (const std::string& stem : {m_files.File(std::string(MAX_PATH, 'd')), m_files.File("Gone\\Outbox\\abc123")}) {
        m_engine.Clear();
        m_document = stem + ".fmf";
        Open();
        Click(IDC_SENDFAX_ADDALL);
        std::vector<std::string> texts;
        auto answer = [&](HWND box) {
            texts.push_back(MessageBoxText(box));
            PostClick(box, IDOK);
        };
        DialogScript script({{kMessageBoxText, answer}, {kMessageBoxText, answer}, {kMessageBoxText, answer}});
        Click(IDOK);
        EXPECT_TRUE(ScriptDone(script));
        // One complaint per recipient, naming the whole path, and no job is dropped.
        EXPECT_EQ(std::vector<std::string>(3, "Cannot open fax file " + stem + ".tif."), texts);
        EXPECT_EQ(3u, m_engine.Jobs().size());
    }
}

TEST_F(SendFaxFlowTest, TheEntryPointRunsTheDialogOverTheForegroundWindowAndLeavesThatWindowAsItWas)
{
    HWND front = CreateWindowA("STATIC", "Front", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200, nullptr,
                               nullptr, nullptr, nullptr);
    SetForegroundWindow(front);
    ASSERT_EQ(front, GetForegroundWindow());
    HWND owner = nullptr;
    bool frontDisabled = false;
    DialogScript script({{IDC_SENDFAX_SENDLIST, [&](HWND dialog) {
                              owner = GetWindow(dialog, GW_OWNER);
                              frontDisabled = !IsWindowEnabled(front);
                              SendMessageA(GetDlgItem(dialog, IDC_SENDFAX_ADDALL), BM_CLICK, 0, 0);
                              PostClick(dialog, IDOK);
                          }}});
    EXPECT_EQ(IDOK, RunSendFaxDialog(&m_host, m_engine.Handle(), m_document.c_str()));
    EXPECT_TRUE(ScriptDone(script));
    EXPECT_EQ(front, owner);
    EXPECT_TRUE(frontDisabled);  // as under any modal dialog
    EXPECT_TRUE(IsWindowEnabled(front));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(front));
    EXPECT_EQ("Front", WindowText(front));
    EXPECT_EQ(3u, m_engine.Jobs().size());
    DestroyWindow(front);
}

TEST_F(SendFaxFlowTest, TheModulesExportReturnsTwoWhenTheUserCancels)
{
    HMODULE module = LoadLibraryA("RWFaxDlg.dll");
    ASSERT_NE(nullptr, module);
    auto onSendFax = reinterpret_cast<PFN_FaxDLL_OnSendFax>(
        reinterpret_cast<void*>(GetProcAddress(module, FAXDLL_EXPORT_NAME(FaxDLL_OnSendFax, 12))));
    ASSERT_NE(nullptr, onSendFax);
    std::string caption;
    int rows = 0;
    DialogScript script({{IDC_SENDFAX_SENDLIST, [&](HWND dialog) {
                              caption = WindowText(dialog);
                              rows = standintest::ListRowCount(dialog, IDC_SENDFAX_SENDLIST);
                              PostClick(dialog, IDCANCEL);
                          }}});
    EXPECT_EQ(IDCANCEL, onSendFax(&m_host, m_engine.Handle(), m_document.c_str()));
    EXPECT_TRUE(ScriptDone(script));
    EXPECT_EQ("Fax Send", caption);
    EXPECT_EQ(1, rows);
    EXPECT_TRUE(m_engine.Jobs().empty());
    FreeLibrary(module);
}
