#include "send/send_pause.h"

namespace {
SendPauseHook g_hook = nullptr;
void* g_context = nullptr;
}  // namespace

void SetSendPauseHook(SendPauseHook hook, void* context)
{
    g_hook = hook;
    g_context = context;
}

void SendPause(DWORD milliseconds)
{
    if (g_hook)
        g_hook(milliseconds, g_context);
    else
        Sleep(milliseconds);
}
