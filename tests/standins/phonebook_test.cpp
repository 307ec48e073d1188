// The phonebook library through the real ReDiZazu.dll: its enumeration protocol, records of
// both entry sizes, its files, and its two editors driven by control ID.
#include <cstring>
#include <memory>

#include "dialog_script.h"
#include "standin_libraries.h"
#include "standins/phonebook/phonebook_resource.h"
#include "win/test_support.h"

using namespace standintest;
using testsupport::ReadFileBytes;
using testsupport::WriteFileBytes;

namespace {
class PhoneBookTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_library = std::make_unique<Library>("ReDiZazu.dll");
        ASSERT_NE(nullptr, m_library->Handle());
        m_calls = std::make_unique<PhoneBookCalls>(*m_library);
        ASSERT_TRUE(m_calls->AllFound());
        m_calls->PhoneBookStandInSetStoreFolder(m_store.Path().c_str());
    }
    void TearDown() override
    {
        m_calls.reset();
        m_library.reset();
    }
    const PhoneBookCalls& Books() const { return *m_calls; }

    // The books as the module lists them: the first answer after -1 is discarded.
    std::vector<std::pair<PHONEBOOK_ID, std::string>> ListBooks()
    {
        std::vector<std::pair<PHONEBOOK_ID, std::string>> books;
        LONG cursor = -1;
        PHONEBOOK_ID id = {};
        Books().GetNextPhoneBookID(&cursor, &id);
        while (Books().GetNextPhoneBookID(&cursor, &id)) {
            PHONEBOOK_INFO info = {};
            info.cbSize = PHONEBOOK_INFO_SIZE;
            info.id = id;
            if (Books().GetPhoneBookData(&info) == 0)
                books.emplace_back(id, info.szName);
        }
        return books;
    }
    // The entries of a book, read with the given record size.
    std::vector<PHONEBOOK_ENTRY> ListEntries(const PHONEBOOK_ID& book, DWORD size = PHONEBOOK_ENTRY_SIZE)
    {
        std::vector<PHONEBOOK_ENTRY> entries;
        LONG cursor = -1;
        PHONEBOOK_ID id = {};
        Books().GetNextPhoneBookEntryID(book, &cursor, &id);
        while (Books().GetNextPhoneBookEntryID(book, &cursor, &id)) {
            PHONEBOOK_ENTRY entry = {};
            entry.cbSize = size;
            entry.id = id;
            if (Books().GetPhoneBookEntryData(&book, &entry) == 0)
                entries.push_back(entry);
        }
        return entries;
    }
    PHONEBOOK_ID BookNamed(const std::string& name)
    {
        for (const auto& book : ListBooks())
            if (book.second == name)
                return book.first;
        ADD_FAILURE() << "no book " << name;
        return PHONEBOOK_ID{};
    }

    testsupport::TempFolder m_store;

private:
    std::unique_ptr<Library> m_library;
    std::unique_ptr<PhoneBookCalls> m_calls;
};

const char kCustomers[] =
    "; written by hand\r\n"
    "[Phonebook]\r\n"
    "Name=Customers\r\n"
    "\r\n"
    "[Entry 1]\r\n"
    "FirstName=Ann\r\n"
    "LastName=Archer\r\n"
    "Company=Archer & Sons\r\n"
    "Phone=555 0100\r\n"
    "Fax=555 0101\r\n"
    "\r\n"
    "[Entry 7]\r\n"
    "FirstName=Bartholomew-Maximilian\r\n"
    "LastName=Baker\r\n"
    "Fax=555 0201\r\n";
}  // namespace

