// Installed modems found by the Fax Modem Setup page on both registry layouts: names, ports
// (attached, or looked up in the device tree), the stored modem selected, discovery again on
// a device change, malformed registry data, and the commands stored for the engine.
#include <windows.h>
#include <dbt.h>

#include <string>
#include <vector>

#include "modem_test_support.h"
#include "res/resource.h"
#include "settings/setting_names.h"
#include "settings/setting_readers.h"
#include "setup/modem_discovery.h"
#include "setup/platform_version.h"

using namespace testsupport;

namespace {
std::vector<DWORD> ItemPorts(HWND combo)
{
    std::vector<DWORD> ports;
    const int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        ports.push_back(static_cast<DWORD>(SendMessageA(combo, CB_GETITEMDATA, static_cast<WPARAM>(i), 0)));
    return ports;
}

}  // namespace

class ModemDiscoveryTest : public ModemSetupTest {};

TEST_F(ModemDiscoveryTest, Windows95LayoutListsModelsWithTheirPorts)
{
    UseWindows95();
    InstallModem95(0, {"Hayes Accura 56K", "COM2", "", "", ""});
    // No "AttachedTo": the port comes from the device tree entry of its device identifier.
    InstallModem95(1, {"Sportster Fax", "", "*PNPC107", "", ""});
    AddDeviceTreePort("ISAPNP", "PNPC107_DEV", "COM4");
    InstallModem95(2, {"Unknown Port Modem", "", "*NOWHERE1", "", ""});
    InstallModem95(3, {"", "COM5", "", "", ""});  // no "Model": the list ends here
    InstallModem95(4, {"Never Listed", "COM6", "", "", ""});
    WriteSettingText(kModem, "SPORTSTER FAX");

    Open(kSetupPageModem, m_engine);
    ASSERT_EQ(kSetupPageModem, ActiveIndex());
    EXPECT_TRUE(g_bWinNT == FALSE);
    EXPECT_EQ((std::vector<std::string>{"Hayes Accura 56K", "Sportster Fax", "Unknown Port Modem"}),
              ComboTexts(IDC_MODEM_LIST));
    EXPECT_EQ((std::vector<DWORD>{2, 4, 0}), ItemPorts(Item(IDC_MODEM_LIST)));
    EXPECT_EQ(1, ComboSelection(IDC_MODEM_LIST));  // the stored modem, letter case ignored
}

TEST_F(ModemDiscoveryTest, WindowsNtLayoutListsFriendlyNamesWithTheirPorts)
{
    UseWindowsNT();
    InstallModemNT(0, {"Standard 33600 bps Modem", "COM1", "", "", ""});
    InstallModemNT(1, {"US Robotics 56K Fax", "", "isapnp\\usr3070", "", ""});
    AddDeviceTreePort("BIOS", "PNP0501", "COM3");  // a bus without the device
    AddDeviceTreePort("ISAPNP", "USR3070_MODEM", "COM4");
    WriteSettingText(kModem, "No Longer Installed");

    Open(kSetupPageModem, m_engine);
    EXPECT_TRUE(g_bWinNT != FALSE);
    EXPECT_EQ((std::vector<std::string>{"Standard 33600 bps Modem", "US Robotics 56K Fax"}), ComboTexts(IDC_MODEM_LIST));
    EXPECT_EQ((std::vector<DWORD>{1, 4}), ItemPorts(Item(IDC_MODEM_LIST)));
    EXPECT_EQ(0, ComboSelection(IDC_MODEM_LIST));  // the stored modem is gone: the first one
}

TEST_F(ModemDiscoveryTest, ADeviceChangeListsTheModemsAgain)
{
    UseWindowsNT();
    InstallModemNT(0, {"First Modem", "COM1", "", "", ""});
    Open(kSetupPageModem, m_engine);
    ASSERT_EQ(1u, ComboTexts(IDC_MODEM_LIST).size());

    InstallModemNT(1, {"Second Modem", "COM2", "", "", ""});
    WriteSettingText(kModem, "second modem");
    SendMessageA(Sheet().m_hWnd, WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 0);
    EXPECT_EQ((std::vector<std::string>{"First Modem", "Second Modem"}), ComboTexts(IDC_MODEM_LIST));
    EXPECT_EQ(1, ComboSelection(IDC_MODEM_LIST));

    // The control panel button only starts the control panel; the broadcast does the rest.
    Click(IDC_MODEM_INSTALL);
    ASSERT_EQ(1u, m_started.size());
    EXPECT_NE(std::string::npos, m_started[0].find("\\control "));
    EXPECT_NE(std::string::npos, m_started[0].find("\\modem.cpl"));
}

TEST_F(ModemDiscoveryTest, MalformedRegistryDataEndsTheListWithoutHarm)
{
    UseWindowsNT();
    InstallModemNT(0, {"Good Modem", "COM99999999999", "", "", ""});  // no such port
    InstallModemNT(1, {"Odd Port", "", "*ODD1", "", ""});
    // A bus name longer than any bus is skipped; a port name that is not a text is no port.
    AddDeviceTreePort(std::string(200, 'B'), "ODD1", "COM7");
    WriteRegistryDword(HKEY_LOCAL_MACHINE, "Enum\\ISAPNP\\ODD1\\0000", "PortName", 8);
    InstallModemNT(2, {std::string(300, 'N'), "COM2", "", "", ""});  // a name too long to read
    InstallModemNT(3, {"After The Long Name", "COM3", "", "", ""});

    Open(kSetupPageModem, m_engine);
    EXPECT_EQ((std::vector<std::string>{"Good Modem", "Odd Port"}), ComboTexts(IDC_MODEM_LIST));
    EXPECT_EQ((std::vector<DWORD>{0, 0}), ItemPorts(Item(IDC_MODEM_LIST)));

    // A service enumeration value that is not a text, and a driver key that does not exist.
    const char name[] = "Binary";
    WriteRegistryBinary(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Services\\Modem\\Enum", "0", name, 6);
    EXPECT_TRUE(DiscoverModemsNT().empty());
    InstallModemNT(0, {"Good Modem", "COM1", "", "", ""});
    WriteRegistryString(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Enum\\ROOT\\MODEM\\0000", "Driver",
                        std::string(kModemClassGuid) + "\\9999");
    EXPECT_TRUE(DiscoverModemsNT().empty());
}

TEST_F(ModemDiscoveryTest, ModemCommandsAreReadFromTheDriverKeyOfEitherLayout)
{
    InstallModem95(0, {"Hayes", "COM2", "", "ATZ<cr>", "AT&F E0 V1<cr>"});
    InstallModem95(1, {"Bare", "COM3", "", "", ""});
    InstallModemNT(0, {"NT Hayes", "COM2", "", "AT&F<cr>", "ATE0<cr><lf>"});
    ModemCommands commands = ReadModemCommands(0, false);
    EXPECT_EQ("ATZ", commands.strReset);
    EXPECT_EQ("AT&F E0 V1", commands.strInit);
    commands = ReadModemCommands(1, false);
    EXPECT_EQ("", commands.strReset);
    EXPECT_EQ("", commands.strInit);
    commands = ReadModemCommands(0, true);
    EXPECT_EQ("AT&F", commands.strReset);
    EXPECT_EQ("ATE0", commands.strInit);
    commands = ReadModemCommands(5, true);
    EXPECT_EQ("", commands.strReset);
    EXPECT_EQ("", commands.strInit);
}
