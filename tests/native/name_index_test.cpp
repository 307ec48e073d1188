// The name index that heads every record file: order, removal, letter case, the limit, and
// how much of a file's index a load reads.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "phonebook/name_index.h"

TEST(NameIndexTest, NamesKeepInsertionOrderAndIgnoreLetterCase)
{
    CNameIndex index;
    EXPECT_EQ(1, index.Add("Main"));
    EXPECT_EQ(1, index.Add("Customers"));
    EXPECT_EQ(0, index.Add("MAIN"));
    EXPECT_EQ(0, index.Add("customers"));
    ASSERT_EQ(2, index.GetCount());
    EXPECT_EQ("Main", index.GetAt(0));
    EXPECT_EQ("Customers", index.GetAt(1));
    EXPECT_EQ(0, index.Find("mAIN"));
    EXPECT_EQ(1, index.Find("CUSTOMERS"));
    EXPECT_EQ(-1, index.Find("Main "));
    EXPECT_EQ(-1, index.Find("Suppliers"));
    // Positions outside the index give empty names; the empty name is a name like any other.
    EXPECT_EQ("", index.GetAt(2));
    EXPECT_EQ("", index.GetAt(-1));
    EXPECT_EQ(1, index.Add(""));
    EXPECT_EQ(0, index.Add(""));
    EXPECT_EQ(2, index.Find(""));
}

TEST(NameIndexTest, RemovedNamesKeepTheirPlaceButAreNotFound)
{
    CNameIndex index;
    index.Add("a");
    index.Add("b");
    index.Add("c");
    EXPECT_EQ(1, index.Remove("B"));
    EXPECT_EQ(0, index.Remove("b"));  // already removed
    EXPECT_EQ(0, index.Remove("zzz"));
    EXPECT_EQ(3, index.GetCount());
    EXPECT_TRUE(index.IsRemoved(1));
    EXPECT_FALSE(index.IsRemoved(2));
    EXPECT_EQ(-1, index.Find("b"));
    EXPECT_EQ(2, index.Find("c"));
    // The name may come back, at the end.
    EXPECT_EQ(1, index.Add("b"));
    EXPECT_EQ(3, index.Find("b"));
    index.Clear();
    EXPECT_EQ(0, index.GetCount());
    EXPECT_EQ(-1, index.Find("a"));
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

TEST(NameIndexTest, LoadReadsUpToOnePastTheHighestItemKey)
{
    std::vector<std::string> keys = {"Item1", "ITEM2", "Number", "item5"};
    EXPECT_EQ(3, CNameIndex::ItemsToRead(3, keys));
    EXPECT_EQ(6, CNameIndex::ItemsToRead(10, keys));
    EXPECT_EQ(6, CNameIndex::ItemsToRead(2000000000, keys));
    EXPECT_EQ(0, CNameIndex::ItemsToRead(0, keys));
    EXPECT_EQ(0, CNameIndex::ItemsToRead(-5, keys));
    EXPECT_EQ(1, CNameIndex::ItemsToRead(2000000000, {}));
    // Keys that a lookup of "Item" and a number never reaches do not count.
    EXPECT_EQ(1, CNameIndex::ItemsToRead(50, {"Item01", "Item", "Item3x", "Itemized", "Other7"}));
    // A key beyond "Number" is never read, however long its number.
    EXPECT_EQ(1, CNameIndex::ItemsToRead(40, {"Item99999999999999999999999"}));
    EXPECT_EQ(40, CNameIndex::ItemsToRead(40, {"Item99999999999999999999999", "Item39"}));
    EXPECT_EQ(2147483647, CNameIndex::ItemsToRead(2147483647, {"Item2147483647"}));
}

TEST(NameIndexTest, LetterCaseIsIgnoredForLatinLettersOnly)
{
    EXPECT_TRUE(EqualNoCase("Fax Numbers", "FAX numbers"));
    EXPECT_FALSE(EqualNoCase("Fax", "Fax "));
    EXPECT_FALSE(EqualNoCase("[", "{"));
    EXPECT_FALSE(EqualNoCase("@", "`"));
}
