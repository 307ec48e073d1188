// The exported calls of VOVADO32.dll: the engine calls of engine/fax_engine.h and the
// stand-in's own calls of vovado32_standin.h. Each one checks its arguments and hands the
// work to the engine.
#include "standins/engine/vovado32_standin.h"

#include <algorithm>
#include <cstring>

#include "standins/engine/engine_document.h"
#include "standins/engine/fax_engine_core.h"
#include "standins/engine/global_records.h"

namespace {
CFaxEngine& Engine() { return CFaxEngine::Instance(); }

// Counts the call and tells whether the handle is open.
bool Called(const char* name, FAXENGINE handle)
{
    Engine().CountCall(name);
    return Engine().IsOpen(handle);
}

DWORD CopyOut(const std::string& text, char* buffer, DWORD size)
{
    if (!buffer || size <= text.size())
        return 0;
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return static_cast<DWORD>(text.size());
}
}  // namespace

extern "C" {

DWORD WINAPI FaxInitSendStruct(FAXENGINE hFaxEngine, SEND_FAX* pJob)
{
    if (!Called("FaxInitSendStruct", hFaxEngine) || !pJob)
        return 0;
    return Engine().InitSendStruct(*pJob) ? 1 : 0;
}

DWORD WINAPI FaxSchedule(FAXENGINE hFaxEngine, SEND_FAX* pJob)
{
    if (!Called("FaxSchedule", hFaxEngine) || !pJob)
        return 0;
    return Engine().Schedule(*pJob);
}

SHORT WINAPI FaxLogInit(FAXENGINE hFaxEngine, SHORT nLogType)
{
    if (!Called("FaxLogInit", hFaxEngine))
        return FAXLOG_INIT_FIRST_FAILURE;
    return Engine().LogInit(hFaxEngine, nLogType);
}

SHORT WINAPI FaxLogGetCount(FAXENGINE hFaxEngine, SHORT nLogType)
{
    if (!Called("FaxLogGetCount", hFaxEngine))
        return -1;
    return Engine().LogCount(nLogType);
}

SHORT WINAPI FaxLogNextBlock(FAXENGINE hFaxEngine, SEND_FAX** ppBlock, SHORT* pnCount)
{
    if (!Called("FaxLogNextBlock", hFaxEngine)) {
        if (ppBlock)
            *ppBlock = nullptr;
        if (pnCount)
            *pnCount = 0;
        return 0;
    }
    return Engine().NextBlock(hFaxEngine, ppBlock, pnCount);
}

DWORD WINAPI FaxLogFind(FAXENGINE hFaxEngine, SEND_FAX** ppRecord, DWORD dwJobID)
{
    if (!Called("FaxLogFind", hFaxEngine)) {
        if (ppRecord)
            *ppRecord = nullptr;
        return 0;
    }
    return Engine().Find(dwJobID, ppRecord) ? FAXENGINE_OK : 0;
}

DWORD WINAPI FaxLogDelete(FAXENGINE hFaxEngine, DWORD dwJobID, SHORT nLogType)
{
    if (!Called("FaxLogDelete", hFaxEngine))
        return 0;
    return Engine().Delete(dwJobID, nLogType) ? 1 : 0;
}

DWORD WINAPI FaxCancel(FAXENGINE hFaxEngine, DWORD dwJobID)
{
    if (!Called("FaxCancel", hFaxEngine))
        return 0;
    return Engine().Cancel(dwJobID) ? 1 : 0;
}

DWORD WINAPI FaxCreate(FAXENGINE hFaxEngine, const char* pszSource, const char* pszTarget, DWORD dwReserved)
{
    if (!Called("FaxCreate", hFaxEngine) || !pszSource || !pszTarget)
        return 0;
    return CreateEngineDocument(pszSource, pszTarget) ? 1 : 0;
}

DWORD WINAPI FaxEnumDevices(FAXENGINE hFaxEngine)
{
    if (!Called("FaxEnumDevices", hFaxEngine))
        return 0;
    return Engine().DeviceCount();
}

DWORD WINAPI FaxAddDevice(FAXENGINE hFaxEngine, DWORD dwPort)
{
    if (!Called("FaxAddDevice", hFaxEngine))
        return 0;
    return Engine().AddDevice(dwPort) ? FAXENGINE_OK : 0;
}

DWORD WINAPI FaxRemoveDevice(FAXENGINE hFaxEngine, DWORD dwPort)
{
    if (!Called("FaxRemoveDevice", hFaxEngine))
        return 0;
    return Engine().RemoveDevice(dwPort) ? 1 : 0;
}

DWORD WINAPI FaxSetConfig(FAXENGINE hFaxEngine, const char* pszKey, const char* pszValue)
{
    if (!Called("FaxSetConfig", hFaxEngine) || !pszKey || !pszValue)
        return 0;
    return Engine().SetConfig(pszKey, pszValue) ? 1 : 0;
}

FAXENGINE WINAPI FaxStandInOpen(HWND hNotifyWnd, UINT uMessage) { return Engine().Open(hNotifyWnd, uMessage); }

DWORD WINAPI FaxStandInClose(FAXENGINE hFaxEngine) { return Engine().Close(hFaxEngine) ? 1 : 0; }

DWORD WINAPI FaxStandInTick(FAXENGINE hFaxEngine)
{
    if (!Engine().IsOpen(hFaxEngine))
        return 0;
    return Engine().Tick() ? 1 : 0;
}

DWORD WINAPI FaxStandInSetStoreFolder(const char* pszFolder)
{
    Engine().UseStore(pszFolder ? pszFolder : "");
    return 1;
}

DWORD WINAPI FaxStandInGetStoreFolder(char* pszFolder, DWORD cchFolder)
{
    return CopyOut(Engine().StoreFolder(), pszFolder, cchFolder);
}

void WINAPI FaxStandInSetClock(const SYSTEMTIME* pNow) { Engine().SetClock(pNow); }

DWORD WINAPI FaxStandInAddReceived(FAXENGINE hFaxEngine, const char* pszSenderName, const char* pszSenderFax,
                                   const char* pszDocument, SHORT nPages, DWORD dwFlags)
{
    if (!Engine().IsOpen(hFaxEngine))
        return 0;
    return Engine().AddReceived(pszSenderName, pszSenderFax, pszDocument, nPages, dwFlags);
}

void WINAPI FaxStandInRefuseNextSchedule(void) { Engine().RefuseNextSchedule(); }

void WINAPI FaxStandInFailNextTransmission(void) { Engine().FailNextTransmission(); }

void WINAPI FaxStandInSetPace(DWORD dwDialTicks, DWORD dwPageTicks)
{
    EnginePace pace;
    pace.dialTicks = static_cast<int>(std::clamp<DWORD>(dwDialTicks, 1, 100000));
    pace.pageTicks = static_cast<int>(std::clamp<DWORD>(dwPageTicks, 1, 100000));
    Engine().SetPace(pace);
}

DWORD WINAPI FaxStandInScheduledCount(void) { return static_cast<DWORD>(Engine().Scheduled().size()); }

DWORD WINAPI FaxStandInGetScheduled(DWORD dwIndex, SEND_FAX** ppRecord)
{
    if (!ppRecord)
        return 0;
    *ppRecord = nullptr;
    if (dwIndex >= Engine().Scheduled().size())
        return 0;
    *ppRecord = NewGlobalRecords({&Engine().Scheduled()[dwIndex]});
    return *ppRecord ? 1 : 0;
}

void WINAPI FaxStandInClearScheduled(void) { Engine().ClearScheduled(); }

void WINAPI FaxStandInSetDevices(const DWORD* pdwPorts, DWORD dwCount)
{
    std::vector<DWORD> ports;
    if (pdwPorts)
        ports.assign(pdwPorts, pdwPorts + dwCount);
    Engine().SetAcceptedPorts(std::move(ports));
}

DWORD WINAPI FaxStandInGetActiveDevices(DWORD* pdwPorts, DWORD dwMax)
{
    std::vector<DWORD> devices = Engine().ActiveDevices();
    for (DWORD i = 0; pdwPorts && i < dwMax && i < devices.size(); ++i)
        pdwPorts[i] = devices[i];
    return static_cast<DWORD>(devices.size());
}

DWORD WINAPI FaxStandInGetConfig(const char* pszKey, char* pszValue, DWORD cchValue)
{
    const std::string* value = pszKey ? Engine().Config(pszKey) : nullptr;
    return value ? CopyOut(*value, pszValue, cchValue) : 0;
}

DWORD WINAPI FaxStandInCallCount(const char* pszCall) { return pszCall ? Engine().CallCount(pszCall) : 0; }

void WINAPI FaxStandInHoldInMemory(void) { Engine().HoldInMemory(); }

DWORD WINAPI FaxStandInAddLogEntry(FAXENGINE hFaxEngine, const SEND_FAX* pRecord)
{
    if (!Engine().IsOpen(hFaxEngine) || !pRecord)
        return 0;
    return Engine().AddLogEntry(*pRecord);
}

void WINAPI FaxStandInNeverEndLogs(DWORD dwOn) { Engine().NeverEndLogs(dwOn != 0); }

}  // extern "C"
