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