TEST_F(PhoneBookTest, BooksAndEntriesFollowTheEnumerationProtocol)
{
    ASSERT_TRUE(WriteFileBytes(m_store.File("customers.pbk"), kCustomers));
    ASSERT_TRUE(WriteFileBytes(m_store.File("Main.pbk"), "[Phonebook]\r\nName=Main\r\n"));
    ASSERT_TRUE(WriteFileBytes(m_store.File("notes.txt"), "[Phonebook]\r\nName=Not a book\r\n"));

    // The first answer after -1 names nothing.
    LONG cursor = -1;
    PHONEBOOK_ID first;
    std::memset(&first, 0x55, sizeof first);
    ASSERT_TRUE(Books().GetNextPhoneBookID(&cursor, &first));
    PHONEBOOK_INFO info = {};
    info.cbSize = PHONEBOOK_INFO_SIZE;
    info.id = first;
    EXPECT_EQ(PHONEBOOK_ERR_NOT_FOUND, Books().GetPhoneBookData(&info));
    EXPECT_EQ(PHONEBOOK_ID{}.bOpaque[0], first.bOpaque[0]);

    auto books = ListBooks();
    ASSERT_EQ(2u, books.size());
    EXPECT_EQ("Customers", books[0].second);
    EXPECT_EQ("Main", books[1].second);

    // Entries in file order; the same texts with both record sizes; the bytes the caller
    // owns beyond 922 and the library's reserved bytes are left alone.
    std::vector<PHONEBOOK_ENTRY> entries = ListEntries(books[0].first);
    ASSERT_EQ(2u, entries.size());
    EXPECT_STREQ("Ann", entries[0].szFirstName);
    EXPECT_STREQ("Archer", entries[0].szLastName);
    EXPECT_STREQ("Archer & Sons", entries[0].szCompany);
    EXPECT_STREQ("555 0100", entries[0].szPhone);
    EXPECT_STREQ("555 0101", entries[0].szFax);
    EXPECT_STREQ("Bartholomew-Maximili", entries[1].szFirstName) << "cut to 20 characters";
    EXPECT_STREQ("", entries[1].szCompany);
    EXPECT_TRUE(ListEntries(books[1].first).empty());

    struct {
        PHONEBOOK_ENTRY entry;
        BYTE tail[2];
    } longer;
    std::memset(&longer, 0x77, sizeof longer);
    longer.entry.cbSize = PHONEBOOK_ENTRY_SIZE_LONG;
    longer.entry.id = entries[1].id;
    ASSERT_EQ(0, Books().GetPhoneBookEntryData(&books[0].first, &longer.entry));
    EXPECT_STREQ("Bartholomew-Maximili", longer.entry.szFirstName);
    EXPECT_STREQ("555 0201", longer.entry.szFax);
    EXPECT_EQ(0x77, longer.tail[0]);
    EXPECT_EQ(0x77, longer.tail[1]);
    EXPECT_EQ(0x77, longer.entry.bLibraryReserved279[0]);
    EXPECT_EQ(0x77, longer.entry.bLibraryReserved4[0]);

    // Sizes it does not know, entries of another book, identifiers it never made, nulls.
    PHONEBOOK_ENTRY entry = {};
    entry.id = entries[0].id;
    for (DWORD size : {0u, 921u, 923u, 925u, 60u}) {
        entry.cbSize = size;
        EXPECT_EQ(PHONEBOOK_ERR_SIZE, Books().GetPhoneBookEntryData(&books[0].first, &entry)) << size;
    }
    entry.cbSize = PHONEBOOK_ENTRY_SIZE;
    EXPECT_EQ(PHONEBOOK_ERR_NOT_FOUND, Books().GetPhoneBookEntryData(&books[1].first, &entry));
    entry.id = books[0].first;
    EXPECT_EQ(PHONEBOOK_ERR_NOT_FOUND, Books().GetPhoneBookEntryData(&books[0].first, &entry));
    std::memset(&entry.id, 0xEE, sizeof entry.id);
    EXPECT_EQ(PHONEBOOK_ERR_NOT_FOUND, Books().GetPhoneBookEntryData(&books[0].first, &entry));
    EXPECT_EQ(PHONEBOOK_ERR_ARGUMENT, Books().GetPhoneBookEntryData(nullptr, &entry));
    EXPECT_EQ(PHONEBOOK_ERR_ARGUMENT, Books().GetPhoneBookData(nullptr));
    info.cbSize = 59;
    info.id = books[0].first;
    EXPECT_EQ(PHONEBOOK_ERR_SIZE, Books().GetPhoneBookData(&info));
    PHONEBOOK_ID id = {};
    EXPECT_FALSE(Books().GetNextPhoneBookID(nullptr, &id));
    cursor = -7;
    EXPECT_FALSE(Books().GetNextPhoneBookID(&cursor, &id));
    cursor = 1000;
    EXPECT_FALSE(Books().GetNextPhoneBookEntryID(books[0].first, &cursor, &id));

    // A book that goes away yields nothing more.
    ASSERT_TRUE(DeleteFileA(m_store.File("customers.pbk").c_str()));
    EXPECT_TRUE(ListEntries(books[0].first).empty());
    EXPECT_EQ(1u, ListBooks().size());
}

