// The Manage Phonebooks and New Phonebook dialogs on real profile files beside the test
// program: the dialog runs modeless and its commands are sent by control id; the New
// Phonebook dialog and the message boxes they open are answered step by step.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "RWFaxDlg.h"
#include "framework/win_app.h"
#include "phonebook/manage_books.h"
#include "phonebook/profile_file.h"
#include "res/resource.h"
#include "standins/dialog_script.h"
#include "test_support.h"

using namespace testsupport;
using standintest::ControlText;
using standintest::DialogScript;
using standintest::DialogStep;
using standintest::PostClick;
using standintest::SetControlText;

namespace {

// Every list a test here writes or the dialog may create.
const char* const kListsUsed[] = {"QOmaster", "Main", "MAIN", "main", "Sales", "Sales2", "Customers", "Office", "Extra", "Gone"};

const char kTwoContacts[] =
    "[Index]\r\nItem1=Ann Lee\r\nItem2=Bob Stone\r\nNumber=2\r\n"
    "[Ann Lee]\r\nFirst Name=Ann\r\nLast Name=Lee\r\nCompany=Lee Tools\r\nFAX=555-0101\r\n"
    "[Bob Stone]\r\nFirst Name=Bob\r\nLast Name=Stone\r\nFAX=555-0202\r\n";

void RemoveProfileFile(const std::string& path)
{
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
    DeleteFileA(path.c_str());
}

// The profile files in the module's folder.
std::vector<std::string> ProfileFilesBesideTheModule()
{
    std::string folder = GetProfilePath("x");
    folder.erase(folder.find_last_of('\\') + 1);
    std::vector<std::string> paths;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*.ini").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return paths;
    do
        paths.push_back(folder + found.cFileName);
    while (FindNextFileA(search, &found));
    FindClose(search);
    return paths;
}

// Removes the lists the tests use, and any other profile file that has appeared beside the
// module since the first test began (a book a faulty command wrote under a refused name).
void RemoveLists()
{
    for (const char* name : kListsUsed)
        RemoveProfileFile(GetProfilePath(name));
    static const std::vector<std::string> kThereBefore = ProfileFilesBesideTheModule();
    for (const std::string& path : ProfileFilesBesideTheModule())
        if (std::find(kThereBefore.begin(), kThereBefore.end(), path) == kThereBefore.end())
            RemoveProfileFile(path);
}

void WriteList(const std::string& name, const std::string& contents)
{
    ASSERT_TRUE(WriteFileBytes(GetProfilePath(name), contents));
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, GetProfilePath(name).c_str());
}

std::string Value(const std::string& list, const char* section, const char* key)
{
    char text[2048] = {};
    GetPrivateProfileStringA(section, key, "<missing>", text, sizeof text, GetProfilePath(list).c_str());
    return text;
}

bool ListExists(const std::string& name) { return PathExists(GetProfilePath(name)); }

// What every list file holds, so that a test can tell that a command changed nothing.
std::string FilesOnDisk()
{
    std::string all;
    for (const char* name : kListsUsed)
        all += std::string(name) + (ListExists(name) ? "=" + ReadFileBytes(GetProfilePath(name)) : " missing") + "\n";
    return all;
}

std::vector<std::pair<UINT, ULONG_PTR>> g_help;
BOOL RecordHelp(HWND, const char*, UINT command, ULONG_PTR data)
{
    g_help.emplace_back(command, data);
    return TRUE;
}

// A window's text however long it is.
std::string FullText(HWND window)
{
    std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(window, &text[0], static_cast<int>(text.size()))));
    return text;
}

// What the New Phonebook dialog showed when a step reached it.
struct NewBookSeen {
    std::string caption;
    std::string prompt;
    std::string name;
    LRESULT limit = 0;
    bool nameHasFocus = false;
};

