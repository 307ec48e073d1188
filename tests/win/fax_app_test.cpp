// The application object's start-up and its help routing.
#include <string>
#include <vector>

#include "host/fax_app.h"
#include "settings/setting_names.h"
#include "settings/setting_readers.h"
#include "test_support.h"

using namespace testsupport;

namespace {
const char kDesktopKey[] = "Software\\Velmoor\\QOI\\Desktop\\RW";
const char kFallback[] = "C:\\Program Files\\Tavan\\Plexwork";

std::vector<std::string> g_helpRequests;  // "file command data"

BOOL RecordHelp(HWND, const char* file, UINT command, ULONG_PTR data)
{
    g_helpRequests.push_back(std::string(file) + " " + std::to_string(command) + " " + std::to_string(data));
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

TEST_F(FaxAppTest, StartUpCreatesTheKeyAndMirrorsTheFlagsFromTheSettingsOrTheirDefaults)
{
    for (bool fresh : {true, false}) {
        if (!fresh) {
            WriteRegistryDword(HKEY_CURRENT_USER, kSettingsKey, kDisplayStatus, 0);
            WriteRegistryDword(HKEY_CURRENT_USER, kSettingsKey, kNotifyOnCompletion, 1);
        }
        g_bDisplayStatus = 7;
        g_bNotifyOnCompletion = 7;
        CFaxDlgApp app;
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key));
        RegCloseKey(key);
        EXPECT_EQ(fresh ? 1 : 0, g_bDisplayStatus);
        EXPECT_EQ(fresh ? 0 : 1, g_bNotifyOnCompletion);
    }
}

// The install folder and the help file come from DefaultDir when it is a usable text, with or
// without its trailing backslash; too long for its 259 bytes, or no text, the default holds.
TEST_F(FaxAppTest, InstallFolderAndHelpFileFollowAUsableDefaultDir)
{
    const std::string fallbackHelp = std::string(kFallback) + "\\helpfiles\\verari.hlp";
    const struct {
        std::string value;  // empty: none; "#": a number
        std::string installDir, helpFile;
    } cases[] = {
        {"", kFallback, fallbackHelp},
        {"D:\\Suite\\", "D:\\Suite\\", "D:\\Suite\\helpfiles\\verari.hlp"},
        {"D:\\Suite", "D:\\Suite", "D:\\Suite\\helpfiles\\verari.hlp"},
        {std::string(300, 'D'), kFallback, fallbackHelp},
        {"#", kFallback, fallbackHelp},
    };
    for (const auto& c : cases) {
        DeleteRegistryTree(HKEY_LOCAL_MACHINE, kDesktopKey);
        if (c.value == "#")
            WriteRegistryDword(HKEY_LOCAL_MACHINE, kDesktopKey, "DefaultDir", 5);
        else if (!c.value.empty())
            WriteRegistryString(HKEY_LOCAL_MACHINE, kDesktopKey, "DefaultDir", c.value);
        CFaxDlgApp app;
        EXPECT_EQ(c.installDir, g_szInstallDir) << c.value.substr(0, 20);
        EXPECT_EQ(c.helpFile, app.GetHelpFilePath()) << c.value.substr(0, 20);
    }
}

// No help for the "no help" context; context 0 opens the contents; others their topic.
TEST_F(FaxAppTest, HelpRequestsAreRoutedByTheirData)
{
    CFaxDlgApp app;
    for (DWORD data : {0xFFFFFFFFu, 0u, 677u})
        app.WinHelp(data, HELP_CONTEXT);
    const std::string help = std::string(kFallback) + "\\helpfiles\\verari.hlp";
    EXPECT_EQ((std::vector<std::string>{help + " 3 0", help + " 1 677"}), g_helpRequests);  // HELP_CONTENTS, HELP_CONTEXT
}
