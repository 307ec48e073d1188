#pragma once
// The system's default beep, for input that a control refuses. Tests replace it to count
// the beeps without sound.
#include <windows.h>

void DefaultBeep();

// null restores MessageBeep.
using BeepHook = void (*)(void* context);
void SetBeepHook(BeepHook hook, void* context);
