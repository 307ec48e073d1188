#include "controls/sort_list_ctrl.h"

#include <cstdint>

#include <new>

#include "controls/column_sort.h"

CSortListCtrl::~CSortListCtrl() = default;

int CSortListCtrl::SetHighlightType(int type)
{
    int previous = m_nHighlight;
    if (type < 0 || type > 2)
        return previous;
    m_nHighlight = type;
    if (m_hWnd) {
        DWORD style = GetStyle();
        if (type == 0 && (style & LVS_OWNERDRAWFIXED))  // back to the system's drawing
            SetWindowLongA(m_hWnd, GWL_STYLE, static_cast<LONG>(style & ~static_cast<DWORD>(LVS_OWNERDRAWFIXED)));
        ApplyHighlightStyle();
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
    }
    return previous;
}

void CSortListCtrl::ApplyHighlightStyle()
{
    DWORD style = GetStyle();
    if (m_nHighlight > 0 && !(style & LVS_OWNERDRAWFIXED))
        SetWindowLongA(m_hWnd, GWL_STYLE, static_cast<LONG>(style | LVS_OWNERDRAWFIXED));
}

int CSortListCtrl::EnableSort(int enable)
{
    int previous = m_bSortable;
    m_bSortable = enable;
    return previous;
}

int CSortListCtrl::SetColumnTypes(const unsigned char* types, int count)
{
    m_pColumnTypes.reset();
    m_nColumnTypes = 0;
    if (count < 0 || (count > 0 && !types))
        return 0;
    for (int i = 0; i < count; ++i)
        if (!IsValidSortType(types[i]))
            return 0;
    std::unique_ptr<unsigned char[]> copy(new (std::nothrow) unsigned char[static_cast<size_t>(count) + 1]);
    if (!copy)
        return 0;
    for (int i = 0; i < count; ++i)
        copy[i] = types[i];
    m_pColumnTypes = std::move(copy);
    m_nColumnTypes = count;
    return 1;
}

void CSortListCtrl::EnableHeaderDrag(int enable) { m_wndHeader.EnableDrag(enable); }

void CSortListCtrl::PreSubclassWindow()
{
    CListCtrl::PreSubclassWindow();
    AttachRowStore();
    ApplyHighlightStyle();
    AttachHeader();
}

void CSortListCtrl::AttachHeader()
{
    if (m_wndHeader.m_hWnd || !m_hWnd)
        return;
    HWND header = GetHeaderCtrl();
    if (header && m_wndHeader.SubclassWindow(header))
        m_wndHeader.SetDropCallback(this, &CSortListCtrl::OnColumnDropped);
}

void CSortListCtrl::OnColumnDropped(void* owner, int from, int to)
{
    static_cast<CSortListCtrl*>(owner)->MoveColumn(from, to);
}

int CSortListCtrl::WriteRow(const LVITEMA& item, bool replace, const char* const* cellTexts, int cells)
{
    if (m_pRows)
        return WriteStoredRow(item, replace, cellTexts, cells);
    const LPARAM itemAddress = reinterpret_cast<LPARAM>(&item);
    int row = -1;
    if (replace)
        row = DefWindowProc(LVM_SETITEMA, 0, itemAddress) ? item.iItem : -1;
    else
        row = static_cast<int>(DefWindowProc(LVM_INSERTITEMA, 0, itemAddress));
    for (int column = 1; row >= 0 && column <= cells; ++column) {
        LVITEMA cell = {};
        cell.iSubItem = column;
        cell.pszText = const_cast<char*>(cellTexts[column - 1]);
        DefWindowProc(LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
    }
    return row;
}

LRESULT CSortListCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT stored = 0;
    if (m_pRows && OnRowStoreMessage(message, wParam, lParam, &stored))
        return stored;
    switch (message) {
    case WM_CREATE: {
        // A list created by this object has no header until the system made it.
        LRESULT result = Default();
        AttachRowStore();
        ApplyHighlightStyle();
        AttachHeader();
        return result;
    }
    case WM_PAINT:
        OnPaint();
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        LRESULT result = Default();
        OnFocusChange(reinterpret_cast<HWND>(wParam));
        return result;
    }
    case WM_LBUTTONDOWN:
        OnLButtonDown({static_cast<int16_t>(LOWORD(lParam)), static_cast<int16_t>(HIWORD(lParam))});
        break;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHEADERA*>(lParam);
        if (header && header->hdr.hwndFrom == m_wndHeader.m_hWnd &&
            (header->hdr.code == HDN_ITEMCLICKA || header->hdr.code == HDN_ITEMCLICKW) && header->iButton == 0 &&
            m_bSortable)
            SortByColumnClick(header->iItem);
        break;
    }
    default:
        break;
    }
    return CListCtrl::WindowProc(message, wParam, lParam);
}

bool CSortListCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_NOTIFY && m_pRows && lParam)
        return OnRowStoreNotify(reinterpret_cast<NMHDR*>(lParam), result);
    if (message != WM_DRAWITEM || m_nHighlight == 0)
        return false;
    DrawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    *result = TRUE;
    return true;
}

void CSortListCtrl::OnFocusChange(HWND other)
{
    // The in-place editor is a child: moving the focus to it and back changes nothing.
    if (other && ::GetParent(other) == m_hWnd)
        return;
    if ((GetStyle() & LVS_TYPEMASK) == LVS_REPORT)
        RepaintSelectedItems();
}

void CSortListCtrl::OnLButtonDown(POINT point)
{
    LVHITTESTINFO hit = {};
    hit.pt = point;
    int item = HitTest(&hit);
    if (item < 0 || !(hit.flags & LVHT_ONITEMSTATEICON))
        return;
    // State images 1 and 2 are the unchecked and checked boxes.
    UINT image = (GetItemState(item, LVIS_STATEIMAGEMASK) & LVIS_STATEIMAGEMASK) >> 12;
    SetItemState(item, INDEXTOSTATEIMAGEMASK(image == 1 ? 2 : 1), LVIS_STATEIMAGEMASK);
}

void CSortListCtrl::RepaintSelectedItems()
{
    auto invalidateRow = [this](int item) {
        RECT bounds, label;
        if (!GetItemRect(item, &bounds, LVIR_BOUNDS) || !GetItemRect(item, &label, LVIR_LABEL))
            return;
        bounds.left = label.left;
        ::InvalidateRect(m_hWnd, &bounds, FALSE);
    };
    int focused = GetNextItem(-1, LVNI_FOCUSED);
    if (focused != -1)
        invalidateRow(focused);
    if (!(GetStyle() & LVS_SHOWSELALWAYS)) {
        for (int item = GetNextItem(-1, LVNI_SELECTED); item != -1; item = GetNextItem(item, LVNI_SELECTED))
            invalidateRow(item);
    }
    ::UpdateWindow(m_hWnd);
}

void CSortListCtrl::OnPaint()
{
    if (m_nHighlight != 2)
        return;
    // Whole-row highlighting reaches past the last column; the list itself never redraws
    // that strip, so it joins every paint.
    HWND header = m_wndHeader.m_hWnd;
    int columns = GetColumnCount();
    if (!header || columns <= 0)
        return;
    RECT last;
    if (!::SendMessageA(header, HDM_GETITEMRECT, static_cast<WPARAM>(columns - 1), reinterpret_cast<LPARAM>(&last)))
        return;
    ::MapWindowPoints(header, m_hWnd, reinterpret_cast<POINT*>(&last), 2);
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    if (last.right < client.right) {
        RECT strip = {last.right, client.top, client.right, client.bottom};
        ::InvalidateRect(m_hWnd, &strip, FALSE);
    }
}
