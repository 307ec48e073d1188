// Sorting a report list by one column. For the length of a sort every row's own data is
// wrapped in a record that also holds the text of the sort column and its value, worked
// out once per row: comparing then needs no parsing.
#include <windows.h>
#include <oleauto.h>

#include <new>
#include <string>
#include <vector>

#include "controls/column_sort.h"
#include "controls/sort_list_ctrl.h"

namespace {

struct SortRecord {
    LPARAM data;     // the row's own item data, put back after the sort
    std::string text;
    SortValue value;
};

// A date, a time or both in the user's locale, as the system's variant dates read them.
bool ParseLocalDateTime(const std::string& text, double* date)
{
    if (text.empty())
        return false;
    int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (length <= 0)
        return false;
    std::vector<wchar_t> wide(static_cast<size_t>(length));
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
    DATE parsed = 0;
    if (FAILED(VarDateFromStr(wide.data(), LOCALE_USER_DEFAULT, 0, &parsed)))
        return false;
    *date = parsed;
    return true;
}

void PrepareValue(int type, SortRecord& record)
{
    switch (type) {
    case SORT_WHOLE_NUMBER:
        record.value.whole = ParseWholeNumber(record.text.c_str());
        break;
    case SORT_REAL_NUMBER:
        record.value.real = ParseRealNumber(record.text.c_str());
        break;
    case SORT_DATE_TIME:
    case SORT_DATE_TIME_ALT:
        record.value.parsed = ParseLocalDateTime(record.text, &record.value.real);
        break;
    default:
        break;
    }
}

int CALLBACK CompareRecords(LPARAM first, LPARAM second, LPARAM param)
{
    const auto* a = reinterpret_cast<const SortRecord*>(first);
    const auto* b = reinterpret_cast<const SortRecord*>(second);
    int order = 0;
    switch (SortTypeOfParam(static_cast<long>(param))) {
    case SORT_TEXT:
        order = lstrcmpA(a->text.c_str(), b->text.c_str());
        break;
    case SORT_TEXT_NOCASE:
        order = lstrcmpiA(a->text.c_str(), b->text.c_str());
        break;
    case SORT_WHOLE_NUMBER:
        order = CompareWholeNumbers(a->value, b->value);
        break;
    case SORT_DATE_TIME:
    case SORT_DATE_TIME_ALT:
        order = CompareDates(a->value, b->value);
        break;
    case SORT_REAL_NUMBER:
        order = CompareRealNumbers(a->value, b->value);
        break;
    default:
        break;
    }
    return IsAscendingParam(static_cast<long>(param)) ? order : -order;
}

}  // namespace

int CSortListCtrl::SortTypeOfColumn(int column) const
{
    // A column beyond the stored types sorts as text.
    if (column < 0 || column >= m_nColumnTypes || !m_pColumnTypes)
        return SORT_TEXT_NOCASE;
    return m_pColumnTypes[column];
}

void CSortListCtrl::SortByColumnClick(int column)
{
    if (column < 0 || column >= GetColumnCount())
        return;
    if (column == m_nSortColumn) {
        m_bSortAscending = !m_bSortAscending;
    } else {
        m_nSortColumn = column;
        m_bSortAscending = 1;
    }
    SortItemsByColumn(column, m_bSortAscending != 0);
}

void CSortListCtrl::SortItemsByColumn(int column, bool ascending)
{
    int type = SortTypeOfColumn(column);
    int count = GetItemCount();
    if (count <= 1 || type == SORT_NONE)
        return;  // every row equal: the order stays as it is
    std::vector<SortRecord> records;
    try {
        records.resize(static_cast<size_t>(count));
    } catch (const std::bad_alloc&) {
        return;  // no memory for a sort: the rows stay as they are
    }
    // Changing a row's data redraws the row; the sort redraws everything once at its end.
    const bool visible = (GetStyle() & WS_VISIBLE) != 0;
    if (visible)
        SendMessage(WM_SETREDRAW, FALSE);
    bool wrapped = true;
    try {
        for (int item = 0; item < count; ++item) {
            SortRecord& record = records[static_cast<size_t>(item)];
            record.data = GetItemData(item);
            record.text = GetItemText(item, column);
            PrepareValue(type, record);
            SetItemData(item, reinterpret_cast<LPARAM>(&record));
        }
    } catch (const std::bad_alloc&) {
        wrapped = false;  // the rows wrapped so far get their data back below
    }
    if (wrapped)
        SortItems(&CompareRecords, MakeSortParam(type, ascending));
    const SortRecord* first = records.data();
    const SortRecord* end = first + records.size();
    for (int item = 0; item < count; ++item) {
        auto* record = reinterpret_cast<const SortRecord*>(GetItemData(item));
        if (record >= first && record < end)
            SetItemData(item, record->data);
    }
    if (visible) {
        SendMessage(WM_SETREDRAW, TRUE);
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
    }
}
