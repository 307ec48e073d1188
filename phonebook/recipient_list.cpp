#include "phonebook/recipient_list.h"

#include <cstdint>

#include "controls/in_place_edit.h"
#include "res/resource.h"

namespace {
// A column narrower than this cannot be edited.
constexpr int kMinEditableWidth = 5;
// The editor sits inside the cell: this far right of the column's left edge, and this much
// narrower than the column.
constexpr int kEditorIndent = 4;
constexpr int kEditorShrink = 3;

// How many characters a cell of each column takes: name, company, fax.
constexpr int kColumnTextLimits[] = {40, 20, 40};

DWORD EditorAlignment(int columnFormat)
{
    switch (columnFormat & LVCFMT_JUSTIFYMASK) {
    case LVCFMT_RIGHT:
        return ES_RIGHT;
    case LVCFMT_CENTER:
        return ES_CENTER;
    default:
        return ES_LEFT;
    }
}
}  // namespace

int CRecipientList::HitTestCell(POINT point, int* column) const
{
    if ((GetStyle() & LVS_TYPEMASK) != LVS_REPORT) {
        LVHITTESTINFO hit = {};
        hit.pt = point;
        if (column)
            *column = 0;
        return HitTest(&hit);
    }
    const int top = static_cast<int>(SendMessage(LVM_GETTOPINDEX));
    const int perPage = static_cast<int>(SendMessage(LVM_GETCOUNTPERPAGE));
    const int last = GetItemCount() - 1;
    const int columns = GetColumnCount();
    for (int row = top; row <= top + perPage && row <= last; ++row) {
        RECT rect = {};
        if (!GetItemRect(row, &rect, LVIR_BOUNDS) || !PtInRect(&rect, point))
            continue;
        int x = rect.left;
        for (int col = 0; col < columns; ++col) {
            int width = GetColumnWidth(col);
            if (point.x >= x && point.x <= x + width) {
                if (column)
                    *column = col;
                return row;
            }
            x += width;
        }
        // The first row that holds the point decides: no column there, no cell.
        return -1;
    }
    return -1;
}

CInPlaceEdit* CRecipientList::EditCell(int row, int column)
{
    if (!EnsureVisible(row, true))
        return nullptr;
    if (column < 0 || column >= GetColumnCount() || GetColumnWidth(column) < kMinEditableWidth)
        return nullptr;

    RECT rect = {};
    if (!GetItemRect(row, &rect, LVIR_BOUNDS))
        return nullptr;
    int offset = 0;
    for (int col = 0; col < column; ++col)
        offset += GetColumnWidth(col);
    RECT client = {};
    ::GetClientRect(m_hWnd, &client);
    int x = offset + rect.left;
    if (x < 0 || x > client.right) {
        // Bring the column to the left edge first.
        SendMessage(LVM_SCROLL, static_cast<WPARAM>(x), 0);
        rect.left -= x;
    }

    LVCOLUMNA attributes = {};
    attributes.mask = LVCF_FMT;
    GetColumn(column, &attributes);

    RECT editRect = rect;
    editRect.left = rect.left + offset + kEditorIndent;
    editRect.right = editRect.left + GetColumnWidth(column) - kEditorShrink;
    if (editRect.right > client.right)
        editRect.right = client.right;

    auto* edit = new CInPlaceEdit(row, column, GetItemText(row, column));
    DWORD style = WS_BORDER | WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | EditorAlignment(attributes.fmt);
    // A failed creation has already deleted the object through its last message, if any.
    if (!edit->Create(style, editRect, m_hWnd, IDC_INPLACE_EDIT))
        return nullptr;
    if (column < static_cast<int>(sizeof kColumnTextLimits / sizeof kColumnTextLimits[0]))
        edit->LimitText(kColumnTextLimits[column]);
    return edit;
}

LRESULT CRecipientList::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_HSCROLL:
    case WM_VSCROLL:
        // Taking the focus ends an open editor before its cell moves away.
        if (::GetFocus() != m_hWnd)
            ::SetFocus(m_hWnd);
        break;
    case WM_LBUTTONDOWN: {
        LRESULT result = CSortListCtrl::WindowProc(message, wParam, lParam);
        OnLButtonDown({static_cast<int16_t>(LOWORD(lParam)), static_cast<int16_t>(HIWORD(lParam))});
        return result;
    }
    default:
        break;
    }
    return CSortListCtrl::WindowProc(message, wParam, lParam);
}

void CRecipientList::OnLButtonDown(POINT point)
{
    int column = 0;
    int row = HitTestCell(point, &column);
    if (row < 0)
        return;
    SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    if (GetStyle() & LVS_EDITLABELS)
        EditCell(row, column);
}

bool CRecipientList::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        switch (header->code) {
        case LVN_BEGINLABELEDITA:
        case LVN_BEGINLABELEDITW:
            // Cells are edited by this list's own editor; the system's label editor stays shut.
            *result = TRUE;
            return true;
        case LVN_ENDLABELEDITA:
            OnEndLabelEdit(reinterpret_cast<const NMLVDISPINFOA*>(lParam));
            *result = 0;
            return true;
        default:
            break;
        }
    }
    return CSortListCtrl::OnChildNotify(message, wParam, lParam, result);
}

void CRecipientList::OnEndLabelEdit(const NMLVDISPINFOA* info)
{
    if (info->item.pszText)
        SetItemText(info->item.iItem, info->item.iSubItem, info->item.pszText);
    auto* owner = dynamic_cast<CRecipientListOwner*>(CWnd::FromHandlePermanent(GetParent()));
    if (!owner)
        return;
    owner->ApplyTypingRowRule(FALSE);
    owner->UpdateSendButtons();
}
