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
        ASSERT_TRUE(m_combo.Attach(CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | CBS_DROPDOWNLIST | CBS_SORT, 10, 10,
                                                   200, 200, m_host, nullptr, GetModuleHandleA(nullptr), nullptr)));
        ASSERT_TRUE(m_list.Attach(listtest::CreateReportList(m_host, {10, 40, 410, 240}, LVS_SORTASCENDING)));
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

    // Each line as "text=name of the book it carries".
    std::vector<std::string> Lines() const
    {
        std::vector<std::string> lines;
        for (int line = 0; line < m_combo.GetCount(); ++line) {
            PHONEBOOK_INFO info = {};
            info.cbSize = PHONEBOOK_INFO_SIZE;
            info.id = *BookIdOfLine(m_combo, line);
            lines.push_back(m_combo.GetLBText(line) + "=" + (GetPhoneBookData(&info) == 0 ? info.szName : "?"));
        }
        return lines;
    }
    // Each row as "name|company=first last of the entry it carries".
    std::vector<std::string> Rows(const PHONEBOOK_ID& book) const
    {
        std::vector<std::string> rows;
        for (int row = 0; row < m_list.GetItemCount(); ++row) {
            PHONEBOOK_ENTRY entry = {};
            entry.cbSize = PHONEBOOK_ENTRY_SIZE;
            entry.id = *EntryIdOfRow(m_list, row);
            rows.push_back(m_list.GetItemText(row, 0) + "|" + m_list.GetItemText(row, 1) + "=" +
                           (GetPhoneBookEntryData(&book, &entry) == 0
                                ? std::string(entry.szFirstName) + " " + entry.szLastName
                                : "?"));
        }
        return rows;
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
    ASSERT_TRUE(m_store.WriteBook("Suppliers", {}) && m_store.WriteBook("Customers", {}) &&
                m_store.WriteBook("archive", {}));
    EXPECT_EQ(3, FillBookCombo(m_combo));
    EXPECT_EQ((std::vector<std::string>{"archive=archive", "Customers=Customers", "Suppliers=Suppliers"}), Lines());
    // A second fill replaces the first: no line is left over from a book that went away.
    ASSERT_TRUE(DeleteFileA(m_store.Folder().File("Suppliers.pbk").c_str()));
    EXPECT_EQ(2, FillBookCombo(m_combo));
    EXPECT_EQ((std::vector<std::string>{"archive=archive", "Customers=Customers"}), Lines());
    ClearBookCombo(m_combo);
    EXPECT_EQ(nullptr, BookIdOfLine(m_combo, 0));
}

TEST_F(PhoneBookSelectorsTest, EntriesShowFirstAndLastNameWithCompanyAndNameTheirEntry)
{
    ASSERT_TRUE(m_store.WriteBook("Customers", {{"Cleo", "Baker", "Baker Bros", "555 0100", "555 0199"},
                                                {"Ann", "Archer", "Archer & Sons", "", "555 0101"},
                                                {"Bob", "", "", "", ""}}));
    ASSERT_TRUE(m_store.WriteBook("Empty", {}));
    PHONEBOOK_ID customers = {}, empty = {};
    ASSERT_TRUE(PhoneBookStore::FindBook("Customers", &customers) && PhoneBookStore::FindBook("Empty", &empty));
    EXPECT_EQ(3, FillEntryList(customers, m_list));
    EXPECT_EQ((std::vector<std::string>{"Ann Archer|Archer & Sons=Ann Archer", "Bob |=Bob ",
                                        "Cleo Baker|Baker Bros=Cleo Baker"}),
              Rows(customers));  // the list sorts itself by name
    // Another book's fill leaves nothing of the first.
    EXPECT_EQ(0, FillEntryList(empty, m_list));
    EXPECT_EQ(0, m_list.GetItemCount());
}
