// Phonebooks as profile files beside the module (here the test program): record files and the
// master list written and read through the system's profile functions, and the Manage
// Phonebooks dialog on them. The dialog runs modeless and its commands are sent by control
// id; the name dialogs and message boxes it opens are answered step by step.
#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/win_app.h"
#include "phonebook/manage_books.h"
#include "phonebook/name_index.h"
#include "phonebook/profile_file.h"
#include "phonebook/record_file.h"
#include "phonebook/record_names.h"
#include "res/resource.h"
#include "standins/dialog_script.h"
#include "test_support.h"

using namespace testsupport;
using standintest::DialogScript;
using standintest::DialogStep;
using standintest::PostClick;
using Lines = std::vector<std::string>;

namespace {

// Every list a test here writes or a command may create.
const char* const kListsUsed[] = {"QOmaster", "Main",  "Sales", "Sales2",     "Customers",
                                  "Office",   "Extra", "Gone",  "RWTestBook", "RWTestLog"};

const char kTwoContacts[] =
    "[Index]\r\nItem1=Ann Lee\r\nItem2=Bob Stone\r\nNumber=2\r\n"
    "[Ann Lee]\r\nFirst Name=Ann\r\nLast Name=Lee\r\nCompany=Lee Tools\r\nFAX=555-0101\r\n"
    "[Bob Stone]\r\nFirst Name=Bob\r\nLast Name=Stone\r\nFAX=555-0202\r\n";

// The profile files beside the module, each with its contents.
std::vector<std::pair<std::string, std::string>> ProfileFiles()
{
    std::string folder = GetProfilePath("x");
    folder.erase(folder.find_last_of('\\') + 1);
    std::vector<std::pair<std::string, std::string>> files;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*.ini").c_str(), &found);
    for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found))
        files.emplace_back(folder + found.cFileName, ReadFileBytes(folder + found.cFileName));
    FindClose(search);
    return files;
}

void RemoveLists()
{
    for (const char* name : kListsUsed) {
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, GetProfilePath(name).c_str());
        DeleteFileA(GetProfilePath(name).c_str());
    }
}

std::string MasterList(const Lines& names)
{
    std::string text = "[Index]\r\n";
    for (size_t i = 0; i < names.size(); ++i)
        text += "Item" + std::to_string(i + 1) + "=" + names[i] + "\r\n";
    return text + "Number=" + std::to_string(names.size()) + "\r\n";
}

void WriteList(const std::string& name, const std::string& contents)
{
    ASSERT_TRUE(WriteFileBytes(GetProfilePath(name), contents));
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, GetProfilePath(name).c_str());
}

std::string Value(const std::string& list, const std::string& section, const char* key)
{
    char text[2048] = {};
    GetPrivateProfileStringA(section.c_str(), key, "<missing>", text, sizeof text, GetProfilePath(list).c_str());
    return text;
}

struct ProfileValue { const char* list; const char* section; const char* key; const char* value; };

void ExpectValues(const std::vector<ProfileValue>& values)
{
    for (const ProfileValue& v : values)
        EXPECT_EQ(v.value, Value(v.list, v.section, v.key)) << v.list << " [" << v.section << "] " << v.key;
}

Lines Names(const CNameIndex& index)
{
    Lines names;
    for (int i = 0; i < index.GetCount(); ++i)
        names.push_back(index.GetAt(i));
    return names;
}

class RecordFileTest : public testing::Test {
protected:
    void SetUp() override { RemoveLists(); }
    void TearDown() override { RemoveLists(); }
};

// One window a command opens and how it is answered: a name dialog (the text typed) or a
// message box (no text).
struct Step {
    const char* typed;
    int button;
    std::string shows;  // the name dialog's prompt or the box's text; ending in '*': its start
};

