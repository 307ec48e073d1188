#include "setup/platform_version.h"

BOOL g_bWinNT = FALSE;

namespace {
PlatformIdQuery g_query = nullptr;
void* g_queryContext = nullptr;
}  // namespace

DWORD QueryPlatformId()
{
    if (g_query)
        return g_query(g_queryContext);
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExA(&version))
        return 0;
    return version.dwPlatformId;
}

void SetPlatformIdQuery(PlatformIdQuery query, void* context)
{
    g_query = query;
    g_queryContext = context;
}
