// The Header page of the Fax Setup sheet: the legend in code order, and Restore Defaults that
// stores nothing until OK.
#include <string>
#include <vector>

#include "res/resource.h"
#include "settings/setting_names.h"
#include "settings/setting_readers.h"
#include "setup_sheet_support.h"

using namespace testsupport;

class HeaderPageTest : public SetupSheetTest {};

TEST_F(HeaderPageTest, LegendInCodeOrderAndRestoreDefaultsStoredOnlyOnOk)
{
    WriteSettingText(kHeaderLeft, "Mine");
    WriteSettingText(kHeaderCenter, "Also mine");
    WriteSettingText(kHeaderRight, "@P");
    for (bool accept : {false, true}) {
        Open(kSetupPageHeader);
        EXPECT_EQ((std::vector<std::string>{"@C: Recipient Company", "@D: Date", "@E: Sender Phone #",
                                            "@F: Recipient Fax #", "@G: Recipient Phone #", "@N: Total Pages",
                                            "@P: Current Page", "@R: Recipient Name", "@S: Sender Name", "@T: Time",
                                            "@X: Sender Fax #", "@Y: Sender Company"}),
                  ListTexts(IDC_HEADER_LEGEND));
        EXPECT_EQ(LB_ERR, SendMessageA(Item(IDC_HEADER_LEGEND), LB_GETCURSEL, 0, 0));
        Click(IDC_HEADER_RESTORE);
        EXPECT_EQ("From:@S @X To:@R|Date:@D Time @T|Page @P of @N",
                  Text(IDC_HEADER_LEFT) + "|" + Text(IDC_HEADER_CENTER) + "|" + Text(IDC_HEADER_RIGHT));
        accept ? CloseWithOk() : CloseWithCancel();
        EXPECT_EQ(accept ? "From:@S @X To:@R|Date:@D Time @T|Page @P of @N" : "Mine|Also mine|@P",
                  ReadSettingText(kHeaderLeft, 64, "") + "|" + ReadSettingText(kHeaderCenter, 64, "") + "|" +
                      ReadSettingText(kHeaderRight, 64, ""));
    }
}