// Answers a step, checking the window: a name dialog shows the name it refused before (or
// none); a message box is owned by the window the user works in, which waits, and a question
// to delete offers OK and Cancel.
DialogStep Answer(const Step& step, const char* refused, HWND owner)
{
    auto expectShows = [step](const std::string& text) {
        const size_t start = step.shows.back() == '*' ? step.shows.size() - 1 : std::string::npos;
        EXPECT_EQ(step.shows.substr(0, start), text.substr(0, start));
    };
    if (step.typed)
        return {IDC_NEWBOOK_NAME, [=](HWND dialog) {
                    HWND edit = GetDlgItem(dialog, IDC_NEWBOOK_NAME);
                    expectShows(WindowText(GetDlgItem(dialog, IDC_NEWBOOK_PROMPT)));
                    EXPECT_EQ(refused ? refused : "", WindowText(edit));
                    EXPECT_EQ(edit, GetFocus());  // also back on it after a refusal
                    SetWindowTextA(edit, step.typed);
                    PostClick(dialog, step.button);
                }};
    return {0xFFFF, [=](HWND box) {
                expectShows(MessageBoxText(box));
                // Owned by the dialog, or by the name dialog it opened, which waits.
                HWND boxOwner = GetWindow(box, GW_OWNER);
                EXPECT_TRUE(boxOwner == owner || GetWindow(boxOwner, GW_OWNER) == owner);
                EXPECT_FALSE(IsWindowEnabled(boxOwner));
                if (step.shows.find("Are you sure") == 0) {
                    EXPECT_TRUE(GetDlgItem(box, IDOK) && GetDlgItem(box, IDCANCEL) && !GetDlgItem(box, IDYES));
                }
                PostMessageA(box, WM_COMMAND, step.button, 0);
            }};
}

class ManageBooksTest : public testing::Test {
protected:
    void SetUp() override { RemoveLists(); }
    void TearDown() override
    {
        m_dialog.DestroyWindow();
        RemoveLists();
    }

    void Open()
    {
        m_dialog.DestroyWindow();
        ASSERT_TRUE(m_dialog.Create(nullptr));
        ShowWindow(m_dialog.m_hWnd, SW_SHOW);
        SetForegroundWindow(m_dialog.m_hWnd);
        SetFocus(Item(IDC_BOOKS_LIST));
    }

    HWND Item(int id) const { return GetDlgItem(m_dialog.m_hWnd, id); }

    // The lines of the list box as the user sees them.
    Lines Shown() const
    {
        Lines lines;
        HWND list = Item(IDC_BOOKS_LIST);
        for (LRESULT i = 0; i < SendMessageA(list, LB_GETCOUNT, 0, 0); ++i) {
            std::string text(static_cast<size_t>(SendMessageA(list, LB_GETTEXTLEN, i, 0)) + 1, '\0');
            SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&text[0]));
            lines.push_back(text.c_str());
        }
        return lines;
    }
    std::string SelectedLine() const
    {
        LRESULT line = SendMessageA(Item(IDC_BOOKS_LIST), LB_GETCURSEL, 0, 0);
        return line == LB_ERR ? "<none>" : Shown().at(static_cast<size_t>(line));
    }
    void Command(int id)
    {
        SendMessageA(m_dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Item(id)));
    }

    CWinApp m_app;
    CDManageBooks m_dialog;
};

}  // namespace

