// Real report lists of the sorting list control: header clicks sort by the column's type,
// header drags move columns, the owner drawing shows the selection on the screen; and a cell
// edited in place: how the edit ends, what the list's parent is told, which keys it keeps
// from the dialog, and how far it grows.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "controls/in_place_edit.h"
#include "controls/sort_list_ctrl.h"
#include "list_test_support.h"
#include "res/resource.h"
#include "test_support.h"

using namespace listtest;
using Texts = std::vector<std::string>;

namespace {

enum MomentParts { kDate = 1, kTime = 2 };
// A moment as the list's date and time columns show it, in the user's formats.
std::string Moment(int year, int month, int day, int hour, int minute, int parts)
{
    const SYSTEMTIME time = {WORD(year), WORD(month), 0, WORD(day), WORD(hour), WORD(minute), 0, 0};
    char date[80] = {}, clock[80] = {};
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, date, sizeof date);
    GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &time, nullptr, clock, sizeof clock);
    return parts == kDate ? date : std::string(date) + " " + clock;
}

const char* const kTitles[] = {"Status", "Date", "Pages", "Name"};
const int kWidths[] = {80, 90, 60, 120};
const int kFormats[] = {LVCFMT_LEFT, LVCFMT_LEFT, LVCFMT_RIGHT, LVCFMT_CENTER};
const std::vector<unsigned char> kLogTypes = {1, 3, 2, 1};
const std::vector<Texts> kLogRows = {{"Complete", "d0", "9", "Ann"}, {"Error", "d1", "10", "Bob"}, {"Pending", "d2", "1", "Cy"}};
// A list that keeps its items, and one whose rows the control keeps (the logs' lists).
const DWORD kListKinds[] = {0, LVS_OWNERDATA};

class SortListTest : public testing::Test {
protected:
    // A new list configured as the module's dialogs do: the column types (sorting on when they
    // are taken), the highlight, header drag; the columns above, one per cell of a row; rows
    // whose item data is 100 plus their first position; row 1 selected.
    void Build(const std::vector<unsigned char>& types, const std::vector<Texts>& rows, int highlight = 2,
               DWORD style = 0)
    {
        if (m_list && m_list->m_hWnd)
            m_list->DestroyWindow();
        m_list = std::make_unique<CSortListCtrl>();
        ASSERT_TRUE(m_list->SubclassWindow(CreateReportList(m_host, {10, 10, 610, 300}, style)));
        if (!types.empty() && m_list->SetColumnTypes(types.data(), static_cast<int>(types.size())))
            m_list->EnableSort(1);
        m_list->SetHighlightType(highlight);
        m_list->EnableHeaderDrag(1);
        for (size_t column = 0; column < rows[0].size(); ++column)
            m_list->InsertColumn(static_cast<int>(column), kTitles[column], kFormats[column], kWidths[column]);
        for (size_t row = 0; row < rows.size(); ++row) {
            int item = m_list->InsertItem(static_cast<int>(row), rows[row][0].c_str());
            for (size_t column = 1; column < rows[row].size(); ++column)
                m_list->SetItemText(item, static_cast<int>(column), rows[row][column].c_str());
            m_list->SetItemData(item, static_cast<LPARAM>(100 + row));
        }
        m_list->SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        m_header = m_list->m_wndHeader.m_hWnd;
        ASSERT_NE(nullptr, m_header);
    }

    void Click(int column) { ClickHeaderColumn(m_header, column); }
    Texts Column(int column) const { return ColumnTexts(*m_list, column); }

    // Left edge of a column boundary in header coordinates (0 .. column count).
    int BoundaryX(int boundary) const
    {
        RECT rect = {};
        SendMessageA(m_header, HDM_GETITEMRECT, static_cast<WPARAM>(boundary - 1), reinterpret_cast<LPARAM>(&rect));
        return boundary ? rect.right : 0;
    }

    // Drags a column's header with the mouse to a point, in two moves.
    void Drag(int column, int toX)
    {
        int fromX = HeaderItemMiddle(m_header, column);
        PressHeader(m_header, fromX);
        MoveOnHeader(m_header, fromX + (toX - fromX) / 2);
        MoveOnHeader(m_header, toX);
        ReleaseHeader(m_header, toX);
    }

