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

// A master list holding these names, in order.
std::string MasterList(const std::vector<std::string>& names)
{
    std::string text = "[Index]\r\n";
    for (size_t i = 0; i < names.size(); ++i)
        text += "Item" + std::to_string(i + 1) + "=" + names[i] + "\r\n";
    return text + "Number=" + std::to_string(names.size()) + "\r\n";
}

const char kNotAlphanumeric[] = "The bookname can only contain alphanumeric characters.";
const char kDeleteSales[] = "Are you sure you want to delete: Sales?";

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

struct ProfileValue {
    const char* list;
    const char* section;
    const char* key;
    const char* value;
};

void ExpectValues(const std::vector<ProfileValue>& values)
{
    for (const ProfileValue& v : values)
        EXPECT_EQ(v.value, Value(v.list, v.section, v.key)) << v.list << " [" << v.section << "] " << v.key;
}

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

// On a message box: note its texts, its buttons and whether it has the stop icon; answer with a button.
struct QuestionSeen {
    std::string text;
    std::string caption;
    bool ok = false;
    bool cancel = false;
    bool yes = false;
    bool stopIcon = false;
};

DialogStep AnswerQuestion(int button, QuestionSeen* seen)
{
    return {0xFFFF, [=](HWND box) {
                seen->text = MessageBoxText(box);
                seen->caption = WindowText(box);
                auto shown = [box](int id) {
                    HWND control = GetDlgItem(box, id);
                    return control && IsWindowVisible(control);
                };
                seen->ok = shown(IDOK);
                seen->cancel = shown(IDCANCEL);
                seen->yes = shown(IDYES);
                HICON stop = LoadIconA(nullptr, IDI_HAND);
                for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
                    if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
                        reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0)) == stop)
                        seen->stopIcon = true;
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

    // Starts over from these files: the master list, the books with two contacts each; the
    // dialog opens again with that book selected.
    void Reopen(const std::vector<std::string>& master, const std::vector<std::string>& books, const char* select)
    {
        m_dialog.DestroyWindow();
        RemoveLists();
        WriteList("QOmaster", MasterList(master));
        for (const std::string& book : books)
            WriteList(book, kTwoContacts);
        Open();
        if (select)
            Select(select);
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
    WriteList("QOmaster", MasterList({"Zeta", "Main", "alpha", "MAIN"}));
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
    QuestionSeen refusal;
    CommandWith(IDC_BOOKS_NEW, {TypeBookName("Sales 2", IDOK, &first), AnswerQuestion(IDOK, &refusal),
                                TypeBookName("Sales2", IDOK, &second)});
    EXPECT_EQ("New Phonebook", first.caption);
    EXPECT_EQ("Add a new phonebook here:", first.prompt);
    EXPECT_EQ("", first.name);
    EXPECT_EQ(20, first.limit);
    EXPECT_TRUE(first.nameHasFocus);
    EXPECT_EQ(kNotAlphanumeric, refusal.text);
    // The dialog stayed open with the refused text, the focus back on it.
    EXPECT_EQ("Sales 2", second.name);
    EXPECT_TRUE(second.nameHasFocus);

    EXPECT_EQ((std::vector<std::string>{"Main", "Sales2"}), Lines());
    ExpectValues({{"QOmaster", "Index", "Item2", "Sales2"}, {"QOmaster", "Index", "Number", "2"}, {"Sales2", "Index", "Number", "0"}});
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

// Commands that end with the files and the list as they were: a cancelled name dialog or
// question, a rename to the same text, a name refused as not alphanumeric or too long (the
// dialog asks again and is cancelled), and a name the master list holds in any letter case
// (the command stops there).
TEST_F(ManageBooksTest, CancelledOrRefusedCommandsChangeNothing)
{
    enum Outcome { Cancelled, SameName, NotAlphanumeric, TooLong, Exists };
    struct Case {
        int command;
        const char* select;
        std::string typed;  // unused by Delete, which asks a question instead
        Outcome outcome;
        bool fullList = false;  // the master list holds 500 names, as many as it can
    };
    std::vector<Case> cases = {
        {IDC_BOOKS_NEW, "Sales", "Extra", Cancelled},
        {IDC_BOOKS_COPY, "Sales", "Extra", Cancelled},
        {IDC_BOOKS_DELETE, "Sales", "", Cancelled},
        {IDC_BOOKS_RENAME, "Main", "Main", SameName},  // no message follows
        {IDC_BOOKS_NEW, "Sales", "Not valid", NotAlphanumeric},
        {IDC_BOOKS_RENAME, "Sales", "Caf\xe9", NotAlphanumeric},
        {IDC_BOOKS_RENAME, "Sales", std::string(21, 'x'), TooLong},  // put in past the edit's limit
        {IDC_BOOKS_NEW, "Sales", "main", Exists},
        {IDC_BOOKS_COPY, "Main", "SALES", Exists},
        {IDC_BOOKS_RENAME, "Main", "MAIN", Exists},  // a change of letter case only
        {IDC_BOOKS_NEW, nullptr, "Extra", Exists, true},
    };
    // The master list's own name and device names, for every command that takes a name.
    for (const char* name : {"qomaster", "QOMASTER", "CON", "nul", "Com1", "LPT9"})
        for (int command : {IDC_BOOKS_NEW, IDC_BOOKS_COPY, IDC_BOOKS_RENAME})
            cases.push_back({command, "Sales", name, NotAlphanumeric});

    std::vector<std::string> full;
    for (int i = 1; i <= 500; ++i)
        full.push_back("Book" + std::to_string(i));
    for (const Case& c : cases) {
        SCOPED_TRACE("command " + std::to_string(c.command) + " name " + c.typed);
        Reopen(c.fullList ? full : std::vector<std::string>{"Main", "Sales"}, {"Main", "Sales"}, c.select);
        const std::string before = FilesOnDisk();
        const std::vector<std::string> lines = Lines();
        QuestionSeen box;
        std::vector<DialogStep> steps;
        if (c.command == IDC_BOOKS_DELETE)
            steps.push_back(AnswerQuestion(IDCANCEL, &box));
        else
            steps.push_back(TypeBookName(c.typed, c.outcome == Cancelled ? IDCANCEL : IDOK));
        if (c.outcome != Cancelled && c.outcome != SameName)
            steps.push_back(AnswerQuestion(IDOK, &box));
        if (c.outcome == NotAlphanumeric || c.outcome == TooLong)
            steps.push_back(TypeBookName("Extra", IDCANCEL));
        CommandWith(c.command, std::move(steps));

        const std::string expected = c.outcome == Exists ? c.typed + " already exists as a phonebook or group name."
                                     : c.outcome == NotAlphanumeric   ? kNotAlphanumeric
                                     : c.command == IDC_BOOKS_DELETE  ? kDeleteSales
                                                                      : "";
        if (c.outcome == TooLong)
            EXPECT_NE(std::string::npos, box.text.find("20")) << box.text;
        else
            EXPECT_EQ(expected, box.text);
        EXPECT_EQ(before, FilesOnDisk());
        EXPECT_EQ(lines, Lines());
        // A refused command leaves the focus where it was; a closed dialog moves it to OK.
        EXPECT_TRUE(FocusOn(c.outcome == Exists ? IDC_BOOKS_LIST : IDOK));
    }
}

TEST_F(ManageBooksTest, WithoutASelectedLineCopyRenameAndDeleteDoNothing)
{
    WriteList("QOmaster", MasterList({"Main", "Sales"}));
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

// Copy, Rename and Delete carried out on a selected book: what the user was asked, the list
// and the files after. Each case starts from its own files, on the same dialog object: the
// copy of a book without a file follows a copy that read records.
TEST_F(ManageBooksTest, CopyRenameAndDeleteChangeTheListAndTheFiles)
{
    struct Case {
        std::vector<std::string> master;
        std::vector<std::string> books;  // these have a file with two contacts
        const char* select;
        int command;
        const char* typed;  // nullptr: Delete's question, answered OK
        const char* caption;
        std::string asked;  // the name dialog's prompt or the question
        std::vector<std::string> lines;
        std::vector<ProfileValue> values;
        std::vector<const char*> gone;  // list files that must not exist
        const char* unreadable = nullptr;  // a book whose missing file is traced
        const char* selected = nullptr;
    };
    const char* kCopy = "Copy Phonebook";
    const char* kRename = "Rename Phonebook / Groups";
    const char* kDelete = "Delete Phonebook/Group";
    const std::vector<Case> cases = {
        {{"Main", "Sales"}, {"Main", "Sales"}, "Sales", IDC_BOOKS_COPY, "Customers", kCopy, "Copy Sales to new phonebook:",
         {"Customers", "Main", "Sales"},
         {{"QOmaster", "Index", "Item3", "Customers"}, {"Customers", "Index", "Number", "2"}, {"Customers", "Index", "Item1", "Ann Lee"},
          {"Customers", "Index", "Item2", "Bob Stone"}, {"Customers", "Ann Lee", "Company", "Lee Tools"},
          {"Customers", "Bob Stone", "FAX", "555-0202"}, {"Sales", "Index", "Number", "2"}}},  // the source stays
        {{"Gone", "Main"}, {"Main"}, "Gone", IDC_BOOKS_COPY, "Customers", kCopy, "Copy Gone to new phonebook:",
         {"Customers", "Gone", "Main"}, {{"Customers", "Index", "Number", "0"}, {"Customers", "Ann Lee", "First Name", "<missing>"}},
         {"Gone"}, "Gone"},
        {{"Main", "Sales"}, {"Main"}, "Main", IDC_BOOKS_RENAME, "Office", kRename, "Rename Main to:", {"Office", "Sales"},
         {{"QOmaster", "Index", "Item1", "Sales"}, {"QOmaster", "Index", "Item2", "Office"}, {"QOmaster", "Index", "Number", "2"},
          {"Office", "Ann Lee", "FAX", "555-0101"}, {"Office", "Index", "Number", "2"}}, {"Main"}},
        // A book whose file is already gone: only the list changes, the new book is empty.
        {{"Main", "Sales"}, {"Main"}, "Sales", IDC_BOOKS_RENAME, "Customers", kRename, "Rename Sales to:", {"Customers", "Main"},
         {{"Customers", "Index", "Number", "0"}}, {"Sales"}},
        {{"Main", "Sales"}, {"Main", "Sales"}, "Sales", IDC_BOOKS_DELETE, nullptr, kDelete, kDeleteSales, {"Main"},
         {{"QOmaster", "Index", "Number", "1"}, {"Main", "Index", "Number", "2"}}, {"Sales"}},
        // Deleting the last book shows "Main" again at once, with a new empty file.
        {{"Sales"}, {"Sales"}, "Sales", IDC_BOOKS_DELETE, nullptr, kDelete, kDeleteSales, {"Main"},
         {{"QOmaster", "Index", "Item1", "Main"}, {"Main", "Index", "Number", "0"}}, {"Sales"}, nullptr, "Main"},
        // Deleting "Main" itself: the list gets "Main" back, but the new file goes with the
        // command, until the book is written again.
        {{"Main"}, {"Main"}, "Main", IDC_BOOKS_DELETE, nullptr, kDelete, "Are you sure you want to delete: Main?", {"Main"},
         {{"QOmaster", "Index", "Item1", "Main"}}, {"Main"}},
        // A master list that names itself: the name goes from the list, the file stays.
        {{"Main", "qomaster"}, {"Main"}, "qomaster", IDC_BOOKS_DELETE, nullptr, kDelete, "Are you sure you want to delete: qomaster?",
         {"Main"}, {{"QOmaster", "Index", "Item1", "Main"}, {"QOmaster", "Index", "Number", "1"}}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption + std::string(" ") + c.select);
        Reopen(c.master, c.books, c.select);
        TraceCapture trace;
        if (c.typed) {
            NewBookSeen seen;
            CommandWith(c.command, {TypeBookName(c.typed, IDOK, &seen)});
            EXPECT_EQ(c.caption, seen.caption);
            EXPECT_EQ(c.asked, seen.prompt);
        } else {
            QuestionSeen seen;
            CommandWith(c.command, {AnswerQuestion(IDOK, &seen)});
            EXPECT_EQ(c.caption, seen.caption);
            EXPECT_EQ(c.asked, seen.text);
            EXPECT_TRUE(seen.ok);
            EXPECT_TRUE(seen.cancel);
            EXPECT_FALSE(seen.yes);
            EXPECT_TRUE(seen.stopIcon);
        }
        EXPECT_EQ(c.lines, Lines());
        ExpectValues(c.values);
        for (const char* name : c.gone)
            EXPECT_FALSE(ListExists(name)) << name;
        if (c.unreadable) {
            EXPECT_TRUE(trace.Contains("Error reading from " + GetProfilePath(c.unreadable) + "\n"));
        }
        if (c.selected) {
            EXPECT_EQ(c.selected, SelectedLine());
        }
        EXPECT_TRUE(FocusOn(IDOK));
    }
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
    WriteList("QOmaster", MasterList({"%s%n%s", "A&B", std::string(1100, 'L')}));
    Open();
    EXPECT_EQ((std::vector<std::string>{"%s%n%s", "A&B", longName}), SortedLines());

    Select("%s%n%s");
    NewBookSeen seen;
    CommandWith(IDC_BOOKS_COPY, {TypeBookName("Extra", IDCANCEL, &seen)});
    EXPECT_EQ("Copy %s%n%s to new phonebook:", seen.prompt);
    Select(longName);
    CommandWith(IDC_BOOKS_RENAME, {TypeBookName("Extra", IDCANCEL, &seen)});
    EXPECT_EQ("Rename " + longName + " to:", seen.prompt);
    QuestionSeen question;
    CommandWith(IDC_BOOKS_DELETE, {AnswerQuestion(IDOK, &question)});
    EXPECT_EQ(0u, question.text.find("Are you sure you want to delete: LLL"));
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
