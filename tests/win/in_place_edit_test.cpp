// Editing a cell of a real report list in place: how the edit ends, what the list's parent
// is told, and how far the edit grows.
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "controls/in_place_edit.h"
#include "controls/sort_list_ctrl.h"
#include "list_test_support.h"
#include "res/resource.h"

using namespace listtest;

namespace {

int g_editsDeleted = 0;

// Counts its own deletion, which the edit does itself once its window is gone.
class CountedEdit : public CInPlaceEdit {
public:
    using CInPlaceEdit::CInPlaceEdit;
    ~CountedEdit() override { ++g_editsDeleted; }
};

class InPlaceEditTest : public testing::Test {
protected:
    void SetUp() override
    {
        g_editsDeleted = 0;
        HWND list = CreateReportList(m_host, {10, 10, 410, 250});
        ASSERT_TRUE(m_list.SubclassWindow(list));
        m_list.SetHighlightType(2);
        m_list.InsertColumn(0, "Name", LVCFMT_LEFT, 150);
        m_list.InsertColumn(1, "Company", LVCFMT_LEFT, 150);
        m_list.InsertItem(0, "Ann");
        m_list.SetItemText(0, 1, "Old Company");
        m_list.InsertItem(1, "Bob");
        SetFocus(m_list);
    }

    // Opens an editor over a cell of row 0, as the Fax Send List does.
    HWND Open(int subItem, const std::string& text, DWORD extraStyle = 0, int width = 0)
    {
        RECT row;
        m_list.GetItemRect(0, &row, LVIR_BOUNDS);
        int left = row.left + 4 + (subItem == 1 ? 150 : 0);
        RECT rect = {left, row.top, left + (width ? width : 147), row.bottom};
        if (extraStyle & ES_MULTILINE)
            rect.bottom = rect.top + 40;
        auto* edit = new CountedEdit(0, subItem, text);
        if (!edit->Create(WS_BORDER | WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | extraStyle, rect, m_list,
                          IDC_INPLACE_EDIT))
            return nullptr;
        return edit->m_hWnd;
    }

    bool Ended() { return !m_host.m_labelEdits.empty(); }

    std::string WindowTextOf(HWND window)
    {
        char text[512] = {};
        GetWindowTextA(window, text, sizeof text);
        return text;
    }

