// The Header page of the Fax Setup sheet: defaults for missing texts only, the limit of 20
// characters, the legend in code order, Restore Defaults that stores nothing until OK.
#include <string>
#include <vector>

#include "res/resource.h"
#include "settings/setting_names.h"
#include "settings/setting_readers.h"
#include "setup_sheet_support.h"

using namespace testsupport;

namespace {
std::string Stored(const char* name) { return ReadSettingText(name, 256, "<missing>"); }
}  // namespace

class HeaderPageTest : public SetupSheetTest {};

TEST_F(HeaderPageTest, WithNoSettingsShowsTheDefaultsAndTheLegendInCodeOrder)
{
    Open(kSetupPageHeader);
    ASSERT_EQ(kSetupPageHeader, ActiveIndex());
    EXPECT_EQ("From:@S @X To:@R", Text(IDC_HEADER_LEFT));
    EXPECT_EQ("Date:@D Time @T", Text(IDC_HEADER_CENTER));
    EXPECT_EQ("Page @P of @N", Text(IDC_HEADER_RIGHT));
    EXPECT_EQ((std::vector<std::string>{"@C: Recipient Company", "@D: Date", "@E: Sender Phone #", "@F: Recipient Fax #",
                                        "@G: Recipient Phone #", "@N: Total Pages", "@P: Current Page",
                                        "@R: Recipient Name", "@S: Sender Name", "@T: Time", "@X: Sender Fax #",
                                        "@Y: Sender Company"}),
              ListTexts(IDC_HEADER_LEGEND));
    EXPECT_EQ(LB_ERR, SendMessageA(Item(IDC_HEADER_LEGEND), LB_GETCURSEL, 0, 0));
    CloseWithOk();
    ASSERT_TRUE(Closed());
    EXPECT_EQ("From:@S @X To:@R", Stored(kHeaderLeft));
    EXPECT_EQ("Date:@D Time @T", Stored(kHeaderCenter));
    EXPECT_EQ("Page @P of @N", Stored(kHeaderRight));
}

TEST_F(HeaderPageTest, StoredTextsShowAsTheyAreAndUnreadableOnesFallBack)
{
    WriteSettingText(kHeaderLeft, "");
    WriteSettingText(kHeaderCenter, "Fax from @Y");
    WriteSettingText(kHeaderRight, std::string(21, 'R'));  // does not fit the 21-byte buffer
    Open(kSetupPageHeader);
    EXPECT_EQ("", Text(IDC_HEADER_LEFT));
    EXPECT_EQ("Fax from @Y", Text(IDC_HEADER_CENTER));
    EXPECT_EQ("Page @P of @N", Text(IDC_HEADER_RIGHT));

    for (int id : {IDC_HEADER_LEFT, IDC_HEADER_CENTER, IDC_HEADER_RIGHT}) {
        SetText(id, "");
        Type(id, std::string(25, 'x'));
        EXPECT_EQ(std::string(20, 'x'), Text(id)) << id;
    }
    SetText(IDC_HEADER_CENTER, "@D @T");
    CloseWithOk();
    ASSERT_TRUE(Closed());
    EXPECT_EQ(std::string(20, 'x'), Stored(kHeaderLeft));
    EXPECT_EQ("@D @T", Stored(kHeaderCenter));
}

TEST_F(HeaderPageTest, RestoreDefaultsStoresNothingUntilOk)
{
    WriteSettingText(kHeaderLeft, "Mine");
    WriteSettingText(kHeaderCenter, "Also mine");
    WriteSettingText(kHeaderRight, "@P");
    Open(kSetupPageHeader);
    Click(IDC_HEADER_RESTORE);
    EXPECT_EQ("From:@S @X To:@R", Text(IDC_HEADER_LEFT));
    EXPECT_EQ("Date:@D Time @T", Text(IDC_HEADER_CENTER));
    EXPECT_EQ("Page @P of @N", Text(IDC_HEADER_RIGHT));
    CloseWithCancel();
    ASSERT_TRUE(Closed());
    EXPECT_EQ("Mine", Stored(kHeaderLeft));
    EXPECT_EQ("Also mine", Stored(kHeaderCenter));
    EXPECT_EQ("@P", Stored(kHeaderRight));

    Open(kSetupPageHeader);
    Click(IDC_HEADER_RESTORE);
    CloseWithOk();
    EXPECT_EQ("From:@S @X To:@R", Stored(kHeaderLeft));
    EXPECT_EQ("Page @P of @N", Stored(kHeaderRight));
}