// On the New Phonebook dialog: note what it shows, type a name, press a button.
DialogStep TypeBookName(const std::string& name, int button, NewBookSeen* seen = nullptr)
{
    return {IDC_NEWBOOK_NAME, [=](HWND dialog) {
                HWND edit = GetDlgItem(dialog, IDC_NEWBOOK_NAME);
                if (seen) {
                    seen->caption = WindowText(dialog);
                    seen->prompt = FullText(GetDlgItem(dialog, IDC_NEWBOOK_PROMPT));
                    seen->name = ControlText(dialog, IDC_NEWBOOK_NAME);
                    seen->limit = SendMessageA(edit, EM_GETLIMITTEXT, 0, 0);
                    seen->nameHasFocus = GetFocus() == edit;
                }
                SetWindowTextA(edit, name.c_str());
                PostClick(dialog, button);
            }};
}

// On a message box: keep its text and answer with a button.
DialogStep AnswerMessageBox(int button, std::string* text)
{
    return {0xFFFF, [=](HWND box) {
                *text = MessageBoxText(box);
                PostMessageA(box, WM_COMMAND, button, 0);
            }};
}

// The Manage Phonebooks dialog as a host runs it: through RWFaxDlg.dll's export.
class ModifyPhonebooksExportTest : public SettingsTest {
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        RemoveLists();
        m_module = LoadLibraryA("RWFaxDlg.dll");
        ASSERT_NE(nullptr, m_module);
        m_modify = reinterpret_cast<PFN_FaxDLL_OnFaxModifyPhonebooks>(reinterpret_cast<void*>(
            GetProcAddress(m_module, FAXDLL_EXPORT_NAME(FaxDLL_OnFaxModifyPhonebooks, 4))));
        ASSERT_NE(nullptr, m_modify);
        m_host = FrameworkWindowObject(
            CreateWindowA("STATIC", "Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                          nullptr, nullptr, nullptr, nullptr));
        ASSERT_NE(nullptr, m_host.hWnd);
    }
    void TearDown() override
    {
        if (m_module)
            FreeLibrary(m_module);
        if (m_host.hWnd)
            DestroyWindow(m_host.hWnd);
        RemoveLists();
        SettingsTest::TearDown();
    }

    HMODULE m_module = nullptr;
    PFN_FaxDLL_OnFaxModifyPhonebooks m_modify = nullptr;
    FAXHOSTWND m_host = {};
};

class ManageBooksTest : public testing::Test {
protected:
    void SetUp() override
    {
        RemoveLists();
        g_help.clear();
        CWinApp::SetHelpCall(&RecordHelp);
    }
    void TearDown() override
    {
        m_dialog.DestroyWindow();
        CWinApp::SetHelpCall(nullptr);
        RemoveLists();
    }

    void Open()
    {
        ASSERT_TRUE(m_dialog.Create(nullptr));
        ShowWindow(m_dialog.m_hWnd, SW_SHOW);
        SetForegroundWindow(m_dialog.m_hWnd);
        SetFocus(Item(IDC_BOOKS_LIST));
    }

    HWND Item(int id) const { return GetDlgItem(m_dialog.m_hWnd, id); }

    // The lines of the list box as the user sees them.
    std::vector<std::string> Lines() const
    {
        std::vector<std::string> lines;
        HWND list = Item(IDC_BOOKS_LIST);
        LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            std::string text(static_cast<size_t>(SendMessageA(list, LB_GETTEXTLEN, i, 0)) + 1, '\0');
            SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&text[0]));
            lines.push_back(text.c_str());
        }
        return lines;
    }
    // The same in byte order: where punctuation goes in the list's order is the system's choice.
    std::vector<std::string> SortedLines() const
    {
        std::vector<std::string> lines = Lines();
        std::sort(lines.begin(), lines.end());
        return lines;
    }
    std::string SelectedLine() const
    {
        LRESULT line = SendMessageA(Item(IDC_BOOKS_LIST), LB_GETCURSEL, 0, 0);
        return line == LB_ERR ? "<none>" : Lines().at(static_cast<size_t>(line));
    }
    void Select(const std::string& name)
    {
        HWND list = Item(IDC_BOOKS_LIST);
        LRESULT line = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name.c_str()));
        ASSERT_NE(LB_ERR, line) << name;
        SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(line), 0);
    }

    // A button's command as the dialog receives it, without moving the focus to the button.
    void Command(int id)
    {
        SendMessageA(m_dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Item(id)));
    }
    // Runs a command while the script answers what it opens; every step must have run.
    void CommandWith(int id, std::vector<DialogStep> steps)
    {
        DialogScript script(std::move(steps));
        Command(id);
        EXPECT_EQ(script.Size(), script.Done()) << "command " << id;
    }
    bool FocusOn(int id) const { return GetFocus() == Item(id); }

    CWinApp m_app;
    CDManageBooks m_dialog;
};

}  // namespace

