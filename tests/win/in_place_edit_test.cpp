// Editing a cell of a real report list in place: how the edit ends, what the list's parent
// is told, which keys it keeps from the dialog, and how far it grows.
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "controls/in_place_edit.h"
#include "controls/sort_list_ctrl.h"
#include "list_test_support.h"
#include "res/resource.h"
#include "test_support.h"

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
        ASSERT_TRUE(m_list.SubclassWindow(CreateReportList(m_host, {10, 10, 410, 250})));
        m_list.SetHighlightType(2);
        m_list.InsertColumn(0, "Name", LVCFMT_LEFT, 150);
        m_list.InsertColumn(1, "Company", LVCFMT_LEFT, 150);
        m_list.InsertItem(0, "Ann");
        m_list.SetItemText(0, 1, "Old Company");
        SetFocus(m_list);
    }

    // Opens an editor over a cell of row 0 as the Fax Send List does, with the cell's text.
    HWND Open(int subItem, DWORD extraStyle = 0, int width = 147)
    {
        RECT row;
        m_list.GetItemRect(0, &row, LVIR_BOUNDS);
        int left = row.left + 4 + subItem * 150;
        RECT rect = {left, row.top, left + width, extraStyle & ES_MULTILINE ? row.top + 40 : row.bottom};
        auto* edit = new CountedEdit(0, subItem, m_list.GetItemText(0, subItem));
        if (!edit->Create(WS_BORDER | WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | extraStyle, rect, m_list, IDC_INPLACE_EDIT))
            return nullptr;
        return edit->m_hWnd;
    }

    // Types into the edit and waits until it shows the text.
    void Type(HWND edit, const std::string& text, const std::string& shown)
    {
        PostChars(edit, text);
        PumpLikeModalLoop([&] { return testsupport::WindowText(edit) == shown; });
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

// The edit opens with the cell's text selected, the focus and the list's font. Enter and the
// loss of the focus hand the typed text to the list's parent; Escape hands none, in a
// multi-line edit too. The dialog never takes Enter or Escape as OK or Cancel,
// the cell keeps its text (the parent decides), and the edit is gone.
TEST_F(InPlaceEditTest, TheEditEndsByEnterEscapeOrFocusLossAndTellsTheListsParent)
{
    enum End { kEnter, kEscape, kFocusLost };
    struct Case {
        End end;
        int subItem;
        DWORD style;
    } const cases[] = {{kEnter, 1, 0}, {kEscape, 1, 0}, {kFocusLost, 0, 0}, {kEscape, 0, ES_MULTILINE | ES_AUTOVSCROLL}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.end);
        m_host.m_labelEdits.clear();
        g_editsDeleted = 0;
        SetFocus(m_list);
        const std::string cell = m_list.GetItemText(0, c.subItem);
        HWND edit = Open(c.subItem, c.style);
        ASSERT_NE(nullptr, edit);
        EXPECT_EQ(edit, GetFocus());
        DWORD start = 1, end = 0;
        SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(cell, testsupport::WindowText(edit));
        EXPECT_EQ(0u, start);
        EXPECT_EQ(cell.size(), end);
        EXPECT_EQ(SendMessageA(m_list, WM_GETFONT, 0, 0), SendMessageA(edit, WM_GETFONT, 0, 0));
        Type(edit, "Velmoor Ltd", "Velmoor Ltd");
        if (c.end == kFocusLost)
            SetFocus(m_host);
        else
            PostKeyDown(edit, c.end == kEnter ? VK_RETURN : VK_ESCAPE);
        ASSERT_TRUE(PumpLikeModalLoop([&] { return !m_host.m_labelEdits.empty(); }));
        ASSERT_EQ(1u, m_host.m_labelEdits.size());
        const LabelEditNote& note = m_host.m_labelEdits[0];
        EXPECT_EQ(m_list.m_hWnd, note.from);
        EXPECT_EQ(static_cast<UINT_PTR>(IDC_INPLACE_EDIT), note.fromId);
        EXPECT_EQ(static_cast<WPARAM>(kListId), note.controlId);
        EXPECT_EQ(static_cast<UINT>(LVIF_TEXT), note.mask);
        EXPECT_EQ(0, note.item);
        EXPECT_EQ(c.subItem, note.subItem);
        EXPECT_EQ(c.end != kEscape, note.hasText);
        EXPECT_EQ(c.end != kEscape ? "Velmoor Ltd" : "", note.text);
        EXPECT_EQ(c.end != kEscape ? 11 : 0, note.length);
        EXPECT_EQ(cell, m_list.GetItemText(0, c.subItem));
        EXPECT_FALSE(IsWindow(edit));
        EXPECT_EQ(1, g_editsDeleted);
        EXPECT_EQ(0, m_host.m_dialogKeyCommands);
        if (c.end != kFocusLost) {
            EXPECT_EQ(m_list.m_hWnd, GetFocus());
        }
    }
}

