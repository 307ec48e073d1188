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
    const char* dialString;
};

struct DialingExample {
    const char* name;
    const char* areaCode;
    uint32_t countryCode;  // also the country's number in the country list
    uint32_t flags;
    const char* outsideAccess;
    const char* longDistanceAccess;
    const char* callWaiting;
    const char* tollList;
    std::vector<int32_t> noPrefixAreaCodes;
    const char* sameAreaRule;
    const char* longDistanceRule;
    const char* internationalRule;
    std::vector<DialedNumber> dialed;
};

const DialingExample kDialingExamples[] = {
    {"United States without access codes", "425", 1, 0, "", "", "", "", {}, "G", "1FG", "011EFG",
     {{"555-1212", "5551212"},
      {"(425) 555-1212", "5551212"},
      {"(212) 555-1212", "12125551212"},
      {"+44 20 7946 0958", "011442079460958"},
      {"+1 212 555 1212", "12125551212"},
      {"1 (212) 555-1212", "12125551212"},
      {"12345", "12345"},
      {"555-CALL", "555CA"},
      {"14255551212", "14255551212"},
      {"~9,555 1212", "9,555 1212"}}},
    {"outside and long-distance access", "425", 1, 0, "9,", "8,", "", "", {}, "G", "1FG", "011EFG",
     {{"555-1212", "9,5551212"},
      {"(212) 555-1212", "8,12125551212"},
      {"+44 20 7946 0958", "8,011442079460958"},
      {"12345", "12345"}}},
    {"call waiting disabled first", "425", 1, 0x4, "9,", "8,", "*70,", "", {}, "G", "1FG", "011EFG",
     {{"555-1212", "*70,9,5551212"},
      {"(212) 555-1212", "*70,8,12125551212"},
      {"555-CALL", "*70,555CA"},
      {"~9,555 1212", "9,555 1212"}}},
    {"area code always dialed, toll list", "425", 1, 0x8, "9,", "8,", "", "555,556", {}, "G", "1FG", "011EFG",
     {{"555-1212", "9,14255551212"},
      {"556-1212", "9,14255561212"},
      {"557-1212", "9,4255571212"},
      {"(212) 555-1212", "8,12125551212"}}},
    {"area codes without the long-distance digit", "425", 1, 0, "9,", "8,", "", "555,556", {718, 212}, "G",
     " 1FG", "011EFG",
     {{"(212) 555-1212", "9,2125551212"},
      {"(213) 555-1212", "8,12135551212"},
      {"555-1212", "9,5551212"}}},
    {"France", "4", 33, 0, "", "", "", "", {}, "G", "0FG", "00EFG",
     {{"+33 01 23 45 67 89", "0123456789"},
      {"+33 1 23 45 67 89", "0123456789"},
      {"01 23 45 67 89", "00123456789"},
      {"+44 20 7946 0958", "00442079460958"}}},
        {"Germany, fifteen digits at most", "89", 49, 0, "", "", "", "", {30}, "G", "0FG", "00EFG",
         {{"+44 20 79460958123", "00442079460958123"},
          {"+44 20 794609581234", "4420794609581234"},
          {"040 1234567890", "00401234567890"},
          {"040 12345678901", "04012345678901"},
          {"030 1234567", "0301234567"},
          {"99999999999 1", "0999999999991"}}},
};

const char kLocationsKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Telephony\\Locations";
const char kCountryListKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Telephony\\Country List";
const DWORD kUnusedCountryId = 7700;

std::string LocationKey(const char* subkey) { return std::string(kLocationsKey) + "\\" + subkey; }
std::string CountryKey(DWORD id) { return std::string(kCountryListKey) + "\\" + std::to_string(id); }

DWORD WINAPI Windows95Version() { return 0xC0000004; }
DWORD WINAPI Windows98Version() { return 0xC0000A04; }
DWORD WINAPI Win32sVersion() { return 0x80000003; }

std::string TelephonIniPath()
{
    char folder[MAX_PATH] = {};
    GetWindowsDirectoryA(folder, MAX_PATH);
    return std::string(folder) + "\\TELEPHON.INI";
}

// The profile functions keep files cached; every change to the file is followed by a flush.
void FlushProfileCache() { WritePrivateProfileStringA(nullptr, nullptr, nullptr, "TELEPHON.INI"); }

void WriteTelephonIni(const std::string& text)
{
    ASSERT_TRUE(WriteFileBytes(TelephonIniPath(), text));
    FlushProfileCache();
}

void WriteLocation(const char* subkey, DWORD id, const char* areaCode, DWORD countryId, DWORD flags)
{
    std::string key = LocationKey(subkey);
    WriteRegistryDword(HKEY_LOCAL_MACHINE, key.c_str(), "ID", id);
    WriteRegistryString(HKEY_LOCAL_MACHINE, key.c_str(), "AreaCode", areaCode);
    WriteRegistryDword(HKEY_LOCAL_MACHINE, key.c_str(), "Country", countryId);
    WriteRegistryDword(HKEY_LOCAL_MACHINE, key.c_str(), "Flags", flags);
}