TEST_F(ManageBooksTest, StartListsTheBooksSortedAndSelectsTheFirst)
{
    WriteList("QOmaster", "[Index]\r\nItem1=Zeta\r\nItem2=Main\r\nItem3=alpha\r\nItem4=MAIN\r\nNumber=4\r\n");
    DeleteFileA(GetProfilePath("Main").c_str());
    Open();
    EXPECT_EQ((std::vector<std::string>{"alpha", "Main", "Zeta"}), Lines());
    EXPECT_EQ("alpha", SelectedLine());
    EXPECT_FALSE(ListExists("Main"));  // a master list that names books is left as it is
}

TEST_F(ManageBooksTest, NewRefusesABlankAndThenWritesAnEmptyBook)
{
    Open();
    NewBookSeen first;
    NewBookSeen second;
    std::string refusal;
    CommandWith(IDC_BOOKS_NEW, {TypeBookName("Sales 2", IDOK, &first), AnswerMessageBox(IDOK, &refusal),
                                TypeBookName("Sales2", IDOK, &second)});
    EXPECT_EQ("New Phonebook", first.caption);
    EXPECT_EQ("Add a new phonebook here:", first.prompt);
    EXPECT_EQ("", first.name);
    EXPECT_EQ(20, first.limit);
    EXPECT_TRUE(first.nameHasFocus);
    EXPECT_EQ("The bookname can only contain alphanumeric characters.", refusal);
    // The dialog stayed open with the refused text, the focus back on it.
    EXPECT_EQ("Sales 2", second.name);
    EXPECT_TRUE(second.nameHasFocus);

    EXPECT_EQ((std::vector<std::string>{"Main", "Sales2"}), Lines());
    EXPECT_EQ("Sales2", Value("QOmaster", "Index", "Item2"));
    EXPECT_EQ("2", Value("QOmaster", "Index", "Number"));
    EXPECT_EQ("0", Value("Sales2", "Index", "Number"));
    EXPECT_FALSE(ListExists("Sales 2"));
    EXPECT_TRUE(FocusOn(IDOK));
}

TEST_F(ManageBooksTest, ABookFileThatCannotBeWrittenIsReportedAndTheCommandGoesOn)
{
    Open();
    // A folder where the book's file would go: no profile write can reach it.
    const std::string blocked = GetProfilePath("Sales2");
    ASSERT_TRUE(CreateDirectoryA(blocked.c_str(), nullptr));
    std::string report;
    HWND owner = nullptr;
    BOOL dialogEnabled = TRUE;
    DialogStep answer = {0xFFFF, [&](HWND box) {
                             report = MessageBoxText(box);
                             owner = GetWindow(box, GW_OWNER);
                             dialogEnabled = IsWindowEnabled(m_dialog.m_hWnd);
                             PostMessageA(box, WM_COMMAND, IDOK, 0);
                         }};
    CommandWith(IDC_BOOKS_NEW, {TypeBookName("Sales2", IDOK), answer});
    RemoveDirectoryA(blocked.c_str());
    EXPECT_EQ("Error writing to " + blocked, report);
    // The box has no parent of its own: the window the user works in owns it and waits.
    EXPECT_EQ(m_dialog.m_hWnd, owner);
    EXPECT_FALSE(dialogEnabled);
    EXPECT_EQ((std::vector<std::string>{"Main", "Sales2"}), Lines());
    EXPECT_EQ("Sales2", Value("QOmaster", "Index", "Item2"));
    EXPECT_TRUE(FocusOn(IDOK));
}