    // A pixel of a window as it shows on the screen, once its pending painting is done.
    static COLORREF ScreenPixel(HWND window, int x, int y)
    {
        testsupport::PumpPending();
        UpdateWindow(window);
        HDC dc = GetDC(window);
        COLORREF colour = GetPixel(dc, x, y);
        ReleaseDC(window, dc);
        return colour;
    }

    HostWindow m_host;
    std::unique_ptr<CSortListCtrl> m_list;
    HWND m_header = nullptr;
};

}  // namespace

// Each column is sorted ascending by a click, descending by the next; every row keeps its
// item data.
TEST_F(SortListTest, AClickSortsByTheColumnsTypeAndTheNextReverses)
{
    const std::string dec = Moment(2024, 12, 31, 0, 0, kDate), mar = Moment(2025, 3, 12, 0, 0, kDate),
                      may = Moment(2025, 5, 3, 0, 0, kDate), nov = Moment(2025, 11, 2, 0, 0, kDate);
    const std::string earliest = Moment(2025, 1, 31, 23, 0, kDate | kTime),
                      earlier = Moment(2025, 2, 1, 7, 59, kDate | kTime), later = Moment(2025, 2, 1, 8, 0, kDate | kTime);
    struct Case {
        std::vector<unsigned char> types;
        int column;
        Texts cells;
        Texts ascending;
        bool refused = false;  // the types are refused: no sorting until it is enabled, then as text
    };
    const Case cases[] = {
        {{2}, 0, {"10", "9", "-3", "  100", "9"}, {"-3", "9", "9", "10", "  100"}},
        {{3}, 0, {may, mar, nov, dec}, {dec, mar, may, nov}},
        {{6}, 0, {later, earliest, earlier}, {earliest, earlier, later}},
        {{1}, 0, {"delta", "Alpha", "charlie", "BRAVO"}, {"Alpha", "BRAVO", "charlie", "delta"}},
        {{0}, 0, {"b", "B", "a", "c"}, {"a", "b", "B", "c"}},
        {{5}, 0, {"1.5", "-2", "10", "1.25"}, {"-2", "1.25", "1.5", "10"}},
        {{4}, 0, {"3", "1", "2"}, {"3", "1", "2"}},  // kept as it is, both ways
        {{2}, 1, {"10", "9", "100"}, {"10", "100", "9"}},  // beyond the stored types: text
        {{1, 2, 7}, 0, {"10", "9", "100"}, {"10", "100", "9"}, true},
    };
    for (DWORD style : kListKinds)
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cells[1] + (style ? " rows kept by the control" : ""));
        std::vector<Texts> rows;
        for (const std::string& cell : c.cells) {
            rows.push_back(Texts(static_cast<size_t>(c.column) + 1, "x"));
            rows.back()[static_cast<size_t>(c.column)] = cell;
        }
        Build(c.types, rows, 2, style);
        if (c.refused) {
            Click(0);
            EXPECT_EQ(c.cells, Column(0));
            m_list->EnableSort(1);
        }
        for (bool ascending : {true, false}) {
            Click(c.column);
            Texts expected = c.ascending;
            if (!ascending && c.types[0] != 4)
                std::reverse(expected.begin(), expected.end());
            const Texts shown = Column(c.column);
            EXPECT_EQ(expected, shown);
            for (int item = 0; item < m_list->GetItemCount(); ++item)
                EXPECT_EQ(c.cells.at(static_cast<size_t>(m_list->GetItemData(item) - 100)), shown[static_cast<size_t>(item)]);
            // The selection and the focus stay with their row.
            EXPECT_EQ(1u, m_list->GetSelectedCount());
            EXPECT_EQ(101, m_list->GetItemData(m_list->GetNextItem(-1, LVNI_SELECTED | LVNI_FOCUSED)));
        }
    }
}

TEST_F(SortListTest, OnlyALeftClickSortsAndAnotherColumnStartsAscending)
{
    Build({2, 2}, {{"2", "1"}, {"1", "3"}, {"3", "2"}});
    for (int button : {1, 2}) {
        NMHEADERA click = {};
        click.hdr.hwndFrom = m_header;
        click.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(m_header));
        click.hdr.code = HDN_ITEMCLICKA;
        click.iItem = 1;
        click.iButton = button;
        SendMessageA(*m_list, WM_NOTIFY, click.hdr.idFrom, reinterpret_cast<LPARAM>(&click));
        EXPECT_EQ((Texts{"1", "3", "2"}), Column(1)) << button;
    }
    Click(1);
    EXPECT_EQ((Texts{"1", "2", "3"}), Column(1));
    Click(0);
    EXPECT_EQ((Texts{"1", "2", "3"}), Column(0));
}

