// How the engine spends the time its host gives it: one step of a transmission (or the
// start of a due job), one page of each reception in progress, then the events.
#include "standins/engine/fax_engine_core.h"

#include <algorithm>

namespace {
// Texts of the fax module's string table that the engine asks its host to show.
constexpr DWORD kTextInitializing = 30258;
constexpr DWORD kTextModemNotResponding = 2507;
constexpr DWORD kTextTransmissionOk = 30290;
constexpr DWORD kBaudRate = 14400;

int DigitCount(const JobText& text)
{
    return text ? static_cast<int>(std::count_if(text->begin(), text->end(), [](char c) { return c >= '0' && c <= '9'; }))
                : 0;
}
}  // namespace

bool CFaxEngine::Tick()
{
    EnsureLoaded();
    if (!StepTransmission())
        StartDueJob();
    StepReceptions();
    m_events.Deliver(HostWindows());
    return HasWork();
}

bool CFaxEngine::HasWork()
{
    if (m_transmission || m_events.Pending())
        return true;
    int64_t now = JobTimeSeconds(Now());
    for (const auto& entry : m_jobs) {
        const JobRecord& job = entry.second;
        if (job.logType == FAXLOG_RECEIVED && job.state == kJobReceiving)
            return true;
        if (job.logType == FAXLOG_WAITING && IsValidJobTime(job.start) && JobTimeSeconds(job.start) <= now)
            return true;
    }
    return false;
}

bool CFaxEngine::StartDueJob()
{
    int64_t now = JobTimeSeconds(Now());
    JobRecord* due = nullptr;
    for (auto& entry : m_jobs) {
        JobRecord& job = entry.second;
        if (job.logType != FAXLOG_WAITING || !IsValidJobTime(job.start) || JobTimeSeconds(job.start) > now)
            continue;
        if (!due || JobTimeSeconds(job.start) < JobTimeSeconds(due->start))
            due = &job;
    }
    if (!due)
        return false;
    int pages = PagesToSend(*due);
    if (pages == 0) {
        MoveJob(*due, FAXLOG_FAILED, kJobDone, kJobErrorNoDocument);
        return true;
    }
    due->totalPages = static_cast<int16_t>(pages);
    MoveJob(*due, FAXLOG_SENDING, kJobSending, kJobErrorNone);
    m_events.ShowStatus(*due);
    m_events.Status(FAXENGINE_STATUS_TEXT, kTextInitializing);
    m_events.Status(FAXENGINE_STATUS_TOTAL_PAGES, static_cast<DWORD>(pages));
    m_transmission = Transmission{due->jobId, 0, pages};
    return true;
}

bool CFaxEngine::StepTransmission()
{
    if (!m_transmission)
        return false;
    JobRecord* job = FindJob(m_transmission->jobId);
    if (!job || job->logType != FAXLOG_SENDING) {
        m_transmission.reset();
        return false;
    }
    Transmission& t = *m_transmission;
    if (t.step == 0) {
        if (++t.ticks < m_pace.dialTicks)
            return true;  // still dialling
        bool fails = m_bFailNextTransmission || DigitCount(job->destFax) < 3;
        m_bFailNextTransmission = false;
        if (fails) {
            EndTransmission(*job, kJobErrorNoAnswer);
            return true;
        }
        m_events.Status(FAXENGINE_STATUS_BAUD_RATE, kBaudRate);
        t = Transmission{t.jobId, 1, t.pages, 0};
    } else if (t.step <= t.pages) {
        int pageTicks = std::max(m_pace.pageTicks, 1);
        if (t.ticks == 0)
            m_events.Status(FAXENGINE_STATUS_PAGE, static_cast<DWORD>(t.step));
        ++t.ticks;
        int done = (t.step - 1) * pageTicks + t.ticks;
        m_events.Status(FAXENGINE_STATUS_PROGRESS, static_cast<DWORD>(done * 100 / (t.pages * pageTicks)));
        if (t.ticks >= pageTicks)
            t = Transmission{t.jobId, t.step + 1, t.pages, 0};
    } else {
        EndTransmission(*job, kJobErrorNone);
    }
    return true;
}

void CFaxEngine::EndTransmission(JobRecord& job, uint16_t error)
{
    if (error == kJobErrorNone)
        m_events.Status(FAXENGINE_STATUS_TEXT, kTextTransmissionOk);
    else if (error == kJobErrorNoAnswer)
        m_events.Status(FAXENGINE_STATUS_TEXT, kTextModemNotResponding);
    m_events.HideStatus();
    m_transmission.reset();
    MoveJob(job, error == kJobErrorNone ? FAXLOG_SENT : FAXLOG_FAILED, kJobDone, error);
}

bool CFaxEngine::StepReceptions()
{
    bool any = false;
    for (auto& entry : m_jobs) {
        JobRecord& job = entry.second;
        if (job.logType != FAXLOG_RECEIVED || job.state != kJobReceiving)
            continue;
        any = true;
        if (++m_receptionTicks[job.jobId] < m_pace.pageTicks)
            continue;  // the page is still coming in
        m_receptionTicks.erase(job.jobId);
        if (job.receivedPages < job.totalPages)
            ++job.receivedPages;
        if (job.receivedPages >= job.totalPages)
            job.state = kJobDone;
        m_store.SaveJob(job);
        m_events.LogChanged(job, FAXLOG_ENTRY_UPDATED);
    }
    return any;
}