TEST_F(ManageBooksTest, NewRefusesANameTheListHoldsInAnyCaseAndAFullList)
{
    WriteList("QOmaster", "[Index]\r\nItem1=Main\r\nNumber=1\r\n");
    WriteList("Main", kTwoContacts);
    Open();
    const std::string before = FilesOnDisk();
    std::string refusal;
    CommandWith(IDC_BOOKS_NEW, {TypeBookName("main", IDOK), AnswerMessageBox(IDOK, &refusal)});
    EXPECT_EQ("main already exists as a phonebook or group name.", refusal);
    EXPECT_EQ(before, FilesOnDisk());
    EXPECT_EQ((std::vector<std::string>{"Main"}), Lines());
    EXPECT_TRUE(FocusOn(IDC_BOOKS_LIST));  // a refused command leaves the focus where it was

    // 500 names are as many as a list holds.
    std::string full = "[Index]\r\n";
    for (int i = 1; i <= 500; ++i)
        full += "Item" + std::to_string(i) + "=Book" + std::to_string(i) + "\r\n";
    WriteList("QOmaster", full + "Number=500\r\n");
    const std::string fullBefore = FilesOnDisk();
    CommandWith(IDC_BOOKS_NEW, {TypeBookName("Extra", IDOK), AnswerMessageBox(IDOK, &refusal)});
    EXPECT_EQ("Extra already exists as a phonebook or group name.", refusal);
    EXPECT_EQ(fullBefore, FilesOnDisk());
}

TEST_F(ManageBooksTest, CancelledOrRefusedNamesChangeNothing)
{
    WriteList("QOmaster", "[Index]\r\nItem1=Main\r\nItem2=Sales\r\nNumber=2\r\n");
    WriteList("Main", kTwoContacts);
    WriteList("Sales", kTwoContacts);
    Open();
    const std::string before = FilesOnDisk();
    std::string refusal;

    CommandWith(IDC_BOOKS_NEW, {TypeBookName("Extra", IDCANCEL)});
    EXPECT_TRUE(FocusOn(IDOK));
    SetFocus(Item(IDC_BOOKS_LIST));
    CommandWith(IDC_BOOKS_NEW, {TypeBookName("Not valid", IDOK), AnswerMessageBox(IDOK, &refusal), TypeBookName("Extra", IDCANCEL)});
    EXPECT_EQ("The bookname can only contain alphanumeric characters.", refusal);
    EXPECT_TRUE(FocusOn(IDOK));

    Select("Sales");
    CommandWith(IDC_BOOKS_COPY, {TypeBookName("Extra", IDCANCEL)});
    Select("Sales");
    CommandWith(IDC_BOOKS_RENAME, {TypeBookName("Caf\xe9", IDOK), AnswerMessageBox(IDOK, &refusal), TypeBookName("Extra", IDCANCEL)});
    EXPECT_EQ("The bookname can only contain alphanumeric characters.", refusal);
    Select("Sales");
    // Text put in past the edit's limit is refused too, without touching the files.
    CommandWith(IDC_BOOKS_RENAME, {TypeBookName(std::string(21, 'x'), IDOK), AnswerMessageBox(IDOK, &refusal), TypeBookName("Extra", IDCANCEL)});
    EXPECT_NE(std::string::npos, refusal.find("20")) << refusal;
    Select("Sales");
    std::string question;
    CommandWith(IDC_BOOKS_DELETE, {AnswerMessageBox(IDCANCEL, &question)});
    EXPECT_EQ("Are you sure you want to delete: Sales?", question);

    EXPECT_EQ(before, FilesOnDisk());
    EXPECT_EQ((std::vector<std::string>{"Main", "Sales"}), Lines());
    EXPECT_TRUE(FocusOn(IDOK));
}

