// The Fax Send List as the user works it: a click selects the row under the mouse and opens
// an editor over the cell, the editor sits inside the cell and takes only as many characters
// as the column holds, and the end of an edit stores the text and asks the owner to keep its
// typing row and update its buttons.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "controls/in_place_edit.h"
#include "list_test_support.h"
#include "phonebook/recipient_list.h"
#include "res/resource.h"
#include "test_support.h"

using namespace listtest;

namespace {

// A window that holds the list as the Send Fax dialog does and notes what the list asks.
class OwnerHost : public HostWindow, public CRecipientListOwner {
public:
    void ApplyTypingRowRule(BOOL bAllowRemoval) override
    {
        m_requests.push_back(bAllowRemoval ? "rule with removal" : "rule without removal");
    }
    void UpdateSendButtons() override { m_requests.push_back("buttons"); }
    std::vector<std::string> m_requests;
};

const std::vector<std::string> kEndOfEdit = {"rule without removal", "buttons"};

class RecipientListTest : public testing::Test {
protected:
    void SetUp() override { Build({10, 10, 410, 210}); }

    void Build(const RECT& rect)
    {
        ASSERT_TRUE(m_list.SubclassWindow(CreateReportList(m_host, rect, LVS_EDITLABELS | LVS_SHOWSELALWAYS)));
        m_list.SetHighlightType(2);
        m_list.InsertColumn(0, "Name", LVCFMT_LEFT, 120);
        m_list.InsertColumn(1, "Company", LVCFMT_LEFT, 100);
        m_list.InsertColumn(2, "Fax", LVCFMT_LEFT, 120);
        const char* rows[][3] = {{"<Type Here>", "", ""}, {"Ann Archer", "Archer & Sons", "555 0101"},
                                 {"Bob Baker", "", "555 0202"}};
        for (int row = 0; row < 3; ++row) {
            m_list.InsertItem(row, rows[row][0]);
            m_list.SetItemText(row, 1, rows[row][1]);
            m_list.SetItemText(row, 2, rows[row][2]);
        }
        SetFocus(m_list);
    }

    RECT RowRect(int row) const
    {
        RECT rect = {};
        m_list.GetItemRect(row, &rect, LVIR_BOUNDS);
        return rect;
    }
    // A point of a row `x` pixels right of its left edge, in the list's client coordinates.
    POINT RowPoint(int row, int x) const
    {
        RECT rect = RowRect(row);
        return {rect.left + x, (rect.top + rect.bottom) / 2};
    }
    POINT CellPoint(int row, int column) const
    {
        const int middles[] = {60, 170, 280};  // columns of 120, 100 and 120 pixels
        return RowPoint(row, middles[column]);
    }

