// Installed modems found by the Fax Modem Setup page on both registry layouts: names, ports
// (attached, or looked up in the device tree), the stored modem selected, discovery again on
// a device change, and the commands read for the engine.
#include <windows.h>
#include <dbt.h>

#include "modem_test_support.h"
#include "setup/modem_discovery.h"
#include "setup/platform_version.h"

using namespace testsupport;

class ModemDiscoveryTest : public ModemSetupTest {
protected:
    // Each entry's name and port.
    std::string Listed() const
    {
        std::string listed;
        for (int i = 0; i < static_cast<int>(ComboTexts(IDC_MODEM_LIST).size()); ++i)
            listed += ComboTexts(IDC_MODEM_LIST)[static_cast<size_t>(i)] + "@" +
                      std::to_string(SendMessageA(Item(IDC_MODEM_LIST), CB_GETITEMDATA, static_cast<WPARAM>(i), 0)) + " ";
        return listed + "selected " + std::to_string(ComboSelection(IDC_MODEM_LIST));
    }
};

TEST_F(ModemDiscoveryTest, Windows95LayoutListsModelsWithTheirPortsAndCommands)
{
    UseWindows95();
    InstallModem95(0, {"Hayes Accura 56K", "COM2", "", "ATZ<cr>", "AT&F E0 V1<cr>"});
    // No "AttachedTo": the port comes from the device tree entry of its device identifier.
    InstallModem95(1, {"Sportster Fax", "", "*PNPC107", "", ""});
    AddDeviceTreePort("ISAPNP", "PNPC107_DEV", "COM4");
    InstallModem95(2, {"Unknown Port Modem", "", "*NOWHERE1", "", ""});
    InstallModem95(3, {"", "COM5", "", "", ""});  // no "Model": the list ends here
    InstallModem95(4, {"Never Listed", "COM6", "", "", ""});
    WriteSettingText(kModem, "SPORTSTER FAX");  // letter case ignored
    Open(kSetupPageModem, m_engine);
    EXPECT_EQ("Hayes Accura 56K@2 Sportster Fax@4 Unknown Port Modem@0 selected 1", Listed());
    const ModemCommands commands = ReadModemCommands(0, false);
    EXPECT_EQ("ATZ|AT&F E0 V1", commands.strReset + "|" + commands.strInit);
}

TEST_F(ModemDiscoveryTest, WindowsNtLayoutListsFriendlyNamesAgainOnADeviceChange)
{
    InstallModemNT(0, {"Standard 33600 bps Modem", "COM1", "", "", ""});
    InstallModemNT(1, {"US Robotics 56K Fax", "", "isapnp\\usr3070", "", ""});
    AddDeviceTreePort("BIOS", "PNP0501", "COM3");  // a bus without the device
    AddDeviceTreePort("ISAPNP", "USR3070_MODEM", "COM4");
    WriteSettingText(kModem, "No Longer Installed");
    Open(kSetupPageModem, m_engine);
    EXPECT_EQ("Standard 33600 bps Modem@1 US Robotics 56K Fax@4 selected 0", Listed());

    InstallModemNT(2, {"Third Modem", "COM2", "", "", ""});
    WriteSettingText(kModem, "third modem");
    SendMessageA(Sheet().m_hWnd, WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 0);
    EXPECT_EQ("Standard 33600 bps Modem@1 US Robotics 56K Fax@4 Third Modem@2 selected 2", Listed());
}
