// The Send Fax dialog worked by control ID: the schedule, taking over a logged job to resend
// or forward it, sending through the module's entry points, and its lists: the typing row,
// recipients typed or taken from the phonebook, Remove, and the buttons that follow the lists.
#include <windows.h>
#include <commctrl.h>

#include "RWFaxDlg.h"
#include "framework/wnd.h"
#include "host/send_fax_entry.h"
#include "locale_support.h"
#include "res/resource.h"
#include "send/locale_date_time.h"
#include "send/locale_picture.h"
#include "settings/setting_names.h"
#include "settings/setting_readers.h"
#include "send_fax_fixture.h"
#include "standins/dialog_script.h"
#include "standins/phonebook/phonebook_resource.h"
#include "tiff_test_files.h"

using namespace sendfaxtest;
using namespace testsupport;
using standintest::ControlText;
using standintest::DialogScript;
using standintest::PostClick;

namespace {
class SendFaxFlowTest : public SendFaxTest {
protected:
    std::string EnabledOf(std::initializer_list<int> ids) const
    {
        std::string states;
        for (int id : ids)
            states += Enabled(id) ? '1' : '0';
        return states;
    }
    std::vector<std::string> ComboTexts(int id) const
    {
        std::vector<std::string> texts;
        for (int line = 0; line < static_cast<int>(SendMessageA(Item(id), CB_GETCOUNT, 0, 0)); ++line) {
            char text[128] = {};
            SendMessageA(Item(id), CB_GETLBTEXT, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(text));
            texts.push_back(text);
        }
        return texts;
    }
    // Runs a step on the next window that has the control, then expects the step to have run.
    void WithWindow(int controlId, std::function<void(HWND)> step, std::function<void()> action)
    {
        DialogScript script({{controlId, std::move(step)}});
        action();
        EXPECT_EQ(1u, script.Done()) << "no window with control " << controlId;
    }
    // Answers every message box with OK while the action runs and returns their texts.
    std::vector<std::string> Boxes(std::function<void()> action, size_t count = 1)
    {
        std::vector<std::string> texts;
        DialogScript script(std::vector<standintest::DialogStep>(count, {0xFFFF, [&texts](HWND box) {
                                                                              texts.push_back(MessageBoxText(box));
                                                                              PostClick(box, IDOK);
                                                                          }}));
        action();
        return texts;
    }
};

const std::string kAnn = "Ann Archer|Archer & Sons|555 0101", kBob = "Bob Baker|Baker Bros|555 0202",
                  kCleo = "Cleo Cole||555 0303", kTyping = "<Type Here>||";

char kName[] = "Ann Archer", kCompany[] = "Archer & Sons", kFax[] = "555 0101", kNotes[] = "Call me", kSubject[] = "Figures";

// A logged job of Ann Archer's sent at 14:30:05 on 7 March 2025.
SEND_FAX LoggedJob(char* file, char* cover)
{
    SEND_FAX r = {};
    r.szDestName = kName, r.szToCompany = kCompany, r.szDestFax = kFax, r.szCover = cover, r.szComments = kNotes;
    r.szSubject = kSubject, r.szFileList = file, r.nYear = 2025, r.nMonth = 3, r.nDay = 7, r.nHour = 14;
    r.nMinute = 30, r.nSecond = 5;
    return r;
}
}  // namespace

