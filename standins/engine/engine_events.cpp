#include "standins/engine/engine_events.h"

#include "standins/engine/global_records.h"

CEngineEvents::~CEngineEvents() { FreeGlobalRecords(m_pShownRecord); }

void CEngineEvents::Push(DWORD kind, const JobRecord* job, DWORD code, DWORD detail)
{
    m_queue.push_back({kind, job != nullptr, job ? *job : JobRecord(), code, detail});
}

void CEngineEvents::LogChanged(const JobRecord& job, DWORD change)
{
    Push(job.logType == FAXLOG_RECEIVED ? FAXEVENT_RECEIVE_LOG : FAXEVENT_SEND_LOG, &job, change, 0);
}

void CEngineEvents::Clear()
{
    m_queue.clear();
    FreeGlobalRecords(m_pShownRecord);
    m_pShownRecord = nullptr;
}

void CEngineEvents::Deliver(const std::vector<HostWindow>& hosts)
{
    // A host that asks for time while it handles an event gets no events from that call.
    if (m_bDelivering)
        return;
    m_bDelivering = true;
    while (!m_queue.empty()) {
        Event event = std::move(m_queue.front());
        m_queue.pop_front();
        SEND_FAX* record = event.hasRecord ? NewGlobalRecords({&event.record}) : nullptr;
        if (event.kind == FAXEVENT_SHOW_STATUS) {
            FreeGlobalRecords(m_pShownRecord);
            m_pShownRecord = record;
        }
        FAXENGINE_EVENT message = {event.kind, record, event.code, event.detail};
        for (const HostWindow& host : hosts)
            if (host.window && IsWindow(host.window))
                SendMessageA(host.window, host.message, event.kind, reinterpret_cast<LPARAM>(&message));
        if (event.kind == FAXEVENT_HIDE_STATUS) {
            FreeGlobalRecords(m_pShownRecord);
            m_pShownRecord = nullptr;
        } else if (event.kind != FAXEVENT_SHOW_STATUS) {
            FreeGlobalRecords(record);
        }
    }
    m_bDelivering = false;
}
