// The module-state guard and the string table of the module.
#include <stdexcept>

#include "framework/module_state.h"
#include "framework/resources.h"
#include "host/modem_notifications.h"
#include "res/resource.h"
#include "test_support.h"

TEST(ModuleStateTest, GuardRestoresTheCallersStateOnEveryWayOut)
{
    CModuleState host;
    CModuleStateGuard hostGuard(&host);
    ASSERT_EQ(&host, AfxGetModuleState());

    {
        AFX_MANAGE_STATE(AfxGetStaticModuleState());
        EXPECT_EQ(AfxGetStaticModuleState(), AfxGetModuleState());
    }
    EXPECT_EQ(&host, AfxGetModuleState());

    try {
        AFX_MANAGE_STATE(AfxGetStaticModuleState());
        throw std::runtime_error("leaving by an exception");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(&host, AfxGetModuleState());
}

TEST(ModuleStateTest, StringsComeFromTheModulesTable)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    EXPECT_EQ("<Type Here>", LoadModuleString(IDS_TYPE_HERE));
    EXPECT_EQ("\\My Fax", LoadModuleString(IDS_DIR_MYFAX));
    EXPECT_EQ("Invalid Off-Peak Start Time\nSet to Default.", LoadModuleString(IDS_INVALID_OFFPEAK_START));
    EXPECT_EQ("Page 2 of 5", FormatModuleString(IDS_PAGE_OF, 2L, 5L));
    EXPECT_EQ("Cannot open fax file C:\\x.tif.", FormatModuleString(IDS_CANNOT_OPEN_FAX, "C:\\x.tif"));
    std::string text;
    EXPECT_FALSE(TryLoadModuleString(1, text));
    EXPECT_EQ("", LoadModuleString(1));
}

TEST(ModuleStateTest, ModemMaskKeepsOneBitPerNumber)
{
    g_dwNotifiedModems = 0;
    EXPECT_EQ(2u, NoteModem(33));
    EXPECT_EQ(2u, g_dwNotifiedModems);
    EXPECT_EQ(2u, NoteModem(33));
    EXPECT_EQ(2u, g_dwNotifiedModems);
    EXPECT_EQ(8u, NoteModem(3));
    EXPECT_EQ(10u, g_dwNotifiedModems);
    g_dwNotifiedModems = 0;
}
