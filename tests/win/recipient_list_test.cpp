// The Fax Send List as the user works it: a click selects the row under the mouse and opens
// an editor over the cell that takes only as many characters as the column holds, and the end of an edit stores the text and asks the owner to keep its
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
    void ApplyTypingRowRule(BOOL bAllowRemoval) override { m_asked += bAllowRemoval ? "rule+removal " : "rule "; }
    void UpdateSendButtons() override { m_asked += "buttons "; }
    std::string m_asked;
};

class RecipientListTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_list.SubclassWindow(CreateReportList(m_host, {10, 10, 410, 210}, LVS_EDITLABELS)));
        m_list.SetHighlightType(2);
        const char* titles[] = {"Name", "Company", "Fax"};
        const char* rows[][3] = {{"<Type Here>", "", ""}, {"Ann Archer", "Archer & Sons", "555 0101"},
                                 {"Bob Baker", "", "555 0202"}};
        for (int column = 0; column < 3; ++column)
            m_list.InsertColumn(column, titles[column], LVCFMT_LEFT, column == 1 ? 100 : 120);
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
    // Clicks `x` pixels right of a row's left edge (columns of 120, 100 and 120 pixels), or
    // `below` pixels under it.
    void Click(int row, int x, int below = 0)
    {
        RECT rect = RowRect(row);
        LPARAM at = MAKELPARAM(rect.left + x, below ? rect.bottom + below : (rect.top + rect.bottom) / 2);
        SendMessageA(m_list, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(m_list, WM_LBUTTONUP, 0, at);
    }
    HWND Editor() const { return GetDlgItem(m_list, IDC_INPLACE_EDIT); }
    // Types into the open editor and ends the edit with a key, through the framework's keyboard routing.
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

TEST_F(RecipientListTest, AClickSelectsTheRowAndOpensAnEditorOnTheCellUnderTheMouseOnly)
{
    const struct {
        int row, x, below;
        const char* editing;  // nullptr: no editor
    } cases[] = {
        {1, 280, 0, "555 0101"},
        {2, 60, 0, "Bob Baker"},
        {1, 120, 0, "Ann Archer"},  // a column's span includes both its edges; the left column wins
        {0, 350, 0, nullptr},       // right of the columns
        {2, 60, 5, nullptr},        // below the rows
    };
    for (const auto& c : cases) {
        Click(c.row, c.x, c.below);
        EXPECT_EQ(c.editing ? c.editing : "(none)", Editor() ? testsupport::WindowText(Editor()) : "(none)") << c.x;
        if (c.editing) {
            EXPECT_EQ(LVIS_SELECTED | LVIS_FOCUSED, m_list.GetItemState(c.row, LVIS_SELECTED | LVIS_FOCUSED));
            EXPECT_EQ(Editor(), GetFocus());
        }
    }
}

TEST_F(RecipientListTest, EndingAnEditStoresTheTextUpToTheColumnsLimitAndAsksTheOwnerToKeepItsTypingRow)
{
    // Name 40, company 20, fax 40: the widths of the entry fields behind them.
    const int limits[] = {40, 20, 40};
    for (int column = 0; column < 3; ++column) {
        Click(1, 20 + (column ? 100 + 120 * (column - 1) : 0) + 10);
        TypeAndEnd(std::string(50, 'x'), VK_RETURN);
        EXPECT_EQ(std::string(limits[column], 'x'), m_list.GetItemText(1, column)) << column;
    }
    EXPECT_EQ("rule buttons rule buttons rule buttons ", m_host.m_asked);
    // Escape keeps the old text, and the owner is asked all the same.
    Click(2, 60);
    TypeAndEnd("Somebody Else", VK_ESCAPE);
    EXPECT_EQ("Bob Baker", m_list.GetItemText(2, 0));
    EXPECT_EQ("rule buttons rule buttons rule buttons rule buttons ", m_host.m_asked);
}