    void Click(POINT point)
    {
        LPARAM at = MAKELPARAM(static_cast<WORD>(point.x), static_cast<WORD>(point.y));
        SendMessageA(m_list, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(m_list, WM_LBUTTONUP, 0, at);
    }

    HWND Editor() const { return GetDlgItem(m_list, IDC_INPLACE_EDIT); }

    RECT EditorRect() const
    {
        RECT rect = {};
        GetWindowRect(Editor(), &rect);
        MapWindowPoints(nullptr, m_list, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    bool IsSelectedAndFocused(int row) const
    {
        return m_list.GetItemState(row, LVIS_SELECTED | LVIS_FOCUSED) == (LVIS_SELECTED | LVIS_FOCUSED);
    }

    // Types into the open editor and ends the edit with a key, through the framework's
    // keyboard routing.
    void TypeAndEnd(const std::string& text, UINT endKey)
    {
        ASSERT_NE(nullptr, Editor());
        PostChars(Editor(), text);
        PostKeyDown(Editor(), endKey);
        EXPECT_TRUE(PumpLikeModalLoop([this] { return Editor() == nullptr; }));
    }

    OwnerHost m_host;
    CRecipientList m_list;
};

}  // namespace

TEST_F(RecipientListTest, HitTestFindsTheCellAndNothingBeyondTheRowsAndColumns)
{
    struct Case {
        POINT point;
        int row, column;
    } const cases[] = {
        {CellPoint(1, 2), 1, 2},
        {CellPoint(2, 0), 2, 0},
        {RowPoint(0, 120), 0, 0},  // a column's span includes both its edges; the left column wins
        {RowPoint(0, 350), -1, -1},  // right of the columns
        {{CellPoint(0, 0).x, RowRect(2).bottom + 5}, -1, -1},  // below the rows
    };
    for (const Case& c : cases) {
        int column = -1;
        EXPECT_EQ(c.row, m_list.HitTestCell(c.point, &column)) << c.point.x << "," << c.point.y;
        if (c.row >= 0) {
            EXPECT_EQ(c.column, column) << c.point.x << "," << c.point.y;
        } else {
            Click(c.point);  // opens nothing
        }
        EXPECT_EQ(nullptr, Editor());
    }
}

TEST_F(RecipientListTest, AClickSelectsTheRowAndOpensAnEditorInsideTheCell)
{
    Click(CellPoint(1, 2));
    EXPECT_TRUE(IsSelectedAndFocused(1));
    ASSERT_NE(nullptr, Editor());
    EXPECT_EQ("555 0101", testsupport::WindowText(Editor()));
    EXPECT_EQ(Editor(), GetFocus());
    RECT row = RowRect(1), rect = EditorRect();
    EXPECT_EQ(row.left + 120 + 100 + 4, rect.left);
    EXPECT_EQ(row.top, rect.top);
    EXPECT_EQ(row.bottom, rect.bottom);
    EXPECT_LE(120 - 3, rect.right - rect.left);  // it may have grown to fit the text

    // A click on another cell ends this edit and opens the next.
    Click(CellPoint(2, 1));
    EXPECT_TRUE(IsSelectedAndFocused(2));
    EXPECT_NE(nullptr, Editor());
}

TEST_F(RecipientListTest, TypingStopsAtTheColumnsLimit)
{
    // Name 40, company 20, fax 40: the widths of the entry fields behind them.
    const int limits[] = {40, 20, 40};
    for (int column = 0; column < 3; ++column) {
        Click(CellPoint(1, column));
        TypeAndEnd(std::string(50, 'x'), VK_RETURN);
        EXPECT_EQ(std::string(limits[column], 'x'), m_list.GetItemText(1, column)) << column;
    }
}

TEST_F(RecipientListTest, EndingAnEditStoresTheTextAndAsksTheOwnerOnlyToKeepItsTypingRow)
{
    Click(CellPoint(0, 2));
    TypeAndEnd("555 7777", VK_RETURN);
    EXPECT_EQ("555 7777", m_list.GetItemText(0, 2));
    EXPECT_EQ(kEndOfEdit, m_host.m_requests);

    // Escape keeps the old text, and the owner is asked all the same.
    m_host.m_requests.clear();
    Click(CellPoint(1, 0));
    TypeAndEnd("Somebody Else", VK_ESCAPE);
    EXPECT_EQ("Ann Archer", m_list.GetItemText(1, 0));
    EXPECT_EQ(kEndOfEdit, m_host.m_requests);

    // Scrolling takes the focus and so ends the edit, keeping what was typed.
    for (UINT scroll : {UINT(WM_VSCROLL), UINT(WM_HSCROLL)}) {
        Click(CellPoint(2, 1));
        PostChars(Editor(), "Baker Bros");
        PumpLikeModalLoop([] { return false; }, 100);
        SendMessageA(m_list, scroll, scroll == WM_VSCROLL ? SB_LINEDOWN : SB_LINERIGHT, 0);
        EXPECT_EQ(nullptr, Editor()) << scroll;
        EXPECT_EQ(m_list.m_hWnd, GetFocus());
        EXPECT_EQ("Baker Bros", m_list.GetItemText(2, 1));
    }
}

TEST_F(RecipientListTest, ANarrowColumnOrACellOutsideTheListOpensNoEditor)
{
    m_list.SetColumnWidth(1, 4);
    Click(RowPoint(2, 121));
    EXPECT_TRUE(IsSelectedAndFocused(2));
    EXPECT_EQ(nullptr, Editor());
    EXPECT_EQ(nullptr, m_list.EditCell(2, 1));
    EXPECT_EQ(nullptr, m_list.EditCell(2, 3));  // no such column
    EXPECT_EQ(nullptr, m_list.EditCell(7, 0));  // no such row
    EXPECT_EQ(0, SendMessageA(m_list, LVM_EDITLABELA, 1, 0));  // nor does the system's own editor open
    EXPECT_EQ(nullptr, Editor());
    m_list.SetColumnWidth(1, 5);
    EXPECT_NE(nullptr, m_list.EditCell(2, 1));
}

TEST_F(RecipientListTest, ACellBeyondTheRightEdgeIsScrolledIntoViewAndTheEditorStaysInside)
{
    DestroyWindow(m_list.m_hWnd);
    Build({10, 10, 210, 210});  // narrower than the three columns
    RECT client = {};
    GetClientRect(m_list, &client);
    ASSERT_LT(client.right, 220);
    ASSERT_NE(nullptr, m_list.EditCell(1, 2));
    RECT rect = EditorRect();
    EXPECT_EQ(4, rect.left);
    EXPECT_LE(rect.right, client.right);
    EXPECT_GT(GetScrollPos(m_list, SB_HORZ), 0);
}
