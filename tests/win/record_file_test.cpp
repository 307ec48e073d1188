// Record files and the master list as profile files on disk beside the module (here the
// test program), written and read through the system's profile functions.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "phonebook/book_list.h"
#include "phonebook/profile_file.h"
#include "phonebook/record_file.h"
#include "phonebook/record_names.h"
#include "test_support.h"

using namespace testsupport;

namespace {

const char* const kListsUsed[] = {"QOmaster", "Main", "RWTestBook", "RWTestLog"};

class RecordFileTest : public testing::Test {
protected:
    void SetUp() override { RemoveLists(); }
    void TearDown() override { RemoveLists(); }

    static void RemoveLists()
    {
        for (const char* name : kListsUsed) {
            std::string path = GetProfilePath(name);
            WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
            DeleteFileA(path.c_str());
        }
    }

    static void WriteList(const std::string& name, const std::string& contents)
    {
        ASSERT_TRUE(WriteFileBytes(GetProfilePath(name), contents));
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, GetProfilePath(name).c_str());
    }

    static std::string Value(const std::string& list, const char* section, const char* key)
    {
        char text[2048] = {};
        GetPrivateProfileStringA(section, key, "<missing>", text, sizeof text, GetProfilePath(list).c_str());
        return text;
    }

    static std::vector<std::string> Names(const CNameIndex& index)
    {
        std::vector<std::string> names;
        for (int i = 0; i < index.GetCount(); ++i)
            names.push_back(index.GetAt(i));
        return names;
    }

    std::unique_ptr<CRecordFile> m_file = std::make_unique<CRecordFile>();
};

// Answers the next message box with OK and keeps its text.
struct MessageBoxCatcher {
    std::string text;
    static void Answer(HWND box, void* context)
    {
        static_cast<MessageBoxCatcher*>(context)->text = MessageBoxText(box);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
};

}  // namespace

TEST_F(RecordFileTest, MissingOrZeroNumberGivesMainAndAnEmptyMainBook)
{
    for (const char* master : {"", "[Index]\r\nItem1=Customers\r\n", "[Index]\r\nNumber=0\r\nItem1=Customers\r\n"}) {
        SCOPED_TRACE(master);
        RemoveLists();
        if (*master)
            WriteList("QOmaster", master);
        WriteList("Main", "[Index]\r\nItem1=Ann Lee\r\nNumber=1\r\n[Ann Lee]\r\nFirst Name=Ann\r\n");
        CNameIndex books;
        EXPECT_EQ(1, LoadBookList(books, *m_file));
        EXPECT_EQ((std::vector<std::string>{"Main"}), Names(books));
        EXPECT_EQ("Main", Value("QOmaster", "Index", "Item1"));
        EXPECT_EQ("1", Value("QOmaster", "Index", "Number"));
        EXPECT_EQ("0", Value("Main", "Index", "Number"));
        EXPECT_EQ("<missing>", Value("Main", "Index", "Item1"));
        EXPECT_EQ("<missing>", Value("Main", "Ann Lee", "First Name"));
        EXPECT_EQ(0, m_file->GetIndex().GetCount());
    }
}

TEST_F(RecordFileTest, ContactsRoundTripAndTheFileIsWrittenWhole)
{
    CNameIndex& index = m_file->GetIndex();
    const char* people[3][2] = {{"Ann", "Lee"}, {"Bob", "Roe"}, {"Cy", "Poe"}};
    for (int slot = 0; slot < 3; ++slot) {
        index.Add(std::string(people[slot][0]) + " " + people[slot][1]);
        for (int field = 0; field < kContactFieldCount; ++field)
            m_file->SetField(slot, field, std::string(people[slot][0]) + "-" + g_szContactFields[field]);
        m_file->SetField(slot, CONTACT_FIRST_NAME, people[slot][0]);
        m_file->SetField(slot, CONTACT_LAST_NAME, people[slot][1]);
    }
    ASSERT_EQ(1, m_file->Save("RWTestBook", true));
    EXPECT_EQ("Bob-FAX", Value("RWTestBook", "Bob Roe", "FAX"));

    // Bob goes: saving again leaves no trace of him.
    index.Remove("bob roe");
    ASSERT_EQ(1, m_file->Save("RWTestBook", true));
    EXPECT_EQ("<missing>", Value("RWTestBook", "Bob Roe", "FAX"));
    EXPECT_EQ("Cy Poe", Value("RWTestBook", "Index", "Item2"));

    auto loaded = std::make_unique<CRecordFile>();
    EXPECT_EQ(1, loaded->Load("RWTestBook", true, true));
    ASSERT_EQ(2, loaded->GetIndex().GetCount());
    EXPECT_EQ("Cy Poe", loaded->GetIndex().GetAt(1));
    EXPECT_EQ("Cy", loaded->GetField(1, CONTACT_FIRST_NAME));
    EXPECT_EQ("Cy-Notes", loaded->GetField(1, CONTACT_NOTES));
    EXPECT_EQ("Cy-Name", loaded->GetField(1, CONTACT_NAME));
    EXPECT_EQ("Ann-E-mail", loaded->GetField(0, CONTACT_EMAIL));
}

TEST_F(RecordFileTest, LogRowsUseTheirIdentifierAsSection)
{
    m_file->GetIndex().Add("1042");
    for (int field = 0; field < kLogColumnCount; ++field)
        m_file->SetField(0, field, std::string("v-") + g_szLogColumns[field]);
    m_file->SetField(0, LOG_ID, "1042");
    m_file->SetField(0, 9, "not a log field");
    ASSERT_EQ(1, m_file->Save("RWTestLog", false));
    EXPECT_EQ("v-Fax Number", Value("RWTestLog", "1042", "Fax Number"));
    EXPECT_EQ("<missing>", Value("RWTestLog", "1042", "Phone"));

    auto loaded = std::make_unique<CRecordFile>();
    loaded->SetField(0, 9, "kept");
    EXPECT_EQ(1, loaded->Load("RWTestLog", false, false));
    EXPECT_EQ("v-Status", loaded->GetField(0, LOG_STATUS));
    EXPECT_EQ("kept", loaded->GetField(0, 9));  // fields beyond a log row are not read
}