void WriteLocationText(const char* subkey, const char* name, const char* text)
{
    WriteRegistryString(HKEY_LOCAL_MACHINE, LocationKey(subkey).c_str(), name, text);
}

void SetCurrentLocation(DWORD id) { WriteRegistryDword(HKEY_LOCAL_MACHINE, kLocationsKey, "CurrentID", id); }

void WriteCountry(DWORD id, DWORD countryCode, const char* sameArea, const char* longDistance, const char* international)
{
    std::string key = CountryKey(id);
    WriteRegistryDword(HKEY_LOCAL_MACHINE, key.c_str(), "CountryCode", countryCode);
    WriteRegistryString(HKEY_LOCAL_MACHINE, key.c_str(), "SameAreaRule", sameArea);
    WriteRegistryString(HKEY_LOCAL_MACHINE, key.c_str(), "LongDistanceRule", longDistance);
    WriteRegistryString(HKEY_LOCAL_MACHINE, key.c_str(), "InternationalRule", international);
}

// A location as the examples describe it: the current one of two, with its country's rules.
void WriteExample(const DialingExample& example)
{
    WriteLocation("Location1", 1, "617", example.countryCode, 0);
    WriteLocation("Location2", 2, example.areaCode, example.countryCode, example.flags);
    SetCurrentLocation(2);
    WriteLocationText("Location2", "OutsideAccess", example.outsideAccess);
    WriteLocationText("Location2", "LongDistanceAccess", example.longDistanceAccess);
    WriteLocationText("Location2", "DisableCallWaiting", example.callWaiting);
    WriteLocationText("Location2", "TollList", example.tollList);
    if (!example.noPrefixAreaCodes.empty())
        WriteRegistryBinary(HKEY_LOCAL_MACHINE, LocationKey("Location2").c_str(), "NoPrefAC",
                            example.noPrefixAreaCodes.data(),
                            static_cast<DWORD>(example.noPrefixAreaCodes.size() * sizeof(int32_t)));
    WriteCountry(example.countryCode, example.countryCode, example.sameAreaRule, example.longDistanceRule,
                 example.internationalRule);
}

void WriteUsLocation() { WriteExample(kDialingExamples[0]); }

// Each number through a fresh object, as the job builder makes one per recipient.
void ExpectDialed(const std::vector<DialedNumber>& table)
{
    for (const DialedNumber& row : table) {
        CDialingRules rules;
        EXPECT_EQ(1, rules.TranslateNumber(row.number)) << row.number;
        EXPECT_STREQ(row.dialString, rules.m_szResult) << row.number;
    }
}

void ExpectDialedAsEntered(const char* number)
{
    CDialingRules rules;
    EXPECT_EQ(0, rules.TranslateNumber(number)) << number;
    EXPECT_STREQ(number, rules.m_szResult) << number;
    EXPECT_EQ(0, rules.m_bLoaded);
}

// TELEPHON.INI as the Windows folder held it before the test, put back afterwards.
class TelephonIniBackup {
public:
    TelephonIniBackup() : m_existed(PathExists(TelephonIniPath()))
    {
        if (m_existed)
            m_text = ReadFileBytes(TelephonIniPath());
    }
    ~TelephonIniBackup()
    {
        DeleteFileA(TelephonIniPath().c_str());
        if (m_existed)
            WriteFileBytes(TelephonIniPath(), m_text);
        FlushProfileCache();
    }

private:
    bool m_existed;
    std::string m_text;
};
}  // namespace

class DialingRulesTest : public testing::Test {
protected:
    void SetUp() override
    {
        DeleteRegistryTree(HKEY_LOCAL_MACHINE, kLocationsKey);
        DeleteFileA(TelephonIniPath().c_str());
        FlushProfileCache();
    }
    void TearDown() override { SetDialingVersionQuery(nullptr); }

    RegistryTreeBackup m_locations{HKEY_LOCAL_MACHINE, kLocationsKey};
    RegistryTreeBackup m_unitedStates{HKEY_LOCAL_MACHINE, CountryKey(1)};
    RegistryTreeBackup m_france{HKEY_LOCAL_MACHINE, CountryKey(33)};
    RegistryTreeBackup m_germany{HKEY_LOCAL_MACHINE, CountryKey(49)};
    RegistryTreeBackup m_unusedCountry{HKEY_LOCAL_MACHINE, CountryKey(kUnusedCountryId)};
    TelephonIniBackup m_telephonIni;
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
    // No location at all.
    ExpectDialedAsEntered("(212) 555-1212");
    ExpectDialed({{"~9,555 1212", "9,555 1212"}});

