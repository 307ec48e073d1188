#include "controls/list_row_store.h"

#include <utility>

void CListRowStore::CellBounds(const std::string& cells, int column, size_t* begin, size_t* end)
{
    size_t start = 0;
    for (int i = 0; i < column && start < cells.size(); ++i)
        start = cells.find('\0', start) + 1;
    *begin = start < cells.size() ? start : cells.size();
    *end = *begin < cells.size() ? cells.find('\0', *begin) : cells.size();
}

const char* CListRowStore::Text(int row, int column) const
{
    if (column < 0)
        return "";
    const std::string& cells = m_rows[static_cast<size_t>(row)].cells;
    size_t begin = 0, end = 0;
    CellBounds(cells, column, &begin, &end);
    return cells.c_str() + begin;  // at the end: the empty text
}

void CListRowStore::SetText(int row, int column, const char* text)
{
    if (column < 0)
        return;
    std::string& cells = m_rows[static_cast<size_t>(row)].cells;
    // The row first reaches the column with empty cells.
    int reached = 0;
    for (size_t at = 0; (at = cells.find('\0', at)) != std::string::npos; ++at)
        ++reached;
    if (reached <= column)
        cells.append(static_cast<size_t>(column - reached + 1), '\0');
    size_t begin = 0, end = 0;
    CellBounds(cells, column, &begin, &end);
    cells.replace(begin, end - begin, text ? text : "");
}

int CListRowStore::Insert(int row, intptr_t data)
{
    if (!IsRow(row))
        row = Count();
    m_rows.insert(m_rows.begin() + row, Row{data, std::string()});
    return row;
}

void CListRowStore::Erase(int row)
{
    if (IsRow(row))
        m_rows.erase(m_rows.begin() + row);
}

void CListRowStore::InsertColumn(int column)
{
    // The first cell is the row's label, and stays the label: a column inserted before it
    // starts empty behind it, as in a list view.
    column = column < 1 ? 1 : column;
    for (Row& row : m_rows) {
        size_t begin = 0, end = 0;
        CellBounds(row.cells, column, &begin, &end);
        if (begin < row.cells.size())
            row.cells.insert(begin, 1, '\0');
    }
}

void CListRowStore::DeleteColumn(int column)
{
    column = column < 1 ? 1 : column;  // the label stays with its row
    for (Row& row : m_rows) {
        size_t begin = 0, end = 0;
        CellBounds(row.cells, column, &begin, &end);
        if (begin < row.cells.size())
            row.cells.erase(begin, end - begin + 1);
    }
}

void CListRowStore::Reorder(const std::vector<int>& order)
{
    std::vector<Row> ordered;
    ordered.reserve(m_rows.size());
    for (int from : order)
        ordered.push_back(std::move(m_rows[static_cast<size_t>(from)]));
    m_rows = std::move(ordered);
}
