// A list with the owner-data style keeps its rows in this object: the list view holds only
// their number, selection and focus, so filling it with many thousand rows costs no
// message per cell. The item messages are answered from the rows here, so callers see a
// list like any other.
#include <algorithm>
#include <numeric>
#include <vector>

#include "controls/sort_list_ctrl.h"

namespace {

// Copies a cell text into a caller's buffer as the list view does: cut to the buffer,
// always ended. The characters copied.
int CopyCellText(const char* text, void* buffer, int size, bool wide)
{
    if (!buffer || size <= 0)
        return 0;
    if (wide) {
        auto* out = static_cast<wchar_t*>(buffer);
        int copied = MultiByteToWideChar(CP_ACP, 0, text, -1, out, size);
        if (copied == 0) {  // too long: as much as fits
            copied = MultiByteToWideChar(CP_ACP, 0, text, static_cast<int>(std::min<size_t>(strlen(text), size - 1)),
                                         out, size - 1);
            out[std::max(copied, 0)] = L'\0';
            return std::max(copied, 0);
        }
        return copied - 1;
    }
    lstrcpynA(static_cast<char*>(buffer), text, size);
    return lstrlenA(static_cast<char*>(buffer));
}

// The fields of an item request shared by the ANSI and wide forms.
struct ItemFields {
    UINT* mask;
    int item;
    int subItem;
    void* text;
    int textMax;
    LPARAM* data;
    int* image;
};

ItemFields FieldsOf(LPARAM address, bool wide)
{
    if (wide) {
        auto* item = reinterpret_cast<LVITEMW*>(address);
        return {&item->mask, item->iItem, item->iSubItem, item->pszText, item->cchTextMax, &item->lParam, &item->iImage};
    }
    auto* item = reinterpret_cast<LVITEMA*>(address);
    return {&item->mask, item->iItem, item->iSubItem, item->pszText, item->cchTextMax, &item->lParam, &item->iImage};
}

bool IsWideTextAddress(const void* text) { return text && text != LPSTR_TEXTCALLBACKW; }

// A wide text in the ANSI code page the rows are kept in.
std::string NarrowText(const wchar_t* text)
{
    const int length = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(std::max(length, 1)), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, &narrow[0], length, nullptr, nullptr);
    narrow.resize(strlen(narrow.c_str()));
    return narrow;
}

}  // namespace

void CSortListCtrl::AttachRowStore()
{
    if (!m_pRows && (GetStyle() & LVS_OWNERDATA))
        m_pRows = std::make_unique<CListRowStore>();
}

LPARAM CSortListCtrl::RowData(int row) const
{
    if (!m_pRows)
        return GetItemData(row);
    return m_pRows->IsRow(row) ? m_pRows->Data(row) : 0;
}

