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

class RecipientListTest : public testing::Test {
protected:
    void SetUp() override { Build({10, 10, 410, 210}); }

    void Build(const RECT& rect)
    {
        HWND list = CreateReportList(m_host, rect, LVS_EDITLABELS | LVS_SHOWSELALWAYS);
        ASSERT_TRUE(m_list.SubclassWindow(list));
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

    // The middle of a cell, in the list's client coordinates.
    POINT CellPoint(int row, int column)
    {
        RECT rect = {};
        m_list.GetItemRect(row, &rect, LVIR_BOUNDS);
        int left = rect.left;
        for (int col = 0; col < column; ++col)
            left += m_list.GetColumnWidth(col);
        return {left + m_list.GetColumnWidth(column) / 2, (rect.top + rect.bottom) / 2};
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
        UINT mask = LVIS_SELECTED | LVIS_FOCUSED;
        return m_list.GetItemState(row, mask) == mask;
    }

    // Types into the open editor and ends the edit with a key, through the framework's
    // keyboard routing.
    void TypeAndEnd(const std::string& text, UINT endKey)
    {
        HWND editor = Editor();
        ASSERT_NE(nullptr, editor);
        PostChars(editor, text);
        PostKeyDown(editor, endKey);
        EXPECT_TRUE(PumpLikeModalLoop([this] { return Editor() == nullptr; }));
    }

    OwnerHost m_host;
    CRecipientList m_list;
};

}  // namespace

TEST_F(RecipientListTest, HitTestFindsTheCellAndNothingBeyondTheRowsAndColumns)
{
    int column = -1;
    EXPECT_EQ(1, m_list.HitTestCell(CellPoint(1, 2), &column));
    EXPECT_EQ(2, column);
    EXPECT_EQ(2, m_list.HitTestCell(CellPoint(2, 0), &column));
    EXPECT_EQ(0, column);

    // A column's span includes both its edges; the left column wins on the boundary.
    RECT row = {};
    m_list.GetItemRect(0, &row, LVIR_BOUNDS);
    POINT boundary = {row.left + 120, (row.top + row.bottom) / 2};
    EXPECT_EQ(0, m_list.HitTestCell(boundary, &column));
    EXPECT_EQ(0, column);

    POINT rightOfColumns = {row.left + 120 + 100 + 120 + 10, boundary.y};
    EXPECT_EQ(-1, m_list.HitTestCell(rightOfColumns, &column));
    RECT last = {};
    m_list.GetItemRect(2, &last, LVIR_BOUNDS);
    POINT belowRows = {CellPoint(0, 0).x, last.bottom + 5};
    EXPECT_EQ(-1, m_list.HitTestCell(belowRows, &column));

    // Clicks there open nothing.
    Click(rightOfColumns);
    Click(belowRows);
    EXPECT_EQ(nullptr, Editor());
}

TEST_F(RecipientListTest, AClickSelectsTheRowAndOpensAnEditorInsideTheCell)
{
    Click(CellPoint(1, 2));
    EXPECT_TRUE(IsSelectedAndFocused(1));
    HWND editor = Editor();
    ASSERT_NE(nullptr, editor);
    char text[64] = {};
    GetWindowTextA(editor, text, sizeof text);
    EXPECT_STREQ("555 0101", text);
    EXPECT_EQ(editor, GetFocus());

    RECT row = {};
    m_list.GetItemRect(1, &row, LVIR_BOUNDS);
    RECT rect = EditorRect();
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
    EXPECT_EQ((std::vector<std::string>{"rule without removal", "buttons"}), m_host.m_requests);

    // Escape keeps the old text, and the owner is asked all the same.
    m_host.m_requests.clear();
    Click(CellPoint(1, 0));
    TypeAndEnd("Somebody Else", VK_ESCAPE);
    EXPECT_EQ("Ann Archer", m_list.GetItemText(1, 0));
    EXPECT_EQ((std::vector<std::string>{"rule without removal", "buttons"}), m_host.m_requests);
}

TEST_F(RecipientListTest, ScrollingTakesTheFocusAndSoEndsTheEdit)
{
    Click(CellPoint(2, 1));
    PostChars(Editor(), "Baker Bros");
    PumpLikeModalLoop([] { return false; }, 100);
    SendMessageA(m_list, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(nullptr, Editor());
    EXPECT_EQ(m_list.m_hWnd, GetFocus());
    EXPECT_EQ("Baker Bros", m_list.GetItemText(2, 1));

    Click(CellPoint(2, 1));
    ASSERT_NE(nullptr, Editor());
    SendMessageA(m_list, WM_HSCROLL, SB_LINERIGHT, 0);
    EXPECT_EQ(nullptr, Editor());
}

TEST_F(RecipientListTest, ANarrowColumnSelectsButOpensNoEditor)
{
    m_list.SetColumnWidth(1, 4);
    Click(CellPoint(2, 1));
    EXPECT_TRUE(IsSelectedAndFocused(2));
    EXPECT_EQ(nullptr, Editor());
    EXPECT_EQ(nullptr, m_list.EditCell(2, 1));
    EXPECT_EQ(nullptr, m_list.EditCell(2, 3));   // no such column
    EXPECT_EQ(nullptr, m_list.EditCell(7, 0));   // no such row
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

TEST_F(RecipientListTest, TheSystemsOwnLabelEditorNeverOpens)
{
    EXPECT_EQ(0, SendMessageA(m_list, LVM_EDITLABELA, 1, 0));
    EXPECT_EQ(nullptr, Editor());
}
