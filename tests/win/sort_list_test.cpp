// Sorting real report lists by clicks on their column headers.
#include <windows.h>
#include <commctrl.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "controls/sort_list_ctrl.h"
#include "list_test_support.h"

using namespace listtest;
using Texts = std::vector<std::string>;

namespace {

std::string ShortDate(int year, int month, int day)
{
    SYSTEMTIME time = {};
    time.wYear = static_cast<WORD>(year);
    time.wMonth = static_cast<WORD>(month);
    time.wDay = static_cast<WORD>(day);
    char text[80] = {};
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, text, sizeof text);
    return text;
}

std::string LocalTime(int hour, int minute, int second)
{
    SYSTEMTIME time = {};
    time.wYear = 2025;
    time.wMonth = 1;
    time.wDay = 1;
    time.wHour = static_cast<WORD>(hour);
    time.wMinute = static_cast<WORD>(minute);
    time.wSecond = static_cast<WORD>(second);
    char text[80] = {};
    GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &time, nullptr, text, sizeof text);
    return text;
}

class SortListTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(nullptr, m_host.m_hWnd);
        HWND list = CreateReportList(m_host, {10, 10, 610, 400});
        ASSERT_TRUE(m_list.SubclassWindow(list));
        ASSERT_NE(nullptr, m_list.m_wndHeader.m_hWnd);
    }

    // Configures the list as the module's dialogs do, then inserts columns and rows.
    void Configure(const std::vector<unsigned char>& types, int columns)
    {
        if (m_list.SetColumnTypes(types.data(), static_cast<int>(types.size())))
            m_list.EnableSort(1);
        m_list.SetHighlightType(2);
        m_list.EnableHeaderDrag(1);
        for (int column = 0; column < columns; ++column)
            m_list.InsertColumn(column, ("Column " + std::to_string(column)).c_str(), LVCFMT_LEFT, 90);
    }

    // Rows of cells; each row's item data is 100 plus its first position.
    void AddRows(const std::vector<Texts>& rows)
    {
        for (size_t row = 0; row < rows.size(); ++row) {
            int item = m_list.InsertItem(static_cast<int>(row), rows[row][0].c_str());
            for (size_t column = 1; column < rows[row].size(); ++column)
                m_list.SetItemText(item, static_cast<int>(column), rows[row][column].c_str());
            m_list.SetItemData(item, static_cast<LPARAM>(100 + row));
        }
    }

    void Click(int column) { ClickHeaderColumn(m_list.m_wndHeader, column); }

    // Every row still carries the item data it was given with its first cell.
    void ExpectItemDataFollowsRows(const std::map<std::string, LPARAM>& dataByFirstCell)
    {
        for (int item = 0; item < m_list.GetItemCount(); ++item) {
            auto found = dataByFirstCell.find(m_list.GetItemText(item, 0));
            ASSERT_NE(found, dataByFirstCell.end());
            EXPECT_EQ(found->second, m_list.GetItemData(item)) << m_list.GetItemText(item, 0);
        }
    }

    HostWindow m_host;
    CSortListCtrl m_list;
};

}  // namespace

TEST_F(SortListTest, WholeNumbersSortByValueAndASecondClickReverses)
{
    Configure({1, 2}, 2);
    AddRows({{"a", "10"}, {"b", "9"}, {"c", "-3"}, {"d", "  100"}, {"e", "9"}});
    Click(1);
    EXPECT_EQ((Texts{"-3", "9", "9", "10", "  100"}), ColumnTexts(m_list, 1));
    EXPECT_EQ(1, m_list.m_nSortColumn);
    EXPECT_EQ(1, m_list.m_bSortAscending);
    // The header's click with another button than the left one sorts nothing.
    NMHEADERA right = {};
    right.hdr.hwndFrom = m_list.m_wndHeader.m_hWnd;
    right.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(m_list.m_wndHeader.m_hWnd));
    right.hdr.code = HDN_ITEMCLICKA;
    right.iItem = 1;
    right.iButton = 1;
    SendMessageA(m_list, WM_NOTIFY, right.hdr.idFrom, reinterpret_cast<LPARAM>(&right));
    EXPECT_EQ((Texts{"-3", "9", "9", "10", "  100"}), ColumnTexts(m_list, 1));
    Click(1);
    EXPECT_EQ((Texts{"  100", "10", "9", "9", "-3"}), ColumnTexts(m_list, 1));
    EXPECT_EQ(0, m_list.m_bSortAscending);
    ExpectItemDataFollowsRows({{"a", 100}, {"b", 101}, {"c", 102}, {"d", 103}, {"e", 104}});
    // Another column starts ascending again.
    Click(0);
    EXPECT_EQ((Texts{"a", "b", "c", "d", "e"}), ColumnTexts(m_list, 0));
    EXPECT_EQ(0, m_list.m_nSortColumn);
    EXPECT_EQ(1, m_list.m_bSortAscending);
}