TEST_F(SendFaxFlowTest, ScheduleShowsTheRecipientsAndTakesBackTheChoiceOnlyAfterOk)
{
    CDSendFax& dialog = Open();
    Click(IDC_SENDFAX_ADDALL);
    TypeIntoCell(2, 2, "");  // Bob without a number is left out of the schedule
    Click(IDC_SENDFAX_COVERPAGE);
    SetDlgItemTextA(Dialog(), IDC_SENDFAX_SUBJECT, "Figures");
    WithWindow(IDC_SCHED_TIME, [&](HWND schedule) {
        EXPECT_EQ("Ann Archer, Cleo Cole|555 0101, 555 0303|Figures",
                  ControlText(schedule, IDC_SCHED_NAME) + "|" + ControlText(schedule, IDC_SCHED_FAX) + "|" +
                      ControlText(schedule, IDC_SCHED_SUBJECT));
        EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(schedule, IDC_SCHED_OFFPEAK));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(schedule, IDC_SCHED_DATE)));  // until Send Later is chosen
        SendMessageA(GetDlgItem(schedule, IDC_SCHED_HOLD), BM_CLICK, 0, 0);
        PostClick(schedule, IDCANCEL);
    }, [&] { Click(IDC_SENDFAX_SCHEDULE); });
    EXPECT_EQ(SCHEDULE_OFF_PEAK, dialog.m_nSchedule);

    // Texts in the user's regional format, whatever it is.
    SYSTEMTIME chosen = MakeTime(2030, 12, 24, 21, 5, 0);
    char chosenDate[80] = {}, chosenTime[80] = {};
    FormatLocalDate(&chosen, DatePictureForOrder(g_nDateOrder), chosenDate, 80);
    FormatLocalTime(&chosen, chosenTime, 80);
    WithWindow(IDC_SCHED_TIME, [&](HWND schedule) {
        SendMessageA(GetDlgItem(schedule, IDC_SCHED_SENDLATER), BM_CLICK, 0, 0);
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(schedule, IDC_SCHED_TIMESPIN)));
        standintest::SetControlText(schedule, IDC_SCHED_TIME, chosenTime);
        standintest::SetControlText(schedule, IDC_SCHED_DATE, chosenDate);
        PostClick(schedule, IDOK);
    }, [&] { Click(IDC_SENDFAX_SCHEDULE); });
    EXPECT_EQ(SCHEDULE_SEND_LATER, dialog.m_nSchedule);
    EXPECT_EQ(std::string(chosenDate) + " " + chosenTime, dialog.m_strSchedDate + " " + dialog.m_strSchedTime);

    // No row with a fax number: a word to the user and no schedule.
    TypeIntoCell(1, 2, "");
    TypeIntoCell(3, 2, "");
    EXPECT_EQ((std::vector<std::string>{"There are no faxes to schedule"}),
              Boxes([&] { Click(IDC_SENDFAX_SCHEDULE); }));
}

TEST_F(SendFaxFlowTest, ResendAndForwardTakeOverALoggedJob)
{
    std::string tif = m_files.File("R00000017.tif"), cover = "C:\\FAXCOV~1\\general.pg", none;
    ASSERT_TRUE(WriteFileBytes(tif, testfiles::MakeTiff(1)));
    SEND_FAX job = LoggedJob(&tif[0], &cover[0]);
    CDSendFax& dialog = Open(SENDFAX_OPEN_RESEND, &job);
    EXPECT_EQ((std::vector<std::string>{"<Type Here>||", "Ann Archer|Archer & Sons|555 0101"}), Rows());
    EXPECT_TRUE(Enabled(IDOK));
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(Dialog(), IDC_SENDFAX_COVERPAGE));
    EXPECT_EQ("Figures|Call me", Text(IDC_SENDFAX_SUBJECT) + "|" + Text(IDC_SENDFAX_NOTES));
    // The job's start, month first, and the document in the engine's form made from its tif.
    EXPECT_EQ("03/07/2025 14:30:05", dialog.m_strSchedDate + " " + dialog.m_strSchedTime);
    EXPECT_EQ(std::string("FF*\0", 4), ReadFileBytes(m_files.File("R00000017.fmf")).substr(0, 4));

    // Forward adds no recipient; a job without cover leaves the cover off.
    job = LoggedJob(&tif[0], &none[0]);
    Open(SENDFAX_OPEN_FORWARD, &job);
    EXPECT_EQ((std::vector<std::string>{"<Type Here>||"}), Rows());
    EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(Dialog(), IDC_SENDFAX_COVERPAGE));
    EXPECT_FALSE(Enabled(IDC_SENDFAX_NOTES));

    // No job at all opens an empty list.
    Open(SENDFAX_OPEN_RESEND, nullptr);
    EXPECT_EQ((std::vector<std::string>{"<Type Here>||"}), Rows());
}

TEST_F(SendFaxFlowTest, ADocumentThatCannotBeReachedIsNamedToTheUserAndEveryJobStillGoes)
{
    // A path longer than MAX_PATH, and a document in an outbox folder that is gone.
    for (const std::string& stem : {m_files.File(std::string(MAX_PATH, 'd')), m_files.File("Gone\\Outbox\\abc123")}) {
        m_engine.Clear();
        m_document = stem + ".fmf";
        Open();
        Click(IDC_SENDFAX_ADDALL);
        // One complaint per recipient, naming the whole path, and no job is dropped.
        EXPECT_EQ(std::vector<std::string>(3, "Cannot open fax file " + stem + ".tif."),
                  Boxes([&] { Click(IDOK); }, 3));
        EXPECT_EQ(3u, m_engine.Jobs().size());
    }
}

