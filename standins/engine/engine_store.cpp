#include "standins/engine/engine_store.h"

#include <windows.h>

#include <cstdio>

#include "standins/common/store_files.h"

void CEngineStore::Open(const std::string& folder)
{
    m_folder = folder;
    m_bInMemory = false;
    CreateFolderPath(m_folder + "\\Jobs");
    CreateFolderPath(m_folder + "\\Received");
}

std::string CEngineStore::JobPath(uint32_t jobId) const
{
    char name[32];
    std::snprintf(name, sizeof name, "\\Jobs\\J%08lu.job", static_cast<unsigned long>(jobId));
    return m_folder + name;
}

std::string CEngineStore::ReceivedDocumentPath(uint32_t jobId) const
{
    char name[32];
    std::snprintf(name, sizeof name, "\\Received\\R%08lu.tif", static_cast<unsigned long>(jobId));
    return m_folder + name;
}

std::map<uint32_t, JobRecord> CEngineStore::LoadJobs() const
{
    std::map<uint32_t, JobRecord> jobs;
    if (m_bInMemory)
        return jobs;
    for (const std::string& name : ListFiles(m_folder + "\\Jobs", "*.job")) {
        if (name.size() < 4 || lstrcmpiA(name.c_str() + name.size() - 4, ".job") != 0)
            continue;
        std::string text;
        JobRecord job;
        if (!ReadWholeFile(m_folder + "\\Jobs\\" + name, kMaxStoreFileBytes, text) || !ParseJobFile(text, job))
            continue;
        // A file renamed by hand keeps the identifier written inside it; the first one wins.
        jobs.emplace(job.jobId, std::move(job));
    }
    return jobs;
}

bool CEngineStore::SaveJob(const JobRecord& job) const
{
    return m_bInMemory || ReplaceFileWith(JobPath(job.jobId), FormatJobFile(job));
}

void CEngineStore::DeleteJob(uint32_t jobId) const
{
    if (!m_bInMemory)
        DeleteFileA(JobPath(jobId).c_str());
}

EngineConfig CEngineStore::LoadConfig() const
{
    std::string text;
    if (!m_bInMemory)
        ReadWholeFile(m_folder + "\\Engine.ini", kMaxStoreFileBytes, text);
    return ParseEngineConfig(text);
}

bool CEngineStore::SaveConfig(const EngineConfig& config) const
{
    return m_bInMemory || ReplaceFileWith(m_folder + "\\Engine.ini", FormatEngineConfig(config));
}
