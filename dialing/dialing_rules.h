#pragma once
// The dialing rules of the system's current telephony location. The job builder makes one
// object per recipient and dials m_szResult when TranslateNumber returns nonzero; the text
// stays valid until the next translation, so the object outlives the job's hand-over. The
// location is read on the first translation (and again only while reading it fails): from
// the registry, or on the Windows 95 family from TELEPHON.INI when the registry has none.
// Neither store is ever written.
#include <windows.h>

#include "dialing/location_rules.h"

class CDialingRules : public CLocationRules {
public:
    // Reads the location when it is not loaded yet, then translates as CLocationRules does.
    int TranslateNumber(const char* number);

    // Reads the current location and its country's rules under HKEY_LOCAL_MACHINE; nonzero
    // once loaded.
    int LoadFromRegistry();
    // Reads the location from TELEPHON.INI; sets m_bLoaded when it could.
    void LoadFromTelephonIni();
    // Hands back the open key of the location whose "ID" is "CurrentID"; 0 when none matches.
    int OpenCurrentLocationKey(HKEY* key);
};

// Where the system's version comes from: GetVersion unless tests name another function
// (one that reports a Windows 95-family version, say); null restores GetVersion.
using VersionQuery = DWORD(WINAPI*)();
void SetDialingVersionQuery(VersionQuery query);
// Whether the system is of the Windows 95 family, whose telephony may live in TELEPHON.INI.
bool IsWindows95Family();
