// Moving columns of a real report list by dragging their headers with the mouse.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "controls/sort_list_ctrl.h"
#include "list_test_support.h"

using namespace listtest;
using Texts = std::vector<std::string>;

namespace {

struct Column {
    std::string title;
    int width;
    int format;
};

class HeaderDragTest : public testing::Test {
protected:
    void SetUp() override
    {
        HWND list = CreateReportList(m_host, {10, 10, 630, 300});
        ASSERT_TRUE(m_list.SubclassWindow(list));
        const unsigned char types[] = {1, 3, 2, 1};
        ASSERT_NE(0, m_list.SetColumnTypes(types, 4));
        m_list.EnableSort(1);
        m_list.SetHighlightType(2);
        m_list.EnableHeaderDrag(1);
        m_list.InsertColumn(0, "Status", LVCFMT_LEFT, 80);
        m_list.InsertColumn(1, "Date", LVCFMT_LEFT, 90);
        m_list.InsertColumn(2, "Pages", LVCFMT_RIGHT, 60);
        m_list.InsertColumn(3, "Name", LVCFMT_CENTER, 120);
        const char* rows[3][4] = {{"Complete", "d0", "9", "Ann"}, {"Error", "d1", "10", "Bob"}, {"Pending", "d2", "1", "Cy"}};
        for (int row = 0; row < 3; ++row) {
            m_list.InsertItem(row, rows[row][0]);
            for (int column = 1; column < 4; ++column)
                m_list.SetItemText(row, column, rows[row][column]);
        }
        m_header = m_list.m_wndHeader.m_hWnd;
        ASSERT_NE(nullptr, m_header);
    }

    std::vector<Column> Columns() const
    {
        std::vector<Column> columns;
        for (int column = 0; column < m_list.GetColumnCount(); ++column) {
            char title[160] = {};
            LVCOLUMNA read = {};
            read.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
            read.pszText = title;
            read.cchTextMax = sizeof title;
            m_list.GetColumn(column, &read);
            columns.push_back({title, read.cx, read.fmt & LVCFMT_JUSTIFYMASK});
        }
        return columns;
    }

    Texts Titles() const
    {
        Texts titles;
        for (const Column& column : Columns())
            titles.push_back(column.title);
        return titles;
    }

    Texts Row(int item) const
    {
        Texts cells;
        for (int column = 0; column < m_list.GetColumnCount(); ++column)
            cells.push_back(m_list.GetItemText(item, column));
        return cells;
    }

    // Left edge of a column boundary in header coordinates (0 .. column count).
    int BoundaryX(int boundary) const
    {
        int x = 0;
        for (int column = 0; column < boundary; ++column)
            x += m_list.GetColumnWidth(column);
        return x;
    }

    // Drags a column's header with the mouse to a point inside the target column (or past
    // the last column), in several moves.
    void Drag(int column, int toX)
    {
        int fromX = HeaderItemMiddle(m_header, column);
        PressHeader(m_header, fromX);
        MoveOnHeader(m_header, fromX + (toX - fromX) / 2);
        MoveOnHeader(m_header, toX);
        ReleaseHeader(m_header, toX);
    }

    HostWindow m_host;
    CSortListCtrl m_list;
    HWND m_header = nullptr;
};

}  // namespace

TEST_F(HeaderDragTest, ColumnMovesLeftWithTitleWidthAlignmentAndTexts)
{
    Drag(2, BoundaryX(1) + 10);  // Pages onto Date
    EXPECT_EQ((Texts{"Status", "Pages", "Date", "Name"}), Titles());
    std::vector<Column> columns = Columns();
    EXPECT_EQ(60, columns[1].width);
    EXPECT_EQ(LVCFMT_RIGHT, columns[1].format);
    EXPECT_EQ(90, columns[2].width);
    EXPECT_EQ(LVCFMT_CENTER, columns[3].format);
    EXPECT_EQ((Texts{"Complete", "9", "d0", "Ann"}), Row(0));
    EXPECT_EQ((Texts{"Pending", "1", "d2", "Cy"}), Row(2));
}

TEST_F(HeaderDragTest, ColumnMovesRightPastTheLastColumn)
{
    Drag(1, BoundaryX(4) + 30);
    EXPECT_EQ((Texts{"Status", "Pages", "Name", "Date"}), Titles());
    EXPECT_EQ((Texts{"Error", "10", "Bob", "d1"}), Row(1));
    EXPECT_EQ(90, Columns()[3].width);
}

TEST_F(HeaderDragTest, FirstColumnMovesAwayAndTheSecondTakesTheLabels)
{
    Drag(0, BoundaryX(3) + 5);  // Status onto Name: lands before Name
    EXPECT_EQ((Texts{"Date", "Pages", "Status", "Name"}), Titles());
    std::vector<Column> columns = Columns();
    EXPECT_EQ(90, columns[0].width);
    EXPECT_EQ(80, columns[2].width);
    EXPECT_EQ((Texts{"d0", "9", "Complete", "Ann"}), Row(0));
    EXPECT_EQ((Texts{"d2", "1", "Pending", "Cy"}), Row(2));
}

