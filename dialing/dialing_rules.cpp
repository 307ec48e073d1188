#include "dialing/dialing_rules.h"

namespace {
VersionQuery g_versionQuery = &GetVersion;
}

void SetDialingVersionQuery(VersionQuery query) { g_versionQuery = query ? query : &GetVersion; }

bool IsWindows95Family()
{
    DWORD version = g_versionQuery();
    return (version & 0x80000000u) != 0 && LOBYTE(LOWORD(version)) == 4;
}

int CDialingRules::TranslateNumber(const char* number)
{
    if (!IsEscapedNumber(number) && !m_bLoaded) {
        if (!LoadFromRegistry() && IsWindows95Family())
            LoadFromTelephonIni();
    }
    return CLocationRules::TranslateNumber(number);
}
