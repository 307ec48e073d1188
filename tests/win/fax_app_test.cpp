// The application object's start-up and its help routing.
#include <string>
#include <vector>

#include "framework/module_state.h"
#include "host/fax_app.h"
#include "settings/setting_names.h"
#include "settings/setting_readers.h"
#include "test_support.h"

using namespace testsupport;

namespace {
const char kDesktopKey[] = "Software\\Velmoor\\QOI\\Desktop\\RW";

struct HelpRequest {
    std::string file;
    UINT command;
    ULONG_PTR data;
};
std::vector<HelpRequest> g_helpRequests;

BOOL RecordHelp(HWND, const char* file, UINT command, ULONG_PTR data)
{
    g_helpRequests.push_back({file, command, data});
    return TRUE;
}

class FaxAppTest : public testing::Test {
protected:
    void SetUp() override
    {
        DeleteRegistryTree(HKEY_CURRENT_USER, kSuiteKey);
        DeleteRegistryTree(HKEY_LOCAL_MACHINE, kDesktopKey);
        g_helpRequests.clear();
        CWinApp::SetHelpCall(&RecordHelp);
    }
    void TearDown() override
    {
        CWinApp::SetHelpCall(nullptr);
        DeleteRegistryTree(HKEY_CURRENT_USER, kSuiteKey);
        DeleteRegistryTree(HKEY_LOCAL_MACHINE, kDesktopKey);
    }
};
}  // namespace

TEST_F(FaxAppTest, FreshProfileCreatesTheKeyAndUsesTheDefaults)
{
    g_bDisplayStatus = 7;
    g_bNotifyOnCompletion = 7;
    CFaxDlgApp app;
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key));
    RegCloseKey(key);
    EXPECT_EQ(1, g_bDisplayStatus);
    EXPECT_EQ(0, g_bNotifyOnCompletion);
    EXPECT_STREQ("C:\\Program Files\\Tavan\\Plexwork", g_szInstallDir);
    EXPECT_STREQ("C:\\Program Files\\Tavan\\Plexwork\\helpfiles\\verari.hlp", app.GetHelpFilePath());
    EXPECT_EQ(&app, AfxGetApp());
}

TEST_F(FaxAppTest, MirroredFlagsComeFromTheSettings)
{
    WriteRegistryDword(HKEY_CURRENT_USER, kSettingsKey, kDisplayStatus, 0);
    WriteRegistryDword(HKEY_CURRENT_USER, kSettingsKey, kNotifyOnCompletion, 1);
    CFaxDlgApp app;
    EXPECT_EQ(0, g_bDisplayStatus);
    EXPECT_EQ(1, g_bNotifyOnCompletion);
}

TEST_F(FaxAppTest, HelpFileFollowsDefaultDirWithOrWithoutTrailingBackslash)
{
    WriteRegistryString(HKEY_LOCAL_MACHINE, kDesktopKey, "DefaultDir", "D:\\Suite\\");
    {
        CFaxDlgApp app;
        EXPECT_STREQ("D:\\Suite\\", g_szInstallDir);
        EXPECT_STREQ("D:\\Suite\\helpfiles\\verari.hlp", app.GetHelpFilePath());
    }
    WriteRegistryString(HKEY_LOCAL_MACHINE, kDesktopKey, "DefaultDir", "D:\\Suite");
    CFaxDlgApp app;
    EXPECT_STREQ("D:\\Suite\\helpfiles\\verari.hlp", app.GetHelpFilePath());
}

TEST_F(FaxAppTest, UnusableDefaultDirFallsBack)
{
    // Too long for the 259-byte buffer.
    WriteRegistryString(HKEY_LOCAL_MACHINE, kDesktopKey, "DefaultDir", std::string(300, 'D'));
    {
        CFaxDlgApp app;
        EXPECT_STREQ("C:\\Program Files\\Tavan\\Plexwork\\helpfiles\\verari.hlp", app.GetHelpFilePath());
    }
    // Of the wrong type.
    DeleteRegistryTree(HKEY_LOCAL_MACHINE, kDesktopKey);
    WriteRegistryDword(HKEY_LOCAL_MACHINE, kDesktopKey, "DefaultDir", 5);
    CFaxDlgApp app;
    EXPECT_STREQ("C:\\Program Files\\Tavan\\Plexwork", g_szInstallDir);
}

TEST_F(FaxAppTest, HelpRequestsAreRoutedByTheirData)
{
    CFaxDlgApp app;
    app.WinHelp(0xFFFFFFFF, HELP_CONTEXT);
    EXPECT_TRUE(g_helpRequests.empty());

    app.WinHelp(0, HELP_CONTEXT);
    ASSERT_EQ(1u, g_helpRequests.size());
    EXPECT_EQ(static_cast<UINT>(HELP_CONTENTS), g_helpRequests[0].command);
    EXPECT_EQ(0u, g_helpRequests[0].data);
    EXPECT_EQ("C:\\Program Files\\Tavan\\Plexwork\\helpfiles\\verari.hlp", g_helpRequests[0].file);

    app.WinHelp(677, HELP_CONTEXT);
    ASSERT_EQ(2u, g_helpRequests.size());
    EXPECT_EQ(static_cast<UINT>(HELP_CONTEXT), g_helpRequests[1].command);
    EXPECT_EQ(677u, g_helpRequests[1].data);
}