TEST_F(SendFaxFlowTest, TheEntryPointsRunTheDialogOverTheForegroundWindowAndSendOneJobPerRecipient)
{
    HMODULE module = LoadLibraryA("RWFaxDlg.dll");
    auto exported = reinterpret_cast<PFN_FaxDLL_OnSendFax>(
        reinterpret_cast<void*>(GetProcAddress(module, FAXDLL_EXPORT_NAME(FaxDLL_OnSendFax, 12))));
    ASSERT_NE(nullptr, exported);
    // The internal entry point sends to everyone; the module's export is cancelled.
    for (bool send : {true, false}) {
        HWND front = CreateWindowA("STATIC", "Front", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200, nullptr,
                                   nullptr, nullptr, nullptr);
        SetForegroundWindow(front);
        int result = 0;
        WithWindow(IDC_SENDFAX_SENDLIST, [&](HWND dialog) {
            EXPECT_EQ(front, GetWindow(dialog, GW_OWNER));
            if (send) {
                for (int id : {IDC_SENDFAX_ADDALL, IDC_SENDFAX_COVERPAGE})
                    SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0);
                SendDlgItemMessageA(dialog, IDC_SENDFAX_COVERLIST, CB_SETCURSEL, 1, 0);
                SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_SENDFAX_COVERLIST, CBN_SELCHANGE),
                             reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_SENDFAX_COVERLIST)));
                SetDlgItemTextA(dialog, IDC_SENDFAX_SUBJECT, "Figures");
                SetDlgItemTextA(dialog, IDC_SENDFAX_NOTES, "See page 2");
            }
            PostClick(dialog, send ? IDOK : IDCANCEL);
        }, [&] {
            result = send ? RunSendFaxDialog(&m_host, m_engine.Handle(), m_document.c_str())
                          : exported(&m_host, m_engine.Handle(), m_document.c_str());
        });
        EXPECT_EQ(send ? IDOK : IDCANCEL, result);
        EXPECT_TRUE(IsWindowEnabled(front));
        EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(front));
        DestroyWindow(front);
        std::vector<EngineJob> jobs = m_engine.Jobs();
        m_engine.Clear();
        ASSERT_EQ(send ? 3u : 0u, jobs.size());
        for (const EngineJob& job : jobs)  // the phone is found in the selected book
            EXPECT_EQ("Figures|See page 2|asap.pg|" + std::string(&job == &jobs[0] ? "555 0100" : ""),
                      job.subject + "|" + job.comments + "|" + job.cover.substr(job.cover.rfind('\\') + 1) + "|" +
                          job.destPhone);
    }
    EXPECT_EQ(4u, m_pauses.size());  // one per row sent, the typing row too, none past the list
    FreeLibrary(module);
}

