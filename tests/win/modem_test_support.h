#pragma once
// Installed modems as the system registry of the local machine describes them, on either
// layout, for tests of the Fax Modem Setup page; the stand-in engine opened on a store of
// its own; and a window titled as the suite's mail application that records what it gets.
// Every tree of the local machine that a test may change is put back afterwards.

#include <memory>

#include "engine/fax_engine.h"
#include "registry_backup.h"
#include "setup_sheet_support.h"

namespace testsupport {

constexpr char kModemClassGuid[] = "{4D36E96D-E325-11CE-BFC1-08002BE10318}";

struct ModemEntry {
    std::string name;              // "Model" (95) or "FriendlyName" (NT); empty: none
    std::string attachedTo;        // "AttachedTo"; empty: none
    std::string matchingDeviceId;  // "MatchingDeviceId"; empty: none
    std::string reset;             // "Reset"; empty: none
    std::string init;              // "Init\1"; empty: none
};

class ModemSetupTest : public SetupSheetTest {
protected:
    ModemSetupTest();
    void SetUp() override;
    void TearDown() override;

    // The platform family the Modem page sees when it is built (NT unless told).
    void UseWindows95() { m_platformId = VER_PLATFORM_WIN32_WINDOWS; }

    // A modem at a position of the Windows 95 layout (Services\Class\Modem\<nnnn>).
    void InstallModem95(int position, const ModemEntry& modem);
    // A modem as the n-th device of the modem service (Windows NT layout), with its device
    // key under Enum\ROOT\MODEM\<nnnn> and its driver key under the modem class.
    void InstallModemNT(int n, const ModemEntry& modem);
    // A port in the device tree that a "MatchingDeviceId" is looked up in.
    void AddDeviceTreePort(const std::string& bus, const std::string& device, const std::string& portName);

    // The stand-in engine's view of what the page did.
    std::vector<DWORD> ActiveDevices() const;
    std::string EngineConfig(const char* key) const;
    DWORD CallCount(const char* call) const;
    void AcceptOnlyPorts(std::vector<DWORD> ports) const;
    // Messages the mail application's window received.
    std::vector<UINT> MailMessages() const;

    FAXENGINE m_engine = 0;
    std::vector<DWORD> m_releaseWaits;
    // What the engine was doing while the page waited for it to let go of the old device.
    std::vector<std::string> m_atReleaseWait;

private:
    static void RecordWait(DWORD ms, void* context);

    // Saved when the test is made: the trees are put back after everything else went.
    std::vector<std::unique_ptr<RegistryTreeBackup>> m_trees;
    DWORD m_platformId = VER_PLATFORM_WIN32_NT;
    std::unique_ptr<TempFolder> m_store;
    HWND m_mailWindow = nullptr;
};

}  // namespace testsupport
