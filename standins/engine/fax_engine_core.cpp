#include "standins/engine/fax_engine_core.h"

#include <algorithm>

#include "standins/common/store_files.h"
#include "standins/engine/engine_document.h"
#include "standins/engine/global_records.h"
#include "standins/engine/send_fax_job.h"
#include "standins/tiff/tiff_document.h"

namespace {
constexpr SHORT kLogOpened = 1;
// A log opened while one of its entries is being written: the in-transmission log during a
// transmission. Its entries are listed all the same.
constexpr SHORT kLogOpenedWhileChanging = 0;
constexpr SHORT kLogLastBlock = 1;
constexpr SHORT kLogUnknownKind = 101;
constexpr int16_t kDefaultTimeout = 60;
constexpr int16_t kDefaultRetries = 2;
constexpr int16_t kDefaultRetryDelay = 90;
}  // namespace

CFaxEngine& CFaxEngine::Instance()
{
    static CFaxEngine engine;
    return engine;
}

FAXENGINE CFaxEngine::Open(HWND window, UINT message)
{
    EnsureLoaded();
    FAXENGINE handle = m_nextHandle++;
    m_hosts[handle] = {window, message};
    return handle;
}

bool CFaxEngine::Close(FAXENGINE handle)
{
    m_enumerations.erase(handle);
    return m_hosts.erase(handle) != 0;
}

std::vector<HostWindow> CFaxEngine::HostWindows() const
{
    std::vector<HostWindow> windows;
    for (const auto& host : m_hosts)
        windows.push_back(host.second);
    return windows;
}

void CFaxEngine::UseStore(const std::string& folder)
{
    m_explicitFolder = folder;
    m_bLoaded = false;
    m_jobs.clear();
    m_enumerations.clear();
    m_transmission.reset();
    m_events.Clear();
    EnsureLoaded();
}

const std::string& CFaxEngine::StoreFolder()
{
    EnsureLoaded();
    return m_store.Folder();
}

void CFaxEngine::EnsureLoaded()
{
    if (m_bLoaded)
        return;
    m_bLoaded = true;
    m_store.Open(m_explicitFolder.empty() ? DefaultStoreFolder("RWFAX_ENGINE_STORE", "Fax Engine") : m_explicitFolder);
    m_jobs = m_store.LoadJobs();
    m_config = m_store.LoadConfig();
    for (auto& [id, job] : m_jobs) {
        if (id >= m_config.nextJobId && id != 0xFFFFFFFFu)
            m_config.nextJobId = id + 1;
        // A transmission the engine did not finish before it was unloaded starts again.
        if (job.logType == FAXLOG_SENDING) {
            job.logType = FAXLOG_WAITING;
            job.state = kJobWaiting;
            m_store.SaveJob(job);
        }
    }
}

JobTime CFaxEngine::Now() const
{
    SYSTEMTIME now;
    if (m_clock)
        now = *m_clock;
    else
        GetLocalTime(&now);
    return {static_cast<int16_t>(now.wYear),   static_cast<int16_t>(now.wMonth),  static_cast<int16_t>(now.wDay),
            static_cast<int16_t>(now.wHour),   static_cast<int16_t>(now.wMinute), static_cast<int16_t>(now.wSecond)};
}

void CFaxEngine::SetClock(const SYSTEMTIME* now)
{
    if (now)
        m_clock = *now;
    else
        m_clock.reset();
}

JobRecord* CFaxEngine::FindJob(uint32_t jobId)
{
    auto found = m_jobs.find(jobId);
    return found == m_jobs.end() ? nullptr : &found->second;
}

bool CFaxEngine::Store(const JobRecord& job)
{
    if (!m_store.SaveJob(job))
        return false;
    m_jobs[job.jobId] = job;
    return true;
}

void CFaxEngine::Remove(uint32_t jobId)
{
    m_store.DeleteJob(jobId);
    m_jobs.erase(jobId);
}

int CFaxEngine::PagesToSend(const JobRecord& job) const
{
    int pages = job.cover && !job.cover->empty() ? 1 : 0;
    std::string document;
    if (job.fileList && !job.fileList->empty() && ReadWholeFile(*job.fileList, kMaxDocumentBytes, document))
        pages += static_cast<int>(tiff::CountPages(document));
    return std::min(pages, 32767);
}

