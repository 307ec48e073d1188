// Name indexes fed arbitrary names, and sort values read from arbitrary texts. One input
// line per operation: its first byte picks it (A add, R remove, F find, C clear, K a key
// name list for a load, N a number text), the rest is the name or text. The index keeps
// its promises whatever the names.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "controls/column_sort.h"
#include "phonebook/name_index.h"

namespace {
void Check(bool condition)
{
    if (!condition)
        std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string input(reinterpret_cast<const char*>(data), size);
    CNameIndex index;
    std::vector<std::string> keys;
    size_t start = 0;
    while (start < input.size()) {
        size_t end = input.find('\n', start);
        if (end == std::string::npos)
            end = input.size();
        std::string line = input.substr(start, end - start);
        start = end + 1;
        if (line.empty())
            continue;
        const char op = line[0];
        const std::string name = line.substr(1);
        switch (op) {
        case 'A': {
            int before = index.GetCount();
            bool present = index.Find(name) >= 0;
            int added = index.Add(name);
            Check(added == ((!present && before < CNameIndex::kMaxNames) ? 1 : 0));
            if (added)
                Check(index.Find(name) == before && index.GetAt(before) == name);
            break;
        }
        case 'R': {
            int position = index.Find(name);
            Check(index.Remove(name) == (position >= 0 ? 1 : 0));
            if (position >= 0)
                Check(index.IsRemoved(position));
            break;
        }
        case 'F': {
            int position = index.Find(name);
            Check(position >= -1 && position < index.GetCount());
            if (position >= 0)
                Check(!index.IsRemoved(position) && EqualNoCase(index.GetAt(position), name));
            break;
        }
        case 'C':
            index.Clear();
            Check(index.GetCount() == 0);
            break;
        case 'K': {
            keys.push_back(name);
            int number = static_cast<int>(ParseWholeNumber(name.c_str()) & 0x7FFFFFFF);
            int items = CNameIndex::ItemsToRead(number, keys);
            Check(items >= 0 && items <= number);
            break;
        }
        case 'N': {
            SortValue a, b;
            a.whole = ParseWholeNumber(name.c_str());
            b.whole = ParseWholeNumber(line.c_str());
            Check(CompareWholeNumbers(a, b) == -CompareWholeNumbers(b, a));
            a.real = ParseRealNumber(name.c_str());
            Check(CompareRealNumbers(a, a) == 1);
            break;
        }
        default:
            break;
        }
        Check(index.GetCount() <= CNameIndex::kMaxNames);
    }
    return 0;
}
