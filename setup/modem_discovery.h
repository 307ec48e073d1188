#pragma once
// The modems the system has installed, found in the registry of the local machine by the
// layout of the Windows 95 family or of the Windows NT family, with the port each is
// attached to; and the reset and initialisation commands of one of them.
#include <windows.h>

#include <string>
#include <vector>

struct InstalledModem {
    std::string strName;  // the name the system shows ("Model" or "FriendlyName")
    DWORD nPort = 0;      // the communication port number; 0 when it is not known
};

// Windows 95 family: System\CurrentControlSet\Services\Class\Modem\<nnnn>.
std::vector<InstalledModem> DiscoverModems95();
// Windows NT family: the modem service's enumeration, the device keys and their driver keys.
std::vector<InstalledModem> DiscoverModemsNT();

// The port text ("COM4") of the first device in the device tree (Enum\<bus>\<device>) whose
// name holds the identifier, letter case ignored. False when no bus yields one.
bool FindPortByDeviceId(const std::string& deviceId, std::string* portText);

struct ModemCommands {
    std::string strReset;
    std::string strInit;
};
// The reset and first initialisation command of the modem at a position of the discovered
// list, each cut at its first '<'; empty where they cannot be read. bWinNT picks the layout.
ModemCommands ReadModemCommands(int position, bool bWinNT);
