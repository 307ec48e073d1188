#pragma once
// The engine's store folder: its settings file, one file per job, and the documents of
// received faxes (layout in vovado32_standin.h).
#include <cstdint>
#include <map>
#include <string>

#include "standins/engine/engine_config.h"
#include "standins/engine/job_record.h"

class CEngineStore {
public:
    // Uses the folder, creating it and its subfolders when missing.
    void Open(const std::string& folder);
    // Keeps nothing on disk: jobs and settings live only as long as the engine.
    void OpenInMemory() { m_folder.clear(); m_bInMemory = true; }
    const std::string& Folder() const { return m_folder; }

    // Every readable job file; files that are not jobs are left where they are.
    std::map<uint32_t, JobRecord> LoadJobs() const;
    bool SaveJob(const JobRecord& job) const;
    void DeleteJob(uint32_t jobId) const;

    EngineConfig LoadConfig() const;
    bool SaveConfig(const EngineConfig& config) const;

    // Where the document of a received fax is kept.
    std::string ReceivedDocumentPath(uint32_t jobId) const;

private:
    std::string JobPath(uint32_t jobId) const;
    std::string m_folder;
    bool m_bInMemory = false;
};

// Files larger than this are not read as store files or documents.
constexpr size_t kMaxStoreFileBytes = 1 << 20;
constexpr size_t kMaxDocumentBytes = 64u << 20;
