// Accepting the Fax Modem Setup page: the engine moved to a newly chosen modem (and left
// alone for the same one), modems that cannot be accepted, the answering modes and their
// pending change, forwarding targets, the speaker, and the mail application's notice.
#include <windows.h>
#include <commctrl.h>

#include "RWFaxDlg.h"
#include "host/fax_app.h"
#include "modem_test_support.h"
#include "setup/engine_device_switch.h"

using namespace testsupport;

namespace {
std::string Stored(const char* name) { return ReadSettingText(name, 256, "-"); }
DWORD StoredNumber(const char* name) { return ReadSettingNumber(name, 0xDEAD); }
const std::vector<std::string> kNotAFaxModem{
    "The modem you have selected does not appear to be a fax modem.  Please select another modem."};
}  // namespace

class ModemPageTest : public ModemSetupTest {
protected:
    void SetUp() override
    {
        ModemSetupTest::SetUp();
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
    void Select(int id, int index) { SendMessageA(Item(id), CB_SETCURSEL, static_cast<WPARAM>(index), 0); }
    std::vector<std::string> AcceptSheet()
    {
        std::vector<std::string> boxes = AnsweringBoxes([&] { CloseWithOk(); });
        EXPECT_TRUE(Closed());
        return boxes;
    }
    std::string Answering() const
    {
        std::string state;
        for (int id : {IDC_MODEM_AUTORECEIVE, IDC_MODEM_FORWARD, IDC_MODEM_FORWARDLIST})
            state += std::string(Enabled(id) ? "on" : "off") + (Checked(id) ? "[x] " : " ");
        return state;
    }
};

TEST_F(ModemPageTest, AcceptingMovesTheEngineToANewlyChosenModemOnly)
{
    // One after the other: the sheet accepted on another page, the stored modem accepted, and
    // another modem chosen; then what the engine, the settings and the mail application show.
    const struct {
        int select;  // -1: the modem page never shown
        const char* after;
    } steps[] = {
        {-1, "devices 2, waits [], adds 0, configs 0, stored Hayes Accura|2|-|-, AutoReceive <unset>, mail 0"},
        {0, "devices 2, waits [], adds 0, configs 1, stored Hayes Accura|2|ATZ|AT&F, AutoReceive ON, mail 1"},
        {1, "devices 4, waits [AutoReceive OFF, devices 0], adds 1, configs 2, stored Sportster|4|ATZ0|ATE0V1, "
            "AutoReceive ON, mail 1"},
    };
    StoreModemOnPort2();
    for (const auto& step : steps) {
        m_atReleaseWait.clear();
        const DWORD adds = CallCount("FaxAddDevice"), configs = CallCount("FaxSetConfig");
        const size_t mails = MailMessages().size();
        Open(step.select < 0 ? kSetupPageGeneral : kSetupPageModem, m_engine);
        if (step.select >= 0)
            Select(IDC_MODEM_LIST, step.select);
        EXPECT_TRUE(AcceptSheet().empty());
        std::string devices, waits;
        for (DWORD port : ActiveDevices())
            devices += std::to_string(port);
        for (const std::string& wait : m_atReleaseWait)
            waits += wait;
        EXPECT_EQ(step.after, "devices " + devices + ", waits [" + waits + "], adds " +
                                  std::to_string(CallCount("FaxAddDevice") - adds) + ", configs " +
                                  std::to_string(CallCount("FaxSetConfig") - configs) + ", stored " + Stored(kModem) +
                                  "|" + std::to_string(StoredNumber(kCommPort)) + "|" + Stored(kModemReset) + "|" +
                                  Stored(kModemInit) + ", AutoReceive " + EngineConfig("AutoReceive") + ", mail " +
                                  std::to_string(MailMessages().size() - mails))
            << step.select;
    }
    EXPECT_EQ((std::vector<DWORD>{kDeviceReleaseWaitMs}), m_releaseWaits);
}

TEST_F(ModemPageTest, AModemTheEngineRefusesWithoutAPortOrNoneAtAllIsNotAccepted)
{
    StoreModemOnPort2();
    AcceptOnlyPorts({2});
    for (int modem : {1, 2}) {  // refused by the engine; no port known
        Open(kSetupPageModem, m_engine);
        Select(IDC_MODEM_LIST, modem);
        EXPECT_EQ(kNotAFaxModem, AcceptSheet()) << modem;  // the sheet still closes
        EXPECT_EQ("Hayes Accura", Stored(kModem));
        EXPECT_EQ(2u, StoredNumber(kCommPort));
    }
    EXPECT_TRUE(MailMessages().empty());

    DeleteRegistryTree(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Services\\Modem");
    DeleteRegistryTree(HKEY_CURRENT_USER, kSuiteKey);
    Open(kSetupPageModem, m_engine);
    EXPECT_TRUE(ComboTexts(IDC_MODEM_LIST).empty());
    EXPECT_EQ(kNotAFaxModem, AcceptSheet());
    EXPECT_EQ("-|-", Stored(kModem) + "|" + Stored(kModemInit));
}

TEST_F(ModemPageTest, AnsweringModesExcludeEachOtherAndASwitchOffIsPending)
{
    WriteSettingNumber(kAutoReceive, 1);
    Open(kSetupPageModem, m_engine);  // no stored port: nothing to answer with
    EXPECT_EQ("off off off ", Answering());
    EXPECT_EQ(0, ComboSelection(IDC_MODEM_LIST));  // no stored modem: the first is offered
    EXPECT_TRUE(ComboTexts(IDC_MODEM_FORWARDLIST).empty());
    CloseWithCancel();

    StoreModemOnPort2(1, 0);
    Open(kSetupPageModem, m_engine);
    EXPECT_EQ("on[x] on off ", Answering());
    Click(IDC_MODEM_FORWARD);
    EXPECT_EQ("on on[x] on ", Answering());
    Click(IDC_MODEM_AUTORECEIVE);
    EXPECT_EQ("on[x] on off ", Answering());
    Click(IDC_MODEM_FORWARD);
    // Auto receive handed over to forwarding: nothing is pending.
    EXPECT_TRUE(AcceptSheet().empty());
    EXPECT_EQ(0xDEADu, StoredNumber(kAutoReceiveBusy));
    EXPECT_EQ("0 1", std::to_string(StoredNumber(kAutoReceive)) + " " + std::to_string(StoredNumber(kFaxForwardSetting)));

    Open(kSetupPageModem, m_engine);
    Click(IDC_MODEM_FORWARD);  // forwarding switched off
    EXPECT_TRUE(AcceptSheet().empty());
    EXPECT_EQ(1u, StoredNumber(kAutoReceiveBusy));
    EXPECT_EQ("OFF", EngineConfig("AutoReceive"));
    Open(kSetupPageModem, m_engine);
    EXPECT_EQ("off off off ", Answering());
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
    EXPECT_EQ("Speed Dial 00|Speed Dial 99|Rapid Dial 01|Rapid Dial 20",
              targets[0] + "|" + targets[99] + "|" + targets[100] + "|" + targets[119]);
    EXPECT_EQ("Rapid Dial 20", targets.at(static_cast<size_t>(ComboSelection(IDC_MODEM_FORWARDLIST))));
    Select(IDC_MODEM_FORWARDLIST, 7);
    EXPECT_TRUE(AcceptSheet().empty());
    EXPECT_EQ(4096u, StoredNumber(kFaxForwardType));
    EXPECT_EQ(7u, StoredNumber(kFaxForwardNumber));
}

TEST_F(ModemPageTest, SpeakerOffDisablesOnUntilConnected)
{
    StoreModemOnPort2();
    const struct {
        DWORD stored;
        LRESULT shown;
        UINT key;
        bool onUntilEnabled;
        DWORD written;
    } cases[] = {{0xDEAD, 1, 0, true, 1}, {0, 0, 0, false, 0},           {0, 0, VK_RIGHT, true, 1},
                 {77, 3, 0, true, 3},     {2, 2, VK_HOME, false, 0}};
    for (const auto& c : cases) {
        if (c.stored != 0xDEAD)
            WriteSettingNumber(kSpeakerVolume, c.stored);
        Open(kSetupPageModem, m_engine);
        HWND volume = Item(IDC_MODEM_VOLUME);
        EXPECT_EQ(c.shown, SendMessageA(volume, TBM_GETPOS, 0, 0)) << c.stored;
        SendMessageA(volume, WM_KEYDOWN, c.key, 0);
        SendMessageA(volume, WM_KEYUP, c.key, 0);
        EXPECT_EQ(c.onUntilEnabled, Enabled(IDC_MODEM_ONUNTIL)) << c.stored;
        EXPECT_TRUE(AcceptSheet().empty());
        EXPECT_EQ(c.written, StoredNumber(kSpeakerVolume)) << c.stored;
    }
    WriteSettingNumber(kSpeakerVolume, 2);
    Open(kSetupPageModem, m_engine);
    Click(IDC_MODEM_ONUNTIL);
    EXPECT_TRUE(AcceptSheet().empty());
    EXPECT_EQ(0u, StoredNumber(kOnUntilConnected));
}
