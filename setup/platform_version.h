#pragma once
// Which family of Windows the module runs on decides where installed modems are found and
// how the control panel is started. The version query goes through a hook so that tests
// can present either family.
#include <windows.h>

// Nonzero on a Windows NT-family system (platform identifier VER_PLATFORM_WIN32_NT); set
// by the Modem page when it is built.
extern BOOL g_bWinNT;

// The platform identifier that the system's version query reports (0 when it fails).
DWORD QueryPlatformId();

// Replaces the version query (tests); null restores the system's.
using PlatformIdQuery = DWORD (*)(void* context);
void SetPlatformIdQuery(PlatformIdQuery query, void* context);