TEST_F(ManageBooksTest, NamesOfTheMasterListAndOfDevicesAreRefusedForEveryCommand)
{
    WriteList("QOmaster", "[Index]\r\nItem1=Main\r\nItem2=Sales\r\nNumber=2\r\n");
    WriteList("Main", kTwoContacts);
    WriteList("Sales", kTwoContacts);
    Open();
    const std::string before = FilesOnDisk();
    for (const char* name : {"qomaster", "QOMASTER", "CON", "nul", "Com1", "LPT9"}) {
        for (int command : {IDC_BOOKS_NEW, IDC_BOOKS_COPY, IDC_BOOKS_RENAME}) {
            Select("Sales");
            std::string refusal;
            CommandWith(command, {TypeBookName(name, IDOK), AnswerMessageBox(IDOK, &refusal), TypeBookName("Extra", IDCANCEL)});
            EXPECT_EQ("The bookname can only contain alphanumeric characters.", refusal) << name << " " << command;
        }
    }
    EXPECT_EQ(before, FilesOnDisk());
    EXPECT_EQ((std::vector<std::string>{"Main", "Sales"}), Lines());
}

TEST_F(ManageBooksTest, AMasterListThatNamesItselfKeepsItsFile)
{
    WriteList("QOmaster", "[Index]\r\nItem1=Main\r\nItem2=qomaster\r\nNumber=2\r\n");
    WriteList("Main", kTwoContacts);
    Open();
    Select("qomaster");
    std::string question;
    CommandWith(IDC_BOOKS_DELETE, {AnswerMessageBox(IDOK, &question)});
    EXPECT_EQ((std::vector<std::string>{"Main"}), Lines());
    EXPECT_EQ("Main", Value("QOmaster", "Index", "Item1"));
    EXPECT_EQ("1", Value("QOmaster", "Index", "Number"));
}