TEST_F(PhoneBookTest, StoreFolderComesFromTheControlCallTheEnvironmentOrTheDefault)
{
    testsupport::TempFolder other;
    ASSERT_TRUE(WriteFileBytes(other.File("Other.pbk"), "[Phonebook]\r\nName=Other\r\n"));
    ASSERT_TRUE(WriteFileBytes(m_store.File("Mine.pbk"), "[Phonebook]\r\nName=Mine\r\n"));
    SetEnvironmentVariableA("RWFAX_PHONEBOOK_STORE", other.Path().c_str());
    ASSERT_EQ(1u, ListBooks().size());
    EXPECT_EQ("Mine", ListBooks()[0].second) << "the control call comes first";
    Books().PhoneBookStandInSetStoreFolder(nullptr);
    ASSERT_EQ(1u, ListBooks().size());
    EXPECT_EQ("Other", ListBooks()[0].second);
    char folder[MAX_PATH] = {};
    EXPECT_EQ(other.Path().size(), Books().PhoneBookStandInGetStoreFolder(folder, sizeof folder));
    EXPECT_EQ(0u, Books().PhoneBookStandInGetStoreFolder(folder, 3));
    SetEnvironmentVariableA("RWFAX_PHONEBOOK_STORE", nullptr);
    Books().PhoneBookStandInGetStoreFolder(folder, sizeof folder);
    EXPECT_NE(nullptr, std::strstr(folder, "\\Velmoor\\Phonebooks"));
    Books().PhoneBookStandInSetStoreFolder(m_store.Path().c_str());
}

TEST_F(PhoneBookTest, HostileBookFilesAreReadWithoutHarm)
{
    std::string junk(70000, '\0');
    for (size_t i = 0; i < junk.size(); ++i)
        junk[i] = static_cast<char>((i * 7919) % 251);
    ASSERT_TRUE(WriteFileBytes(m_store.File("junk.pbk"), junk));
    std::string huge = "[Phonebook]\r\nName=" + std::string(500, 'N') + "\r\n[Entry 3]\r\nFirstName=" +
                       std::string(5000, 'F') + "\r\nFax=" + std::string(5000, '9') + "\r\n[Entry 3]\r\nFirstName=Dup\r\n";
    ASSERT_TRUE(WriteFileBytes(m_store.File("huge.pbk"), huge));

    auto books = ListBooks();
    ASSERT_EQ(2u, books.size());
    EXPECT_EQ("junk", books[0].second) << "a file without a name is named after itself";
    EXPECT_EQ(std::string(31, 'N'), books[1].second);
    std::vector<PHONEBOOK_ENTRY> entries = ListEntries(books[1].first);
    ASSERT_EQ(2u, entries.size());
    EXPECT_EQ(std::string(20, 'F'), entries[0].szFirstName);
    EXPECT_EQ(std::string(40, '9'), entries[0].szFax);
    EXPECT_STREQ("Dup", entries[1].szFirstName) << "a repeated number gets a new one";
}

