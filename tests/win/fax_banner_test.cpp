// The header line built from the header settings in the real registry.
#include <algorithm>
#include <string>

#include "framework/module_state.h"
#include "send/fax_banner.h"
#include "settings/setting_names.h"
#include "settings/setting_readers.h"
#include "test_support.h"

using namespace testsupport;

namespace {
const char kDefaultLine[] = "From:%s %x To:%r|Date:%d Time %t|Page %c of %p";

std::string Banner()
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    char buffer[kFaxBannerSize + 8];
    std::fill(buffer, buffer + sizeof buffer, '#');
    buffer[sizeof buffer - 1] = '\0';
    BuildFaxBanner(buffer);
    for (size_t at = kFaxBannerSize; at < sizeof buffer - 1; ++at)
        EXPECT_EQ('#', buffer[at]) << "written past the line's buffer at " << at;
    return buffer;
}

void StoreHeader(const std::string& left, const std::string& center, const std::string& right)
{
    ASSERT_TRUE(WriteSettingText(kHeaderLeft, left));
    ASSERT_TRUE(WriteSettingText(kHeaderCenter, center));
    ASSERT_TRUE(WriteSettingText(kHeaderRight, right));
}
}  // namespace

class FaxBannerTest : public SettingsTest {};

TEST_F(FaxBannerTest, StoredPartsAreJoinedAndTheirMacrosTranslated)
{
    EXPECT_EQ(kDefaultLine, Banner()) << "no settings at all";

    ASSERT_NO_FATAL_FAILURE(StoreHeader("Fax @x", "", "@@N"));
    EXPECT_EQ("Fax @x||@%p", Banner());

    // Three parts of the longest length fill the buffer exactly.
    const std::string longest(20, 'x');
    ASSERT_NO_FATAL_FAILURE(StoreHeader(longest, longest, "@N" + std::string(18, 'y')));
    EXPECT_EQ(longest + "|" + longest + "|%p" + std::string(18, 'y'), Banner());
}

TEST_F(FaxBannerTest, AnyUnreadablePartGivesAllThreeDefaults)
{
    // A Center of 21 characters does not fit its buffer.
    ASSERT_NO_FATAL_FAILURE(StoreHeader("Left", std::string(21, 'c'), "Right"));
    EXPECT_EQ(kDefaultLine, Banner());
    ASSERT_NO_FATAL_FAILURE(StoreHeader("Left", std::string(5000, 'c'), "Right"));
    EXPECT_EQ(kDefaultLine, Banner());

    // One part missing.
    ASSERT_NO_FATAL_FAILURE(StoreHeader("Left", "Center", "Right"));
    ASSERT_EQ(ERROR_SUCCESS, RegDeleteKeyValueA(HKEY_CURRENT_USER, kSettingsKey, kHeaderRight));
    EXPECT_EQ(kDefaultLine, Banner());

    // One part stored as a number.
    ASSERT_NO_FATAL_FAILURE(StoreHeader("Left", "Center", "Right"));
    WriteRegistryDword(HKEY_CURRENT_USER, kSettingsKey, kHeaderLeft, 20);
    EXPECT_EQ(kDefaultLine, Banner());
}