TEST_F(ManageBooksTest, WithoutASelectedLineCopyRenameAndDeleteDoNothing)
{
    WriteList("QOmaster", "[Index]\r\nItem1=Main\r\nItem2=Sales\r\nNumber=2\r\n");
    WriteList("Main", kTwoContacts);
    Open();
    SendMessageA(Item(IDC_BOOKS_LIST), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    const std::string before = FilesOnDisk();
    for (int id : {IDC_BOOKS_COPY, IDC_BOOKS_RENAME, IDC_BOOKS_DELETE}) {
        bool opened = false;
        OnNextActivation watch(
            [](HWND window, void* context) {
                *static_cast<bool*>(context) = true;
                PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
            },
            &opened);
        Command(id);
        EXPECT_FALSE(opened) << "command " << id;
        EXPECT_TRUE(FocusOn(IDC_BOOKS_LIST)) << "command " << id;
    }
    EXPECT_EQ(before, FilesOnDisk());
    EXPECT_EQ("<none>", SelectedLine());
}

TEST_F(ManageBooksTest, CopyWritesTheSelectedBookUnderTheNewName)
{
    WriteList("QOmaster", "[Index]\r\nItem1=Main\r\nItem2=Sales\r\nNumber=2\r\n");
    WriteList("Main", "[Index]\r\nNumber=0\r\n");
    WriteList("Sales", kTwoContacts);
    Open();
    Select("Sales");
    NewBookSeen seen;
    CommandWith(IDC_BOOKS_COPY, {TypeBookName("Customers", IDOK, &seen)});
    EXPECT_EQ("Copy Phonebook", seen.caption);
    EXPECT_EQ("Copy Sales to new phonebook:", seen.prompt);

    EXPECT_EQ((std::vector<std::string>{"Customers", "Main", "Sales"}), Lines());
    EXPECT_EQ("Customers", Value("QOmaster", "Index", "Item3"));
    EXPECT_EQ("2", Value("Customers", "Index", "Number"));
    EXPECT_EQ("Ann Lee", Value("Customers", "Index", "Item1"));
    EXPECT_EQ("Bob Stone", Value("Customers", "Index", "Item2"));
    EXPECT_EQ("Lee Tools", Value("Customers", "Ann Lee", "Company"));
    EXPECT_EQ("555-0202", Value("Customers", "Bob Stone", "FAX"));
    EXPECT_EQ("2", Value("Sales", "Index", "Number"));  // the source stays
    EXPECT_TRUE(FocusOn(IDOK));

    // A name that differs only in letter case is refused.
    Select("Main");
    const std::string before = FilesOnDisk();
    std::string refusal;
    CommandWith(IDC_BOOKS_COPY, {TypeBookName("SALES", IDOK), AnswerMessageBox(IDOK, &refusal)});
    EXPECT_EQ("SALES already exists as a phonebook or group name.", refusal);
    EXPECT_EQ(before, FilesOnDisk());
}

TEST_F(ManageBooksTest, CopyOfABookWithoutAFileWritesAnEmptyBook)
{
    WriteList("QOmaster", "[Index]\r\nItem1=Gone\r\nItem2=Main\r\nNumber=2\r\n");
    WriteList("Main", kTwoContacts);
    Open();
    // A command before must not leave its records behind for the copy.
    Select("Main");
    CommandWith(IDC_BOOKS_COPY, {TypeBookName("Sales", IDOK)});
    Select("Gone");
    TraceCapture trace;
    CommandWith(IDC_BOOKS_COPY, {TypeBookName("Customers", IDOK)});
    EXPECT_TRUE(trace.Contains("Error reading from " + GetProfilePath("Gone") + "\n"));
    EXPECT_EQ("0", Value("Customers", "Index", "Number"));
    EXPECT_EQ("<missing>", Value("Customers", "Ann Lee", "First Name"));
    EXPECT_FALSE(ListExists("Gone"));
    EXPECT_EQ((std::vector<std::string>{"Customers", "Gone", "Main", "Sales"}), Lines());
}

TEST_F(ManageBooksTest, RenameMovesTheBookToItsNewName)
{
    WriteList("QOmaster", "[Index]\r\nItem1=Main\r\nItem2=Sales\r\nNumber=2\r\n");
    WriteList("Main", kTwoContacts);
    Open();
    Select("Main");
    NewBookSeen seen;
    CommandWith(IDC_BOOKS_RENAME, {TypeBookName("Office", IDOK, &seen)});
    EXPECT_EQ("Rename Phonebook / Groups", seen.caption);
    EXPECT_EQ("Rename Main to:", seen.prompt);

    EXPECT_EQ((std::vector<std::string>{"Office", "Sales"}), Lines());
    EXPECT_EQ("Sales", Value("QOmaster", "Index", "Item1"));
    EXPECT_EQ("Office", Value("QOmaster", "Index", "Item2"));
    EXPECT_EQ("2", Value("QOmaster", "Index", "Number"));
    EXPECT_EQ("555-0101", Value("Office", "Ann Lee", "FAX"));
    EXPECT_EQ("2", Value("Office", "Index", "Number"));
    EXPECT_FALSE(ListExists("Main"));
    EXPECT_TRUE(FocusOn(IDOK));

    // A book whose file is already gone: only the list changes, the new book is empty.
    Select("Sales");
    CommandWith(IDC_BOOKS_RENAME, {TypeBookName("Customers", IDOK)});
    EXPECT_EQ((std::vector<std::string>{"Customers", "Office"}), Lines());
    EXPECT_EQ("0", Value("Customers", "Index", "Number"));
}

TEST_F(ManageBooksTest, RenameToTheSameTextDoesNothingAndToAnotherCaseIsRefused)
{
    WriteList("QOmaster", "[Index]\r\nItem1=Main\r\nNumber=1\r\n");
    WriteList("Main", kTwoContacts);
    Open();
    const std::string before = FilesOnDisk();
    Select("Main");
    CommandWith(IDC_BOOKS_RENAME, {TypeBookName("Main", IDOK)});  // no message follows
    EXPECT_EQ(before, FilesOnDisk());
    EXPECT_TRUE(FocusOn(IDOK));

    SetFocus(Item(IDC_BOOKS_LIST));
    Select("Main");
    std::string refusal;
    CommandWith(IDC_BOOKS_RENAME, {TypeBookName("MAIN", IDOK), AnswerMessageBox(IDOK, &refusal)});
    EXPECT_EQ("MAIN already exists as a phonebook or group name.", refusal);
    EXPECT_EQ(before, FilesOnDisk());
    EXPECT_EQ((std::vector<std::string>{"Main"}), Lines());
    EXPECT_TRUE(FocusOn(IDC_BOOKS_LIST));
}

TEST_F(ManageBooksTest, DeleteAsksWithStopIconAndRemovesTheBookAndItsFile)
{
    WriteList("QOmaster", "[Index]\r\nItem1=Main\r\nItem2=Sales\r\nNumber=2\r\n");
    WriteList("Main", kTwoContacts);
    WriteList("Sales", kTwoContacts);
    Open();
    Select("Sales");
    struct Asked {
        std::string text;
        std::string caption;
        bool ok = false;
        bool cancel = false;
        bool yes = false;
        bool stopIcon = false;
    } asked;
    CommandWith(IDC_BOOKS_DELETE, {{0xFFFF, [&asked](HWND box) {
                                        asked.text = MessageBoxText(box);
                                        asked.caption = WindowText(box);
                                        auto shown = [box](int id) {
                                            HWND button = GetDlgItem(box, id);
                                            return button && IsWindowVisible(button);
                                        };
                                        asked.ok = shown(IDOK);
                                        asked.cancel = shown(IDCANCEL);
                                        asked.yes = shown(IDYES);
                                        HICON stop = LoadIconA(nullptr, IDI_HAND);
                                        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
                                            if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
                                                reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0)) == stop)
                                                asked.stopIcon = true;
                                        PostMessageA(box, WM_COMMAND, IDOK, 0);
                                    }}});
    EXPECT_EQ("Are you sure you want to delete: Sales?", asked.text);
    EXPECT_EQ("Delete Phonebook/Group", asked.caption);
    EXPECT_TRUE(asked.ok);
    EXPECT_TRUE(asked.cancel);
    EXPECT_FALSE(asked.yes);
    EXPECT_TRUE(asked.stopIcon);

    EXPECT_EQ((std::vector<std::string>{"Main"}), Lines());
    EXPECT_EQ("1", Value("QOmaster", "Index", "Number"));
    EXPECT_FALSE(ListExists("Sales"));
    EXPECT_EQ("2", Value("Main", "Index", "Number"));
    EXPECT_TRUE(FocusOn(IDOK));
}

