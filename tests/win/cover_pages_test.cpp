// The cover page table: combo index to shown name, preview file and sent file.
#include "framework/module_state.h"
#include "framework/resources.h"
#include "send/cover_pages.h"
#include "test_support.h"

TEST(CoverPagesTableTest, ComboIndexGivesNamePreviewAndSentFile)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    const char* const names[kCoverPageCount] = {"General", "ASAP", "Urgent", "Check This Out", "From The Top"};
    const char* const sent[kCoverPageCount] = {"general.pg", "asap.pg", "urgent.pg", "checkout.pg", "fromtop.pg"};
    for (int index = 0; index < kCoverPageCount; ++index) {
        const CoverPage* page = CoverPageAt(index);
        ASSERT_NE(nullptr, page);
        EXPECT_EQ(names[index], LoadModuleString(page->nameId)) << index;
        EXPECT_EQ(std::string(names[index]) + ".Qoi", LoadModuleString(page->previewFileId)) << index;
        EXPECT_STREQ(sent[index], CoverPageSentFile(index)) << index;
    }
    // Any other index names no cover page and appends nothing to the folder.
    for (int outside : {-1, kCoverPageCount, -2147483647 - 1}) {
        EXPECT_EQ(nullptr, CoverPageAt(outside)) << outside;
        EXPECT_STREQ("", CoverPageSentFile(outside)) << outside;
    }
}
