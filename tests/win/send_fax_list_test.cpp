// The Send Fax dialog's lists and buttons worked by control ID: the typing row, recipients
// typed or taken from the phonebook, Remove, and the buttons that follow the lists.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>

#include "res/resource.h"
#include "send_fax_fixture.h"
#include "settings/setting_names.h"
#include "settings/setting_readers.h"

using namespace sendfaxtest;

namespace {
class SendFaxListTest : public SendFaxTest {
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
};

const std::string kAnn = "Ann Archer|Archer & Sons|555 0101", kBob = "Bob Baker|Baker Bros|555 0202",
                  kCleo = "Cleo Cole||555 0303", kTyping = "<Type Here>||";
}  // namespace

TEST_F(SendFaxListTest, AFreshDialogShowsOnlyTheTypingRowAndNothingCanBeSentYet)
{
    Open();
    EXPECT_EQ("Fax Send", testsupport::WindowText(Dialog()));
    EXPECT_EQ((std::vector<std::string>{kTyping}), Rows());
    EXPECT_EQ("0000011", EnabledOf({IDOK, IDC_SENDFAX_REMOVE, IDC_SENDFAX_ADDTOBOOK, IDC_SENDFAX_SCHEDULE,
                                    IDC_SENDFAX_ADD, IDC_SENDFAX_ADDALL, IDCANCEL}));
    // The first book is shown; the cover pages are offered in their order, without a cover.
    EXPECT_EQ((std::vector<std::string>{"Customers", "Suppliers"}), ComboTexts(IDC_SENDFAX_BOOKS));
    EXPECT_EQ((std::vector<std::string>{"Ann Archer", "Bob Baker", "Cleo Cole"}), EntryNames());
    EXPECT_EQ((std::vector<std::string>{"General", "ASAP", "Urgent", "Check This Out", "From The Top"}),
              ComboTexts(IDC_SENDFAX_COVERLIST));
    EXPECT_EQ(0, SendMessageA(Item(IDC_SENDFAX_COVERLIST), CB_GETCURSEL, 0, 0));

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
}

TEST_F(SendFaxListTest, AFaxNumberTypedIntoTheTypingRowMakesARecipientWithANewTypingRowAbove)
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

TEST_F(SendFaxListTest, AddingTheSameEntryTwiceLeavesOneRowAndAddAllAddsOnlyWhatIsMissing)
{
    Open();
    SelectRows(IDC_SENDFAX_PHONEBOOK, {1});
    Click(IDC_SENDFAX_ADD);
    Click(IDC_SENDFAX_ADD);
    EXPECT_EQ((std::vector<std::string>{kTyping, kBob}), Rows());
    EXPECT_EQ("11", EnabledOf({IDOK, IDC_SENDFAX_SCHEDULE}));
    Click(IDC_SENDFAX_ADDALL);
    EXPECT_EQ((std::vector<std::string>{kTyping, kBob, kAnn, kCleo}), Rows());
    // Another book: its entries are shown and added after the others.
    ChooseComboLine(IDC_SENDFAX_BOOKS, 1);
    EXPECT_EQ((std::vector<std::string>{"Dana Drake"}), EntryNames());
    EXPECT_FALSE(Enabled(IDC_SENDFAX_ADD));
    Click(IDC_SENDFAX_ADDALL);
    EXPECT_EQ((std::vector<std::string>{kTyping, kBob, kAnn, kCleo, "Dana Drake|Drake Paper|555 0404"}), Rows());
}

TEST_F(SendFaxListTest, RemoveDeletesTheSelectedRowsAndTheTypingRowAlwaysComesBack)
{
    Open();
    Click(IDC_SENDFAX_ADDALL);
    SelectRows(IDC_SENDFAX_SENDLIST, {1, 3});
    EXPECT_EQ("11", EnabledOf({IDC_SENDFAX_REMOVE, IDC_SENDFAX_ADDTOBOOK}));
    Click(IDC_SENDFAX_REMOVE);
    EXPECT_EQ((std::vector<std::string>{kTyping, kBob}), Rows());
    EXPECT_EQ("00", EnabledOf({IDC_SENDFAX_REMOVE, IDC_SENDFAX_ADDTOBOOK}));
    SelectRows(IDC_SENDFAX_SENDLIST, {0, 1});
    Click(IDC_SENDFAX_REMOVE);
    EXPECT_EQ((std::vector<std::string>{kTyping}), Rows());
    EXPECT_EQ("00", EnabledOf({IDOK, IDC_SENDFAX_SCHEDULE}));
}

TEST_F(SendFaxListTest, OffPeakIsPreselectedUnlessOffPeakSendingIsSwitchedOffAndTheTextsStartFromNow)
{
    WriteSettingNumber(kEnableOffpeak, 0);
    EXPECT_EQ(SCHEDULE_SEND_NOW, Open().m_nSchedule);
    WriteSettingNumber(kEnableOffpeak, 1);
    const CDSendFax& dialog = Open();
    EXPECT_EQ(SCHEDULE_OFF_PEAK, dialog.m_nSchedule);
    const SYSTEMTIME& t = dialog.m_stOpened;  // day first
    char expected[40];
    std::snprintf(expected, sizeof expected, "%02d/%02d/%04d %02d:%02d:%02d", t.wDay, t.wMonth, t.wYear, t.wHour,
                  t.wMinute, t.wSecond);
    EXPECT_EQ(expected, dialog.m_strSchedDate + " " + dialog.m_strSchedTime);
}

TEST_F(SendFaxListTest, WithoutPhonebooksThePanelIsEmptyAndTypingStillWorks)
{
    DeleteFileA(m_books.Folder().File("Customers.pbk").c_str());
    DeleteFileA(m_books.Folder().File("Suppliers.pbk").c_str());
    Open();
    EXPECT_TRUE(ComboTexts(IDC_SENDFAX_BOOKS).empty() && EntryNames().empty());
    EXPECT_FALSE(Enabled(IDC_SENDFAX_ADDALL));
    Click(IDC_SENDFAX_ADDALL);  // a click that comes anyway adds nothing
    EXPECT_EQ(1u, Rows().size());
    TypeIntoCell(0, 2, "555 9999");
    EXPECT_EQ(2u, Rows().size());
}