TEST_F(ManageBooksTest, DeletingTheLastBookShowsMainAgainAtOnce)
{
    WriteList("QOmaster", "[Index]\r\nItem1=Sales\r\nNumber=1\r\n");
    WriteList("Sales", kTwoContacts);
    Open();
    std::string question;
    CommandWith(IDC_BOOKS_DELETE, {AnswerMessageBox(IDOK, &question)});
    EXPECT_EQ((std::vector<std::string>{"Main"}), Lines());
    EXPECT_EQ("Main", SelectedLine());
    EXPECT_EQ("Main", Value("QOmaster", "Index", "Item1"));
    EXPECT_EQ("0", Value("Main", "Index", "Number"));
    EXPECT_FALSE(ListExists("Sales"));

    // Deleting "Main" itself: the list gets "Main" back, but the new file goes with the
    // command, until the book is written again.
    CommandWith(IDC_BOOKS_DELETE, {AnswerMessageBox(IDOK, &question)});
    EXPECT_EQ("Are you sure you want to delete: Main?", question);
    EXPECT_EQ((std::vector<std::string>{"Main"}), Lines());
    EXPECT_EQ("Main", Value("QOmaster", "Index", "Item1"));
    EXPECT_FALSE(ListExists("Main"));
}

TEST_F(ManageBooksTest, HelpButtonAndHelpCommandOpenTheDialogsHelp)
{
    Open();
    Command(IDC_HELPBUTTON);
    Command(ID_FRAMEWORK_HELP);
    ASSERT_EQ(2u, g_help.size());
    for (const auto& request : g_help) {
        EXPECT_EQ(static_cast<UINT>(HELP_CONTEXT), request.first);
        EXPECT_EQ(675u, request.second);
    }
}