// Contacts go under "First Last" (both empty: the file's unnamed first section, whose name
// reads back as none); a save writes the file whole, and a load reads every field back.
TEST_F(RecordFileTest, ContactsAreWrittenWholeAndReadBack)
{
    const Lines names = {"Ann Lee", " ", "Bob Roe"};
    auto text = [&](size_t slot, int field) {
        const std::string& name = names[slot];
        return field == 0 ? name.substr(0, name.find(' '))
               : field == 1 ? name.substr(name.find(' ') + 1)
                            : std::to_string(slot) + "-" + std::to_string(field);
    };
    auto file = std::make_unique<CRecordFile>();
    for (size_t slot = 0; slot < names.size(); ++slot) {
        file->GetIndex().Add(names[slot]);
        for (int field = 0; field < kContactFieldCount; ++field)
            file->SetField(static_cast<int>(slot), field, text(slot, field));
    }
    ASSERT_EQ(1, file->Save("RWTestBook", true));
    file->GetIndex().Remove("bob roe");  // saved again: no trace of him
    ASSERT_EQ(1, file->Save("RWTestBook", true));
    EXPECT_EQ("<missing>", Value("RWTestBook", "Bob Roe", "First Name"));
    EXPECT_EQ("1-10", Value("RWTestBook", " ", "FAX"));
    auto loaded = std::make_unique<CRecordFile>();
    EXPECT_EQ(1, loaded->Load("RWTestBook", true, true));
    EXPECT_EQ((Lines{"Ann Lee", ""}), Names(loaded->GetIndex()));
    for (size_t slot = 0; slot < 2; ++slot)
        for (int field = 0; field < kContactFieldCount; ++field)
            EXPECT_EQ(text(slot, field), loaded->GetField(static_cast<int>(slot), field)) << g_szContactFields[field];
}

// Every record key fails; the index and the flushes go through.
static BOOL WINAPI FailRecordWrites(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR path)
{
    if (section && lstrcmpiA(section, g_szIndexSection) != 0)
        return FALSE;
    return WritePrivateProfileStringA(section, key, value, path);
}

// A record write that fails after the index was written: one message with the path, the
// save fails and what was written stays.
TEST_F(RecordFileTest, AFailedRecordWriteIsReportedAndTheIndexStays)
{
    auto file = std::make_unique<CRecordFile>();
    file->GetIndex().Add("Ann Lee");
    file->GetIndex().Add("Bob Roe");
    const ProfileWriter system = SetProfileWriter(&FailRecordWrites);
    std::string shown;
    int saved = -1;
    {
        OnNextActivation answer(
            [](HWND box, void* text) {
                *static_cast<std::string*>(text) = MessageBoxText(box);
                PostMessageA(box, WM_COMMAND, IDOK, 0);
            },
            &shown);
        saved = file->Save("RWTestBook", true);
    }
    SetProfileWriter(system);
    EXPECT_EQ(0, saved);
    EXPECT_EQ("Error writing to " + GetProfilePath("RWTestBook") + ".", shown);
    EXPECT_EQ("Bob Roe", Value("RWTestBook", g_szIndexSection, "Item2"));
    EXPECT_EQ("<missing>", Value("RWTestBook", "Ann Lee", "First Name"));
}

// Missing, huge or negative counts, items after many other keys: a load reads what is there,
// within its bounds; a missing list is traced when the caller asks.
TEST_F(RecordFileTest, IndexesLoadWithinTheirBounds)
{
    std::string padded = "[Index]\r\n";
    for (int i = 0; i < 120; ++i)
        padded += "Note" + std::to_string(i) + std::string(40, 'x') + "=1\r\n";
    struct Case {
        std::string contents;  // empty: no file
        int loaded;
        Lines names;
    } const cases[] = {
        {"", 0, {}},
        {"[Index]\r\nNumber=2000000000\r\nItem1=a\r\nItem2=b\r\n", 1, {"a", "b", ""}},
        {"[Index]\r\nNumber=-7\r\nItem1=a\r\n", 1, {}},
        {padded + "Item1=a\r\nItem2=b\r\nNumber=2\r\n", 1, {"a", "b"}},
    };
    for (const Case& c : cases) {
        RemoveLists();
        if (!c.contents.empty())
            WriteList("RWTestBook", c.contents);
        for (bool traced : {false, true}) {
            CNameIndex index;
            index.Add("left over");
            TraceCapture trace;
            EXPECT_EQ(c.loaded, index.Load("RWTestBook", traced));
            EXPECT_EQ(c.names, Names(index)) << c.contents.substr(0, 30);
            EXPECT_EQ(traced && !c.loaded ? Lines{"Error reading from " + GetProfilePath("RWTestBook") + "\n"} : Lines{},
                      trace.Lines());
        }
    }
}