// Delete, and any key with Ctrl down, go to the edit and not to the dialog; without Ctrl the
// dialog takes Tab and moves the focus on, which ends the edit.
TEST_F(InPlaceEditTest, DeleteAndCtrlKeysReachTheEdit)
{
    HWND edit = Open(0);
    ASSERT_NE(nullptr, edit);
    SendMessageA(edit, EM_SETSEL, 0, 1);
    PostKeyDown(edit, VK_DELETE);
    EXPECT_TRUE(PumpLikeModalLoop([&] { return testsupport::WindowText(edit) == "nn"; }));
    BYTE keys[256] = {};
    for (BYTE control : {0x80, 0}) {
        GetKeyboardState(keys);
        keys[VK_CONTROL] = control;
        SetKeyboardState(keys);
        PostKeyDown(edit, VK_TAB);
        PumpLikeModalLoop([] { return true; });
        EXPECT_EQ(control != 0, IsWindow(edit) && GetFocus() == edit) << int(control);
        EXPECT_EQ(control != 0 ? 0u : 1u, m_host.m_labelEdits.size());
    }
}

TEST_F(InPlaceEditTest, TypingGrowsTheEditToTwoPixelsInsideTheList)
{
    m_list.SetItemText(0, 1, "");
    HWND edit = Open(1, 0, 60);
    ASSERT_NE(nullptr, edit);
    RECT start = RectInList(edit);
    RECT client;
    GetClientRect(m_list, &client);
    Type(edit, "WW", "WW");
    EXPECT_EQ(start.right, RectInList(edit).right);  // still fits
    Type(edit, std::string(12, 'W'), std::string(14, 'W'));
    RECT grown = RectInList(edit);
    EXPECT_GT(grown.right, start.right);
    EXPECT_LT(grown.right, client.right - 2);
    EXPECT_EQ(start.left, grown.left);
    // The whole text shows from its first character, none scrolled out of sight.
    EXPECT_GE(static_cast<int16_t>(LOWORD(SendMessageA(edit, EM_POSFROMCHAR, 0, 0))), 0);
    Type(edit, std::string(80, 'W'), std::string(94, 'W'));
    grown = RectInList(edit);
    EXPECT_EQ(client.right - 2, grown.right);
    EXPECT_EQ(start.top, grown.top);
    EXPECT_EQ(start.bottom, grown.bottom);
    SetFocus(m_list);
    ASSERT_EQ(1u, m_host.m_labelEdits.size());
    EXPECT_EQ(94u, m_host.m_labelEdits[0].text.size());
}

TEST_F(InPlaceEditTest, MultiLineEditGrowsDownToTwoPixelsInsideTheListAndThenScrolls)
{
    HWND edit = Open(0, ES_MULTILINE | ES_AUTOVSCROLL);
    ASSERT_NE(nullptr, edit);
    RECT start = RectInList(edit);
    std::string words;
    for (int i = 0; i < 120; ++i)
        words += "word ";
    Type(edit, words, words);
    RECT client;
    GetClientRect(m_list, &client);
    EXPECT_GT(RectInList(edit).bottom, start.bottom);
    EXPECT_EQ(client.bottom - 2, RectInList(edit).bottom);
    EXPECT_TRUE(GetWindowLongA(edit, GWL_STYLE) & WS_VSCROLL);
    SetFocus(m_list);
}

TEST_F(InPlaceEditTest, ListDestroyedWhileEditingEndsTheEditCleanly)
{
    HWND edit = Open(1);
    ASSERT_NE(nullptr, edit);
    m_list.DestroyWindow();
    EXPECT_FALSE(IsWindow(edit));
    EXPECT_EQ(1, g_editsDeleted);
    EXPECT_LE(m_host.m_labelEdits.size(), 1u);
}
