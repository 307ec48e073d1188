#include "modem_test_support.h"

#include "RWFaxDlg.h"
#include "setup/engine_device_switch.h"
#include "setup/modem_set_page.h"
#include "setup/platform_version.h"

namespace testsupport {

namespace {
template <typename T>
T EngineCall(const char* name)
{
    return LoadedLibraryCall<T>("VOVADO32.dll", name);
}

std::string FourDigits(int n) { return "000" + std::to_string(n); }  // positions below ten

const std::string kModemTrees[] = {"System\\CurrentControlSet\\Services\\Class", "System\\CurrentControlSet\\Services\\Modem",
                                   "System\\CurrentControlSet\\Enum\\ROOT\\MODEM",
                                   std::string("System\\CurrentControlSet\\Control\\Class\\") + kModemClassGuid, "Enum"};
const char kMailClass[] = "RWFaxTestMailrunner";
std::vector<UINT>* t_mailMessages = nullptr;

LRESULT CALLBACK MailWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_FAX_MODEM_CHANGED && t_mailMessages && wParam == 0 && lParam == 0)
        t_mailMessages->push_back(message);
    return DefWindowProcA(window, message, wParam, lParam);
}

DWORD PlatformId(void* context) { return *static_cast<DWORD*>(context); }

void WriteModemKey(const std::string& path, const ModemEntry& modem, const char* nameValue)
{
    const std::pair<const char*, const std::string*> values[] = {
        {nameValue, &modem.name}, {"AttachedTo", &modem.attachedTo}, {"MatchingDeviceId", &modem.matchingDeviceId},
        {"Reset", &modem.reset}};
    for (const auto& value : values)
        if (!value.second->empty())
            WriteRegistryString(HKEY_LOCAL_MACHINE, path.c_str(), value.first, *value.second);
    if (!modem.init.empty())
        WriteRegistryString(HKEY_LOCAL_MACHINE, (path + "\\Init").c_str(), "1", modem.init);
    if (modem.name.empty() && modem.attachedTo.empty() && modem.matchingDeviceId.empty())
        WriteRegistryString(HKEY_LOCAL_MACHINE, path.c_str(), "DriverDesc", "modem");
}
}  // namespace

ModemSetupTest::ModemSetupTest()
{
    for (const std::string& tree : kModemTrees)
        m_trees.push_back(std::make_unique<RegistryTreeBackup>(HKEY_LOCAL_MACHINE, tree));
}

void ModemSetupTest::SetUp()
{
    SetupSheetTest::SetUp();
    for (const std::string& tree : kModemTrees)
        DeleteRegistryTree(HKEY_LOCAL_MACHINE, tree.c_str());
    SetPlatformIdQuery(&PlatformId, &m_platformId);
    SetDeviceReleaseWait(&ModemSetupTest::RecordWait, this);

    m_store = std::make_unique<TempFolder>();
    auto setStore = EngineCall<DWORD(WINAPI*)(const char*)>("FaxStandInSetStoreFolder");
    auto open = EngineCall<FAXENGINE(WINAPI*)(HWND, UINT)>("FaxStandInOpen");
    ASSERT_TRUE(setStore && open);
    ASSERT_NE(0u, setStore(m_store->File("engine").c_str()));
    m_engine = open(nullptr, 0);
    AcceptOnlyPorts({});

    t_mailMessages = new std::vector<UINT>();
    WNDCLASSA mailClass = {};
    mailClass.lpfnWndProc = &MailWindowProc;
    mailClass.hInstance = GetModuleHandleA(nullptr);
    mailClass.lpszClassName = kMailClass;
    RegisterClassA(&mailClass);
    m_mailWindow = CreateWindowA(kMailClass, kMailApplicationTitle, WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, m_mailWindow);
    g_bAutoReceiveAtOpen = FALSE;
    g_bForwardAtOpen = FALSE;
}

