// The Send Fax dialog's lists and buttons worked by control ID: the typing row, recipients
// typed or taken from the phonebook, Remove, and the buttons that follow the lists.
#include <windows.h>
#include <commctrl.h>

#include "res/resource.h"
#include "send_fax_fixture.h"
#include "settings/setting_names.h"
#include "settings/setting_readers.h"

using namespace sendfaxtest;

namespace {
class SendFaxListTest : public SendFaxTest {};

std::vector<std::string> ComboTexts(HWND combo)
{
    std::vector<std::string> texts;
    int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int line = 0; line < count; ++line) {
        char text[128] = {};
        SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(text));
        texts.push_back(text);
    }
    return texts;
}

std::vector<std::string> ColumnTitles(HWND list)
{
    std::vector<std::string> titles;
    for (int column = 0; column < 3; ++column) {
        char text[64] = {};
        LVCOLUMNA attributes = {};
        attributes.mask = LVCF_TEXT;
        attributes.pszText = text;
        attributes.cchTextMax = sizeof text;
        SendMessageA(list, LVM_GETCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&attributes));
        titles.push_back(text);
    }
    return titles;
}
}  // namespace

TEST_F(SendFaxListTest, AFreshDialogShowsOnlyTheTypingRowAndNothingCanBeSentYet)
{
    Open();
    EXPECT_EQ("Fax Send", testsupport::WindowText(Dialog()));
    EXPECT_EQ((std::vector<Row>{{kTypeHere, "", ""}}), Rows());
    for (int id : {IDOK, IDC_SENDFAX_REMOVE, IDC_SENDFAX_ADDTOBOOK, IDC_SENDFAX_SCHEDULE, IDC_SENDFAX_ADD})
        EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_TRUE(Enabled(IDC_SENDFAX_ADDALL));
    EXPECT_TRUE(Enabled(IDCANCEL));

    EXPECT_EQ((std::vector<std::string>{"Name", "Company", "Fax"}), ColumnTitles(Item(IDC_SENDFAX_SENDLIST)));

    // The first book is shown; the cover pages are offered in their order, without a cover.
    EXPECT_EQ((std::vector<std::string>{"Customers", "Suppliers"}), ComboTexts(Item(IDC_SENDFAX_BOOKS)));
    EXPECT_EQ(0, SendMessageA(Item(IDC_SENDFAX_BOOKS), CB_GETCURSEL, 0, 0));
    EXPECT_EQ((std::vector<std::string>{"Ann Archer", "Bob Baker", "Cleo Cole"}), EntryNames());
    EXPECT_EQ((std::vector<std::string>{"General", "ASAP", "Urgent", "Check This Out", "From The Top"}),
              ComboTexts(Item(IDC_SENDFAX_COVERLIST)));
    EXPECT_EQ(0, SendMessageA(Item(IDC_SENDFAX_COVERLIST), CB_GETCURSEL, 0, 0));
    EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(Dialog(), IDC_SENDFAX_COVERPAGE));
    for (int id : {IDC_SENDFAX_SUBJECT, IDC_SENDFAX_PREVIEW, IDC_SENDFAX_COVERLIST, IDC_SENDFAX_NOTES})
        EXPECT_FALSE(Enabled(id)) << id;
}

TEST_F(SendFaxListTest, AFaxNumberTypedIntoTheTypingRowMakesARecipientWithANewTypingRowAbove)
{
    Open();
    TypeIntoCell(0, 2, "555 7777");
    EXPECT_EQ((std::vector<Row>{{kTypeHere, "", ""}, {kTypeHere, "", "555 7777"}}), Rows());
    EXPECT_TRUE(Enabled(IDOK));
    EXPECT_TRUE(Enabled(IDC_SENDFAX_SCHEDULE));

    // A name without a number stays on top as typed; Send still goes, every row below has
    // a number. The next Add All replaces the half-typed row by a fresh typing row.
    TypeIntoCell(0, 0, "Carl Cole");
    EXPECT_EQ((std::vector<Row>{{"Carl Cole", "", ""}, {kTypeHere, "", "555 7777"}}), Rows());
    EXPECT_TRUE(Enabled(IDOK));
    Click(IDC_SENDFAX_ADDALL);
    EXPECT_EQ((std::vector<Row>{{kTypeHere, "", ""},
                                {kTypeHere, "", "555 7777"},
                                {"Ann Archer", "Archer & Sons", "555 0101"},
                                {"Bob Baker", "Baker Bros", "555 0202"},
                                {"Cleo Cole", "", "555 0303"}}),
              Rows());

    // A recipient whose number is taken away stops the send.
    TypeIntoCell(3, 2, "");
    EXPECT_EQ((Row{"Bob Baker", "Baker Bros", ""}), Rows()[3]);
    EXPECT_FALSE(Enabled(IDOK));
}

TEST_F(SendFaxListTest, AddingTheSameEntryTwiceLeavesOneRowAndAddAllAddsOnlyWhatIsMissing)
{
    Open();
    SelectRows(IDC_SENDFAX_PHONEBOOK, {1});
    EXPECT_TRUE(Enabled(IDC_SENDFAX_ADD));
    Click(IDC_SENDFAX_ADD);
    Click(IDC_SENDFAX_ADD);
    EXPECT_EQ((std::vector<Row>{{kTypeHere, "", ""}, {"Bob Baker", "Baker Bros", "555 0202"}}), Rows());
    EXPECT_TRUE(Enabled(IDOK));
    EXPECT_TRUE(Enabled(IDC_SENDFAX_SCHEDULE));

    Click(IDC_SENDFAX_ADDALL);
    EXPECT_EQ((std::vector<Row>{{kTypeHere, "", ""},
                                {"Bob Baker", "Baker Bros", "555 0202"},
                                {"Ann Archer", "Archer & Sons", "555 0101"},
                                {"Cleo Cole", "", "555 0303"}}),
              Rows());

    // Another book: its entries are shown and added after the others.
    ChooseComboLine(IDC_SENDFAX_BOOKS, 1);
    EXPECT_EQ((std::vector<std::string>{"Dana Drake"}), EntryNames());
    EXPECT_FALSE(Enabled(IDC_SENDFAX_ADD));
    Click(IDC_SENDFAX_ADDALL);
    EXPECT_EQ((Row{"Dana Drake", "Drake Paper", "555 0404"}), Rows().back());
    EXPECT_EQ(5u, Rows().size());
}

