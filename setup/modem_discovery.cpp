#include "setup/modem_discovery.h"

#include <cstdio>

#include "setup/machine_registry.h"
#include "setup/setup_rules.h"

namespace {
const char kModemClass95[] = "System\\CurrentControlSet\\Services\\Class\\Modem";
const char kModemServiceEnum[] = "System\\CurrentControlSet\\Services\\Modem\\Enum";
const char kDeviceTreeNT[] = "System\\CurrentControlSet\\Enum";
const char kDriverClassNT[] = "System\\CurrentControlSet\\Control\\Class";
const char kDeviceTree95[] = "Enum";

constexpr size_t kModemNameBuffer = 260;
constexpr size_t kPathBuffer = 260;
constexpr size_t kPortTextBuffer = 128;
constexpr size_t kCommandBuffer = 128;
constexpr size_t kModemKeyNameChars = 255;
constexpr size_t kDeviceTreeNameChars = 128;

// "\nnnn": the driver key of a list position.
std::string PositionKey(int position)
{
    char text[16] = {};
    std::snprintf(text, sizeof text, "\\%04d", position);
    return text;
}

// The port of a modem's driver key: "AttachedTo", or else its device identifier looked up
// in the device tree. 0 when neither gives one.
DWORD PortOfDriverKey(const CMachineKey& driver)
{
    std::string portText;
    if (!driver.ReadText("AttachedTo", kPortTextBuffer, &portText)) {
        std::string matchingId;
        if (!driver.ReadText("MatchingDeviceId", kPathBuffer, &matchingId) ||
            !FindPortByDeviceId(DeviceIdFromMatchingId(matchingId), &portText))
            portText.clear();
    }
    return PortNumberFromText(portText);
}

// The device key's instance path of the modem service's n-th device.
bool ModemInstancePath(int n, std::string* instance)
{
    CMachineKey service(kModemServiceEnum);
    return service.IsOpen() && service.ReadText(std::to_string(n).c_str(), kPathBuffer, instance);
}
}  // namespace

std::vector<InstalledModem> DiscoverModems95()
{
    std::vector<InstalledModem> modems;
    CMachineKey modemClass(kModemClass95);
    if (!modemClass.IsOpen())
        return modems;
    for (DWORD index = 0;; ++index) {
        std::string name;
        if (modemClass.SubkeyName(index, kModemKeyNameChars, &name) != ERROR_SUCCESS)
            break;
        CMachineKey driver(std::string(kModemClass95) + "\\" + name);
        if (!driver.IsOpen())
            break;
        InstalledModem modem;
        const bool named = driver.ReadText("Model", kModemNameBuffer, &modem.strName);
        modem.nPort = PortOfDriverKey(driver);
        if (!named)
            break;
        modems.push_back(modem);
    }
    return modems;
}

std::vector<InstalledModem> DiscoverModemsNT()
{
    std::vector<InstalledModem> modems;
    for (int n = 0;; ++n) {
        std::string instance;
        if (!ModemInstancePath(n, &instance))
            break;
        CMachineKey device(std::string(kDeviceTreeNT) + "\\" + instance);
        std::string driverKey;
        if (!device.IsOpen() || !device.ReadText("Driver", kPathBuffer, &driverKey))
            break;
        CMachineKey driver(std::string(kDriverClassNT) + "\\" + driverKey);
        if (!driver.IsOpen())
            break;
        InstalledModem modem;
        const bool named = driver.ReadText("FriendlyName", kModemNameBuffer, &modem.strName);
        modem.nPort = PortOfDriverKey(driver);
        if (!named)
            break;
        modems.push_back(modem);
    }
    return modems;
}

bool FindPortByDeviceId(const std::string& deviceId, std::string* portText)
{
    CMachineKey tree(kDeviceTree95);
    if (!tree.IsOpen())
        return false;
    for (DWORD busIndex = 0;; ++busIndex) {
        std::string bus;
        LONG result = tree.SubkeyName(busIndex, kDeviceTreeNameChars, &bus);
        if (result == ERROR_MORE_DATA)
            continue;  // a name longer than any bus name: not a bus of ours
        if (result != ERROR_SUCCESS)
            return false;
        const std::string busPath = std::string(kDeviceTree95) + "\\" + bus;
        CMachineKey busKey(busPath);
        if (!busKey.IsOpen())
            continue;
        // The first device of the bus whose name holds the identifier and that opens.
        std::string devicePath;
        for (DWORD deviceIndex = 0; devicePath.empty(); ++deviceIndex) {
            std::string device;
            result = busKey.SubkeyName(deviceIndex, kDeviceTreeNameChars, &device);
            if (result == ERROR_MORE_DATA)
                continue;
            if (result != ERROR_SUCCESS)
                break;
            if (DeviceNameMatches(device, deviceId) && CMachineKey(busPath + "\\" + device).IsOpen())
                devicePath = busPath + "\\" + device;
        }
        if (devicePath.empty())
            continue;
        CMachineKey deviceKey(devicePath);
        std::string instanceName;
        if (deviceKey.SubkeyName(0, kDeviceTreeNameChars, &instanceName) != ERROR_SUCCESS)
            continue;
        CMachineKey instance(devicePath + "\\" + instanceName);
        std::string port;
        if (instance.IsOpen() && instance.ReadText("PortName", kPortTextBuffer, &port)) {
            *portText = port;
            return true;
        }
    }
}

ModemCommands ReadModemCommands(int position, bool bWinNT)
{
    ModemCommands commands;
    std::string driverPath;
    if (bWinNT) {
        std::string instance, classGuid;
        CMachineKey device;
        if (ModemInstancePath(position, &instance) && device.Open(std::string(kDeviceTreeNT) + "\\" + instance) &&
            device.ReadText("ClassGUID", kPathBuffer, &classGuid))
            driverPath = std::string(kDriverClassNT) + "\\" + classGuid + PositionKey(position);
    } else {
        driverPath = std::string(kModemClass95) + PositionKey(position);
    }
    if (driverPath.empty())
        return commands;
    CMachineKey driver(driverPath);
    if (driver.ReadText("Reset", kCommandBuffer, &commands.strReset))
        commands.strReset = ModemCommandText(commands.strReset);
    CMachineKey init(driverPath + "\\Init");
    if (init.ReadText("1", kCommandBuffer, &commands.strInit))
        commands.strInit = ModemCommandText(commands.strInit);
    return commands;
}