void ModemSetupTest::TearDown()
{
    SetupSheetTest::TearDown();  // the sheet goes first
    if (m_mailWindow)
        DestroyWindow(m_mailWindow);
    delete t_mailMessages;
    t_mailMessages = nullptr;
    AcceptOnlyPorts({});
    if (auto close = EngineCall<DWORD(WINAPI*)(FAXENGINE)>("FaxStandInClose"))
        close(m_engine);
    if (auto setStore = EngineCall<DWORD(WINAPI*)(const char*)>("FaxStandInSetStoreFolder"))
        setStore(nullptr);
    m_store.reset();
    SetDeviceReleaseWait(nullptr, nullptr);
    SetPlatformIdQuery(nullptr, nullptr);
}

void ModemSetupTest::RecordWait(DWORD ms, void* context)
{
    auto* self = static_cast<ModemSetupTest*>(context);
    self->m_releaseWaits.push_back(ms);
    self->m_atReleaseWait.push_back("AutoReceive " + self->EngineConfig("AutoReceive") + ", devices " +
                                    std::to_string(self->ActiveDevices().size()));
}

std::vector<UINT> ModemSetupTest::MailMessages() const
{
    PumpPending();
    return t_mailMessages ? *t_mailMessages : std::vector<UINT>();
}

void ModemSetupTest::InstallModem95(int position, const ModemEntry& modem)
{
    WriteModemKey("System\\CurrentControlSet\\Services\\Class\\Modem\\" + FourDigits(position), modem, "Model");
}

void ModemSetupTest::InstallModemNT(int n, const ModemEntry& modem)
{
    const std::string instance = "ROOT\\MODEM\\" + FourDigits(n);
    WriteRegistryString(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Services\\Modem\\Enum", std::to_string(n).c_str(),
                        instance);
    const std::string deviceKey = "System\\CurrentControlSet\\Enum\\" + instance;
    const std::string driver = std::string(kModemClassGuid) + "\\" + FourDigits(n);
    WriteRegistryString(HKEY_LOCAL_MACHINE, deviceKey.c_str(), "Driver", driver);
    WriteRegistryString(HKEY_LOCAL_MACHINE, deviceKey.c_str(), "ClassGUID", kModemClassGuid);
    WriteModemKey("System\\CurrentControlSet\\Control\\Class\\" + driver, modem, "FriendlyName");
}

void ModemSetupTest::AddDeviceTreePort(const std::string& bus, const std::string& device, const std::string& portName)
{
    WriteRegistryString(HKEY_LOCAL_MACHINE, ("Enum\\" + bus + "\\" + device + "\\0000").c_str(), "PortName", portName);
}

std::vector<DWORD> ModemSetupTest::ActiveDevices() const
{
    auto active = EngineCall<DWORD(WINAPI*)(DWORD*, DWORD)>("FaxStandInGetActiveDevices");
    DWORD ports[16] = {};
    DWORD count = active ? active(ports, 16) : 0;
    return std::vector<DWORD>(ports, ports + (count < 16 ? count : 16));
}

std::string ModemSetupTest::EngineConfig(const char* key) const
{
    auto config = EngineCall<DWORD(WINAPI*)(const char*, char*, DWORD)>("FaxStandInGetConfig");
    char value[64] = {};
    return config && config(key, value, sizeof value) ? value : "<unset>";
}

DWORD ModemSetupTest::CallCount(const char* call) const
{
    auto count = EngineCall<DWORD(WINAPI*)(const char*)>("FaxStandInCallCount");
    return count ? count(call) : 0;
}

void ModemSetupTest::AcceptOnlyPorts(std::vector<DWORD> ports) const
{
    if (auto setDevices = EngineCall<void(WINAPI*)(const DWORD*, DWORD)>("FaxStandInSetDevices"))
        setDevices(ports.data(), static_cast<DWORD>(ports.size()));
}

}  // namespace testsupport
