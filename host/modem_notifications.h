#pragma once
#include <windows.h>

// One bit per modem number reported through FaxDLL_NotifyOfModem; nothing else reads it.
extern DWORD g_dwNotifiedModems;

// Sets the bit of the modem number (mod 32) and returns it.
DWORD NoteModem(DWORD modemNumber);
