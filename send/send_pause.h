#pragma once
// The fixed waits of the send path: five seconds after each recipient, and five seconds per
// poll while another component of the suite converts a document. They block the user-interface
// thread by design; tests replace the wait to count the pauses without waiting.
#include <windows.h>

constexpr DWORD kSendPauseMs = 5000;

void SendPause(DWORD milliseconds);

// null restores Sleep.
using SendPauseHook = void (*)(DWORD milliseconds, void* context);
void SetSendPauseHook(SendPauseHook hook, void* context);