TEST_F(RecordFileTest, BlankNamedContactIsWrittenUnderOneBlankAndReadsBack)
{
    // Both names empty: the section is named by the one blank between them, which the
    // profile functions store as the file's unnamed first section.
    m_file->GetIndex().Add(" ");
    m_file->SetField(0, CONTACT_FAX, "555-0100");
    m_file->SetField(0, CONTACT_COMPANY, "Nameless Ltd");
    ASSERT_EQ(1, m_file->Save("RWTestBook", true));
    EXPECT_EQ("555-0100", Value("RWTestBook", " ", "FAX"));
    std::string contents = ReadFileBytes(GetProfilePath("RWTestBook"));
    EXPECT_NE(std::string::npos, contents.find("First Name=")) << contents;

    auto loaded = std::make_unique<CRecordFile>();
    EXPECT_EQ(1, loaded->Load("RWTestBook", true, false));
    ASSERT_EQ(1, loaded->GetIndex().GetCount());
    EXPECT_EQ("555-0100", loaded->GetField(0, CONTACT_FAX));
    EXPECT_EQ("Nameless Ltd", loaded->GetField(0, CONTACT_COMPANY));
}

TEST_F(RecordFileTest, MissingListFailsWithATraceLineOnlyWhenAsked)
{
    CNameIndex index;
    index.Add("left over");
    {
        TraceCapture trace;
        EXPECT_EQ(0, index.Load("RWTestBook", false));
        EXPECT_TRUE(trace.Lines().empty());
    }
    TraceCapture trace;
    EXPECT_EQ(0, index.Load("RWTestBook", true));
    EXPECT_EQ(0, index.GetCount());
    ASSERT_EQ(1u, trace.Lines().size());
    EXPECT_EQ("Error reading from " + GetProfilePath("RWTestBook") + "\n", trace.Lines()[0]);
}

TEST_F(RecordFileTest, HostileIndexesLoadWithinTheirBounds)
{
    // A huge count with few names: the missing ones read as one empty name.
    WriteList("RWTestBook", "[Index]\r\nNumber=2000000000\r\nItem1=a\r\nItem2=b\r\n");
    CNameIndex index;
    EXPECT_EQ(1, index.Load("RWTestBook", false));
    EXPECT_EQ((std::vector<std::string>{"a", "b", ""}), Names(index));

    WriteList("RWTestBook", "[Index]\r\nNumber=-7\r\nItem1=a\r\n");
    EXPECT_EQ(1, index.Load("RWTestBook", false));
    EXPECT_EQ(0, index.GetCount());

    // Other keys before the items, more than one read of the key list holds: none is lost.
    std::string padded = "[Index]\r\n";
    for (int i = 0; i < 120; ++i)
        padded += "Note" + std::to_string(i) + std::string(40, 'x') + "=1\r\n";
    WriteList("RWTestBook", padded + "Item1=a\r\nItem2=b\r\nNumber=2\r\n");
    EXPECT_EQ(1, index.Load("RWTestBook", false));
    EXPECT_EQ((std::vector<std::string>{"a", "b"}), Names(index));

    WriteList("RWTestBook", std::string("\xff\xfe[Index\r\n===\r\n\0\0Number", 26));
    index.Load("RWTestBook", false);
    EXPECT_LE(index.GetCount(), 1);
}

TEST_F(RecordFileTest, FailedWritesAreReportedWithThePath)
{
    CNameIndex index;
    index.Add("Main");
    // A folder where the file should be makes every write fail.
    const std::string list = "RWTestBlocked";
    ASSERT_TRUE(CreateDirectoryA(GetProfilePath(list).c_str(), nullptr));
    MessageBoxCatcher caught;
    {
        OnNextActivation answer(&MessageBoxCatcher::Answer, &caught);
        EXPECT_EQ(0, index.Save(list));
        EXPECT_TRUE(answer.Fired());
    }
    EXPECT_EQ("Error writing to " + GetProfilePath(list), caught.text);

    m_file->GetIndex().Add("Ann Lee");
    MessageBoxCatcher second;
    {
        OnNextActivation answer(&MessageBoxCatcher::Answer, &second);
        EXPECT_EQ(0, m_file->Save(list, true));
    }
    EXPECT_EQ("Error writing to " + GetProfilePath(list), second.text);
    RemoveDirectoryA(GetProfilePath(list).c_str());
}

TEST_F(RecordFileTest, BookListBoxShowsTheListInOrderWithTheFirstSelected)
{
    WriteList("QOmaster", "[Index]\r\nItem1=Zeta\r\nItem2=Alpha\r\nItem3=zeta\r\nItem4=Mid\r\nNumber=4\r\n");
    HWND box = CreateWindowExA(0, "LISTBOX", "", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, box);
    SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("stale"));
    EXPECT_EQ(3, FillBookListBox(*m_file, box));
    ASSERT_EQ(3, SendMessageA(box, LB_GETCOUNT, 0, 0));
    const char* expected[] = {"Zeta", "Alpha", "Mid"};
    for (int line = 0; line < 3; ++line) {
        char text[64] = {};
        SendMessageA(box, LB_GETTEXT, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(text));
        EXPECT_STREQ(expected[line], text);
    }
    EXPECT_EQ(0, SendMessageA(box, LB_GETCURSEL, 0, 0));
    DestroyWindow(box);
}
