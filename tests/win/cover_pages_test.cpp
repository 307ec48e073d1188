// The cover page table: an index outside it names no cover page and appends nothing to the folder.
#include "send/cover_pages.h"
#include "test_support.h"

TEST(CoverPagesTableTest, IndexesOutsideTheTableNameNothing)
{
    EXPECT_STREQ("urgent.pg", CoverPageSentFile(2));
    for (int outside : {-1, kCoverPageCount, -2147483647 - 1}) {
        EXPECT_EQ(nullptr, CoverPageAt(outside)) << outside;
        EXPECT_STREQ("", CoverPageSentFile(outside)) << outside;
    }
}