TEST_F(SortListTest, ShortDatesAndTimesSortInTimeOrder)
{
    Configure({1, 3, 3, 2, 1, 1, 1}, 7);
    const std::string may = ShortDate(2025, 5, 3), march = ShortDate(2025, 3, 12), december = ShortDate(2024, 12, 31),
                      november = ShortDate(2025, 11, 2);
    const std::string morning = LocalTime(9, 5, 0), noon = LocalTime(12, 0, 0), evening = LocalTime(21, 30, 15),
                      night = LocalTime(23, 59, 59);
    AddRows({{"Complete", may, evening, "1", "Ann", "", "555"},
             {"Error", march, night, "2", "Bob", "", "556"},
             {"Pending", november, morning, "3", "Cy", "", "557"},
             {"Sending", december, noon, "4", "Di", "", "558"}});

    Click(1);
    EXPECT_EQ((Texts{december, march, may, november}), ColumnTexts(m_list, 1));
    Click(1);
    EXPECT_EQ((Texts{november, may, march, december}), ColumnTexts(m_list, 1));
    Click(2);
    EXPECT_EQ((Texts{morning, noon, evening, night}), ColumnTexts(m_list, 2));
    Click(2);
    EXPECT_EQ((Texts{night, evening, noon, morning}), ColumnTexts(m_list, 2));
    ExpectItemDataFollowsRows({{"Complete", 100}, {"Error", 101}, {"Pending", 102}, {"Sending", 103}});
}

TEST_F(SortListTest, DateAndTimeTogetherSortAsOneMoment)
{
    Configure({6}, 1);
    const std::string later = ShortDate(2025, 2, 1) + " " + LocalTime(8, 0, 0);
    const std::string earlier = ShortDate(2025, 2, 1) + " " + LocalTime(7, 59, 0);
    const std::string earliest = ShortDate(2025, 1, 31) + " " + LocalTime(23, 0, 0);
    AddRows({{later}, {earliest}, {earlier}});
    Click(0);
    EXPECT_EQ((Texts{earliest, earlier, later}), ColumnTexts(m_list, 0));
}

TEST_F(SortListTest, UnparsableDatesLoseNoRowAndKeepTheirData)
{
    Configure({3, 1}, 2);
    AddRows({{ShortDate(2025, 6, 1), "a"}, {"not a date", "b"}, {"", "c"}, {ShortDate(2020, 1, 1), "d"},
             {"31/31/31/31", "e"}, {std::string(5000, '9'), "f"}});
    Click(0);
    Click(0);
    Texts names = ColumnTexts(m_list, 1);
    std::multiset<std::string> seen(names.begin(), names.end());
    EXPECT_EQ((std::multiset<std::string>{"a", "b", "c", "d", "e", "f"}), seen);
    for (int item = 0; item < m_list.GetItemCount(); ++item)
        EXPECT_EQ(100 + (m_list.GetItemText(item, 1)[0] - 'a'), m_list.GetItemData(item));
}

