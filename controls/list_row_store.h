#pragma once
// The rows of a list view with the owner-data style: the list view keeps only their number,
// selection and focus; its owner keeps the item data and the cell texts here. A row's texts
// sit in one string, each cell ended by a NUL, so a row of short texts costs one block.
#include <cstdint>
#include <string>
#include <vector>

class CListRowStore {
public:
    int Count() const { return static_cast<int>(m_rows.size()); }
    bool IsRow(int row) const { return row >= 0 && row < Count(); }
    // Empty for a cell never written. Only for a row of the store.
    const char* Text(int row, int column) const;
    intptr_t Data(int row) const { return m_rows[static_cast<size_t>(row)].data; }

    void SetText(int row, int column, const char* text);
    void SetData(int row, intptr_t data) { m_rows[static_cast<size_t>(row)].data = data; }
    // A new empty row at `row`, or after the last row when `row` lies beyond; its index.
    int Insert(int row, intptr_t data);
    void Erase(int row);
    void Clear() { m_rows.clear(); }
    // A column inserted at `column` gives every row an empty cell there; a deleted column
    // takes its cell with it. As in a list view, the first cell stays the row's label: a
    // column inserted at 0 starts empty at 1, deleting column 0 takes the cell at 1.
    void InsertColumn(int column);
    void DeleteColumn(int column);
    // Puts the rows in the order given: order[i] is the index of the row that comes i-th.
    void Reorder(const std::vector<int>& order);

private:
    struct Row {
        intptr_t data = 0;  // the row's item data
        std::string cells;
    };
    // Where the cell starts in the row's texts, and its end; both at the end for a cell the
    // row does not reach.
    static void CellBounds(const std::string& cells, int column, size_t* begin, size_t* end);

    std::vector<Row> m_rows;
};
