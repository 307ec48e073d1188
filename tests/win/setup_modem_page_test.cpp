// Accepting the Fax Modem Setup page: the engine moved to a newly chosen modem (and left
// alone for the same one), modems that cannot be accepted, the answering modes and their
// pending change, forwarding targets, the speaker, and the mail application's notice.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "RWFaxDlg.h"
#include "host/fax_app.h"
#include "modem_test_support.h"
#include "res/resource.h"
#include "settings/setting_names.h"
#include "settings/setting_readers.h"
#include "setup/engine_device_switch.h"

using namespace testsupport;

namespace {
std::string Stored(const char* name) { return ReadSettingText(name, 256, "<missing>"); }
DWORD StoredNumber(const char* name) { return ReadSettingNumber(name, 0xDEAD); }
const char kNotAFaxModem[] =
    "The modem you have selected does not appear to be a fax modem.  Please select another modem.";
}  // namespace

class ModemPageTest : public ModemSetupTest {
protected:
    void SetUp() override
    {
        ModemSetupTest::SetUp();
        UseWindowsNT();
        InstallModemNT(0, {"Hayes Accura", "COM2", "", "ATZ<cr>", "AT&F<cr>"});
        InstallModemNT(1, {"Sportster", "", "*PNPC107", "ATZ0<cr>", "ATE0V1<cr>"});
        AddDeviceTreePort("ISAPNP", "PNPC107", "COM4");
        InstallModemNT(2, {"No Port", "", "", "", ""});
    }
    // The engine and the settings as they are after a modem on port 2 was accepted earlier.
    void StoreModemOnPort2(DWORD autoReceive = 1, DWORD forward = 0)
    {
        WriteSettingText(kModem, "Hayes Accura");
        WriteSettingNumber(kCommPort, 2);
        WriteSettingNumber(kAutoReceive, autoReceive);
        WriteSettingNumber(kFaxForwardSetting, forward);
        ASSERT_EQ(1u, FaxAddDevice(m_engine, 2));
    }
    void SelectModem(int index) { SendMessageA(Item(IDC_MODEM_LIST), CB_SETCURSEL, static_cast<WPARAM>(index), 0); }
    void SelectTarget(int index)
    {
        SendMessageA(Item(IDC_MODEM_FORWARDLIST), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
    std::vector<std::string> AcceptSheet()
    {
        std::vector<std::string> boxes = AnsweringBoxes([&] { CloseWithOk(); });
        EXPECT_TRUE(Closed());
        return boxes;
    }
    struct Calls {
        DWORD add, remove, enumerate, config;
    };
    Calls EngineCalls() const
    {
        return {CallCount("FaxAddDevice"), CallCount("FaxRemoveDevice"), CallCount("FaxEnumDevices"),
                CallCount("FaxSetConfig")};
    }
};

TEST_F(ModemPageTest, AcceptingTheStoredModemLeavesTheEnginesDevicesAlone)
{
    StoreModemOnPort2();
    Open(kSetupPageModem, m_engine);
    ASSERT_EQ(0, ComboSelection(IDC_MODEM_LIST));
    const Calls before = EngineCalls();
    EXPECT_TRUE(AcceptSheet().empty());

    const Calls after = EngineCalls();
    EXPECT_EQ(before.add, after.add);
    EXPECT_EQ(before.remove, after.remove);
    EXPECT_EQ(before.enumerate, after.enumerate);
    EXPECT_EQ(before.config + 1, after.config);
    EXPECT_EQ("ON", EngineConfig("AutoReceive"));
    EXPECT_EQ((std::vector<DWORD>{2}), ActiveDevices());
    EXPECT_TRUE(m_releaseWaits.empty());
    // The modem's commands are stored all the same, without their "<cr>".
    EXPECT_EQ("ATZ", Stored(kModemReset));
    EXPECT_EQ("AT&F", Stored(kModemInit));
    EXPECT_EQ("Hayes Accura", Stored(kModem));
    EXPECT_EQ(2u, StoredNumber(kCommPort));
    EXPECT_EQ(1u, StoredNumber(kAutoReceive));
    EXPECT_EQ(0xDEADu, StoredNumber(kAutoReceiveBusy));
    EXPECT_EQ((std::vector<UINT>{WM_FAX_MODEM_CHANGED}), MailMessages());
}

TEST_F(ModemPageTest, AcceptingAnotherModemMovesTheEngineToItsPort)
{
    StoreModemOnPort2();
    g_bDisplayStatus = 0;
    g_bNotifyOnCompletion = 1;
    Open(kSetupPageModem, m_engine);
    SelectModem(1);
    EXPECT_TRUE(AcceptSheet().empty());

    EXPECT_EQ((std::vector<DWORD>{4}), ActiveDevices());
    EXPECT_EQ((std::vector<DWORD>{kDeviceReleaseWaitMs}), m_releaseWaits);
    // The old device stops answering and is let go before the new one is added.
    EXPECT_EQ((std::vector<std::string>{"AutoReceive OFF, devices 0"}), m_atReleaseWait);
    EXPECT_EQ("Sportster", Stored(kModem));
    EXPECT_EQ(4u, StoredNumber(kCommPort));
    EXPECT_EQ("ATZ0", Stored(kModemReset));
    EXPECT_EQ("ATE0V1", Stored(kModemInit));
    EXPECT_EQ("ON", EngineConfig("AutoReceive"));
    EXPECT_EQ(0u, StoredNumber(kDisplayStatus));
    EXPECT_EQ(1u, StoredNumber(kNotifyOnCompletion));
    EXPECT_EQ(1u, StoredNumber(kSpeakerVolume));
    EXPECT_EQ(1u, StoredNumber(kOnUntilConnected));
    EXPECT_EQ(1u, MailMessages().size());
}

TEST_F(ModemPageTest, AModemTheEngineRefusesOrWithoutAPortIsNotAccepted)
{
    StoreModemOnPort2();
    AcceptOnlyPorts({2});
    Open(kSetupPageModem, m_engine);
    SelectModem(1);
    std::vector<std::string> boxes = AcceptSheet();  // the sheet still closes
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(kNotAFaxModem, boxes[0]);
    EXPECT_EQ("Hayes Accura", Stored(kModem));
    EXPECT_EQ(2u, StoredNumber(kCommPort));
    EXPECT_TRUE(MailMessages().empty());
    // The commands and the answering mode were handed on before the refusal.
    EXPECT_EQ("ATZ0", Stored(kModemReset));
    EXPECT_EQ("ON", EngineConfig("AutoReceive"));

    const Calls before = EngineCalls();
    Open(kSetupPageModem, m_engine);
    SelectModem(2);  // no port known
    boxes = AcceptSheet();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(kNotAFaxModem, boxes[0]);
    EXPECT_EQ(before.add, EngineCalls().add);
    EXPECT_EQ("Hayes Accura", Stored(kModem));
}

TEST_F(ModemPageTest, WithNoModemInstalledNothingIsStoredButTheRefusal)
{
    DeleteRegistryTree(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Services\\Modem");
    Open(kSetupPageModem, m_engine);
    EXPECT_TRUE(ComboTexts(IDC_MODEM_LIST).empty());
    EXPECT_EQ(-1, ComboSelection(IDC_MODEM_LIST));
    std::vector<std::string> boxes = AcceptSheet();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(kNotAFaxModem, boxes[0]);
    EXPECT_EQ("<missing>", Stored(kModem));
    EXPECT_EQ("<missing>", Stored(kModemInit));
    EXPECT_EQ(0xDEADu, StoredNumber(kCommPort));
    EXPECT_EQ("OFF", EngineConfig("AutoReceive"));
}

TEST_F(ModemPageTest, WithoutAStoredPortTheAnsweringControlsAreOff)
{
    WriteSettingNumber(kAutoReceive, 1);
    WriteSettingNumber(kFaxForwardType, 0x8000);
    WriteSettingNumber(kFaxForwardNumber, 5);
    Open(kSetupPageModem, m_engine);
    EXPECT_FALSE(Checked(IDC_MODEM_AUTORECEIVE));
    EXPECT_FALSE(Enabled(IDC_MODEM_AUTORECEIVE));
    EXPECT_FALSE(Enabled(IDC_MODEM_FORWARD));
    EXPECT_FALSE(Enabled(IDC_MODEM_FORWARDLIST));
    EXPECT_TRUE(ComboTexts(IDC_MODEM_FORWARDLIST).empty());

    SelectModem(0);
    EXPECT_TRUE(AcceptSheet().empty());
    EXPECT_EQ((std::vector<DWORD>{2}), ActiveDevices());
    EXPECT_EQ(2u, StoredNumber(kCommPort));
    EXPECT_EQ(0u, StoredNumber(kAutoReceive));
    EXPECT_EQ("OFF", EngineConfig("AutoReceive"));
    // No list, no target chosen: the stored one stays.
    EXPECT_EQ(0x8000u, StoredNumber(kFaxForwardType));
    EXPECT_EQ(5u, StoredNumber(kFaxForwardNumber));
}

TEST_F(ModemPageTest, AutoReceiveAndForwardingExcludeEachOther)
{
    StoreModemOnPort2(1, 0);
    Open(kSetupPageModem, m_engine);
    EXPECT_TRUE(Checked(IDC_MODEM_AUTORECEIVE));
    EXPECT_FALSE(Checked(IDC_MODEM_FORWARD));
    EXPECT_FALSE(Enabled(IDC_MODEM_FORWARDLIST));

    Click(IDC_MODEM_FORWARD);
    EXPECT_TRUE(Checked(IDC_MODEM_FORWARD));
    EXPECT_FALSE(Checked(IDC_MODEM_AUTORECEIVE));
    EXPECT_TRUE(Enabled(IDC_MODEM_FORWARDLIST));
    Click(IDC_MODEM_AUTORECEIVE);
    EXPECT_FALSE(Checked(IDC_MODEM_FORWARD));
    EXPECT_FALSE(Enabled(IDC_MODEM_FORWARDLIST));
    Click(IDC_MODEM_FORWARD);

    // Auto receive handed over to forwarding: nothing is pending.
    EXPECT_TRUE(AcceptSheet().empty());
    EXPECT_EQ(0xDEADu, StoredNumber(kAutoReceiveBusy));
    EXPECT_EQ(0u, StoredNumber(kAutoReceive));
    EXPECT_EQ(1u, StoredNumber(kFaxForwardSetting));
    EXPECT_EQ("ON", EngineConfig("AutoReceive"));
}

TEST_F(ModemPageTest, SwitchingAnsweringOffIsPendingAndLocksTheControlsNextTime)
{
    StoreModemOnPort2(1, 0);
    Open(kSetupPageModem, m_engine);
    Click(IDC_MODEM_AUTORECEIVE);
    ASSERT_FALSE(Checked(IDC_MODEM_FORWARD));
    EXPECT_TRUE(AcceptSheet().empty());
    EXPECT_EQ(1u, StoredNumber(kAutoReceiveBusy));
    EXPECT_EQ("OFF", EngineConfig("AutoReceive"));

    Open(kSetupPageModem, m_engine);
    EXPECT_FALSE(Enabled(IDC_MODEM_AUTORECEIVE));
    EXPECT_FALSE(Enabled(IDC_MODEM_FORWARD));
    EXPECT_FALSE(Enabled(IDC_MODEM_FORWARDLIST));
    CloseWithCancel();
}

TEST_F(ModemPageTest, ForwardingTargetsAreSpeedAndRapidDialNumbers)
{
    StoreModemOnPort2(0, 1);
    WriteSettingNumber(kFaxForwardType, 0x8000);
    WriteSettingNumber(kFaxForwardNumber, 20);
    Open(kSetupPageModem, m_engine);
    const std::vector<std::string> targets = ComboTexts(IDC_MODEM_FORWARDLIST);
    ASSERT_EQ(120u, targets.size());
    EXPECT_EQ("Speed Dial 00", targets[0]);
    EXPECT_EQ("Speed Dial 99", targets[99]);
    EXPECT_EQ("Rapid Dial 01", targets[100]);
    EXPECT_EQ("Rapid Dial 20", targets[119]);
    EXPECT_EQ("Rapid Dial 20", ComboSelectedText(IDC_MODEM_FORWARDLIST));
    EXPECT_TRUE(Enabled(IDC_MODEM_FORWARDLIST));

    SelectTarget(104);
    ASSERT_EQ("Rapid Dial 05", ComboSelectedText(IDC_MODEM_FORWARDLIST));
    EXPECT_TRUE(AcceptSheet().empty());
    EXPECT_EQ(32768u, StoredNumber(kFaxForwardType));
    EXPECT_EQ(5u, StoredNumber(kFaxForwardNumber));

    Open(kSetupPageModem, m_engine);
    EXPECT_EQ("Rapid Dial 05", ComboSelectedText(IDC_MODEM_FORWARDLIST));
    SelectTarget(7);
    EXPECT_TRUE(AcceptSheet().empty());
    EXPECT_EQ(4096u, StoredNumber(kFaxForwardType));
    EXPECT_EQ(7u, StoredNumber(kFaxForwardNumber));

    // A stored number past the list selects nothing, and then nothing is stored over it.
    WriteSettingNumber(kFaxForwardNumber, 4000000000u);
    Open(kSetupPageModem, m_engine);
    EXPECT_EQ(-1, ComboSelection(IDC_MODEM_FORWARDLIST));
    EXPECT_TRUE(AcceptSheet().empty());
    EXPECT_EQ(4000000000u, StoredNumber(kFaxForwardNumber));
}

TEST_F(ModemPageTest, SpeakerOffDisablesOnUntilConnected)
{
    StoreModemOnPort2();
    WriteSettingNumber(kSpeakerVolume, 0);
    WriteSettingNumber(kOnUntilConnected, 0);
    Open(kSetupPageModem, m_engine);
    HWND volume = Item(IDC_MODEM_VOLUME);
    EXPECT_EQ(0, SendMessageA(volume, TBM_GETPOS, 0, 0));
    EXPECT_EQ(0, SendMessageA(volume, TBM_GETRANGEMIN, 0, 0));
    EXPECT_EQ(3, SendMessageA(volume, TBM_GETRANGEMAX, 0, 0));
    EXPECT_FALSE(Enabled(IDC_MODEM_ONUNTIL));
    EXPECT_FALSE(Checked(IDC_MODEM_ONUNTIL));

    SendMessageA(volume, WM_KEYDOWN, VK_RIGHT, 0);
    SendMessageA(volume, WM_KEYUP, VK_RIGHT, 0);
    EXPECT_EQ(1, SendMessageA(volume, TBM_GETPOS, 0, 0));
    EXPECT_TRUE(Enabled(IDC_MODEM_ONUNTIL));
    Click(IDC_MODEM_ONUNTIL);
    SendMessageA(volume, WM_KEYDOWN, VK_END, 0);
    SendMessageA(volume, WM_KEYUP, VK_END, 0);
    EXPECT_TRUE(AcceptSheet().empty());
    EXPECT_EQ(3u, StoredNumber(kSpeakerVolume));
    EXPECT_EQ(1u, StoredNumber(kOnUntilConnected));

    // A stored volume past the scale shows as high and is stored back as high.
    WriteSettingNumber(kSpeakerVolume, 77);
    Open(kSetupPageModem, m_engine);
    EXPECT_EQ(3, SendMessageA(Item(IDC_MODEM_VOLUME), TBM_GETPOS, 0, 0));
    EXPECT_TRUE(AcceptSheet().empty());
    EXPECT_EQ(3u, StoredNumber(kSpeakerVolume));
}

TEST_F(ModemPageTest, APageNeverShownLeavesTheEngineAndTheSettingsAlone)
{
    StoreModemOnPort2();
    Open(kSetupPageGeneral, m_engine);
    const Calls before = EngineCalls();
    EXPECT_TRUE(AcceptSheet().empty());
    const Calls after = EngineCalls();
    EXPECT_EQ(before.config, after.config);
    EXPECT_EQ(before.add, after.add);
    EXPECT_EQ("<missing>", Stored(kModemInit));
    EXPECT_TRUE(MailMessages().empty());
}

TEST_F(ModemPageTest, EverySetupExportHandsTheHostsEngineToThePages)
{
    StoreModemOnPort2(/*autoReceive=*/0);
    HMODULE module = LoadLibraryA("RWFaxDlg.dll");
    ASSERT_NE(nullptr, module);
    for (const char* name : {FAXDLL_EXPORT_NAME(FaxDLL_OnFaxGeneralSetup, 8), FAXDLL_EXPORT_NAME(FaxDLL_OnFaxModemSetup, 8),
                             FAXDLL_EXPORT_NAME(FaxDLL_OnFaxHeaderSetup, 8), FAXDLL_EXPORT_NAME(FaxDLL_OnFaxLogSetup, 8)}) {
        auto setup = reinterpret_cast<PFN_FaxDLL_OnFaxSetup>(reinterpret_cast<void*>(GetProcAddress(module, name)));
        ASSERT_NE(nullptr, setup) << name;
        FaxSetConfig(m_engine, "AutoReceive", "ON");
        // The user goes to the modem page and accepts: the page tells the engine its answering mode.
        OnNextActivation acceptOnModemPage(
            [](HWND sheet, void*) {
                PostMessageA(sheet, PSM_SETCURSEL, kSetupPageModem, 0);
                PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
            },
            nullptr);
        setup(&m_host, m_engine);
        EXPECT_TRUE(acceptOnModemPage.Fired()) << name;
        EXPECT_EQ("OFF", EngineConfig("AutoReceive")) << name;
    }
    FreeLibrary(module);
}