TEST_F(SortListTest, TextColumnsSortWithAndWithoutLetterCase)
{
    Configure({0, 1, 4, 5}, 4);
    AddRows({{"b", "delta", "3", "1.5"}, {"B", "Alpha", "1", "-2"}, {"a", "charlie", "2", "10"},
             {"c", "BRAVO", "4", "1.25"}});
    Click(1);
    EXPECT_EQ((Texts{"Alpha", "BRAVO", "charlie", "delta"}), ColumnTexts(m_list, 1));
    // Type 4 leaves the order as it is, in both directions.
    Texts before = ColumnTexts(m_list, 2);
    Click(2);
    EXPECT_EQ(before, ColumnTexts(m_list, 2));
    Click(2);
    EXPECT_EQ(before, ColumnTexts(m_list, 2));
    Click(3);
    EXPECT_EQ((Texts{"-2", "1.25", "1.5", "10"}), ColumnTexts(m_list, 3));
    // Letter case significant: "b" and "B" are different texts with a fixed order.
    Click(0);
    Texts first = ColumnTexts(m_list, 0);
    Click(0);
    Click(0);
    EXPECT_EQ(first, ColumnTexts(m_list, 0));
    EXPECT_EQ("a", first.front());
    EXPECT_EQ("c", first.back());
}

TEST_F(SortListTest, RefusedTypesLeaveNoneAndColumnsSortAsText)
{
    EXPECT_EQ(0, m_list.SetColumnTypes(nullptr, 3));
    const unsigned char highest[] = {255};
    EXPECT_EQ(0, m_list.SetColumnTypes(highest, 1));

    // Types refused: the list is not sortable until asked, and then sorts as text.
    Configure({1, 2, 7}, 2);
    EXPECT_EQ(0, m_list.m_bSortable);
    AddRows({{"10", "b"}, {"9", "A"}, {"100", "c"}});
    Click(0);
    EXPECT_EQ((Texts{"10", "9", "100"}), ColumnTexts(m_list, 0));
    EXPECT_EQ(0, m_list.EnableSort(1));
    Click(0);
    EXPECT_EQ((Texts{"10", "100", "9"}), ColumnTexts(m_list, 0));
    Click(1);
    EXPECT_EQ((Texts{"A", "b", "c"}), ColumnTexts(m_list, 1));
}

TEST_F(SortListTest, ColumnsBeyondTheStoredTypesSortAsText)
{
    Configure({2}, 3);
    AddRows({{"10", "x", "10"}, {"9", "Y", "9"}, {"100", "z", "100"}});
    Click(0);
    EXPECT_EQ((Texts{"9", "10", "100"}), ColumnTexts(m_list, 0));
    Click(2);
    EXPECT_EQ((Texts{"10", "100", "9"}), ColumnTexts(m_list, 2));
    Click(1);
    EXPECT_EQ((Texts{"x", "Y", "z"}), ColumnTexts(m_list, 1));
}

TEST_F(SortListTest, OnlyAHighlightingListIsOwnerDrawnAndUnknownHighlightsAreRefused)
{
    struct Case {
        int type, previous;
        bool ownerDrawn;
    } const cases[] = {{2, 0, true}, {3, 2, true}, {-1, 2, true}, {1, 2, true}, {0, 1, false}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.previous, m_list.SetHighlightType(c.type)) << c.type;
        EXPECT_EQ(c.ownerDrawn, (m_list.GetStyle() & LVS_OWNERDRAWFIXED) != 0) << c.type;
    }
}

TEST(SortListCreationTest, AListCreatedByItsObjectGetsItsHeader)
{
    HostWindow host;
    CSortListCtrl list;
    list.SetHighlightType(2);  // set before the window exists
    ASSERT_TRUE(list.CreateEx(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, {0, 0, 300, 200}, host, 7));
    EXPECT_NE(nullptr, list.m_wndHeader.m_hWnd);
    EXPECT_TRUE(list.GetStyle() & LVS_OWNERDRAWFIXED);
    const unsigned char types[] = {2};
    list.SetColumnTypes(types, 1);
    list.EnableSort(1);
    list.InsertColumn(0, "Pages", LVCFMT_RIGHT, 80);
    list.InsertItem(0, "10");
    list.InsertItem(1, "9");
    ClickHeaderColumn(list.m_wndHeader, 0);
    EXPECT_EQ((Texts{"9", "10"}), ColumnTexts(list, 0));
}
