// The current telephony location and its country's rules, as the system keeps them under
// HKEY_LOCAL_MACHINE. Every key is opened for reading and closed before the call returns
// (except the location key handed to the caller).
#include <cstdio>
#include <cstring>
#include <new>

#include "dialing/dialing_rules.h"
#include "settings/registry_values.h"

namespace {
const char kLocationsKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Telephony\\Locations";
const char kCurrentVersionKey[] = "Software\\Microsoft\\Windows\\CurrentVersion";
const char kCountryListKey[] = "\\Telephony\\Country List\\";

// A text that fits the field with its terminator. A value that is missing, not a text, or
// too long for the field (terminated or not) leaves the field as it was: a cut code would
// dial a wrong number.
void ReadText(HKEY key, const char* name, char* field, DWORD fieldSize)
{
    std::string text;
    if (!ReadRegistryText(key, name, fieldSize, &text))
        return;
    memcpy(field, text.c_str(), text.size() + 1);
}
}  // namespace

int CDialingRules::OpenCurrentLocationKey(HKEY* key)
{
    HKEY locations = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kLocationsKey, 0, KEY_READ, &locations) != ERROR_SUCCESS)
        return 0;
    int found = 0;
    DWORD currentId = 0;
    if (ReadRegistryNumber(locations, "CurrentID", &currentId)) {
        // The enumeration ends at its first failure, a name too long for the buffer included.
        for (DWORD index = 0; !found; ++index) {
            char name[32];
            DWORD nameLength = sizeof name;
            if (RegEnumKeyExA(locations, index, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
                break;
            HKEY location = nullptr;
            if (RegOpenKeyExA(locations, name, 0, KEY_READ, &location) != ERROR_SUCCESS)
                continue;
            DWORD id = 0;
            if (ReadRegistryNumber(location, "ID", &id) && id == currentId) {
                *key = location;
                found = 1;
            } else {
                RegCloseKey(location);
            }
        }
    }
    RegCloseKey(locations);
    return found;
}

int CDialingRules::LoadFromRegistry()
{
    HKEY location = nullptr;
    if (!OpenCurrentLocationKey(&location))
        return 0;
    DWORD number = 0;
    ReadText(location, "AreaCode", m_szAreaCode, sizeof m_szAreaCode);
    if (ReadRegistryNumber(location, "Country", &number))
        m_nCountryId = static_cast<int>(number);
    if (ReadRegistryNumber(location, "Flags", &number))
        m_dwFlags = number;
    ReadText(location, "DisableCallWaiting", m_szDisableCallWaiting, sizeof m_szDisableCallWaiting);
    ReadText(location, "OutsideAccess", m_szOutsideAccess, sizeof m_szOutsideAccess);
    ReadText(location, "LongDistanceAccess", m_szLongDistanceAccess, sizeof m_szLongDistanceAccess);
    ReadText(location, "TollList", m_szTollList, sizeof m_szTollList);

    // An array of 32-bit area codes; a trailing part of fewer than 4 bytes is no entry.
    DWORD size = 0;
    if (RegQueryValueExA(location, "NoPrefAC", nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS && size / 4 > 0) {
        int32_t* areaCodes = new (std::nothrow) int32_t[(size + 3) / 4];
        DWORD readSize = size;
        if (areaCodes &&
            RegQueryValueExA(location, "NoPrefAC", nullptr, nullptr, reinterpret_cast<BYTE*>(areaCodes), &readSize) ==
                ERROR_SUCCESS &&
            readSize / 4 > 0) {
            delete[] m_pNoPrefAC;
            m_pNoPrefAC = areaCodes;
            m_nNoPrefAC = static_cast<int>(readSize / 4);
        } else {
            delete[] areaCodes;
        }
    }
    RegCloseKey(location);

    char countryKeyName[261];
    snprintf(countryKeyName, sizeof countryKeyName, "%s%s%d", kCurrentVersionKey, kCountryListKey, m_nCountryId);
    HKEY country = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, countryKeyName, 0, KEY_READ, &country) != ERROR_SUCCESS)
        return 0;
    ReadText(country, "InternationalRule", m_szInternationalRule, sizeof m_szInternationalRule);
    ReadText(country, "LongDistanceRule", m_szLongDistanceRule, sizeof m_szLongDistanceRule);
    ReadText(country, "SameAreaRule", m_szSameAreaRule, sizeof m_szSameAreaRule);
    DWORD countryCode = 1;
    ReadRegistryNumber(country, "CountryCode", &countryCode);
    SetCountryCode(static_cast<int>(countryCode));
    RegCloseKey(country);
    m_bLoaded = 1;
    return 1;
}