    RECT RectInList(HWND window)
    {
        RECT rect;
        GetWindowRect(window, &rect);
        MapWindowPoints(nullptr, m_list, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    HostWindow m_host;
    CSortListCtrl m_list;
};

}  // namespace

TEST_F(InPlaceEditTest, OpensWithTheCellTextSelectedAndTheFocus)
{
    HWND edit = Open(1, "Old Company");
    ASSERT_NE(nullptr, edit);
    EXPECT_EQ(edit, GetFocus());
    EXPECT_EQ("Old Company", WindowTextOf(edit));
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(0u, start);
    EXPECT_EQ(11u, end);
    EXPECT_EQ(SendMessageA(m_list, WM_GETFONT, 0, 0), SendMessageA(edit, WM_GETFONT, 0, 0));
    SetFocus(m_list);
}

TEST_F(InPlaceEditTest, EnterReportsTheTypedTextAndTheEditGoes)
{
    HWND edit = Open(1, "Old Company");
    ASSERT_NE(nullptr, edit);
    PostChars(edit, "Velmoor Ltd");
    PostKeyDown(edit, VK_RETURN);
    ASSERT_TRUE(PumpLikeModalLoop([&] { return Ended(); }));
    ASSERT_EQ(1u, m_host.m_labelEdits.size());
    const LabelEditNote& note = m_host.m_labelEdits[0];
    EXPECT_EQ(m_list.m_hWnd, note.from);
    EXPECT_EQ(static_cast<UINT_PTR>(IDC_INPLACE_EDIT), note.fromId);
    EXPECT_EQ(static_cast<WPARAM>(kListId), note.controlId);
    EXPECT_EQ(static_cast<UINT>(LVIF_TEXT), note.mask);
    EXPECT_EQ(0, note.item);
    EXPECT_EQ(1, note.subItem);
    EXPECT_TRUE(note.hasText);
    EXPECT_EQ("Velmoor Ltd", note.text);
    EXPECT_EQ(11, note.length);
    EXPECT_FALSE(IsWindow(edit));
    EXPECT_EQ(1, g_editsDeleted);
    EXPECT_EQ(m_list.m_hWnd, GetFocus());
    EXPECT_EQ(0, m_host.m_dialogKeyCommands);  // the dialog did not take Enter as OK
}

TEST_F(InPlaceEditTest, EscapeReportsNoTextAndTheCellKeepsItsOwn)
{
    HWND edit = Open(1, "Old Company");
    ASSERT_NE(nullptr, edit);
    PostChars(edit, "Typed then dropped");
    PostKeyDown(edit, VK_ESCAPE);
    ASSERT_TRUE(PumpLikeModalLoop([&] { return Ended(); }));
    ASSERT_EQ(1u, m_host.m_labelEdits.size());
    EXPECT_FALSE(m_host.m_labelEdits[0].hasText);
    EXPECT_EQ(0, m_host.m_labelEdits[0].length);
    EXPECT_EQ(1, m_host.m_labelEdits[0].subItem);
    EXPECT_EQ("Old Company", m_list.GetItemText(0, 1));
    EXPECT_FALSE(IsWindow(edit));
    EXPECT_EQ(1, g_editsDeleted);
    EXPECT_EQ(0, m_host.m_dialogKeyCommands);  // the dialog did not take Escape as Cancel
}

TEST_F(InPlaceEditTest, LosingTheFocusReportsTheText)
{
    HWND edit = Open(0, "Ann");
    ASSERT_NE(nullptr, edit);
    PostChars(edit, "Anne");
    PumpLikeModalLoop([&] { return WindowTextOf(edit) == "Anne"; });
    SetFocus(m_host);
    ASSERT_EQ(1u, m_host.m_labelEdits.size());
    EXPECT_TRUE(m_host.m_labelEdits[0].hasText);
    EXPECT_EQ("Anne", m_host.m_labelEdits[0].text);
    EXPECT_EQ(0, m_host.m_labelEdits[0].subItem);
    EXPECT_FALSE(IsWindow(edit));
    EXPECT_EQ(1, g_editsDeleted);
}

TEST_F(InPlaceEditTest, DeleteKeyEditsTheTextAndEndsNothing)
{
    HWND edit = Open(0, "Ann");
    ASSERT_NE(nullptr, edit);
    SendMessageA(edit, EM_SETSEL, 0, 1);
    PostKeyDown(edit, VK_DELETE);
    ASSERT_TRUE(PumpLikeModalLoop([&] { return WindowTextOf(edit) == "nn"; }));
    EXPECT_TRUE(m_host.m_labelEdits.empty());
    SetFocus(m_list);
}

TEST_F(InPlaceEditTest, KeysWithCtrlDownGoToTheEditNotToTheDialog)
{
    HWND edit = Open(0, "Ann");
    ASSERT_NE(nullptr, edit);
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    PostKeyDown(edit, VK_TAB);
    PumpLikeModalLoop([] { return true; });
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    EXPECT_TRUE(IsWindow(edit));
    EXPECT_EQ(edit, GetFocus());
    EXPECT_TRUE(m_host.m_labelEdits.empty());
    // Without Ctrl the dialog takes Tab and moves the focus on, which ends the edit.
    PostKeyDown(edit, VK_TAB);
    PumpLikeModalLoop([] { return true; });
    EXPECT_FALSE(IsWindow(edit));
}

TEST_F(InPlaceEditTest, TypingGrowsTheEditToTwoPixelsInsideTheList)
{
    HWND edit = Open(1, "", 0, 60);
    ASSERT_NE(nullptr, edit);
    RECT start = RectInList(edit);
    PostChars(edit, "WW");
    PumpLikeModalLoop([&] { return WindowTextOf(edit) == "WW"; });
    EXPECT_EQ(start.right, RectInList(edit).right);  // still fits
    PostChars(edit, std::string(12, 'W'));
    PumpLikeModalLoop([&] { return WindowTextOf(edit).size() == 14; });
    RECT grown = RectInList(edit);
    RECT client;
    GetClientRect(m_list, &client);
    EXPECT_GT(grown.right, start.right);
    EXPECT_LT(grown.right, client.right - 2);
    EXPECT_EQ(start.left, grown.left);
    // The whole text shows from its first character, none scrolled out of sight.
    EXPECT_GE(static_cast<int16_t>(LOWORD(SendMessageA(edit, EM_POSFROMCHAR, 0, 0))), 0);
    PostChars(edit, std::string(80, 'W'));
    PumpLikeModalLoop([&] { return WindowTextOf(edit).size() == 94; });
    EXPECT_EQ(client.right - 2, RectInList(edit).right);
    EXPECT_EQ(start.top, RectInList(edit).top);
    EXPECT_EQ(start.bottom, RectInList(edit).bottom);
    SetFocus(m_list);
    ASSERT_EQ(1u, m_host.m_labelEdits.size());
    EXPECT_EQ(94u, m_host.m_labelEdits[0].text.size());
}

TEST_F(InPlaceEditTest, MultiLineEditGrowsDownAndThenScrolls)
{
    HWND edit = Open(0, "", ES_MULTILINE | ES_AUTOVSCROLL);
    ASSERT_NE(nullptr, edit);
    RECT start = RectInList(edit);
    std::string words;
    for (int i = 0; i < 120; ++i)
        words += "word ";
    PostChars(edit, words);
    PumpLikeModalLoop([&] { return GetWindowTextLengthA(edit) == static_cast<int>(words.size()); });
    RECT grown = RectInList(edit);
    RECT client;
    GetClientRect(m_list, &client);
    EXPECT_GT(grown.bottom, start.bottom);
    EXPECT_EQ(client.bottom - 2, grown.bottom);
    EXPECT_TRUE(GetWindowLongA(edit, GWL_STYLE) & WS_VSCROLL);
    // Escape in a multi-line edit still cancels through its character.
    PostKeyDown(edit, VK_ESCAPE);
    ASSERT_TRUE(PumpLikeModalLoop([&] { return Ended(); }));
    EXPECT_FALSE(m_host.m_labelEdits[0].hasText);
    EXPECT_FALSE(IsWindow(edit));
}

TEST_F(InPlaceEditTest, ListDestroyedWhileEditingEndsTheEditCleanly)
{
    HWND edit = Open(1, "Old Company");
    ASSERT_NE(nullptr, edit);
    m_list.DestroyWindow();
    EXPECT_FALSE(IsWindow(edit));
    EXPECT_EQ(1, g_editsDeleted);
    EXPECT_LE(m_host.m_labelEdits.size(), 1u);
}
