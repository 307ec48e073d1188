#pragma once
// The fax engine the module talks to: the stand-in of this project, which the module has
// already loaded. A host of the suite would use the suite's engine instead; the calls that
// steer the engine (time, pace, sample receptions) exist only in the stand-in.
#include <windows.h>

#include "standins/engine/vovado32_standin.h"

struct EngineStandIn {
    HMODULE handle = nullptr;
    decltype(&FaxStandInOpen) open = nullptr;
    decltype(&FaxStandInClose) close = nullptr;
    decltype(&FaxStandInTick) tick = nullptr;
    decltype(&FaxStandInSetPace) setPace = nullptr;
    decltype(&FaxStandInSetClock) setClock = nullptr;
    decltype(&FaxStandInFailNextTransmission) failNextTransmission = nullptr;
    decltype(&FaxStandInGetStoreFolder) getStoreFolder = nullptr;
    decltype(&FaxInitSendStruct) initSendStruct = nullptr;
    decltype(&FaxSchedule) schedule = nullptr;
    decltype(&FaxCancel) cancel = nullptr;
    decltype(&FaxCreate) create = nullptr;
    decltype(&FaxLogGetCount) logCount = nullptr;
    decltype(&FaxStandInAddReceived) addReceived = nullptr;
    decltype(&FaxStandInScheduledCount) scheduledCount = nullptr;

    template <typename T>
    void Bind(T& slot, const char* name)
    {
        slot = reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(handle, name)));
    }

    bool Load()
    {
        handle = GetModuleHandleA("VOVADO32.dll");
        if (!handle)
            return false;
        Bind(open, "FaxStandInOpen");
        Bind(close, "FaxStandInClose");
        Bind(tick, "FaxStandInTick");
        Bind(setPace, "FaxStandInSetPace");
        Bind(setClock, "FaxStandInSetClock");
        Bind(failNextTransmission, "FaxStandInFailNextTransmission");
        Bind(getStoreFolder, "FaxStandInGetStoreFolder");
        Bind(initSendStruct, "FaxInitSendStruct");
        Bind(schedule, "FaxSchedule");
        Bind(cancel, "FaxCancel");
        Bind(create, "FaxCreate");
        Bind(logCount, "FaxLogGetCount");
        Bind(addReceived, "FaxStandInAddReceived");
        Bind(scheduledCount, "FaxStandInScheduledCount");
        return open && close && tick && setPace && setClock && failNextTransmission && getStoreFolder &&
               initSendStruct && schedule && cancel && create && logCount && addReceived && scheduledCount;
    }
};
