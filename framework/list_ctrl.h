#pragma once
// The system list view, one thin method per message. Lists with behaviour of their own
// derive from it and are subclassed into objects.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/wnd.h"

class CListCtrl : public CWnd {
public:
    int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
    DWORD GetStyle() const { return static_cast<DWORD>(GetWindowLongA(m_hWnd, GWL_STYLE)); }
    DWORD SetExtendedStyle(DWORD style) const
    {
        return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(style)));
    }
    HWND GetHeaderCtrl() const { return reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER)); }
    HIMAGELIST GetImageList(int which) const { return reinterpret_cast<HIMAGELIST>(SendMessage(LVM_GETIMAGELIST, which)); }
    HIMAGELIST SetImageList(HIMAGELIST list, int which) const
    {
        return reinterpret_cast<HIMAGELIST>(SendMessage(LVM_SETIMAGELIST, which, reinterpret_cast<LPARAM>(list)));
    }

    // Columns.
    int GetColumnCount() const
    {
        HWND header = GetHeaderCtrl();
        return header ? static_cast<int>(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
    }
    int InsertColumn(int column, const LVCOLUMNA& attributes) const
    {
        return static_cast<int>(SendMessage(LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&attributes)));
    }
    int InsertColumn(int column, const char* heading, int format = LVCFMT_LEFT, int width = -1) const
    {
        LVCOLUMNA attributes = {};
        attributes.mask = LVCF_TEXT | LVCF_FMT | LVCF_SUBITEM | (width >= 0 ? LVCF_WIDTH : 0);
        attributes.fmt = format;
        attributes.cx = width;
        attributes.pszText = const_cast<char*>(heading);
        attributes.iSubItem = column;
        return InsertColumn(column, attributes);
    }
    BOOL GetColumn(int column, LVCOLUMNA* attributes) const
    {
        return static_cast<BOOL>(SendMessage(LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(attributes)));
    }
    BOOL SetColumn(int column, const LVCOLUMNA& attributes) const
    {
        return static_cast<BOOL>(SendMessage(LVM_SETCOLUMNA, column, reinterpret_cast<LPARAM>(&attributes)));
    }
    BOOL DeleteColumn(int column) const { return static_cast<BOOL>(SendMessage(LVM_DELETECOLUMN, column)); }
    int GetColumnWidth(int column) const { return static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, column)); }
    BOOL SetColumnWidth(int column, int width) const
    {
        return static_cast<BOOL>(SendMessage(LVM_SETCOLUMNWIDTH, column, MAKELPARAM(width, 0)));
    }

    // Items.
    int InsertItem(int item, const char* text) const
    {
        LVITEMA row = {};
        row.mask = LVIF_TEXT;
        row.iItem = item;
        row.pszText = const_cast<char*>(text);
        return static_cast<int>(SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&row)));
    }
    int InsertItem(const LVITEMA& row) const
    {
        return static_cast<int>(SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&row)));
    }
    BOOL GetItem(LVITEMA* row) const { return static_cast<BOOL>(SendMessage(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(row))); }
    BOOL SetItem(const LVITEMA& row) const
    {
        return static_cast<BOOL>(SendMessage(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&row)));
    }
    BOOL SetItemText(int item, int subItem, const char* text) const
    {
        LVITEMA row = {};
        row.iSubItem = subItem;
        row.pszText = const_cast<char*>(text);
        return static_cast<BOOL>(SendMessage(LVM_SETITEMTEXTA, item, reinterpret_cast<LPARAM>(&row)));
    }
    // The whole text of a cell, however long.
    std::string GetItemText(int item, int subItem) const
    {
        std::vector<char> buffer(256);
        for (;;) {
            LVITEMA row = {};
            row.iSubItem = subItem;
            row.pszText = buffer.data();
            row.cchTextMax = static_cast<int>(buffer.size());
            int copied = static_cast<int>(SendMessage(LVM_GETITEMTEXTA, item, reinterpret_cast<LPARAM>(&row)));
            if (copied < static_cast<int>(buffer.size()) - 1 || buffer.size() >= (1u << 20))
                return std::string(buffer.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
            buffer.resize(buffer.size() * 4);
        }
    }
    LPARAM GetItemData(int item) const
    {
        LVITEMA row = {};
        row.mask = LVIF_PARAM;
        row.iItem = item;
        return GetItem(&row) ? row.lParam : 0;
    }
    BOOL SetItemData(int item, LPARAM data) const
    {
        LVITEMA row = {};
        row.mask = LVIF_PARAM;
        row.iItem = item;
        row.lParam = data;
        return SetItem(row);
    }
    UINT GetItemState(int item, UINT mask) const { return static_cast<UINT>(SendMessage(LVM_GETITEMSTATE, item, mask)); }
    BOOL SetItemState(int item, UINT state, UINT mask) const
    {
        LVITEMA row = {};
        row.state = state;
        row.stateMask = mask;
        return static_cast<BOOL>(SendMessage(LVM_SETITEMSTATE, item, reinterpret_cast<LPARAM>(&row)));
    }
    BOOL GetItemRect(int item, RECT* rect, int code) const
    {
        rect->left = code;
        return static_cast<BOOL>(SendMessage(LVM_GETITEMRECT, item, reinterpret_cast<LPARAM>(rect)));
    }
    UINT GetSelectedCount() const { return static_cast<UINT>(SendMessage(LVM_GETSELECTEDCOUNT)); }
    int GetNextItem(int item, int flags) const { return static_cast<int>(SendMessage(LVM_GETNEXTITEM, item, MAKELPARAM(flags, 0))); }
    int HitTest(LVHITTESTINFO* hit) const { return static_cast<int>(SendMessage(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(hit))); }
    BOOL DeleteItem(int item) const { return static_cast<BOOL>(SendMessage(LVM_DELETEITEM, item)); }
    BOOL DeleteAllItems() const { return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS)); }
    BOOL SortItems(PFNLVCOMPARE compare, LPARAM data) const
    {
        return static_cast<BOOL>(SendMessage(LVM_SORTITEMS, static_cast<WPARAM>(data), reinterpret_cast<LPARAM>(compare)));
    }
    BOOL EnsureVisible(int item, bool partialOk) const { return static_cast<BOOL>(SendMessage(LVM_ENSUREVISIBLE, item, partialOk)); }
    BOOL RedrawItems(int first, int last) const { return static_cast<BOOL>(SendMessage(LVM_REDRAWITEMS, first, last)); }
};
