// The phonebook panel of the Send Fax dialog filled through the real phonebook library
// stand-in: book names in a sorted combo box, a book's entries in a list, and the
// identifier copies each line and row carries.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/combo_box.h"
#include "framework/list_ctrl.h"
#include "list_test_support.h"
#include "phonebook/phonebook_selectors.h"
#include "phonebook_store_support.h"

using namespace testsupport;

namespace {

class PhoneBookSelectorsTest : public testing::Test {
protected:
    void SetUp() override
    {
        HWND combo = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_SORT, 10, 10,
                                     200, 200, m_host, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_TRUE(m_combo.Attach(combo));
        HWND list = listtest::CreateReportList(m_host, {10, 40, 410, 240}, LVS_SORTASCENDING);
        ASSERT_TRUE(m_list.Attach(list));
        m_list.InsertColumn(0, "Name", LVCFMT_LEFT, 150);
        m_list.InsertColumn(1, "Company", LVCFMT_LEFT, 150);
    }
    void TearDown() override
    {
        ClearBookCombo(m_combo);
        ClearEntryList(m_list);
        m_combo.Detach();
        m_list.Detach();
    }

    std::vector<std::string> ComboTexts() const
    {
        std::vector<std::string> texts;
        for (int line = 0; line < m_combo.GetCount(); ++line)
            texts.push_back(m_combo.GetLBText(line));
        return texts;
    }

    // The name the library gives the book a line carries.
    static std::string BookNameOf(const PHONEBOOK_ID* id)
    {
        if (!id)
            return "(no identifier)";
        PHONEBOOK_INFO info = {};
        info.cbSize = PHONEBOOK_INFO_SIZE;
        info.id = *id;
        return GetPhoneBookData(&info) == 0 ? std::string(info.szName) : "(unreadable)";
    }

    // "first last" of the entry a row carries, as the library has it.
    static std::string EntryNameOf(const PHONEBOOK_ID& book, const PHONEBOOK_ID* id)
    {
        if (!id)
            return "(no identifier)";
        PHONEBOOK_ENTRY entry = {};
        entry.cbSize = PHONEBOOK_ENTRY_SIZE;
        entry.id = *id;
        if (GetPhoneBookEntryData(&book, &entry) != 0)
            return "(unreadable)";
        return std::string(entry.szFirstName) + " " + entry.szLastName;
    }

    PhoneBookStore m_store;
    listtest::HostWindow m_host;
    CComboBox m_combo;
    CListCtrl m_list;
};

}  // namespace

TEST_F(PhoneBookSelectorsTest, BooksAppearByNameAndEachLineNamesItsBook)
{
    EXPECT_EQ(0, FillBookCombo(m_combo));
    EXPECT_EQ(0, m_combo.GetCount());

    ASSERT_TRUE(m_store.WriteBook("Suppliers", {}));
    ASSERT_TRUE(m_store.WriteBook("Customers", {{"Ann", "Archer", "", "", "555 0101"}}));
    ASSERT_TRUE(m_store.WriteBook("archive", {}));
    EXPECT_EQ(3, FillBookCombo(m_combo));
    EXPECT_EQ((std::vector<std::string>{"archive", "Customers", "Suppliers"}), ComboTexts());
    for (int line = 0; line < m_combo.GetCount(); ++line)
        EXPECT_EQ(m_combo.GetLBText(line), BookNameOf(BookIdOfLine(m_combo, line)));

    // A second fill replaces the first: no line is left over from a book that went away.
    ASSERT_TRUE(DeleteFileA(m_store.Folder().File("Suppliers.pbk").c_str()));
    EXPECT_EQ(2, FillBookCombo(m_combo));
    EXPECT_EQ((std::vector<std::string>{"archive", "Customers"}), ComboTexts());
    EXPECT_EQ("Customers", BookNameOf(BookIdOfLine(m_combo, 1)));

    ClearBookCombo(m_combo);
    EXPECT_EQ(0, m_combo.GetCount());
    EXPECT_EQ(nullptr, BookIdOfLine(m_combo, 0));
}

TEST_F(PhoneBookSelectorsTest, EntriesShowFirstAndLastNameWithCompanyAndNameTheirEntry)
{
    ASSERT_TRUE(m_store.WriteBook("Customers", {{"Cleo", "Baker", "Baker Bros", "555 0100", "555 0199"},
                                                {"Ann", "Archer", "Archer & Sons", "", "555 0101"},
                                                {"Bob", "", "", "", ""}}));
    ASSERT_TRUE(m_store.WriteBook("Empty", {}));
    PHONEBOOK_ID customers = {}, empty = {};
    ASSERT_TRUE(PhoneBookStore::FindBook("Customers", &customers));
    ASSERT_TRUE(PhoneBookStore::FindBook("Empty", &empty));

    EXPECT_EQ(3, FillEntryList(customers, m_list));
    // The list sorts itself by name.
    EXPECT_EQ((std::vector<std::string>{"Ann Archer", "Bob ", "Cleo Baker"}), listtest::ColumnTexts(m_list, 0));
    EXPECT_EQ((std::vector<std::string>{"Archer & Sons", "", "Baker Bros"}), listtest::ColumnTexts(m_list, 1));
    for (int row = 0; row < m_list.GetItemCount(); ++row)
        EXPECT_EQ(m_list.GetItemText(row, 0), EntryNameOf(customers, EntryIdOfRow(m_list, row)));

    // Another book's fill leaves nothing of the first.
    EXPECT_EQ(0, FillEntryList(empty, m_list));
    EXPECT_EQ(0, m_list.GetItemCount());

    EXPECT_EQ(3, FillEntryList(customers, m_list));
    ClearEntryList(m_list);
    EXPECT_EQ(0, m_list.GetItemCount());
}

TEST_F(PhoneBookSelectorsTest, LongEntryTextsAreCutToTheLibraryFields)
{
    const std::string longName(60, 'n');
    ASSERT_TRUE(m_store.WriteBook("Long", {{longName, longName, std::string(300, 'c'), "", ""}}));
    PHONEBOOK_ID book = {};
    ASSERT_TRUE(PhoneBookStore::FindBook("Long", &book));
    EXPECT_EQ(1, FillEntryList(book, m_list));
    EXPECT_EQ(std::string(20, 'n') + " " + std::string(20, 'n'), m_list.GetItemText(0, 0));
    EXPECT_EQ(std::string(PHONEBOOK_COMPANY_CHARS - 1, 'c'), m_list.GetItemText(0, 1));
}