void CSortListCtrl::SetRowState(int row, UINT state, UINT mask)
{
    LVITEMA item = {};
    item.state = state;
    item.stateMask = mask;
    DefWindowProc(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void CSortListCtrl::SyncRowCount()
{
    m_bCountPending = false;
    DefWindowProc(LVM_SETITEMCOUNT, static_cast<WPARAM>(m_pRows->Count()), LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL);
}

int CSortListCtrl::WriteStoredRow(const LVITEMA& item, bool replace, const char* const* cellTexts, int cells)
{
    int row = item.iItem;
    if (replace) {
        if (!m_pRows->IsRow(row))
            return -1;
        if (item.mask & LVIF_STATE)
            SetRowState(row, item.state, item.stateMask);
    } else {
        row = m_pRows->Insert(row, 0);
    }
    if (item.mask & LVIF_PARAM)
        m_pRows->SetData(row, item.lParam);
    if (item.mask & LVIF_TEXT)
        m_pRows->SetText(row, 0, item.pszText);
    for (int column = 1; column <= cells; ++column)
        m_pRows->SetText(row, column, cellTexts[column - 1]);
    if (replace)
        DefWindowProc(LVM_REDRAWITEMS, static_cast<WPARAM>(row), row);
    else if (m_bRedrawOff)
        m_bCountPending = true;  // told once when drawing is on again
    else
        SyncRowCount();
    return row;
}

bool CSortListCtrl::OnRowStoreMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    CListRowStore& rows = *m_pRows;
    const bool wide = message == LVM_GETITEMW || message == LVM_SETITEMW || message == LVM_GETITEMTEXTW ||
                      message == LVM_SETITEMTEXTW || message == LVM_INSERTITEMW || message == LVM_INSERTCOLUMNW;
    switch (message) {
    case WM_SETREDRAW:
        m_bRedrawOff = wParam == FALSE;
        if (!m_bRedrawOff && m_bCountPending)
            SyncRowCount();
        return false;
    case LVM_GETITEMCOUNT:
        *result = rows.Count();
        return true;
    case LVM_GETITEMTEXTA:
    case LVM_GETITEMTEXTW: {
        const int row = static_cast<int>(wParam);
        ItemFields fields = FieldsOf(lParam, wide);
        *result = lParam && rows.IsRow(row) ? CopyCellText(rows.Text(row, fields.subItem), fields.text, fields.textMax, wide)
                                             : 0;
        return true;
    }
    case LVM_GETITEMA:
    case LVM_GETITEMW: {
        if (!lParam)
            return false;
        ItemFields fields = FieldsOf(lParam, wide);
        if (!rows.IsRow(fields.item)) {
            *result = FALSE;
            return true;
        }
        *result = Default();  // state; text and image come back through the owner-data request
        if (*fields.mask & LVIF_PARAM)
            *fields.data = rows.Data(fields.item);
        return true;
    }
    case LVM_SETITEMA:
    case LVM_SETITEMW:
    case LVM_SETITEMTEXTA:
    case LVM_SETITEMTEXTW: {
        if (!lParam)
            return false;
        const bool textOnly = message == LVM_SETITEMTEXTA || message == LVM_SETITEMTEXTW;
        ItemFields fields = FieldsOf(lParam, wide);
        const int row = textOnly ? static_cast<int>(wParam) : fields.item;
        const UINT mask = textOnly ? LVIF_TEXT : *fields.mask;
        // A cell of a column the list does not have is refused, as the list view refuses it.
        if (!rows.IsRow(row) || ((mask & LVIF_TEXT) && (fields.subItem < 0 || fields.subItem >= GetColumnCount()))) {
            *result = FALSE;
            return true;
        }
        if ((mask & LVIF_TEXT) && fields.text != LPSTR_TEXTCALLBACKA) {
            if (wide && IsWideTextAddress(fields.text)) {
                rows.SetText(row, fields.subItem, NarrowText(static_cast<const wchar_t*>(fields.text)).c_str());
            } else {
                rows.SetText(row, fields.subItem, static_cast<const char*>(fields.text));
            }
        }
        if (mask & LVIF_PARAM)
            rows.SetData(row, *fields.data);
        if (!textOnly && (mask & LVIF_STATE)) {
            const auto* item = reinterpret_cast<const LVITEMA*>(lParam);  // the same fields in both forms
            SetRowState(row, item->state, item->stateMask);
        }
        DefWindowProc(LVM_REDRAWITEMS, static_cast<WPARAM>(row), row);
        *result = TRUE;
        return true;
    }
    case LVM_INSERTITEMA:
    case LVM_INSERTITEMW: {
        if (!lParam)
            return false;
        ItemFields fields = FieldsOf(lParam, wide);
        if (fields.item < 0) {
            *result = -1;
            return true;
        }
        LVITEMA item = {};
        item.mask = *fields.mask & (LVIF_PARAM | LVIF_TEXT);
        item.iItem = fields.item;
        item.lParam = *fields.data;
        std::string narrow;
        if (wide && (item.mask & LVIF_TEXT) && IsWideTextAddress(fields.text)) {
            narrow = NarrowText(static_cast<const wchar_t*>(fields.text));
            item.pszText = &narrow[0];
        } else if (item.mask & LVIF_TEXT) {
            item.pszText = fields.text == LPSTR_TEXTCALLBACKA ? nullptr : static_cast<char*>(fields.text);
        }
        // Only appending keeps the selection the list view holds by index where it was.
        item.iItem = rows.Count();
        *result = WriteStoredRow(item, false, nullptr, 0);
        return true;
    }
    case LVM_DELETEITEM: {
        const int row = static_cast<int>(wParam);
        if (!rows.IsRow(row)) {
            *result = FALSE;
            return true;
        }
        *result = Default();
        if (*result) {
            rows.Erase(row);
            // The list view counts the row out itself; a second count would lay it out again.
            if (DefWindowProc(LVM_GETITEMCOUNT, 0, 0) != rows.Count())
                SyncRowCount();
        }
        return true;
    }
    case LVM_DELETEALLITEMS:
        *result = Default();
        rows.Clear();
        SyncRowCount();
        return true;
    case LVM_INSERTCOLUMNA:
    case LVM_INSERTCOLUMNW:
        *result = Default();
        if (*result >= 0)
            rows.InsertColumn(static_cast<int>(*result));
        return true;
    case LVM_DELETECOLUMN:
        *result = Default();
        if (*result)
            rows.DeleteColumn(static_cast<int>(wParam));
        return true;
    case LVM_SORTITEMS:
        *result = SortStoredRows(reinterpret_cast<PFNLVCOMPARE>(lParam), static_cast<LPARAM>(wParam));
        return true;
    default:
        return false;
    }
}

BOOL CSortListCtrl::SortStoredRows(PFNLVCOMPARE compare, LPARAM param)
{
    if (!compare)
        return FALSE;
    CListRowStore& rows = *m_pRows;
    const int count = rows.Count();
    // The selection and the focus travel with their rows, as in a list that keeps its items.
    std::vector<char> selected(static_cast<size_t>(count), 0);
    for (int row = GetNextItem(-1, LVNI_SELECTED); row >= 0; row = GetNextItem(row, LVNI_SELECTED))
        selected[static_cast<size_t>(row)] = 1;
    const int focused = GetNextItem(-1, LVNI_FOCUSED);

    std::vector<int> order(static_cast<size_t>(count));
    std::iota(order.begin(), order.end(), 0);
    // A stable merge: comparisons that are not a strict order (dates that do not parse count
    // as equal to everything) cannot lead it astray.
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return compare(rows.Data(a), rows.Data(b), param) < 0; });
    rows.Reorder(order);

    SetRowState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    for (int row = 0; row < count; ++row) {
        const int from = order[static_cast<size_t>(row)];
        const UINT state =
            (selected[static_cast<size_t>(from)] ? LVIS_SELECTED : 0) | (from == focused ? LVIS_FOCUSED : 0);
        if (state)
            SetRowState(row, state, state);
    }
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    return TRUE;
}