// A highlighting list is owner drawn and paints the whole selected row, past the last column.
TEST_F(SortListTest, OnlyAHighlightingListIsOwnerDrawnAndUnknownHighlightsAreRefused)
{
    Build({}, {{"a"}, {"b"}}, 0);
    struct Case {
        int type, previous;
        bool ownerDrawn;
    } const cases[] = {{2, 0, true}, {3, 2, true}, {-1, 2, true}, {1, 2, true}, {0, 1, false}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.previous, m_list->SetHighlightType(c.type)) << c.type;
        EXPECT_EQ(c.ownerDrawn, (m_list->GetStyle() & LVS_OWNERDRAWFIXED) != 0) << c.type;
    }
    for (DWORD style : kListKinds) {
        Build({}, {{"a"}, {"b"}}, 2, style);
        SetFocus(*m_list);
        RECT row = {};
        m_list->GetItemRect(1, &row, LVIR_BOUNDS);
        EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), ScreenPixel(*m_list, 350, (row.top + row.bottom) / 2)) << style;
    }
}

// A header dragged onto another column, or past the last, moves the column with its title,
// width, alignment, cells and sort type; dropped on its own boundaries, or with dragging
// off, it stays.
TEST_F(SortListTest, ADraggedColumnMovesWithAllThatBelongsToIt)
{
    struct Case {
        int column, boundary, offset;
        std::vector<size_t> order;  // the columns of the start, left to right after the drop
        bool dragOff = false;
    } const cases[] = {
        {2, 1, 10, {0, 2, 1, 3}}, {1, 4, 30, {0, 2, 3, 1}}, {0, 3, 5, {1, 2, 0, 3}}, {3, 0, 5, {3, 0, 1, 2}},
        {2, 2, 5, {0, 1, 2, 3}},  {1, 2, 5, {0, 1, 2, 3}},  {2, 0, 5, {0, 1, 2, 3}, true},
    };
    for (DWORD style : kListKinds)
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.column) + " to " + std::to_string(c.boundary) + (style ? " rows kept" : ""));
        Build(kLogTypes, kLogRows, 2, style);
        m_list->EnableHeaderDrag(c.dragOff ? 0 : 1);
        Drag(c.column, BoundaryX(c.boundary) + c.offset);
        for (size_t at = 0; at < 4; ++at) {
            const size_t was = c.order[at];
            char title[64] = {};
            LVCOLUMNA read = {LVCF_WIDTH | LVCF_FMT | LVCF_TEXT, 0, 0, title, sizeof title};
            m_list->GetColumn(static_cast<int>(at), &read);
            EXPECT_STREQ(kTitles[was], title);
            EXPECT_EQ(kWidths[was], read.cx) << at;
            EXPECT_EQ(kFormats[was], read.fmt & LVCFMT_JUSTIFYMASK) << at;
            for (int row = 0; row < 3; ++row)
                EXPECT_EQ(kLogRows[static_cast<size_t>(row)][was], m_list->GetItemText(row, static_cast<int>(at)));
        }
        const int pages = static_cast<int>(std::find(c.order.begin(), c.order.end(), 2u) - c.order.begin());
        Click(pages);
        EXPECT_EQ((Texts{"1", "9", "10"}), Column(pages));
    }
}

// State images are check boxes: drawn left of the row's icon, a left click on one turns
// image 1 into 2 and back.
TEST_F(SortListTest, AClickOnAStateImageTogglesIt)
{
    Build({}, {{"a"}, {"b"}});
    HIMAGELIST states = ImageList_Create(16, 16, ILC_COLOR24, 2, 0);
    for (COLORREF colour : {RGB(255, 0, 0), RGB(0, 255, 0)}) {
        HDC screen = GetDC(nullptr), dc = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
        HGDIOBJ old = SelectObject(dc, bitmap);
        HBRUSH brush = CreateSolidBrush(colour);
        RECT all = {0, 0, 16, 16};
        FillRect(dc, &all, brush);
        SelectObject(dc, old);
        ImageList_Add(states, bitmap, nullptr);
        DeleteObject(brush), DeleteObject(bitmap), DeleteDC(dc), ReleaseDC(nullptr, screen);
    }
    m_list->SetImageList(states, LVSIL_STATE);
    m_list->SetItemState(0, INDEXTOSTATEIMAGEMASK(1), LVIS_STATEIMAGEMASK);
    RECT icon = {};
    m_list->GetItemRect(0, &icon, LVIR_ICON);
    const POINT box = {icon.left - 8, (icon.top + icon.bottom) / 2};
    for (COLORREF shown : {RGB(255, 0, 0), RGB(0, 255, 0), RGB(255, 0, 0)}) {
        EXPECT_EQ(shown, ScreenPixel(*m_list, box.x, box.y));
        SendMessageA(*m_list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(box.x, box.y));
        SendMessageA(*m_list, WM_LBUTTONUP, 0, MAKELPARAM(box.x, box.y));
    }
}

