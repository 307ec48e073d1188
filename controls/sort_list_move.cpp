// Moving a column of a report list to another place, as a drop on its header asks.
#include <string>
#include <vector>

#include "controls/column_sort.h"
#include "controls/sort_list_ctrl.h"

namespace {
constexpr int kTitleLength = 160;  // titles up to 159 characters

struct ColumnAttributes {
    int format = LVCFMT_LEFT;
    int width = 0;
    char title[kTitleLength] = {};
};

bool ReadColumn(const CListCtrl& list, int column, ColumnAttributes* attributes)
{
    LVCOLUMNA read = {};
    read.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    read.pszText = attributes->title;
    read.cchTextMax = kTitleLength;
    if (!list.GetColumn(column, &read))
        return false;
    attributes->title[kTitleLength - 1] = '\0';
    attributes->format = read.fmt;
    attributes->width = read.cx;
    return true;
}

LVCOLUMNA ToColumn(ColumnAttributes& attributes)
{
    LVCOLUMNA column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    column.fmt = attributes.format & LVCFMT_JUSTIFYMASK;
    column.cx = attributes.width;
    column.pszText = attributes.title;
    return column;
}

void CopyColumnTexts(const CListCtrl& list, int from, int to)
{
    for (int item = list.GetItemCount() - 1; item >= 0; --item)
        list.SetItemText(item, to, list.GetItemText(item, from).c_str());
}
}  // namespace

void CSortListCtrl::MoveColumn(int from, int to)
{
    int columns = GetColumnCount();
    if (from < 0 || from >= columns || to < 0 || to > columns || to == from || to == from + 1)
        return;
    ColumnAttributes moved;
    if (!ReadColumn(*this, from, &moved))
        return;
    LVCOLUMNA inserted = ToColumn(moved);
    if (InsertColumn(to, inserted) != to)
        return;
    int source = from > to ? from + 1 : from;  // shifted by the column inserted before it

    // Column 0 holds the item labels: a column inserted in front of it takes over the
    // labels, so the old first column's texts move along to column 1 first.
    if (to == 0)
        CopyColumnTexts(*this, 0, 1);
    CopyColumnTexts(*this, source, to);

    if (source == 0) {
        // The labels cannot be deleted with column 0: column 1 moves into column 0 and
        // column 1 goes instead.
        ColumnAttributes second;
        if (ReadColumn(*this, 1, &second)) {
            LVCOLUMNA replacement = ToColumn(second);
            SetColumn(0, replacement);
        }
        CopyColumnTexts(*this, 1, 0);
        DeleteColumn(1);
    } else {
        DeleteColumn(source);
    }
    MoveColumnType(from, to, columns);
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CSortListCtrl::MoveColumnType(int from, int to, int columns)
{
    // The sort type and the sorted column travel with the column.
    int target = to > from ? to - 1 : to;
    if (m_nSortColumn == from)
        m_nSortColumn = target;
    else if (m_nSortColumn > from && m_nSortColumn <= target)
        --m_nSortColumn;
    else if (m_nSortColumn < from && m_nSortColumn >= target)
        ++m_nSortColumn;
    if (m_nColumnTypes == 0 || !m_pColumnTypes)
        return;
    std::vector<unsigned char> types(static_cast<size_t>(columns), SORT_TEXT_NOCASE);
    for (int i = 0; i < columns && i < m_nColumnTypes; ++i)
        types[static_cast<size_t>(i)] = m_pColumnTypes[i];
    unsigned char type = types[static_cast<size_t>(from)];
    types.erase(types.begin() + from);
    types.insert(types.begin() + target, type);
    SetColumnTypes(types.data(), columns);
}
