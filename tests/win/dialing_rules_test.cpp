// Dial strings for the system's current telephony location, read from the (Wine) registry
// of the local machine and from TELEPHON.INI in the Windows folder. The examples are
// locations and the dial strings they make of typical fax numbers, one row for each rule.
#include <string>
#include <vector>

#include "dialing/dialing_rules.h"
#include "registry_backup.h"
#include "test_support.h"

using namespace testsupport;

namespace {
struct DialedNumber {
    const char* number;
    const char* dialString;  // nullptr: dialed as entered, no location loaded
};

struct DialingExample {
    const char* name;
    uint32_t countryCode, flags;  // the code is also the country's number in the country list
    // Location values: area code, outside and long-distance access, call waiting, toll list;
    // then the country's rules for the same area, long distance and international.
    const char* texts[8];
    std::vector<int32_t> noPrefixAreaCodes;
    std::vector<DialedNumber> dialed;
};

const DialingExample kDialingExamples[] = {
    {"United States without access codes", 1, 0, {"425", "", "", "", "", "G", "1FG", "011EFG"}, {},
     {{"555-1212", "5551212"}, {"(425) 555-1212", "5551212"}, {"(212) 555-1212", "12125551212"},
      {"+44 20 7946 0958", "011442079460958"}, {"+1 212 555 1212", "12125551212"}, {"1 (212) 555-1212", "12125551212"},
      {"12345", "12345"}, {"555-CALL", "555CA"}, {"14255551212", "14255551212"}, {"~9,555 1212", "9,555 1212"}}},
    {"outside and long-distance access", 1, 0, {"425", "9,", "8,", "", "", "G", "1FG", "011EFG"}, {},
     {{"555-1212", "9,5551212"}, {"(212) 555-1212", "8,12125551212"}, {"+44 20 7946 0958", "8,011442079460958"},
      {"12345", "12345"}}},
    {"call waiting disabled first, a same-area rule of its own", 1, 0x4,
     {"425", "9,", "8,", "*70,", "", "Gw", "1FG", "011EFG"}, {},
     {{"555-1212", "*70,9,5551212w"}, {"(212) 555-1212", "*70,8,12125551212"}}},
    {"area code always dialed, toll list", 1, 0x8, {"425", "9,", "8,", "", "555,556", "G", "1FG", "011EFG"}, {},
     {{"555-1212", "9,14255551212"}, {"556-1212", "9,14255561212"}, {"557-1212", "9,4255571212"},
      {"(212) 555-1212", "8,12125551212"}}},
    {"area codes without the long-distance digit", 1, 0, {"425", "9,", "8,", "", "555,556", "G", " 1FG", "011EFG"},
     {718, 212}, {{"(212) 555-1212", "9,2125551212"}, {"(213) 555-1212", "8,12135551212"}, {"555-1212", "9,5551212"}}},
    {"Germany, fifteen digits at most", 49, 0, {"89", "", "", "", "", "G", "0FG", "00EFG"}, {30},
     {{"+44 20 79460958123", "00442079460958123"}, {"+44 20 794609581234", "4420794609581234"},
      {"040 1234567890", "00401234567890"}, {"040 12345678901", "04012345678901"}, {"030 1234567", "0301234567"},
      {"99999999999 1", "0999999999991"}}},
};

const char kLocationsKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Telephony\\Locations";
const std::string kLocation2 = std::string(kLocationsKey) + "\\Location2";
const DWORD kUnusedCountryId = 7700;

std::string CountryKey(DWORD id)
{
    return "Software\\Microsoft\\Windows\\CurrentVersion\\Telephony\\Country List\\" + std::to_string(id);
}

DWORD WINAPI Windows95Version() { return 0xC0000004; }
DWORD WINAPI Win32sVersion() { return 0x80000003; }

std::string TelephonIniPath()
{
    char folder[MAX_PATH] = {};
    GetWindowsDirectoryA(folder, MAX_PATH);
    return std::string(folder) + "\\TELEPHON.INI";
}

// The profile functions keep files cached; every change to the file is followed by a flush.
void WriteTelephonIni(const std::string& text)
{
    if (text.empty())
        DeleteFileA(TelephonIniPath().c_str());
    else
        ASSERT_TRUE(WriteFileBytes(TelephonIniPath(), text));
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, "TELEPHON.INI");
}