TEST_F(HeaderDragTest, ColumnMovesToTheFrontAndTheOldLabelsMoveAlong)
{
    Drag(3, 5);  // Name onto Status
    EXPECT_EQ((Texts{"Name", "Status", "Date", "Pages"}), Titles());
    std::vector<Column> columns = Columns();
    EXPECT_EQ(120, columns[0].width);
    EXPECT_EQ(80, columns[1].width);
    EXPECT_EQ(LVCFMT_RIGHT, columns[3].format);
    EXPECT_EQ((Texts{"Ann", "Complete", "d0", "9"}), Row(0));
    EXPECT_EQ((Texts{"Bob", "Error", "d1", "10"}), Row(1));
}

TEST_F(HeaderDragTest, DropOnEitherOwnBoundaryChangesNothing)
{
    const Texts titles = Titles();
    Drag(2, BoundaryX(2) + 5);  // its own span: the boundary on its left
    EXPECT_EQ(titles, Titles());
    Drag(1, BoundaryX(2) + 5);  // the next column: the boundary on its right
    EXPECT_EQ(titles, Titles());
    EXPECT_EQ((Texts{"Complete", "d0", "9", "Ann"}), Row(0));
}

TEST_F(HeaderDragTest, DragShowsItsStateAndEndsWithTheButton)
{
    CDragHeaderCtrl& header = m_list.m_wndHeader;
    int fromX = HeaderItemMiddle(m_header, 1);
    PressHeader(m_header, fromX);
    EXPECT_EQ(1, header.m_bMaybeDrag);
    EXPECT_EQ(0, header.m_bDragging);
    EXPECT_EQ(1, header.m_nDragCol);
    MoveOnHeader(m_header, BoundaryX(3) + 4);
    EXPECT_EQ(1, header.m_bDragging);
    EXPECT_EQ(3, header.m_nDropPos);
    EXPECT_EQ(m_header, GetCapture());
    ASSERT_NE(nullptr, header.m_pWidths.get());
    EXPECT_EQ(4, header.m_nWidths);
    EXPECT_EQ(60, header.m_pWidths[2]);
    // The drop marker sits on the boundary: tip at the bottom, base at half height.
    RECT client;
    GetClientRect(m_header, &client);
    int h = client.bottom;
    EXPECT_EQ(BoundaryX(3) - h / 4 - 1, header.m_rcMarker.left);
    EXPECT_EQ(BoundaryX(3) + h / 4 + 1, header.m_rcMarker.right);
    EXPECT_EQ(h / 2 - 1, header.m_rcMarker.top);
    EXPECT_EQ(h + 1, header.m_rcMarker.bottom);
    // On the screen the marker moves with the drop position and leaves nothing behind.
    auto pixel = [this](int x, int y) {
        HDC dc = GetDC(m_header);
        COLORREF colour = GetPixel(dc, x, y);
        ReleaseDC(m_header, dc);
        return colour;
    };
    const COLORREF marker = GetSysColor(COLOR_WINDOWTEXT);
    EXPECT_EQ(marker, pixel(BoundaryX(3) + 3, h / 2 + 2));
    MoveOnHeader(m_header, BoundaryX(4) + 50);
    EXPECT_EQ(4, header.m_nDropPos);
    EXPECT_NE(marker, pixel(BoundaryX(3) + 3, h / 2 + 2));
    MoveOnHeader(m_header, -40);
    EXPECT_EQ(0, header.m_nDropPos);

    // A move without the button (released outside the window) forgets the drag.
    MoveOnHeader(m_header, 10, false);
    EXPECT_EQ(0, header.m_bDragging);
    EXPECT_EQ(nullptr, header.m_pWidths.get());
    EXPECT_NE(m_header, GetCapture());
    ReleaseHeader(m_header, 10);
    EXPECT_EQ((Texts{"Status", "Date", "Pages", "Name"}), Titles());
}

TEST_F(HeaderDragTest, ClickWithoutMovingNeverStartsADragButSorts)
{
    PressHeader(m_header, HeaderItemMiddle(m_header, 2));
    ReleaseHeader(m_header, HeaderItemMiddle(m_header, 2));
    EXPECT_EQ(0, m_list.m_wndHeader.m_bDragging);
    EXPECT_EQ(0, m_list.m_wndHeader.m_bMaybeDrag);
    EXPECT_EQ((Texts{"Status", "Date", "Pages", "Name"}), Titles());
    EXPECT_EQ((Texts{"1", "9", "10"}), ColumnTexts(m_list, 2));
}

TEST_F(HeaderDragTest, SortTypeTravelsWithItsColumn)
{
    Drag(2, 5);  // the whole-number column to the front
    ASSERT_EQ((Texts{"Pages", "Status", "Date", "Name"}), Titles());
    ClickHeaderColumn(m_header, 0);
    EXPECT_EQ((Texts{"1", "9", "10"}), ColumnTexts(m_list, 0));
    ClickHeaderColumn(m_header, 0);
    EXPECT_EQ((Texts{"10", "9", "1"}), ColumnTexts(m_list, 0));
}

TEST_F(HeaderDragTest, DisabledDragLeavesColumnsAlone)
{
    m_list.EnableHeaderDrag(0);
    Drag(2, 5);
    EXPECT_EQ((Texts{"Status", "Date", "Pages", "Name"}), Titles());
    EXPECT_EQ(0, m_list.m_wndHeader.m_bDragging);
}
