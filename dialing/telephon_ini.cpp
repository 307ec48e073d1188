// The location as the Windows 95 family may still keep it: TELEPHON.INI in the Windows folder.
#include <cstring>
#include <string>

#include "dialing/dialing_rules.h"

namespace {
const char kTelephonIni[] = "TELEPHON.INI";
const char kLocationsSection[] = "Locations";
const char kCountryOverridesSection[] = "CountryOverrides";
const char kDefaultCountryLine[] = "1,1,\"United States\",\"G\",\" 1FG\",\"011EFG\"";
}  // namespace

void CDialingRules::LoadFromTelephonIni()
{
    char current[32];
    if (GetPrivateProfileStringA(kLocationsSection, "CurrentLocation", "0,0", current, sizeof current, kTelephonIni) == 0)
        return;
    const char* comma = strchr(current, ',');
    std::string locationKey = std::string("Location") + (comma ? comma + 1 : "");

    char line[256];
    if (GetPrivateProfileStringA(kLocationsSection, locationKey.c_str(), "", line, sizeof line, kTelephonIni) == 0)
        return;
    if (!StoreLocationLine(line))
        return;

    std::string countryKey = std::string("Country") + m_szCountryCode;
    GetPrivateProfileStringA(kCountryOverridesSection, countryKey.c_str(), kDefaultCountryLine, line, sizeof line,
                             kTelephonIni);
    StoreCountryLine(line);
    m_bLoaded = 1;
}