TEST_F(PhoneBookTest, EntryEditorOpensOnTheRecordAndSavesANewEntryOnOK)
{
    ASSERT_TRUE(WriteFileBytes(m_store.File("customers.pbk"), kCustomers));
    PHONEBOOK_ID book = BookNamed("Customers");
    PHONEBOOK_ENTRY entry = {};
    entry.cbSize = PHONEBOOK_ENTRY_SIZE;
    std::strcpy(entry.szFirstName, "Cyril");
    std::strcpy(entry.szLastName, "Cole");
    std::strcpy(entry.szCompany, "Cole Ltd");
    std::strcpy(entry.szFax, "555 0301");

    // Cancel keeps the book as it was.
    {
        DialogScript cancel({{IDC_PB_FIRST_NAME, [](HWND dialog) { PostClick(dialog, IDCANCEL); }}});
        EXPECT_EQ(IDCANCEL, Books().EditPhoneBookEntryDlg(&book, &entry));
        EXPECT_EQ(2u, ListEntries(book).size());
    }

    std::string shownFirst, shownCompany, shownFax, shownBook;
    {
        DialogScript script({
            {IDC_PB_FIRST_NAME,
             [&](HWND dialog) {
                 shownFirst = ControlText(dialog, IDC_PB_FIRST_NAME);
                 shownCompany = ControlText(dialog, IDC_PB_COMPANY);
                 shownFax = ControlText(dialog, IDC_PB_FAX);
                 shownBook = ControlText(dialog, IDC_PB_ENTRY_BOOK);
                 SetControlText(dialog, IDC_PB_PHONE, "555 0300");
                 PostClick(dialog, IDOK);
             }},
        });
        EXPECT_EQ(IDOK, Books().EditPhoneBookEntryDlg(&book, &entry));
        EXPECT_EQ(1u, script.Done());
    }
    EXPECT_EQ("Cyril", shownFirst);
    EXPECT_EQ("Cole Ltd", shownCompany);
    EXPECT_EQ("555 0301", shownFax);
    EXPECT_NE(std::string::npos, shownBook.find("Customers"));

    std::vector<PHONEBOOK_ENTRY> entries = ListEntries(book);
    ASSERT_EQ(3u, entries.size());
    EXPECT_STREQ("Cyril", entries[2].szFirstName);
    EXPECT_STREQ("Cole", entries[2].szLastName);
    EXPECT_STREQ("555 0300", entries[2].szPhone);
    EXPECT_EQ(0, std::memcmp(&entries[2].id, &entry.id, sizeof entry.id)) << "the record learns its entry";
    std::string file = ReadFileBytes(m_store.File("customers.pbk"));
    EXPECT_NE(std::string::npos, file.find("[Entry 8]\r\nFirstName=Cyril\r\nLastName=Cole\r\n"));

    // Bad input: no editor runs.
    entry.cbSize = 100;
    EXPECT_EQ(-1, Books().EditPhoneBookEntryDlg(&book, &entry));
    entry.cbSize = PHONEBOOK_ENTRY_SIZE;
    PHONEBOOK_ID nowhere = {};
    EXPECT_EQ(-1, Books().EditPhoneBookEntryDlg(&nowhere, &entry));
    EXPECT_EQ(-1, Books().EditPhoneBookEntryDlg(&book, nullptr));
}

TEST_F(PhoneBookTest, EditorCreatesABookAndAddsChangesAndDeletesEntries)
{
    std::vector<std::string> seen;
    std::string question;
    DialogScript script({
        {IDC_PB_ENTRY_LIST,
         [&](HWND editor) {
             seen.push_back("books: " + std::to_string(SendDlgItemMessageA(editor, IDC_PB_BOOK_LIST, CB_GETCOUNT, 0, 0)));
             EXPECT_FALSE(IsWindowEnabled(GetDlgItem(editor, IDC_PB_ADD_ENTRY))) << "no book to add to";
             PostClick(editor, IDC_PB_NEW_BOOK);
         }},
        {IDC_PB_BOOK_NAME,
         [&](HWND dialog) {
             SetControlText(dialog, IDC_PB_BOOK_NAME, "Customers");
             PostClick(dialog, IDOK);
         }},
        {IDC_PB_ENTRY_LIST,
         [&](HWND editor) {
             seen.push_back("book: " + ComboSelectionText(editor, IDC_PB_BOOK_LIST));
             PostClick(editor, IDC_PB_ADD_ENTRY);
         }},
        {IDC_PB_FIRST_NAME,
         [&](HWND entry) {
             SetControlText(entry, IDC_PB_FIRST_NAME, "Ann");
             SetControlText(entry, IDC_PB_LAST_NAME, "Archer");
             SetControlText(entry, IDC_PB_COMPANY, "Archer & Sons");
             SetControlText(entry, IDC_PB_PHONE, "555 0100");
             SetControlText(entry, IDC_PB_FAX, "555 0101");
             PostClick(entry, IDOK);
         }},
        {IDC_PB_ENTRY_LIST,
         [&](HWND editor) {
             seen.push_back("row: " + ListCell(editor, IDC_PB_ENTRY_LIST, 0, 0) + " " +
                            ListCell(editor, IDC_PB_ENTRY_LIST, 0, 4));
             SelectListRow(editor, IDC_PB_ENTRY_LIST, 0);
             PostClick(editor, IDC_PB_EDIT_ENTRY);
         }},
        {IDC_PB_FIRST_NAME,
         [&](HWND entry) {
             seen.push_back("editing: " + ControlText(entry, IDC_PB_FIRST_NAME) + " " + ControlText(entry, IDC_PB_FAX));
             SetControlText(entry, IDC_PB_FAX, "555 0199");
             PostClick(entry, IDOK);
         }},
        {IDC_PB_ENTRY_LIST, [&](HWND editor) { PostClick(editor, IDC_PB_ADD_ENTRY); }},
        {IDC_PB_FIRST_NAME,
         [&](HWND entry) {
             SetControlText(entry, IDC_PB_COMPANY, "Baker Bros");
             PostClick(entry, IDOK);
         }},
        {IDC_PB_ENTRY_LIST,
         [&](HWND editor) {
             seen.push_back("rows: " + std::to_string(ListRowCount(editor, IDC_PB_ENTRY_LIST)) + ", fax " +
                            ListCell(editor, IDC_PB_ENTRY_LIST, 0, 4));
             SelectListRow(editor, IDC_PB_ENTRY_LIST, 0);
             PostClick(editor, IDC_PB_DELETE_ENTRY);
         }},
        {0xFFFF,
         [&](HWND box) {
             question = testsupport::MessageBoxText(box);
             PostClick(box, IDYES);
         }},
        {IDC_PB_ENTRY_LIST,
         [&](HWND editor) {
             seen.push_back("left: " + ListCell(editor, IDC_PB_ENTRY_LIST, 0, 2));
             PostClick(editor, IDCANCEL);
         }},
    });
    EXPECT_EQ(IDCANCEL, Books().EditPhoneBookDlg());
    EXPECT_EQ(script.Size(), script.Done());
    EXPECT_EQ((std::vector<std::string>{"books: 0", "book: Customers", "row: Ann 555 0101", "editing: Ann 555 0101",
                                        "rows: 2, fax 555 0199", "left: Baker Bros"}),
              seen);
    EXPECT_EQ("Delete the entry for Ann Archer?", question);

    // What the user did is in the book's file and seen through the library's calls.
    std::string file = ReadFileBytes(m_store.File("Customers.pbk"));
    EXPECT_NE(std::string::npos, file.find("Name=Customers"));
    EXPECT_EQ(std::string::npos, file.find("Archer"));
    std::vector<PHONEBOOK_ENTRY> entries = ListEntries(BookNamed("Customers"));
    ASSERT_EQ(1u, entries.size());
    EXPECT_STREQ("Baker Bros", entries[0].szCompany);
}