// A location as the examples describe it: the current one of two, with its country's rules.
void WriteExample(const DialingExample& e)
{
    WriteRegistryDword(HKEY_LOCAL_MACHINE, (std::string(kLocationsKey) + "\\Location1").c_str(), "ID", 1);
    WriteRegistryDword(HKEY_LOCAL_MACHINE, kLocationsKey, "CurrentID", 2);
    const std::string country = CountryKey(e.countryCode);
    const char* names[] = {"AreaCode", "OutsideAccess", "LongDistanceAccess", "DisableCallWaiting", "TollList",
                           "SameAreaRule", "LongDistanceRule", "InternationalRule"};
    for (int i = 0; i < 8; ++i)
        WriteRegistryString(HKEY_LOCAL_MACHINE, i < 5 ? kLocation2.c_str() : country.c_str(), names[i], e.texts[i]);
    WriteRegistryDword(HKEY_LOCAL_MACHINE, kLocation2.c_str(), "ID", 2);
    WriteRegistryDword(HKEY_LOCAL_MACHINE, kLocation2.c_str(), "Country", e.countryCode);
    WriteRegistryDword(HKEY_LOCAL_MACHINE, kLocation2.c_str(), "Flags", e.flags);
    WriteRegistryDword(HKEY_LOCAL_MACHINE, country.c_str(), "CountryCode", e.countryCode);
    if (!e.noPrefixAreaCodes.empty())
        WriteRegistryBinary(HKEY_LOCAL_MACHINE, kLocation2.c_str(), "NoPrefAC", e.noPrefixAreaCodes.data(),
                            static_cast<DWORD>(e.noPrefixAreaCodes.size() * sizeof(int32_t)));
}

// Each number through a fresh object, as the job builder makes one per recipient.
void ExpectDialed(const std::vector<DialedNumber>& table)
{
    for (const DialedNumber& row : table) {
        CDialingRules rules;
        const int translated = rules.TranslateNumber(row.number);
        EXPECT_EQ(row.dialString ? row.dialString : row.number, std::string(rules.m_szResult)) << row.number;
        EXPECT_EQ(row.dialString ? 1 : 0, translated) << row.number;
    }
}

}  // namespace

class DialingRulesTest : public testing::Test {
protected:
    // TELEPHON.INI as the Windows folder held it before the test is put back afterwards.
    void SetUp() override
    {
        m_telephonIni = ReadFileBytes(TelephonIniPath());
        DeleteRegistryTree(HKEY_LOCAL_MACHINE, kLocationsKey);
        WriteTelephonIni("");
    }
    void TearDown() override
    {
        SetDialingVersionQuery(nullptr);
        WriteTelephonIni(m_telephonIni);
    }

    RegistryTreeBackup m_locations{HKEY_LOCAL_MACHINE, kLocationsKey};
    RegistryTreeBackup m_unitedStates{HKEY_LOCAL_MACHINE, CountryKey(1)};
    RegistryTreeBackup m_germany{HKEY_LOCAL_MACHINE, CountryKey(49)};
    RegistryTreeBackup m_unusedCountry{HKEY_LOCAL_MACHINE, CountryKey(kUnusedCountryId)};
    std::string m_telephonIni;
};

TEST_F(DialingRulesTest, ExamplesDialAsExpectedFromTheCurrentLocation)
{
    for (const DialingExample& example : kDialingExamples) {
        SCOPED_TRACE(example.name);
        DeleteRegistryTree(HKEY_LOCAL_MACHINE, kLocationsKey);
        WriteExample(example);
        ExpectDialed(example.dialed);
    }
}

TEST_F(DialingRulesTest, WithoutAUsableLocationTheNumberIsDialedAsEntered)
{
    ExpectDialed({{"(212) 555-1212", nullptr}, {"~9,555 1212", "9,555 1212"}});  // no location at all
    WriteExample(kDialingExamples[0]);
    // A current ID that no location has, and one that is not a number (the location numbered
    // 0 is not it).
    WriteRegistryDword(HKEY_LOCAL_MACHINE, kLocationsKey, "CurrentID", 3);
    ExpectDialed({{"(212) 555-1212", nullptr}});
    WriteRegistryDword(HKEY_LOCAL_MACHINE, kLocation2.c_str(), "ID", 0);
    WriteRegistryString(HKEY_LOCAL_MACHINE, kLocationsKey, "CurrentID", "0");
    ExpectDialed({{"(212) 555-1212", nullptr}});
    WriteRegistryDword(HKEY_LOCAL_MACHINE, kLocation2.c_str(), "ID", 2);
    // A location whose country has no rules.
    WriteRegistryDword(HKEY_LOCAL_MACHINE, kLocationsKey, "CurrentID", 2);
    WriteRegistryDword(HKEY_LOCAL_MACHINE, kLocation2.c_str(), "Country", kUnusedCountryId);
    DeleteRegistryTree(HKEY_LOCAL_MACHINE, CountryKey(kUnusedCountryId).c_str());
    ExpectDialed({{"(212) 555-1212", nullptr}});
}