// Without a usable count in the master list the books are "Main" alone, with an empty file;
// otherwise the books it names, sorted, each once, the first selected.
TEST_F(ManageBooksTest, StartListsTheBooksSortedOnceEachOrAnEmptyMain)
{
    struct Case {
        std::string master;  // empty: no master list
        Lines lines;
    } const cases[] = {
        {"", {"Main"}},
        {"[Index]\r\nNumber=0\r\nItem1=Customers\r\n", {"Main"}},
        {MasterList({"Zeta", "Main", "alpha", "MAIN"}), {"alpha", "Main", "Zeta"}},
    };
    for (const Case& c : cases) {
        RemoveLists();
        if (!c.master.empty())
            WriteList("QOmaster", c.master);
        WriteList("Sales", kTwoContacts);
        WriteList("Main", kTwoContacts);
        Open();
        EXPECT_EQ(c.lines, Shown());
        EXPECT_EQ(c.lines[0], SelectedLine());
        const bool main = c.lines.size() == 1;
        ExpectValues({{"QOmaster", "Index", "Item1", main ? "Main" : "Zeta"},
                      {"Main", "Index", "Number", main ? "0" : "2"},
                      {"Main", "Ann Lee", "FAX", main ? "<missing>" : "555-0101"},
                      {"Sales", "Index", "Number", "2"}});
    }
}

