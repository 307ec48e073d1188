#pragma once
// Moving the fax engine from the device of the port stored in the settings to the device of
// a newly chosen port. The engine needs a moment to let go of a device that answers calls;
// that wait goes through a hook so that tests need not wait.
#include <windows.h>

#include "engine/fax_engine.h"

constexpr DWORD kDeviceReleaseWaitMs = 2000;

// True when the chosen port can be used for faxing: it is the port the page opened with
// (and not 0), or the engine accepted its device. For a new port the engine gives up the
// stored device first, so a port it refuses leaves it with neither.
bool SwitchEngineDevice(FAXENGINE hFaxEngine, DWORD nPort, DWORD nPortAtOpen);

void WaitForDeviceRelease(DWORD milliseconds);
// Replaces the wait (tests); null restores Sleep.
using DeviceReleaseWait = void (*)(DWORD milliseconds, void* context);
void SetDeviceReleaseWait(DeviceReleaseWait wait, void* context);