// Hostile values in the registry: each field keeps what it had, nothing reads past a value.
TEST_F(DialingRulesTest, MalformedLocationValuesLeaveTheirFieldsAsTheyWere)
{
    WriteExample(kDialingExamples[1]);
    WriteRegistryString(HKEY_LOCAL_MACHINE, kLocation2.c_str(), "AreaCode", "12345678");  // one character too many
    WriteRegistryString(HKEY_LOCAL_MACHINE, kLocation2.c_str(), "TollList", std::string(64, '5'));  // likewise
    // Values of other types, and a text stored without its terminator that fills the whole field.
    WriteRegistryString(HKEY_LOCAL_MACHINE, kLocation2.c_str(), "Flags", "4");
    WriteRegistryDword(HKEY_LOCAL_MACHINE, kLocation2.c_str(), "DisableCallWaiting", 4);
    const BYTE oddSize[] = {212, 0, 0, 0, 7};
    WriteRegistryBinary(HKEY_LOCAL_MACHINE, kLocation2.c_str(), "NoPrefAC", oddSize, sizeof oddSize);
    HKEY location = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_LOCAL_MACHINE, kLocation2.c_str(), 0, KEY_WRITE, &location));
    RegSetValueExA(location, "OutsideAccess", 0, REG_SZ, reinterpret_cast<const BYTE*>(std::string(32, '9').data()), 32);
    RegCloseKey(location);
    WriteRegistryString(HKEY_LOCAL_MACHINE, CountryKey(1).c_str(), "SameAreaRule", std::string(32, 'G'));
    WriteRegistryString(HKEY_LOCAL_MACHINE, CountryKey(1).c_str(), "CountryCode", "44");  // counts as missing

    CDialingRules rules;
    EXPECT_EQ(1, rules.TranslateNumber("555-1212"));
    EXPECT_EQ("5551212 area= toll= out= call= flags=1 same=G country=1",
              std::string(rules.m_szResult) + " area=" + rules.m_szAreaCode + " toll=" + rules.m_szTollList +
                  " out=" + rules.m_szOutsideAccess + " call=" + rules.m_szDisableCallWaiting +
                  " flags=" + std::to_string(rules.m_dwFlags) + " same=" + rules.m_szSameAreaRule +
                  " country=" + rules.m_szCountryCode);
    EXPECT_EQ(1, rules.TranslateNumber("(212) 555-1212"));
    EXPECT_STREQ("2125551212", rules.m_szResult);  // 212 of the five bytes is read, without the digit "1"
}


TEST_F(DialingRulesTest, TelephonIniIsReadOnlyOnTheWindows95Family)
{
    const std::string office = "[Locations]\r\nCurrentLocation=1,1\r\n"
                               "Location0=0,\"Home\",\"\",\"\",\"206\",1,0,0,1,\"\",0,\"\"\r\n"
                               "Location1=1,\"Office, 2nd floor\",\"9,\",\"8,\",\"425\",1,0,0,1,\"\",0,\"*70,\"\r\n";
    const std::string paris = "Location2=2,\"Paris\",\"\",\"\",\"4\",33,0,0,1,\"\",0,\"\"\r\n";
    const struct {
        VersionQuery version;
        std::string ini;
        std::vector<DialedNumber> dialed;
    } cases[] = {
        // Windows NT family (what Wine reports) and Win32s never read the file.
        {nullptr, office, {{"(212) 555-1212", nullptr}}},
        {&Win32sVersion, office, {{"(212) 555-1212", nullptr}}},
        // Windows 95: the location of the file, the rules of the United States by default.
        {&Windows95Version, office, {{"555-1212", "*70,9,5551212"}, {"(212) 555-1212", "*70,8,12125551212"}}},
        {&Windows95Version, "", {{"555-1212", nullptr}}},
        {&Windows95Version,
         "[Locations]\r\nCurrentLocation=0,2\r\n" + paris +
             "[CountryOverrides]\r\nCountry33=33,33,\"France\",\"G\",\"0FG\",\"00EFG\"\r\n",
         {{"+33 01 23 45 67 89", "0123456789"}, {"+44 20 7946 0958", "00442079460958"}}},
        // No current location means location 0.
        {&Windows95Version, "[Locations]\r\nLocation0=0,\"X\",\"6,\",\"\",\"425\",1,0,0,1,\"\",0,\"\"\r\n",
         {{"555-1212", "6,5551212"}}},
    };
    for (const auto& c : cases) {
        SetDialingVersionQuery(c.version);
        WriteTelephonIni(c.ini);
        ExpectDialed(c.dialed);
    }
    // A location in the registry wins over the file.
    WriteTelephonIni(office);
    WriteExample(kDialingExamples[0]);
    ExpectDialed({{"555-1212", "5551212"}});
}