TEST_F(PhoneBookTest, EditorsRefuseNamelessEntriesAndTakenBookNames)
{
    ASSERT_TRUE(WriteFileBytes(m_store.File("Main.pbk"), "[Phonebook]\r\nName=Main\r\n"));
    std::vector<std::string> messages;
    DialogScript script({
        {IDC_PB_ENTRY_LIST, [&](HWND editor) { PostClick(editor, IDC_PB_NEW_BOOK); }},
        {IDC_PB_BOOK_NAME,
         [&](HWND dialog) {
             SetControlText(dialog, IDC_PB_BOOK_NAME, "main");
             PostClick(dialog, IDOK);
         }},
        {0xFFFF,
         [&](HWND box) {
             messages.push_back(testsupport::MessageBoxText(box));
             PostClick(box, IDOK);
         }},
        {IDC_PB_BOOK_NAME,
         [&](HWND dialog) {
             SetControlText(dialog, IDC_PB_BOOK_NAME, "   ");
             PostClick(dialog, IDOK);
         }},
        {0xFFFF,
         [&](HWND box) {
             messages.push_back(testsupport::MessageBoxText(box));
             PostClick(box, IDOK);
         }},
        {IDC_PB_BOOK_NAME, [&](HWND dialog) { PostClick(dialog, IDCANCEL); }},
        {IDC_PB_ENTRY_LIST, [&](HWND editor) { PostClick(editor, IDC_PB_ADD_ENTRY); }},
        {IDC_PB_FIRST_NAME, [&](HWND entry) { PostClick(entry, IDOK); }},
        {0xFFFF,
         [&](HWND box) {
             messages.push_back(testsupport::MessageBoxText(box));
             PostClick(box, IDOK);
         }},
        {IDC_PB_FIRST_NAME, [&](HWND entry) { PostClick(entry, IDCANCEL); }},
        {IDC_PB_ENTRY_LIST, [&](HWND editor) { PostClick(editor, IDCANCEL); }},
    });
    EXPECT_EQ(IDCANCEL, Books().EditPhoneBookDlg());
    EXPECT_EQ(script.Size(), script.Done());
    EXPECT_EQ((std::vector<std::string>{"A phonebook named main already exists.", "Please enter a name for the phonebook.",
                                        "Please enter a name or a company."}),
              messages);
    EXPECT_EQ(1u, ListBooks().size());
    EXPECT_TRUE(ListEntries(BookNamed("Main")).empty());
}