TEST_F(ManageBooksTest, HostileNamesInTheMasterListAreShownAndHandledAsText)
{
    const std::string longName(1023, 'L');
    WriteList("QOmaster", "[Index]\r\nItem1=%s%n%s\r\nItem2=A&B\r\nItem3=" + std::string(1100, 'L') + "\r\nNumber=3\r\n");
    Open();
    EXPECT_EQ((std::vector<std::string>{"%s%n%s", "A&B", longName}), SortedLines());

    Select("%s%n%s");
    NewBookSeen seen;
    CommandWith(IDC_BOOKS_COPY, {TypeBookName("Extra", IDCANCEL, &seen)});
    EXPECT_EQ("Copy %s%n%s to new phonebook:", seen.prompt);
    Select(longName);
    CommandWith(IDC_BOOKS_RENAME, {TypeBookName("Extra", IDCANCEL, &seen)});
    EXPECT_EQ("Rename " + longName + " to:", seen.prompt);
    std::string question;
    CommandWith(IDC_BOOKS_DELETE, {AnswerMessageBox(IDOK, &question)});
    EXPECT_EQ(0u, question.find("Are you sure you want to delete: LLL"));
    EXPECT_EQ((std::vector<std::string>{"%s%n%s", "A&B"}), SortedLines());
}

TEST_F(ModifyPhonebooksExportTest, ReturnsHowTheUserClosedTheDialogOwnedByTheHostWindow)
{
    struct Seen {
        HWND owner = nullptr;
        bool hostEnabled = true;
        std::string caption;
        std::string firstLine;
    };
    auto close = [](int button, HWND host, Seen* seen) {
        return DialogStep{IDC_BOOKS_LIST, [=](HWND dialog) {
                              seen->owner = GetWindow(dialog, GW_OWNER);
                              seen->hostEnabled = host && IsWindowEnabled(host);
                              seen->caption = WindowText(dialog);
                              char line[64] = {};
                              SendDlgItemMessageA(dialog, IDC_BOOKS_LIST, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(line));
                              seen->firstLine = line;
                              PostClick(dialog, button);
                          }};
    };
    Seen seen;
    {
        DialogScript script({close(IDOK, m_host.hWnd, &seen)});
        EXPECT_EQ(IDOK, m_modify(&m_host));
        EXPECT_EQ(1u, script.Done());
    }
    EXPECT_EQ(m_host.hWnd, seen.owner);
    EXPECT_FALSE(seen.hostEnabled);
    EXPECT_TRUE(IsWindowEnabled(m_host.hWnd));
    EXPECT_EQ("Manage Phonebooks", seen.caption);
    EXPECT_EQ("Main", seen.firstLine);

    {
        DialogScript script({close(IDCANCEL, m_host.hWnd, &seen)});
        EXPECT_EQ(IDCANCEL, m_modify(&m_host));
        EXPECT_EQ(1u, script.Done());
    }
    // No window at the handle's place, the host window one word further (where a later
    // framework keeps its handle): the module does not look there, and the dialog gets the
    // framework's safe owner, the window the user works in.
    HWND desk = CreateWindowA("STATIC", "Desk", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr,
                              nullptr, nullptr);
    SetForegroundWindow(desk);
    SetActiveWindow(desk);
    static const char moduleState[8] = {};
    struct {
        FAXHOSTWND object;
        HWND next;
    } later = {FrameworkWindowObject(reinterpret_cast<HWND>(const_cast<char*>(moduleState))), m_host.hWnd};
    {
        DialogScript script({close(IDCANCEL, desk, &seen)});
        EXPECT_EQ(IDCANCEL, m_modify(&later.object));
        EXPECT_EQ(1u, script.Done());
    }
    EXPECT_EQ(desk, seen.owner);
    EXPECT_FALSE(seen.hostEnabled);
    EXPECT_TRUE(IsWindowEnabled(desk));
    DestroyWindow(desk);
}
