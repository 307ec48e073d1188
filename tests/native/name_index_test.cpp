// The name index that heads every record file: order, removal, letter case, the limit, and
// how much of a file's index a load reads.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "phonebook/name_index.h"

TEST(NameIndexTest, NamesKeepTheirPlaceIgnoreLatinLetterCaseAndRemovedOnesAreNotFound)
{
    CNameIndex index;
    for (const char* name : {"Main", "Customers", "", "b", "[", "@", "caf\xe9", "Fax "})
        EXPECT_EQ(1, index.Add(name)) << name;
    for (const char* name : {"MAIN", "customers", ""})
        EXPECT_EQ(0, index.Add(name)) << name;
    EXPECT_EQ(1, index.Remove("B"));
    EXPECT_EQ(0, index.Remove("b"));  // already removed
    EXPECT_EQ(0, index.Remove("zzz"));
    const struct {
        const char* name;
        int found;
    } finds[] = {{"mAIN", 0}, {"CUSTOMERS", 1}, {"", 2}, {"b", -1}, {"Main ", -1}, {"Suppliers", -1}, {"cUSTOMERs", 1}};
    for (const auto& find : finds)
        EXPECT_EQ(find.found, index.Find(find.name)) << find.name;
    EXPECT_EQ(8, index.GetCount());
    EXPECT_EQ("", index.GetAt(8));
    EXPECT_EQ("", index.GetAt(-1));
    // A removed name may come back, at the end.
    EXPECT_EQ(1, index.Add("b"));
    EXPECT_EQ(8, index.Find("b"));
    // Only Latin letters ignore their case: not their neighbours, nor letters beyond ASCII.
    for (const char* other : {"{", "`", "CAF\xc9", "Fax"})
        EXPECT_EQ(-1, index.Find(other)) << other;
}

TEST(NameIndexTest, HoldsFiveHundredNamesRemovedOnesIncluded)
{
    CNameIndex index;
    for (int i = 0; i < CNameIndex::kMaxNames; ++i)
        ASSERT_EQ(1, index.Add("Book" + std::to_string(i)));
    EXPECT_EQ(0, index.Add("One too many"));
    index.Remove("Book7");
    EXPECT_EQ(0, index.Add("Still full"));
    EXPECT_EQ(500, index.GetCount());
}

// A load reads up to one past the highest item key "Item" and a number would reach, never
// beyond the file's count.
TEST(NameIndexTest, LoadReadsUpToOnePastTheHighestItemKey)
{
    const std::vector<std::string> keys = {"Item1", "ITEM2", "Number", "item5"};
    const struct { int count; std::vector<std::string> keys; int read; } cases[] = {
        {3, keys, 3}, {10, keys, 6}, {2000000000, keys, 6}, {0, keys, 0}, {-5, keys, 0}, {2000000000, {}, 1},
        {50, {"Item01", "Item", "Item3x", "Itemized", "Other7"}, 1},
        {40, {"Item99999999999999999999999"}, 1},
        {40, {"Item99999999999999999999999", "Item39"}, 40},
        {2147483647, {"Item2147483647"}, 2147483647},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.read, CNameIndex::ItemsToRead(c.count, c.keys)) << c.count << " " << c.keys.size();
}
