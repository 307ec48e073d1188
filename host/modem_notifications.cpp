#include "host/modem_notifications.h"

DWORD g_dwNotifiedModems = 0;

DWORD NoteModem(DWORD modemNumber)
{
    DWORD bit = 1u << (modemNumber % 32);
    g_dwNotifiedModems |= bit;
    return bit;
}
