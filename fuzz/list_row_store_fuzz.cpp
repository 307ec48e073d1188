// The rows a list control keeps for an owner-data list, driven by arbitrary operations and
// checked after each against a plain model: rows inserted, erased, reordered and cleared,
// cells written, columns inserted and deleted. Each operation takes its first byte as the
// kind and the next bytes as its arguments.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "controls/list_row_store.h"

namespace {
void Check(bool condition)
{
    if (!condition)
        std::abort();
}

struct ModelRow {
    intptr_t data = 0;
    std::vector<std::string> cells;
};

class Input {
public:
    Input(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}
    bool Empty() const { return m_at >= m_size; }
    int Next() { return m_at < m_size ? m_data[m_at++] : 0; }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_at = 0;
};

constexpr int kColumns = 10;

void Compare(const CListRowStore& store, const std::vector<ModelRow>& model)
{
    Check(store.Count() == static_cast<int>(model.size()));
    for (int row = 0; row < store.Count(); ++row) {
        const ModelRow& expected = model[static_cast<size_t>(row)];
        Check(store.Data(row) == expected.data);
        Check(std::string(store.Text(row, -1)).empty());
        for (int column = 0; column <= kColumns + 2; ++column) {
            const size_t at = static_cast<size_t>(column);
            Check(store.Text(row, column) == (at < expected.cells.size() ? expected.cells[at] : std::string()));
        }
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Input input(data, size);
    CListRowStore store;
    std::vector<ModelRow> model;
    while (!input.Empty()) {
        const int count = static_cast<int>(model.size());
        const int kind = input.Next() % 7;
        switch (kind) {
        case 0: {  // a row inserted; beyond the last row it is appended
            int row = input.Next() % (count + 2);
            intptr_t value = input.Next();
            Check(store.Insert(row, value) == std::min(row, count));
            model.insert(model.begin() + std::min(row, count), ModelRow{value, {}});
            break;
        }
        case 1: {
            int row = input.Next() % (count + 1);
            store.Erase(row);
            if (row < count)
                model.erase(model.begin() + row);
            break;
        }
        case 2: {
            if (count == 0)
                break;
            int row = input.Next() % count, column = input.Next() % kColumns;
            std::string text(static_cast<size_t>(input.Next() % 8), 'x');
            for (char& c : text)
                c = static_cast<char>(std::max(1, input.Next()));
            store.SetText(row, column, text.c_str());
            auto& cells = model[static_cast<size_t>(row)].cells;
            if (cells.size() <= static_cast<size_t>(column))
                cells.resize(static_cast<size_t>(column) + 1);
            cells[static_cast<size_t>(column)] = text;
            break;
        }
        case 3:
        case 4: {  // a column inserted or deleted; the label stays the first cell
            const int column = input.Next() % kColumns;
            const size_t at = static_cast<size_t>(std::max(column, 1));
            if (kind == 3)
                store.InsertColumn(column);
            else
                store.DeleteColumn(column);
            for (ModelRow& row : model) {
                if (at >= row.cells.size())
                    continue;
                if (kind == 3)
                    row.cells.insert(row.cells.begin() + static_cast<long>(at), std::string());
                else
                    row.cells.erase(row.cells.begin() + static_cast<long>(at));
            }
            break;
        }
        case 5: {
            std::vector<int> order(static_cast<size_t>(count));
            for (int i = 0; i < count; ++i)
                order[static_cast<size_t>(i)] = i;
            for (int i = count - 1; i > 0; --i)
                std::swap(order[static_cast<size_t>(i)], order[static_cast<size_t>(input.Next() % (i + 1))]);
            store.Reorder(order);
            std::vector<ModelRow> reordered;
            for (int from : order)
                reordered.push_back(model[static_cast<size_t>(from)]);
            model = reordered;
            break;
        }
        default:
            store.Clear();
            model.clear();
            break;
        }
        Compare(store, model);
    }
    return 0;
}