TEST_F(SendFaxListTest, RemoveDeletesTheSelectedRowsAndTheTypingRowAlwaysComesBack)
{
    Open();
    Click(IDC_SENDFAX_ADDALL);
    ASSERT_EQ(4u, Rows().size());
    SelectRows(IDC_SENDFAX_SENDLIST, {1, 3});
    EXPECT_TRUE(Enabled(IDC_SENDFAX_REMOVE));
    EXPECT_TRUE(Enabled(IDC_SENDFAX_ADDTOBOOK));
    Click(IDC_SENDFAX_REMOVE);
    EXPECT_EQ((std::vector<Row>{{kTypeHere, "", ""}, {"Bob Baker", "Baker Bros", "555 0202"}}), Rows());
    EXPECT_FALSE(Enabled(IDC_SENDFAX_REMOVE));
    EXPECT_FALSE(Enabled(IDC_SENDFAX_ADDTOBOOK));

    SelectRows(IDC_SENDFAX_SENDLIST, {0, 1});
    Click(IDC_SENDFAX_REMOVE);
    EXPECT_EQ((std::vector<Row>{{kTypeHere, "", ""}}), Rows());
    EXPECT_FALSE(Enabled(IDOK));
    EXPECT_FALSE(Enabled(IDC_SENDFAX_SCHEDULE));
}

TEST_F(SendFaxListTest, UncheckingInsertCoverPageClearsTheSubjectAndShutsTheCoverControls)
{
    Open();
    Click(IDC_SENDFAX_COVERPAGE);
    for (int id : {IDC_SENDFAX_SUBJECT, IDC_SENDFAX_PREVIEW, IDC_SENDFAX_COVERLIST, IDC_SENDFAX_NOTES})
        EXPECT_TRUE(Enabled(id)) << id;
    SetDlgItemTextA(Dialog(), IDC_SENDFAX_SUBJECT, "Quarterly figures");
    SetDlgItemTextA(Dialog(), IDC_SENDFAX_NOTES, "Please call back");

    Click(IDC_SENDFAX_COVERPAGE);
    EXPECT_EQ("", Text(IDC_SENDFAX_SUBJECT));
    for (int id : {IDC_SENDFAX_SUBJECT, IDC_SENDFAX_PREVIEW, IDC_SENDFAX_COVERLIST, IDC_SENDFAX_NOTES})
        EXPECT_FALSE(Enabled(id)) << id;
}

TEST_F(SendFaxListTest, OffPeakIsPreselectedUnlessOffPeakSendingIsSwitchedOff)
{
    EXPECT_EQ(SCHEDULE_OFF_PEAK, Open().m_nSchedule);
    WriteSettingNumber(kEnableOffpeak, 0);
    EXPECT_EQ(SCHEDULE_SEND_NOW, Open().m_nSchedule);
    WriteSettingNumber(kEnableOffpeak, 1);
    WriteSettingNumber(kAfterOffpeak, 0);
    CDSendFax& dialog = Open();
    EXPECT_EQ(SCHEDULE_OFF_PEAK, dialog.m_nSchedule);

    // The schedule texts start from the moment the dialog was made, day first.
    char date[16], time[16];
    std::snprintf(date, sizeof date, "%02d/%02d/%04d", dialog.m_stOpened.wDay, dialog.m_stOpened.wMonth,
                  dialog.m_stOpened.wYear);
    std::snprintf(time, sizeof time, "%02d:%02d:%02d", dialog.m_stOpened.wHour, dialog.m_stOpened.wMinute,
                  dialog.m_stOpened.wSecond);
    EXPECT_EQ(date, dialog.m_strSchedDate);
    EXPECT_EQ(time, dialog.m_strSchedTime);
}

TEST_F(SendFaxListTest, EnterWithSendDisabledSendsNothing)
{
    Open();
    SendMessageA(Dialog(), WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(IsWindowVisible(Dialog()));
    EXPECT_TRUE(m_engine.Jobs().empty());
    EXPECT_TRUE(m_pauses.empty());
}

TEST_F(SendFaxListTest, WithoutPhonebooksThePanelIsEmptyAndTypingStillWorks)
{
    DeleteFileA(m_books.Folder().File("Customers.pbk").c_str());
    DeleteFileA(m_books.Folder().File("Suppliers.pbk").c_str());
    Open();
    EXPECT_EQ(0, SendMessageA(Item(IDC_SENDFAX_BOOKS), CB_GETCOUNT, 0, 0));
    EXPECT_TRUE(EntryNames().empty());
    EXPECT_FALSE(Enabled(IDC_SENDFAX_ADDALL));
    Click(IDC_SENDFAX_ADDALL);  // a click that comes anyway adds nothing
    EXPECT_EQ(1u, Rows().size());
    TypeIntoCell(0, 2, "555 9999");
    EXPECT_EQ(2u, Rows().size());
}