// A list whose rows the control keeps answers as a list that keeps its items does: cells
// read in either character set into short buffers, cells written, rows that are not there,
// a first letter typed in the list.
TEST_F(SortListTest, RowsAnswerAlikeWhoeverKeepsThem)
{
    for (DWORD style : kListKinds) {
        SCOPED_TRACE(style ? "rows kept by the control" : "items kept by the list");
        Build(kLogTypes, kLogRows, 2, style);
        char narrow[16] = {};
        LVITEMA cellA = {};
        cellA.pszText = narrow;
        cellA.cchTextMax = 16;
        EXPECT_EQ(8, SendMessageA(*m_list, LVM_GETITEMTEXTA, 0, reinterpret_cast<LPARAM>(&cellA)));
        EXPECT_STREQ("Complete", narrow);
        wchar_t wide[3] = {};
        LVITEMW cellW = {};
        cellW.iSubItem = 3;
        cellW.pszText = wide;
        cellW.cchTextMax = 3;
        EXPECT_EQ(2, SendMessageW(*m_list, LVM_GETITEMTEXTW, 1, reinterpret_cast<LPARAM>(&cellW)));
        EXPECT_STREQ(L"Bo", wide);
        cellW.pszText = const_cast<wchar_t*>(L"Dee");
        EXPECT_TRUE(SendMessageW(*m_list, LVM_SETITEMTEXTW, 2, reinterpret_cast<LPARAM>(&cellW)));
        EXPECT_EQ("Dee", m_list->GetItemText(2, 3));
        wchar_t status[16] = {};
        LVITEMW item = {LVIF_TEXT | LVIF_PARAM, 2, 0, 0, 0, status, 16};
        EXPECT_TRUE(SendMessageW(*m_list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)));
        EXPECT_STREQ(L"Pending", status);
        EXPECT_EQ(102, item.lParam);
        item.iItem = 3;
        EXPECT_FALSE(SendMessageW(*m_list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)));
        for (int column : {4, 1 << 30})  // no such column
            EXPECT_FALSE(m_list->SetItemText(0, column, "x")) << column;
        EXPECT_FALSE(m_list->SetItemText(3, 0, "x"));
        EXPECT_EQ(3, m_list->GetItemCount());

        SetFocus(*m_list);
        PostChars(*m_list, "p");
        EXPECT_TRUE(PumpLikeModalLoop([&] { return m_list->GetNextItem(-1, LVNI_FOCUSED) == 2; }));
    }
}

