#pragma once
// The report list of the module's dialogs: rows drawn whole in the selection colours,
// sorting by a click on a column header according to each column's sort type, columns
// moved by dragging their headers, and state images that act as check boxes.
#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "controls/drag_header_ctrl.h"
#include "controls/list_row_store.h"
#include "framework/list_ctrl.h"

class CSortListCtrl : public CListCtrl {
public:
    CSortListCtrl() = default;
    ~CSortListCtrl() override;

    // 0: the system draws; 1: owner-drawn, the label highlighted; 2: owner-drawn, the whole
    // row highlighted up to the client area's right edge. Values above 2 are ignored.
    // Returns the previous type.
    int SetHighlightType(int type);
    // A header click sorts while this is on. Returns the previous setting.
    int EnableSort(int enable);
    // One sort type (ColumnSortType) per column, in column order. Nonzero on success; 0, with
    // no types left, when a type is above 6.
    int SetColumnTypes(const unsigned char* types, int count);
    void EnableHeaderDrag(int enable);
    // Redraws the focused row and the selected rows, for a change between the focused and
    // unfocused colours.
    void RepaintSelectedItems();

    // Sorts by a column as a header click does: the same column again reverses the order,
    // another column sorts ascending.
    void SortByColumnClick(int column);
    // Moves a column with its title, width, alignment and texts to a boundary (0 before the
    // first column, the column count after the last).
    void MoveColumn(int from, int to);
    // Writes a whole row: the item (inserted, or set over the row item.iItem when `replace`),
    // then the texts of the columns from 1 on. Straight to the list view: a list filled
    // with many thousand rows would otherwise pay this object's message handling per cell.
    // The row written, or -1.
    int WriteRow(const LVITEMA& item, bool replace, const char* const* cellTexts, int cells);
    // The item data of a row, read without a message when the rows are kept here.
    LPARAM RowData(int row) const;

    int m_nHighlight = 0;
    int m_bSortable = 0;
    std::unique_ptr<unsigned char[]> m_pColumnTypes;
    int m_nColumnTypes = 0;
    int m_nSortColumn = -1;
    int m_bSortAscending = 1;
    CDragHeaderCtrl m_wndHeader;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void PreSubclassWindow() override;
    virtual void DrawItem(const DRAWITEMSTRUCT* draw);

private:
    // A list with the owner-data style keeps its rows here (created with the window).
    void AttachRowStore();
    bool OnRowStoreMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    bool OnRowStoreNotify(NMHDR* header, LRESULT* result);
    int WriteStoredRow(const LVITEMA& item, bool replace, const char* const* cellTexts, int cells);
    BOOL SortStoredRows(PFNLVCOMPARE compare, LPARAM param);
    int FindStoredRow(const NMLVFINDITEMA* find, bool wide);
    // Tells the list view how many rows there are.
    void SyncRowCount();
    // Sets a row's state in the list view itself (-1: every row).
    void SetRowState(int row, UINT state, UINT mask);
    void AttachHeader();
    void ApplyHighlightStyle();
    void SortItemsByColumn(int column, bool ascending);
    int SortTypeOfColumn(int column) const;
    void MoveColumnType(int from, int to, int columns);
    void OnPaint();
    void OnFocusChange(HWND other);
    void OnLButtonDown(POINT point);
    static void OnColumnDropped(void* owner, int from, int to);

    std::unique_ptr<CListRowStore> m_pRows;
    bool m_bRedrawOff = false;     // rows appended meanwhile are counted when it is on again
    bool m_bCountPending = false;
};
