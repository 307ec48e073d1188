#include "setup/engine_device_switch.h"

#include "settings/setting_names.h"
#include "settings/setting_readers.h"

namespace {
DeviceReleaseWait g_wait = nullptr;
void* g_waitContext = nullptr;

DWORD StoredPort() { return ReadSettingNumber(kCommPort, 0); }
}  // namespace

void WaitForDeviceRelease(DWORD milliseconds)
{
    if (g_wait)
        g_wait(milliseconds, g_waitContext);
    else
        Sleep(milliseconds);
}

void SetDeviceReleaseWait(DeviceReleaseWait wait, void* context)
{
    g_wait = wait;
    g_waitContext = context;
}

bool SwitchEngineDevice(FAXENGINE hFaxEngine, DWORD nPort, DWORD nPortAtOpen)
{
    if (nPort == nPortAtOpen)
        return nPort != 0;
    if (nPort == 0)
        return false;

    // Let go of the stored device; if it is still stored, stop answering on it first, give
    // the engine its moment, and let go once more.
    if (DWORD stored = StoredPort()) {
        FaxRemoveDevice(hFaxEngine, stored);
        FaxEnumDevices(hFaxEngine);
    }
    if (DWORD stored = StoredPort()) {
        FaxSetConfig(hFaxEngine, "AutoReceive", "OFF");
        WaitForDeviceRelease(kDeviceReleaseWaitMs);
        FaxRemoveDevice(hFaxEngine, stored);
        FaxEnumDevices(hFaxEngine);
    }
    if (FaxAddDevice(hFaxEngine, nPort) != FAXENGINE_OK)
        return false;
    FaxEnumDevices(hFaxEngine);
    DWORD stored = StoredPort();
    if (stored != 0 && stored != nPort) {
        FaxRemoveDevice(hFaxEngine, stored);
        FaxEnumDevices(hFaxEngine);
    }
    return true;
}