TEST_F(SendFaxFlowTest, AFreshDialogShowsOnlyTheTypingRowAndNothingCanBeSentYet)
{
    Open();
    EXPECT_EQ((std::vector<std::string>{kTyping}), Rows());
    EXPECT_EQ("0000011", EnabledOf({IDOK, IDC_SENDFAX_REMOVE, IDC_SENDFAX_ADDTOBOOK, IDC_SENDFAX_SCHEDULE,
                                    IDC_SENDFAX_ADD, IDC_SENDFAX_ADDALL, IDCANCEL}));
    // Cells are edited by the list's own editor: the system's label editor never opens.
    EXPECT_EQ(0, SendMessageA(Item(IDC_SENDFAX_SENDLIST), LVM_EDITLABELA, 0, 0));
    // The first book is shown; the cover pages are offered in their order, without a cover.
    EXPECT_EQ((std::vector<std::string>{"Customers", "Suppliers"}), ComboTexts(IDC_SENDFAX_BOOKS));
    EXPECT_EQ((std::vector<std::string>{"Ann Archer", "Bob Baker", "Cleo Cole"}), EntryNames());
    EXPECT_EQ((std::vector<std::string>{"General", "ASAP", "Urgent", "Check This Out", "From The Top"}),
              ComboTexts(IDC_SENDFAX_COVERLIST));

    // Insert Cover Page opens the cover controls; unchecked again it shuts them and clears the subject.
    const auto cover = {IDC_SENDFAX_SUBJECT, IDC_SENDFAX_PREVIEW, IDC_SENDFAX_COVERLIST, IDC_SENDFAX_NOTES};
    EXPECT_EQ("0000", EnabledOf(cover));
    Click(IDC_SENDFAX_COVERPAGE);
    EXPECT_EQ("1111", EnabledOf(cover));
    SetDlgItemTextA(Dialog(), IDC_SENDFAX_SUBJECT, "Quarterly figures");
    Click(IDC_SENDFAX_COVERPAGE);
    EXPECT_EQ("", Text(IDC_SENDFAX_SUBJECT));
    EXPECT_EQ("0000", EnabledOf(cover));

    // Enter while Send is shut sends nothing.
    SendMessageA(Dialog(), WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(IsWindowVisible(Dialog()));
    EXPECT_TRUE(m_pauses.empty());

    // Off-peak sending switched off: Send Now is preselected instead of Off Peak.
    WriteSettingNumber(kEnableOffpeak, 0);
    EXPECT_EQ(SCHEDULE_SEND_NOW, Open().m_nSchedule);
}

TEST_F(SendFaxFlowTest, AFaxNumberTypedIntoTheTypingRowMakesARecipientWithANewTypingRowAbove)
{
    Open();
    TypeIntoCell(0, 2, "555 7777");
    const std::string typed = "<Type Here>||555 7777";
    EXPECT_EQ((std::vector<std::string>{kTyping, typed}), Rows());
    EXPECT_EQ("11", EnabledOf({IDOK, IDC_SENDFAX_SCHEDULE}));
    // A name without a number stays on top as typed; Send still goes, every row below has
    // a number. The next Add All replaces the half-typed row by a fresh typing row.
    TypeIntoCell(0, 0, "Carl Cole");
    EXPECT_EQ((std::vector<std::string>{"Carl Cole||", typed}), Rows());
    EXPECT_TRUE(Enabled(IDOK));
    Click(IDC_SENDFAX_ADDALL);
    EXPECT_EQ((std::vector<std::string>{kTyping, typed, kAnn, kBob, kCleo}), Rows());
    // A recipient whose number is taken away stops the send.
    TypeIntoCell(3, 2, "");
    EXPECT_EQ("Bob Baker|Baker Bros|", Rows()[3]);
    EXPECT_FALSE(Enabled(IDOK));
}

TEST_F(SendFaxFlowTest, AddingTheSameEntryTwiceLeavesOneRowAddAllAddsOnlyWhatIsMissingRemoveTakesThemAway)
{
    Open();
    SelectRows(IDC_SENDFAX_PHONEBOOK, {1});
    Click(IDC_SENDFAX_ADD);
    Click(IDC_SENDFAX_ADD);
    EXPECT_EQ((std::vector<std::string>{kTyping, kBob}), Rows());
    Click(IDC_SENDFAX_ADDALL);
    EXPECT_EQ((std::vector<std::string>{kTyping, kBob, kAnn, kCleo}), Rows());
    // Another book: its entries are shown and added after the others.
    ChooseComboLine(IDC_SENDFAX_BOOKS, 1);
    EXPECT_EQ((std::vector<std::string>{"Dana Drake"}), EntryNames());
    EXPECT_FALSE(Enabled(IDC_SENDFAX_ADD));
    Click(IDC_SENDFAX_ADDALL);
    EXPECT_EQ((std::vector<std::string>{kTyping, kBob, kAnn, kCleo, "Dana Drake|Drake Paper|555 0404"}), Rows());

    // Remove deletes the selected rows, and the typing row always comes back.
    SelectRows(IDC_SENDFAX_SENDLIST, {2, 3, 4});
    EXPECT_EQ("11", EnabledOf({IDC_SENDFAX_REMOVE, IDC_SENDFAX_ADDTOBOOK}));
    Click(IDC_SENDFAX_REMOVE);
    EXPECT_EQ((std::vector<std::string>{kTyping, kBob}), Rows());
    EXPECT_EQ("00", EnabledOf({IDC_SENDFAX_REMOVE, IDC_SENDFAX_ADDTOBOOK}));
    SelectRows(IDC_SENDFAX_SENDLIST, {0, 1});
    Click(IDC_SENDFAX_REMOVE);
    EXPECT_EQ((std::vector<std::string>{kTyping}), Rows());
    EXPECT_EQ("00", EnabledOf({IDOK, IDC_SENDFAX_SCHEDULE}));
}

