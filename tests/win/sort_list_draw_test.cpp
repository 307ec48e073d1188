// Owner drawing of a real report list, read back from its own painting: which rows and how
// much of them show the selection colours, by focus and style, and the check-box state
// images.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "controls/sort_list_ctrl.h"
#include "list_test_support.h"
#include "test_support.h"

using namespace listtest;

namespace {

class SortListDrawTest : public testing::Test {
protected:
    void Build(int highlight, DWORD extraStyle = 0)
    {
        HWND list = CreateReportList(m_host, {10, 10, 410, 210}, extraStyle);
        ASSERT_TRUE(m_list.SubclassWindow(list));
        m_list.SetHighlightType(highlight);
        m_list.InsertColumn(0, "Name", LVCFMT_LEFT, 100);
        m_list.InsertColumn(1, "Fax", LVCFMT_RIGHT, 100);
        for (int row = 0; row < 3; ++row) {
            m_list.InsertItem(row, "a");
            m_list.SetItemText(row, 1, "1");
        }
        m_list.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        m_other = CreateWindowExA(0, "BUTTON", "Other", WS_CHILD | WS_VISIBLE, 420, 10, 80, 24, m_host, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    }

    // The list's client area as it paints itself.
    COLORREF PixelAt(int x, int y)
    {
        RECT client;
        GetClientRect(m_list, &client);
        HDC screen = GetDC(m_list);
        HDC memory = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
        HGDIOBJ old = SelectObject(memory, bitmap);
        SendMessageA(m_list, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT | PRF_ERASEBKGND);
        COLORREF colour = GetPixel(memory, x, y);
        SelectObject(memory, old);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(m_list, screen);
        return colour;
    }

    // The list as it shows on the screen, once its pending painting is done.
    COLORREF ScreenPixelAt(int x, int y)
    {
        testsupport::PumpPending();
        UpdateWindow(m_list);
        HDC dc = GetDC(m_list);
        COLORREF colour = GetPixel(dc, x, y);
        ReleaseDC(m_list, dc);
        return colour;
    }

    int RowMiddle(int item)
    {
        RECT row;
        m_list.GetItemRect(item, &row, LVIR_BOUNDS);
        return (row.top + row.bottom) / 2;
    }

    const COLORREF m_highlight = GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF m_window = GetSysColor(COLOR_WINDOW);
    HostWindow m_host;
    CSortListCtrl m_list;
    HWND m_other = nullptr;
};

}  // namespace

TEST_F(SortListDrawTest, FocusChangesRepaintTheSelectedRowOnScreen)
{
    Build(2);
    SetFocus(m_list);
    EXPECT_EQ(m_highlight, ScreenPixelAt(130, RowMiddle(1)));
    EXPECT_EQ(m_highlight, ScreenPixelAt(350, RowMiddle(1)));
    SetFocus(m_other);
    EXPECT_EQ(m_window, ScreenPixelAt(130, RowMiddle(1)));
    EXPECT_EQ(m_window, ScreenPixelAt(350, RowMiddle(1)));
    SetFocus(m_list);
    EXPECT_EQ(m_highlight, ScreenPixelAt(350, RowMiddle(1)));
    // Selecting another row moves the whole-row highlight, past the last column too.
    m_list.SetItemState(2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_list.SetItemState(1, 0, LVIS_SELECTED);
    EXPECT_EQ(m_highlight, ScreenPixelAt(350, RowMiddle(2)));
    EXPECT_EQ(m_window, ScreenPixelAt(350, RowMiddle(1)));
    SetFocus(m_other);
}

TEST_F(SortListDrawTest, LabelHighlightLeavesTheOtherCellsInWindowColours)
{
    Build(1);
    SetFocus(m_list);
    EXPECT_EQ(m_highlight, PixelAt(60, RowMiddle(1)));
    EXPECT_EQ(m_window, PixelAt(130, RowMiddle(1)));
    EXPECT_EQ(m_window, PixelAt(350, RowMiddle(1)));
    SetFocus(m_other);
}

TEST_F(SortListDrawTest, AlwaysShownSelectionAndDropTargetStayHighlighted)
{
    Build(2, LVS_SHOWSELALWAYS);
    SetFocus(m_other);
    EXPECT_EQ(m_highlight, PixelAt(130, RowMiddle(1)));
    m_list.SetItemState(2, LVIS_DROPHILITED, LVIS_DROPHILITED);
    EXPECT_EQ(m_highlight, PixelAt(130, RowMiddle(2)));
    EXPECT_EQ(m_window, PixelAt(130, RowMiddle(0)));
}

TEST_F(SortListDrawTest, StateImagesToggleLikeCheckBoxes)
{
    Build(2);
    HIMAGELIST states = ImageList_Create(16, 16, ILC_COLOR24, 4, 0);
    HDC screen = GetDC(nullptr);
    for (int i = 0; i < 4; ++i) {
        HBITMAP image = CreateCompatibleBitmap(screen, 16, 16);
        ImageList_Add(states, image, nullptr);
        DeleteObject(image);
    }
    ReleaseDC(nullptr, screen);
    m_list.SetImageList(states, LVSIL_STATE);
    m_list.SetItemState(0, INDEXTOSTATEIMAGEMASK(1), LVIS_STATEIMAGEMASK);
    m_list.SetItemState(2, INDEXTOSTATEIMAGEMASK(3), LVIS_STATEIMAGEMASK);

    // Find the state image of row 0 by asking the list where a point falls.
    RECT row;
    m_list.GetItemRect(0, &row, LVIR_BOUNDS);
    POINT box = {-1, (row.top + row.bottom) / 2};
    for (int x = row.left; x < row.left + 40 && box.x < 0; ++x) {
        LVHITTESTINFO hit = {};
        hit.pt = {x, box.y};
        if (m_list.HitTest(&hit) == 0 && (hit.flags & LVHT_ONITEMSTATEICON))
            box.x = x;
    }
    ASSERT_GE(box.x, 0);
    auto click = [&](int item) {
        RECT bounds;
        m_list.GetItemRect(item, &bounds, LVIR_BOUNDS);
        int y = (bounds.top + bounds.bottom) / 2;
        SendMessageA(m_list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(box.x, y));
        SendMessageA(m_list, WM_LBUTTONUP, 0, MAKELPARAM(box.x, y));
    };
    auto stateImage = [&](int item) { return (m_list.GetItemState(item, LVIS_STATEIMAGEMASK) >> 12) & 0xF; };
    click(0);
    EXPECT_EQ(2u, stateImage(0));
    click(0);
    EXPECT_EQ(1u, stateImage(0));
    click(2);
    EXPECT_EQ(1u, stateImage(2));
    // A click on the label is no click on the box.
    SendMessageA(m_list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(80, RowMiddle(0)));
    SendMessageA(m_list, WM_LBUTTONUP, 0, MAKELPARAM(80, RowMiddle(0)));
    EXPECT_EQ(1u, stateImage(0));
    m_list.SetImageList(nullptr, LVSIL_STATE);
    ImageList_Destroy(states);
}