void CFaxEngine::MoveJob(JobRecord& job, SHORT logType, uint16_t state, uint16_t error)
{
    job.logType = logType;
    job.state = state;
    job.error = error;
    m_store.SaveJob(job);
    m_events.LogChanged(job, FAXLOG_ENTRY_UPDATED);
}

bool CFaxEngine::InitSendStruct(SEND_FAX& record)
{
    WriteEngineHeader(record);
    JobTime now = Now();
    record.nTimeout = kDefaultTimeout;
    record.nRetries = kDefaultRetries;
    record.nRetryDelay = kDefaultRetryDelay;
    record.Resolution = 1;
    record.nYear = now.year;
    record.nMonth = now.month;
    record.nDay = now.day;
    record.nHour = now.hour;
    record.nMinute = now.minute;
    record.nSecond = now.second;
    return true;
}

DWORD CFaxEngine::Schedule(SEND_FAX& record)
{
    EnsureLoaded();
    if (m_bRefuseNextSchedule) {
        m_bRefuseNextSchedule = false;
        return 0;
    }
    if (!HasEngineHeader(record))
        return 0;
    JobRecord job = JobFromSendFax(record);
    if (!job.destFax || job.destFax->empty() || !IsValidJobTime(job.start))
        return 0;
    while (m_config.nextJobId == 0 || m_jobs.count(m_config.nextJobId))
        ++m_config.nextJobId;
    job.jobId = m_config.nextJobId++;
    if (!m_store.SaveConfig(m_config))
        return 0;
    job.logType = FAXLOG_WAITING;
    job.state = kJobWaiting;
    job.error = kJobErrorNone;
    job.totalPages = static_cast<int16_t>(PagesToSend(job));
    if (!Store(job))
        return 0;
    record.dwJobID = job.jobId;
    m_scheduled.push_back(job);
    m_events.LogChanged(job, FAXLOG_ENTRY_UPDATED);
    return job.jobId;
}

SHORT CFaxEngine::LogInit(FAXENGINE handle, SHORT logType)
{
    EnsureLoaded();
    if (!IsLogType(logType))
        return kLogUnknownKind;
    Enumeration& enumeration = m_enumerations[handle];
    enumeration = Enumeration();
    enumeration.logType = logType;
    for (const auto& [id, job] : m_jobs)
        if (job.logType == logType)
            enumeration.jobIds.push_back(id);
    if (logType == FAXLOG_SENDING && m_transmission)
        return kLogOpenedWhileChanging;
    return kLogOpened;
}

SHORT CFaxEngine::LogCount(SHORT logType)
{
    EnsureLoaded();
    if (!IsLogType(logType))
        return -1;
    size_t count = std::count_if(m_jobs.begin(), m_jobs.end(), [&](const auto& job) { return job.second.logType == logType; });
    return static_cast<SHORT>(std::min<size_t>(count, 32767));
}

SHORT CFaxEngine::NextBlock(FAXENGINE handle, SEND_FAX** block, SHORT* count)
{
    if (!block || !count)
        return 0;
    *block = nullptr;
    SHORT wanted = *count;
    *count = 0;
    auto found = m_enumerations.find(handle);
    if (found == m_enumerations.end() || wanted <= 0)
        return 0;
    Enumeration& enumeration = found->second;
    std::vector<const JobRecord*> jobs;
    // Entries deleted or moved to another log since the log was opened are left out.
    while (enumeration.next < enumeration.jobIds.size() && jobs.size() < static_cast<size_t>(wanted)) {
        const JobRecord* job = FindJob(enumeration.jobIds[enumeration.next++]);
        if (job && job->logType == enumeration.logType)
            jobs.push_back(job);
    }
    // An engine that never ends its logs, for tests: it starts over after the last block.
    if (m_bNeverEndLogs && enumeration.next >= enumeration.jobIds.size())
        enumeration.next = 0;
    if (jobs.empty())
        return 0;
    *block = NewGlobalRecords(jobs);
    if (!*block)
        return 0;
    *count = static_cast<SHORT>(jobs.size());
    return enumeration.next < enumeration.jobIds.size() ? FAXLOG_MORE_BLOCKS : kLogLastBlock;
}

