#pragma once
// Events the engine owes its hosts, kept until the host gives the engine time and then
// sent to the windows of the open handles (protocol in vovado32_standin.h).
#include <windows.h>

#include <deque>
#include <vector>

#include "standins/engine/job_record.h"
#include "standins/engine/vovado32_standin.h"

struct HostWindow {
    HWND window = nullptr;
    UINT message = 0;
};

class CEngineEvents {
public:
    ~CEngineEvents();

    void Status(DWORD code, DWORD detail) { Push(FAXEVENT_UPDATE_STATUS, nullptr, code, detail); }
    void ShowStatus(const JobRecord& job) { Push(FAXEVENT_SHOW_STATUS, &job, 0, 0); }
    void HideStatus() { Push(FAXEVENT_HIDE_STATUS, nullptr, 0, 0); }
    // A change of a log entry: the send log or the receive log by the job's kind.
    void LogChanged(const JobRecord& job, DWORD change);

    bool Pending() const { return !m_queue.empty(); }
    // Sends the waiting events in order, also those queued while they are handled.
    void Deliver(const std::vector<HostWindow>& hosts);
    void Clear();

private:
    struct Event {
        DWORD kind;
        bool hasRecord;
        JobRecord record;
        DWORD code;
        DWORD detail;
    };
    void Push(DWORD kind, const JobRecord* job, DWORD code, DWORD detail);

    std::deque<Event> m_queue;
    SEND_FAX* m_pShownRecord = nullptr;  // the record of the last show, kept until its hide
    bool m_bDelivering = false;
};