    // A current ID that no location has, or that is no number.
    WriteLocation("Location1", 1, "425", 1, 0);
    WriteCountry(1, 1, "G", "1FG", "011EFG");
    SetCurrentLocation(3);
    ExpectDialedAsEntered("(212) 555-1212");
    WriteRegistryString(HKEY_LOCAL_MACHINE, kLocationsKey, "CurrentID", "1");
    ExpectDialedAsEntered("(212) 555-1212");
    const BYTE shortId[] = {1, 0};
    WriteRegistryBinary(HKEY_LOCAL_MACHINE, kLocationsKey, "CurrentID", shortId, sizeof shortId);
    ExpectDialedAsEntered("(212) 555-1212");

    // A location whose country has no rules: the location's values were read all the same.
    WriteLocationText("Location0", "AreaCode", "999");  // without an ID: skipped
    SetCurrentLocation(1);
    WriteRegistryDword(HKEY_LOCAL_MACHINE, LocationKey("Location1").c_str(), "Country", kUnusedCountryId);
    DeleteRegistryTree(HKEY_LOCAL_MACHINE, CountryKey(kUnusedCountryId).c_str());
    CDialingRules rules;
    EXPECT_EQ(0, rules.TranslateNumber("(212) 555-1212"));
    EXPECT_STREQ("(212) 555-1212", rules.m_szResult);
    EXPECT_EQ(0, rules.m_bLoaded);
    EXPECT_STREQ("425", rules.m_szAreaCode);
    EXPECT_EQ(static_cast<int>(kUnusedCountryId), rules.m_nCountryId);

    // Long numbers handed back are cut to fit.
    std::string longNumber(120, '5');
    EXPECT_EQ(0, rules.TranslateNumber(longNumber.c_str()));
    EXPECT_EQ(std::string(79, '5'), rules.m_szResult);
}

TEST_F(DialingRulesTest, AFailedLoadIsTriedAgainAndASuccessfulOneIsKept)
{
    CDialingRules rules;
    EXPECT_EQ(0, rules.TranslateNumber("(212) 555-1212"));
    WriteUsLocation();
    EXPECT_EQ(1, rules.TranslateNumber("(212) 555-1212"));
    EXPECT_STREQ("12125551212", rules.m_szResult);
    // A location changed while the object lives is not seen by it.
    WriteRegistryString(HKEY_LOCAL_MACHINE, LocationKey("Location2").c_str(), "AreaCode", "212");
    EXPECT_EQ(1, rules.TranslateNumber("(212) 555-1212"));
    EXPECT_STREQ("12125551212", rules.m_szResult);
    ExpectDialed({{"(212) 555-1212", "5551212"}});
}

TEST_F(DialingRulesTest, MalformedLocationValuesLeaveTheirFieldsAsTheyWere)
{
    WriteUsLocation();
    std::string key = LocationKey("Location2");
    WriteLocationText("Location2", "AreaCode", "12345678");                   // one character too many
    WriteLocationText("Location2", "TollList", std::string(64, '5').c_str());  // likewise
    WriteLocationText("Location2", "LongDistanceAccess", "8,");
    // A text stored without its terminator that fills the whole field.
    std::string unterminated(32, '9');
    HKEY location = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_WRITE, &location));
    RegSetValueExA(location, "OutsideAccess", 0, REG_SZ, reinterpret_cast<const BYTE*>(unterminated.data()), 32);
    RegSetValueExA(location, "Flags", 0, REG_SZ, reinterpret_cast<const BYTE*>("4"), 2);
    const DWORD number = 4;
    RegSetValueExA(location, "DisableCallWaiting", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), 4);
    const BYTE oddSize[] = {212, 0, 0, 0, 7};
    RegSetValueExA(location, "NoPrefAC", 0, REG_BINARY, oddSize, sizeof oddSize);
    RegCloseKey(location);
    WriteRegistryString(HKEY_LOCAL_MACHINE, CountryKey(1).c_str(), "SameAreaRule", std::string(32, 'G'));
    WriteRegistryString(HKEY_LOCAL_MACHINE, CountryKey(1).c_str(), "CountryCode", "44");  // counts as missing

    CDialingRules rules;
    EXPECT_EQ(1, rules.TranslateNumber("555-1212"));
    EXPECT_STREQ("", rules.m_szAreaCode);
    EXPECT_STREQ("", rules.m_szTollList);
    EXPECT_STREQ("", rules.m_szOutsideAccess);
    EXPECT_STREQ("8,", rules.m_szLongDistanceAccess);
    EXPECT_STREQ("", rules.m_szDisableCallWaiting);
    EXPECT_EQ(1u, rules.m_dwFlags);
    EXPECT_STREQ("G", rules.m_szSameAreaRule);
    EXPECT_STREQ("1", rules.m_szCountryCode);
    ASSERT_EQ(1, rules.m_nNoPrefAC);
    EXPECT_EQ(212, rules.m_pNoPrefAC[0]);
    EXPECT_STREQ("5551212", rules.m_szResult);
    EXPECT_EQ(1, rules.TranslateNumber("(212) 555-1212"));
    EXPECT_STREQ("2125551212", rules.m_szResult);
}