bool CFaxEngine::Find(DWORD jobId, SEND_FAX** record)
{
    EnsureLoaded();
    if (!record)
        return false;
    *record = nullptr;
    const JobRecord* job = FindJob(jobId);
    if (!job)
        return false;
    *record = NewGlobalRecords({job});
    return *record != nullptr;
}

bool CFaxEngine::Delete(DWORD jobId, SHORT logType)
{
    EnsureLoaded();
    JobRecord* found = FindJob(jobId);
    // Each log kind is a log of its own: a job asked for in another log is not there.
    if (!found || found->logType != logType)
        return false;
    JobRecord job = *found;
    if (m_transmission && m_transmission->jobId == jobId) {
        m_transmission.reset();
        m_events.HideStatus();
    }
    // The entry's document goes with it; a caller that keeps it moves it aside first.
    if (job.fileList && !job.fileList->empty())
        DeleteFileA(job.fileList->c_str());
    Remove(jobId);
    m_events.LogChanged(job, FAXLOG_ENTRY_REMOVED);
    return true;
}

bool CFaxEngine::Cancel(DWORD jobId)
{
    EnsureLoaded();
    JobRecord* job = FindJob(jobId);
    if (!job)
        return false;
    if (m_transmission && m_transmission->jobId == jobId) {
        EndTransmission(*job, kJobErrorCancelled);
        return true;
    }
    if (job->logType != FAXLOG_WAITING)
        return false;
    MoveJob(*job, FAXLOG_FAILED, kJobDone, kJobErrorCancelled);
    return true;
}

DWORD CFaxEngine::AddReceived(const char* senderName, const char* senderFax, const char* document, SHORT pages,
                              DWORD flags)
{
    EnsureLoaded();
    while (m_config.nextJobId == 0 || m_jobs.count(m_config.nextJobId))
        ++m_config.nextJobId;
    JobRecord job;
    job.jobId = m_config.nextJobId;
    if (document) {
        std::string path = m_store.ReceivedDocumentPath(job.jobId);
        size_t pagesRead = 0;
        if (!CreateEngineDocument(document, path.c_str(), &pagesRead))
            return 0;
        job.fileList = path;
        pages = static_cast<SHORT>(std::min<size_t>(pagesRead, 32767));
    }
    ++m_config.nextJobId;
    m_store.SaveConfig(m_config);
    if (senderName)
        job.destName = std::string(senderName).substr(0, kMaxJobText);
    if (senderFax)
        job.destFax = std::string(senderFax).substr(0, kMaxJobText);
    job.logType = FAXLOG_RECEIVED;
    job.start = Now();
    job.totalPages = pages > 0 ? pages : 0;
    bool inProgress = (flags & FAXRECEIVE_IN_PROGRESS) != 0;
    job.state = inProgress ? static_cast<uint16_t>(kJobReceiving) : static_cast<uint16_t>(kJobDone);
    job.receivedPages = inProgress ? 0 : job.totalPages;
    job.error = (flags & FAXRECEIVE_FAILED) ? kJobErrorReception : kJobErrorNone;
    if (!Store(job))
        return 0;
    m_events.LogChanged(job, FAXLOG_ENTRY_UPDATED);
    return job.jobId;
}

DWORD CFaxEngine::CallCount(const std::string& name) const
{
    auto found = m_callCounts.find(name);
    return found == m_callCounts.end() ? 0 : found->second;
}

void CFaxEngine::HoldInMemory()
{
    m_explicitFolder.clear();
    m_store.OpenInMemory();
    m_bLoaded = true;
    m_jobs.clear();
    m_config = EngineConfig();
    m_enumerations.clear();
    m_transmission.reset();
    m_events.Clear();
}

DWORD CFaxEngine::AddLogEntry(const SEND_FAX& record)
{
    EnsureLoaded();
    if (!IsLogType(record.nLogType))
        return 0;
    JobRecord job = JobFromSendFax(record);
    while (m_config.nextJobId == 0 || m_jobs.count(m_config.nextJobId))
        ++m_config.nextJobId;
    job.jobId = m_config.nextJobId++;
    m_store.SaveConfig(m_config);
    job.logType = record.nLogType;
    job.state = record.nState;
    job.error = record.nError;
    job.totalPages = record.nTotPages;
    job.receivedPages = record.nRcvPages;
    if (!Store(job))
        return 0;
    return job.jobId;
}
