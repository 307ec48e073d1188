// Owner drawing of a report list row: selection colours by focus, state and small images,
// cell texts in their column's alignment, the focus rectangle.
#include <string>

#include "controls/sort_list_ctrl.h"

namespace {

UINT AlignmentOf(int format)
{
    switch (format & LVCFMT_JUSTIFYMASK) {
    case LVCFMT_RIGHT:
        return DT_RIGHT;
    case LVCFMT_CENTER:
        return DT_CENTER;
    default:
        return DT_LEFT;
    }
}

int ColumnFormat(const CListCtrl& list, int column)
{
    LVCOLUMNA attributes = {};
    attributes.mask = LVCF_FMT;
    return list.GetColumn(column, &attributes) ? attributes.fmt : LVCFMT_LEFT;
}

void DrawCellText(HDC dc, const std::string& text, RECT rect, UINT alignment)
{
    if (text.empty() || rect.right <= rect.left)
        return;
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect,
              alignment | DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER | DT_END_ELLIPSIS);
}

}  // namespace

void CSortListCtrl::DrawItem(const DRAWITEMSTRUCT* draw)
{
    if (!draw || draw->itemID == static_cast<UINT>(-1))
        return;
    const int item = static_cast<int>(draw->itemID);
    HDC dc = draw->hDC;

    LVITEMA row = {};
    row.mask = LVIF_IMAGE | LVIF_STATE;
    row.iItem = item;
    row.stateMask = 0xFFFF;
    if (!GetItem(&row))
        return;

    const DWORD style = GetStyle();
    const bool listHasFocus = ::GetFocus() == m_hWnd;
    const bool highlighted = (row.state & LVIS_DROPHILITED) ||
                             ((row.state & LVIS_SELECTED) && (listHasFocus || (style & LVS_SHOWSELALWAYS)));

    RECT bounds, label, icon, client;
    GetItemRect(item, &bounds, LVIR_BOUNDS);
    GetItemRect(item, &label, LVIR_LABEL);
    GetItemRect(item, &icon, LVIR_ICON);
    ::GetClientRect(m_hWnd, &client);

    // Everything right of the images: to the last column, or for whole-row highlighting to
    // the client area's right edge.
    RECT allLabels = bounds;
    allLabels.left = label.left;
    if (m_nHighlight == 2 && allLabels.right < client.right)
        allLabels.right = client.right;

    const COLORREF windowColour = GetSysColor(COLOR_WINDOW);
    const COLORREF highlightColour = GetSysColor(COLOR_HIGHLIGHT);
    HBRUSH windowBrush = GetSysColorBrush(COLOR_WINDOW);
    HBRUSH highlightBrush = GetSysColorBrush(COLOR_HIGHLIGHT);

    RECT imageArea = {bounds.left, bounds.top, label.left, bounds.bottom};
    FillRect(dc, &imageArea, windowBrush);
    FillRect(dc, &allLabels, windowBrush);
    if (highlighted)
        FillRect(dc, m_nHighlight == 1 ? &label : &allLabels, highlightBrush);

    // State image at the row's left, the small image with its overlay after it.
    if (row.state & LVIS_STATEIMAGEMASK) {
        int image = static_cast<int>((row.state & LVIS_STATEIMAGEMASK) >> 12) - 1;
        if (HIMAGELIST states = GetImageList(LVSIL_STATE)) {
            int width = 0, height = 0;
            ImageList_GetIconSize(states, &width, &height);
            ImageList_Draw(states, image, dc, icon.left - width, bounds.top, ILD_TRANSPARENT);
        }
    }
    if (HIMAGELIST images = GetImageList(LVSIL_SMALL)) {
        UINT flags = ILD_TRANSPARENT | (row.state & LVIS_OVERLAYMASK);
        if (highlighted)
            flags |= ILD_BLEND50;
        ImageList_Draw(images, row.iImage, dc, icon.left, icon.top, flags);
    }

    // The texts keep a margin of twice a blank's width from their cell's edges.
    SIZE blank = {};
    GetTextExtentPoint32A(dc, " ", 1, &blank);
    const int margin = blank.cx * 2;
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldText = SetTextColor(dc, GetSysColor(highlighted ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    const COLORREF oldBack = SetBkColor(dc, highlighted ? highlightColour : windowColour);

    RECT labelText = label;
    labelText.left += margin / 2;
    labelText.right -= margin;
    DrawCellText(dc, GetItemText(item, 0), labelText, AlignmentOf(ColumnFormat(*this, 0)));

    // The other cells: with label-only highlighting they are drawn in the window colours.
    if (m_nHighlight == 1 && highlighted) {
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, windowColour);
    }
    RECT cell = label;
    cell.right = bounds.left + GetColumnWidth(0);
    const int columns = GetColumnCount();
    for (int column = 1; column < columns; ++column) {
        cell.left = cell.right;
        cell.right = cell.left + GetColumnWidth(column);
        std::string text = GetItemText(item, column);
        RECT cellText = cell;
        cellText.left += margin;
        cellText.right -= margin;
        DrawCellText(dc, text, cellText, AlignmentOf(ColumnFormat(*this, column)));
    }

    if ((row.state & LVIS_FOCUSED) && listHasFocus)
        DrawFocusRect(dc, m_nHighlight == 1 ? &label : &allLabels);

    SetBkColor(dc, oldBack);
    SetTextColor(dc, oldText);
    SetBkMode(dc, oldMode);
}