TEST_F(DialingRulesTest, TelephonIniIsReadOnlyOnTheWindows95Family)
{
    WriteTelephonIni("[Locations]\r\nCurrentLocation=1,1\r\n"
                     "Location0=0,\"Home\",\"\",\"\",\"206\",1,0,0,1,\"\",0,\"\"\r\n"
                     "Location1=1,\"Office\",\"9,\",\"8,\",\"425\",1,0,0,1,\"\",0,\"*70,\"\r\n");
    // Windows NT family (what Wine reports): the file is never read.
    ExpectDialedAsEntered("(212) 555-1212");
    SetDialingVersionQuery(&Win32sVersion);
    ExpectDialedAsEntered("(212) 555-1212");

    // Windows 95 and 98: the location of the file, the rules of the United States by default.
    for (VersionQuery version : {&Windows95Version, &Windows98Version}) {
        SetDialingVersionQuery(version);
        ExpectDialed({{"555-1212", "*70,9,5551212"}, {"(212) 555-1212", "*70,8,12125551212"}});
    }
    // A location in the registry wins over the file.
    WriteUsLocation();
    ExpectDialed({{"555-1212", "5551212"}});
}

TEST_F(DialingRulesTest, TelephonIniCountryOverridesAndLocationsThatAreMissingOrDoNotFit)
{
    SetDialingVersionQuery(&Windows95Version);
    ExpectDialedAsEntered("555-1212");  // no file at all
    const char paris[] = "Location2=2,\"Paris\",\"\",\"\",\"4\",33,0,0,1,\"\",0,\"\"\r\n";
    struct Case {
        std::string ini;
        std::vector<DialedNumber> dialed;  // none: "555-1212" is dialed as entered
    } const cases[] = {
        {std::string("[Locations]\r\nCurrentLocation=0,2\r\n") + paris +
             "[CountryOverrides]\r\nCountry33=33,33,\"France\",\"G\",\"0FG\",\"00EFG\"\r\n",
         {{"+33 01 23 45 67 89", "0123456789"}, {"+44 20 7946 0958", "00442079460958"}}},
        // The current location names a line that is not there.
        {std::string("[Locations]\r\nCurrentLocation=0,5\r\n") + paris, {}},
        // Without a comma the key is "Location" itself; no current location means location 0.
        {"[Locations]\r\nCurrentLocation=3\r\nLocation=0,\"X\",\"7,\",\"\",\"425\",1,0,0,1,\"\",0,\"\"\r\n",
         {{"555-1212", "7,5551212"}}},
        {"[Locations]\r\nLocation0=0,\"X\",\"6,\",\"\",\"425\",1,0,0,1,\"\",0,\"\"\r\n", {{"555-1212", "6,5551212"}}},
        // A country number that does not fit, and a line far longer than the profile call
        // returns with no country number in it: no location.
        {"[Locations]\r\nLocation0=0,\"Home\",\"9,\",\"\",\"425\",1234,0,0,1,\"\",0,\"\"\r\n", {}},
        {"[Locations]\r\nLocation0=" + std::string(2000, ',') + "\r\n", {}},
    };
    for (const Case& c : cases) {
        WriteTelephonIni(c.ini);
        if (c.dialed.empty())
            ExpectDialedAsEntered("555-1212");
        else
            ExpectDialed(c.dialed);
    }

    // Overlong fields are not stored.
    const std::string longCode(40, '9');
    WriteTelephonIni("[Locations]\r\nCurrentLocation=0,0\r\n"
                     "Location0=0,\"Home\",\"" + longCode + "\",\"8,\",\"123456789\",1,0,0,1,\"\",0,\"" + longCode +
                     "\"\r\n[CountryOverrides]\r\nCountry1=1,1,\"US\",\"" + longCode + "\",\"1FG\",\"011EFG\"\r\n");
    CDialingRules rules;
    EXPECT_EQ(1, rules.TranslateNumber("555-1212"));
    EXPECT_STREQ("5551212", rules.m_szResult);
    EXPECT_STREQ("", rules.m_szOutsideAccess);
    EXPECT_STREQ("", rules.m_szAreaCode);
    EXPECT_STREQ("", rules.m_szDisableCallWaiting);
    EXPECT_STREQ("G", rules.m_szSameAreaRule);
}