bool CSortListCtrl::OnRowStoreNotify(NMHDR* header, LRESULT* result)
{
    switch (header->code) {
    case LVN_GETDISPINFOA:
    case LVN_GETDISPINFOW: {
        const bool wide = header->code == LVN_GETDISPINFOW;
        LPARAM item = reinterpret_cast<LPARAM>(&reinterpret_cast<NMLVDISPINFOA*>(header)->item);
        ItemFields fields = FieldsOf(item, wide);
        if (!m_pRows->IsRow(fields.item))
            return false;
        if (*fields.mask & LVIF_TEXT)
            CopyCellText(m_pRows->Text(fields.item, fields.subItem), fields.text, fields.textMax, wide);
        if (*fields.mask & LVIF_IMAGE)
            *fields.image = 0;
        *result = 0;
        return true;
    }
    case LVN_ODFINDITEMA:
    case LVN_ODFINDITEMW:
        *result = FindStoredRow(reinterpret_cast<NMLVFINDITEMA*>(header), header->code == LVN_ODFINDITEMW);
        return true;
    default:
        return false;
    }
}

int CSortListCtrl::FindStoredRow(const NMLVFINDITEMA* find, bool wide)
{
    // Typing in the list goes to the next row whose first column starts with the letters.
    if (!(find->lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) || !find->lvfi.psz)
        return -1;
    const std::string wanted =
        wide ? NarrowText(reinterpret_cast<const wchar_t*>(find->lvfi.psz)) : std::string(find->lvfi.psz);
    const int count = m_pRows->Count();
    const bool partial = (find->lvfi.flags & LVFI_PARTIAL) != 0;
    const int start = find->iStart >= 0 && find->iStart < count ? find->iStart : 0;
    for (int i = 0; i < count; ++i) {
        const int row = (start + i) % count;
        if (row < start && !(find->lvfi.flags & LVFI_WRAP))
            break;
        const char* text = m_pRows->Text(row, 0);
        const bool match = partial ? CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, text,
                                                    static_cast<int>(std::min(strlen(text), wanted.size())),
                                                    wanted.c_str(), static_cast<int>(wanted.size())) == CSTR_EQUAL
                                   : lstrcmpiA(text, wanted.c_str()) == 0;
        if (match)
            return row;
    }
    return -1;
}