// Each command on its own files: the windows it opens and how they are answered, then the
// list and the files. A command cancelled, refused or left without a selection changes
// nothing; one refused because the name exists leaves the focus on the list, any other ends
// with it on OK.
TEST_F(ManageBooksTest, CommandsAskAndChangeTheListAndTheFiles)
{
    const Lines kMS = {"Main", "Sales"};
    const int kList = IDC_BOOKS_LIST, kNewC = IDC_BOOKS_NEW, kCopyC = IDC_BOOKS_COPY, kRenameC = IDC_BOOKS_RENAME,
              kDeleteC = IDC_BOOKS_DELETE;
    const std::string kNew = "Add a new phonebook here:", kCopySales = "Copy Sales to new phonebook:",
                      kRenameSales = "Rename Sales to:", kNotAlnum = "The bookname can only contain alphanumeric characters.",
                      kDeleteSales = "Are you sure you want to delete: Sales?", kExists = " already exists as a phonebook or group name.";
    const std::string longName(1023, 'L'), tooLong(21, 'x');
    struct Case {
        Lines master, books;  // the books have a file with two contacts
        const char* select;   // nullptr: the dialog's own choice; "": no line
        int command;
        std::vector<Step> steps;
        Lines lines;  // empty: the list and the files as they were
        std::vector<ProfileValue> values;
        Lines gone;  // list files that must not exist
        int focus = IDOK;
        const char* blocked = nullptr;     // a book whose file no write can reach
        const char* selected = nullptr;
    };
    std::vector<Case> cases = {
        {kMS, kMS, "Sales", kNewC, {{"Extra", IDCANCEL, kNew}}},
        {kMS, kMS, "Sales", kCopyC, {{"Extra", IDCANCEL, kCopySales}}},
        {kMS, kMS, "Sales", kDeleteC, {{nullptr, IDCANCEL, kDeleteSales}}},
        {kMS, kMS, "Main", kRenameC, {{"Main", IDOK, "Rename Main to:"}}},
        {kMS, kMS, "Sales", kRenameC,
         {{tooLong.c_str(), IDOK, kRenameSales}, {nullptr, IDOK, "Please enter no more than 20 characters."}, {"Extra", IDCANCEL, kRenameSales}}},
        {kMS, kMS, "Sales", kNewC, {{"main", IDOK, kNew}, {nullptr, IDOK, "main" + kExists}}, {}, {}, {}, kList},
        {kMS, kMS, "Main", kCopyC, {{"SALES", IDOK, "Copy Main to new phonebook:"}, {nullptr, IDOK, "SALES" + kExists}}, {}, {}, {}, kList},
        {kMS, kMS, "Main", kRenameC, {{"MAIN", IDOK, "Rename Main to:"}, {nullptr, IDOK, "MAIN" + kExists}}, {}, {}, {}, kList},
        {kMS, kMS, "", kCopyC, {}, {}, {}, {}, kList},
        {kMS, kMS, "", kRenameC, {}, {}, {}, {}, kList},
        {kMS, kMS, "", kDeleteC, {}, {}, {}, {}, kList},
        // Names that hold format directives or are too long for a message's buffer show as they are.
        {{"%s%n%s", "A&B"}, {}, "%s%n%s", kCopyC, {{"Extra", IDCANCEL, "Copy %s%n%s to new phonebook:"}}},
        // Carried out.
        {kMS, kMS, "Sales", kNewC, {{"Sales 2", IDOK, kNew}, {nullptr, IDOK, kNotAlnum}, {"Sales2", IDOK, kNew}}, {"Main", "Sales", "Sales2"},
         {{"QOmaster", "Index", "Item3", "Sales2"}, {"QOmaster", "Index", "Number", "3"}, {"Sales2", "Index", "Number", "0"}}, {"Sales 2"}},
        {kMS, kMS, "Sales", kNewC, {{"Sales2", IDOK, kNew}, {nullptr, IDOK, "Error writing to " + GetProfilePath("Sales2")}},
         {"Main", "Sales", "Sales2"}, {{"QOmaster", "Index", "Item3", "Sales2"}}, {}, IDOK, "Sales2"},
        {kMS, kMS, "Sales", kCopyC, {{"Customers", IDOK, kCopySales}}, {"Customers", "Main", "Sales"},
         {{"QOmaster", "Index", "Item3", "Customers"}, {"Customers", "Index", "Item1", "Ann Lee"}, {"Customers", "Index", "Item2", "Bob Stone"},
          {"Customers", "Ann Lee", "Company", "Lee Tools"}, {"Customers", "Bob Stone", "FAX", "555-0202"}, {"Sales", "Index", "Number", "2"}}},
        // The copy of a book without a file.
        {{"Gone", "Main"}, {"Main"}, "Gone", kCopyC, {{"Customers", IDOK, "Copy Gone to new phonebook:"}}, {"Customers", "Gone", "Main"},
         {{"Customers", "Index", "Number", "0"}, {"Customers", "Ann Lee", "First Name", "<missing>"}}, {"Gone"}},
        {kMS, {"Main"}, "Main", kRenameC, {{"Office", IDOK, "Rename Main to:"}}, {"Office", "Sales"},
         {{"QOmaster", "Index", "Item1", "Sales"}, {"QOmaster", "Index", "Item2", "Office"}, {"QOmaster", "Index", "Number", "2"},
          {"Office", "Ann Lee", "FAX", "555-0101"}, {"Office", "Index", "Number", "2"}}, {"Main"}},
        // A book whose file is already gone: only the list changes, the new book is empty.
        {kMS, {"Main"}, "Sales", kRenameC, {{"Customers", IDOK, kRenameSales}}, {"Customers", "Main"},
         {{"Customers", "Index", "Number", "0"}}, {"Sales"}},
        {kMS, kMS, "Sales", kDeleteC, {{nullptr, IDOK, kDeleteSales}}, {"Main"},
         {{"QOmaster", "Index", "Number", "1"}, {"Main", "Index", "Number", "2"}}, {"Sales"}},
        // Deleting the last book shows "Main" again at once, with a new empty file.
        {{"Sales"}, {"Sales"}, "Sales", kDeleteC, {{nullptr, IDOK, kDeleteSales}}, {"Main"},
         {{"QOmaster", "Index", "Item1", "Main"}, {"Main", "Index", "Number", "0"}}, {"Sales"}, IDOK, nullptr, "Main"},
        // Deleting "Main" itself: the list gets "Main" back, but its new file goes with the command.
        {{"Main"}, {"Main"}, "Main", kDeleteC, {{nullptr, IDOK, "Are you sure you want to delete: Main?"}}, {"Main"},
         {{"QOmaster", "Index", "Item1", "Main"}}, {"Main"}},
        // A master list that names itself: the name goes from the list, the file stays.
        {{"Main", "qomaster"}, {"Main"}, "qomaster", kDeleteC, {{nullptr, IDOK, "Are you sure you want to delete: qomaster?"}}, {"Main"},
         {{"QOmaster", "Index", "Item1", "Main"}, {"QOmaster", "Index", "Number", "1"}}},
        {{"A&B", std::string(1100, 'L')}, {}, longName.c_str(), kDeleteC, {{nullptr, IDOK, "Are you sure you want to delete: LLL*"}}, {"A&B"}},
    };
    // Names refused as not plain letters and digits, the master list's own and devices' names
    // among them: the name dialog asks again and is cancelled.
    for (const char* name : {"Not valid", "QOMASTER", "nul"})
        for (const auto& command : std::vector<std::pair<int, std::string>>{{kNewC, kNew}, {kCopyC, kCopySales}, {kRenameC, kRenameSales}})
            cases.push_back({kMS, kMS, "Sales", command.first,
                             {{name, IDOK, command.second}, {nullptr, IDOK, kNotAlnum}, {"Extra", IDCANCEL, command.second}}});
    for (const Case& c : cases) {
        SCOPED_TRACE("command " + std::to_string(c.command) + (c.steps.empty() ? "" : " " + c.steps[0].shows.substr(0, 40)));
        RemoveLists();
        WriteList("QOmaster", MasterList(c.master));
        for (const std::string& book : c.books)
            WriteList(book, kTwoContacts);
        if (c.blocked) {
            ASSERT_TRUE(CreateDirectoryA(GetProfilePath(c.blocked).c_str(), nullptr));
        }
        Open();
        if (c.select) {
            HWND list = Item(kList);
            LRESULT line = SendMessageA(list, LB_FINDSTRINGEXACT, WPARAM(-1), reinterpret_cast<LPARAM>(c.select));
            ASSERT_TRUE(!*c.select || line != LB_ERR) << c.select;
            SendMessageA(list, LB_SETCURSEL, *c.select ? WPARAM(line) : WPARAM(-1), 0);
        }
        const auto before = ProfileFiles();
        const Lines lines = Shown();
        std::vector<DialogStep> steps;
        for (size_t i = 0; i < c.steps.size(); ++i)
            steps.push_back(Answer(c.steps[i], i >= 2 && c.steps[i].typed ? c.steps[i - 2].typed : nullptr, m_dialog.m_hWnd));
        bool opened = false;
        {
            DialogScript script(std::move(steps));
            auto cancel = [](HWND window, void* context) {
                *static_cast<bool*>(context) = true;
                PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
            };
            std::unique_ptr<OnNextActivation> watch(c.steps.empty() ? new OnNextActivation(cancel, &opened) : nullptr);
            Command(c.command);
            EXPECT_EQ(script.Size(), script.Done());
            EXPECT_FALSE(opened);
        }
        if (c.blocked)
            RemoveDirectoryA(GetProfilePath(c.blocked).c_str());
        Lines shown = Shown();
        if (c.lines.empty()) {
            EXPECT_EQ(before, ProfileFiles());
            EXPECT_EQ(lines, shown);
        } else {
            std::sort(shown.begin(), shown.end());
            EXPECT_EQ(c.lines, shown);
        }
        ExpectValues(c.values);
        for (const std::string& name : c.gone)
            EXPECT_FALSE(PathExists(GetProfilePath(name))) << name;
        if (c.selected) {
            EXPECT_EQ(c.selected, SelectedLine());
        }
        EXPECT_EQ(Item(c.focus), GetFocus());
    }
}