TEST_F(SortListTest, TheDropMarkerFollowsTheDragAndLeavesNothingBehind)
{
    Build(kLogTypes, kLogRows);
    RECT client;
    GetClientRect(m_header, &client);
    auto markerOn = [&](int boundary) {
        return ScreenPixel(m_header, BoundaryX(boundary) + 3, client.bottom / 2 + 2) == GetSysColor(COLOR_WINDOWTEXT);
    };
    PressHeader(m_header, HeaderItemMiddle(m_header, 1));
    MoveOnHeader(m_header, BoundaryX(3) + 4);
    EXPECT_TRUE(markerOn(3));
    EXPECT_EQ(m_header, GetCapture());
    MoveOnHeader(m_header, BoundaryX(4) + 50);
    EXPECT_FALSE(markerOn(3));
    EXPECT_TRUE(markerOn(4));
    // A move without the button (released outside the window) forgets the drag.
    MoveOnHeader(m_header, 10, false);
    EXPECT_FALSE(markerOn(4));
    EXPECT_NE(m_header, GetCapture());
    ReleaseHeader(m_header, 10);
    EXPECT_EQ((Texts{"d0", "d1", "d2"}), Column(1));
    // A drop leaves no marker either.
    Drag(1, BoundaryX(3) + 4);
    EXPECT_FALSE(markerOn(3));
}

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
    HWND Open(int subItem, int width = 147)
    {
        RECT row;
        m_list.GetItemRect(0, &row, LVIR_BOUNDS);
        int left = row.left + 4 + subItem * 150;
        RECT rect = {left, row.top, left + width, row.bottom};
        auto* edit = new CountedEdit(0, subItem, m_list.GetItemText(0, subItem));
        if (!edit->Create(WS_BORDER | WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, rect, m_list, IDC_INPLACE_EDIT))
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
// loss of the focus hand the typed text to the list's parent; Escape hands none. The dialog
// never takes Enter or Escape as OK or Cancel, the cell keeps its text (the parent decides),
// and the edit is gone.
TEST_F(InPlaceEditTest, TheEditEndsByEnterEscapeOrFocusLossAndTellsTheListsParent)
{
    enum End { kEnter, kEscape, kFocusLost };
    for (const auto& [how, subItem] : {std::pair<End, int>{kEnter, 1}, {kEscape, 1}, {kFocusLost, 0}}) {
        SCOPED_TRACE(how);
        m_host.m_labelEdits.clear();
        g_editsDeleted = 0;
        SetFocus(m_list);
        const std::string cell = m_list.GetItemText(0, subItem);
        HWND edit = Open(subItem);
        ASSERT_NE(nullptr, edit);
        EXPECT_EQ(edit, GetFocus());
        EXPECT_EQ(cell, testsupport::WindowText(edit));
        EXPECT_EQ(MAKELRESULT(0, cell.size()), SendMessageA(edit, EM_GETSEL, 0, 0));  // all of it selected
        EXPECT_EQ(SendMessageA(m_list, WM_GETFONT, 0, 0), SendMessageA(edit, WM_GETFONT, 0, 0));
        Type(edit, "Velmoor Ltd", "Velmoor Ltd");
        if (how == kFocusLost)
            SetFocus(m_host);
        else
            PostKeyDown(edit, how == kEnter ? VK_RETURN : VK_ESCAPE);
        ASSERT_TRUE(PumpLikeModalLoop([&] { return !m_host.m_labelEdits.empty(); }));
        ASSERT_EQ(1u, m_host.m_labelEdits.size());
        EXPECT_EQ(std::to_string(kListId) + " from the list " + std::to_string(IDC_INPLACE_EDIT) + " mask 1 item 0." +
                      std::to_string(subItem) + (how != kEscape ? " Velmoor Ltd 11" : " no text 0"),
                  m_host.m_labelEdits[0]);
        EXPECT_EQ(cell, m_list.GetItemText(0, subItem));
        EXPECT_FALSE(IsWindow(edit));
        EXPECT_EQ(1, g_editsDeleted);
        EXPECT_EQ(0, m_host.m_dialogKeyCommands);
        if (how != kFocusLost) {
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

// Typing grows the edit, its text showing from the first character, up to two pixels inside
// the list.
TEST_F(InPlaceEditTest, TypingGrowsTheEditToTwoPixelsInsideTheList)
{
    m_list.SetItemText(0, 1, "");
    HWND edit = Open(1, 60);
    ASSERT_NE(nullptr, edit);
    RECT start = RectInList(edit), client;
    GetClientRect(m_list, &client);
    Type(edit, std::string(14, 'W'), std::string(14, 'W'));
    EXPECT_GE(static_cast<int16_t>(LOWORD(SendMessageA(edit, EM_POSFROMCHAR, 0, 0))), 0);
    Type(edit, std::string(80, 'W'), std::string(94, 'W'));
    const RECT grown = RectInList(edit);
    EXPECT_TRUE(grown.left == start.left && grown.right == client.right - 2 && grown.bottom == start.bottom);
}

TEST_F(InPlaceEditTest, ListDestroyedWhileEditingEndsTheEditCleanly)
{
    HWND edit = Open(1);
    ASSERT_NE(nullptr, edit);
    m_list.DestroyWindow();
    EXPECT_FALSE(IsWindow(edit));
    EXPECT_EQ(1, g_editsDeleted);
}
