#pragma once
// The fax engine behind the exported calls: its jobs and logs, its hosts, transmissions and
// receptions, devices and settings, and the controls only this stand-in has.
#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "standins/engine/engine_events.h"
#include "standins/engine/engine_pace.h"
#include "standins/engine/engine_store.h"
#include "standins/engine/vovado32_standin.h"

class CFaxEngine {
public:
    static CFaxEngine& Instance();

    // Hosts.
    FAXENGINE Open(HWND window, UINT message);
    bool Close(FAXENGINE handle);
    bool IsOpen(FAXENGINE handle) const { return m_hosts.count(handle) != 0; }

    // The store.
    void UseStore(const std::string& folder);
    const std::string& StoreFolder();

    // Jobs and logs.
    bool InitSendStruct(SEND_FAX& record);
    DWORD Schedule(SEND_FAX& record);
    SHORT LogInit(FAXENGINE handle, SHORT logType);
    SHORT LogCount(SHORT logType);
    SHORT NextBlock(FAXENGINE handle, SEND_FAX** block, SHORT* count);
    bool Find(DWORD jobId, SEND_FAX** record);
    bool Delete(DWORD jobId, SHORT logType);
    bool Cancel(DWORD jobId);
    DWORD AddReceived(const char* senderName, const char* senderFax, const char* document, SHORT pages, DWORD flags);

    // Giving the engine time.
    bool Tick();

    // Devices and settings.
    DWORD DeviceCount();
    bool AddDevice(DWORD port);
    bool RemoveDevice(DWORD port);
    bool SetConfig(const std::string& key, const std::string& value);
    const std::string* Config(const std::string& key);
    std::vector<DWORD> ActiveDevices();
    void SetAcceptedPorts(std::vector<DWORD> ports) { m_acceptedPorts = std::move(ports); }

    // Controls for tests and the demo host.
    void SetClock(const SYSTEMTIME* now);
    void RefuseNextSchedule() { m_bRefuseNextSchedule = true; }
    void FailNextTransmission() { m_bFailNextTransmission = true; }
    void SetPace(const EnginePace& pace) { m_pace = pace; }
    const std::vector<JobRecord>& Scheduled() const { return m_scheduled; }
    void ClearScheduled() { m_scheduled.clear(); }
    void CountCall(const char* name) { ++m_callCounts[name]; }
    DWORD CallCount(const std::string& name) const;
    // Forgets every job and keeps new ones only in memory, until another store is used.
    void HoldInMemory();
    // Adds an entry to a log as the record describes it, without telling the hosts.
    DWORD AddLogEntry(const SEND_FAX& record);
    void NeverEndLogs(bool on) { m_bNeverEndLogs = on; }

private:
    struct Enumeration {
        SHORT logType = 0;
        std::vector<uint32_t> jobIds;
        size_t next = 0;
    };
    struct Transmission {
        uint32_t jobId = 0;
        int step = 0;  // 0 connects, 1..pages sends a page, pages + 1 finishes
        int pages = 0;
        int ticks = 0;  // spent in this step
    };

    void EnsureLoaded();
    JobTime Now() const;
    JobRecord* FindJob(uint32_t jobId);
    bool Store(const JobRecord& job);
    void Remove(uint32_t jobId);
    int PagesToSend(const JobRecord& job) const;
    // Moves a job into another log kind, stores it and tells the hosts.
    void MoveJob(JobRecord& job, SHORT logType, uint16_t state, uint16_t error);
    bool StepTransmission();
    bool StartDueJob();
    bool StepReceptions();
    void EndTransmission(JobRecord& job, uint16_t error);
    bool HasWork();
    std::vector<HostWindow> HostWindows() const;

    bool m_bLoaded = false;
    std::string m_explicitFolder;
    CEngineStore m_store;
    std::map<uint32_t, JobRecord> m_jobs;
    EngineConfig m_config;
    std::map<FAXENGINE, HostWindow> m_hosts;
    std::map<FAXENGINE, Enumeration> m_enumerations;
    FAXENGINE m_nextHandle = 0x56460001;
    std::optional<Transmission> m_transmission;
    EnginePace m_pace;
    std::map<uint32_t, int> m_receptionTicks;  // spent on the page being received, by job
    CEngineEvents m_events;
    std::optional<SYSTEMTIME> m_clock;
    bool m_bRefuseNextSchedule = false;
    bool m_bFailNextTransmission = false;
    bool m_bNeverEndLogs = false;
    std::vector<JobRecord> m_scheduled;
    std::vector<DWORD> m_acceptedPorts;
    std::map<std::string, DWORD> m_callCounts;
};
