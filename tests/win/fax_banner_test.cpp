// The header line built from the header settings in the real registry, and the cover page
// table: an index outside it names no cover page and appends nothing to the folder.
#include <algorithm>
#include <string>

#include "framework/module_state.h"
#include "send/fax_banner.h"
#include "settings/setting_names.h"
#include "settings/setting_readers.h"
#include "test_support.h"

using namespace testsupport;

class FaxBannerTest : public SettingsTest {};

TEST_F(FaxBannerTest, StoredPartsAreJoinedAndTheirMacrosTranslatedAnyUnreadablePartGivesAllThreeDefaults)
{
    const std::string kDefault = "From:%s %x To:%r|Date:%d Time %t|Page %c of %p", longest(20, 'x');
    struct Case {
        std::string left, center, right;  // "-": not stored; "#": stored as a number
        std::string line;
    } const cases[] = {
        {"-", "-", "-", kDefault},
        {"Fax @x", "", "@@N", "Fax @x||@%p"},
        // Three parts of the longest length fill the buffer exactly.
        {longest, longest, "@N" + std::string(18, 'y'), longest + "|" + longest + "|%p" + std::string(18, 'y')},
        {"Left", std::string(21, 'c'), "Right", kDefault},  // does not fit its buffer
        {"#", "Center", "Right", kDefault},
    };
    for (const Case& c : cases) {
        for (auto [name, part] : {std::make_pair(kHeaderLeft, &c.left), {kHeaderCenter, &c.center},
                                  {kHeaderRight, &c.right}}) {
            RegDeleteKeyValueA(HKEY_CURRENT_USER, kSettingsKey, name);
            if (*part == "#")
                WriteRegistryDword(HKEY_CURRENT_USER, kSettingsKey, name, 20);
            else if (*part != "-")
                WriteSettingText(name, *part);
        }
        AFX_MANAGE_STATE(AfxGetStaticModuleState());
        char buffer[kFaxBannerSize + 8];
        std::fill(buffer, buffer + sizeof buffer, '#');
        buffer[sizeof buffer - 1] = '\0';
        BuildFaxBanner(buffer);
        EXPECT_EQ(std::string(7, '#'), std::string(buffer + kFaxBannerSize, 7)) << "written past the buffer";
        EXPECT_EQ(c.line, buffer) << c.left.substr(0, 30) << "|" << c.center.substr(0, 30) << "|" << c.right;
    }
}
