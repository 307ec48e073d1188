#pragma once
// A job (or a received fax) as the fax engine keeps it, and the text file that holds it in
// the engine's store:
//
//   [Job]
//   JobID=17
//   LogType=1                 1 waiting (also held), 2 sending, 4 sent, 8 failed, 16 received
//   State=1                   1 waiting, 2 sending, 3 done, 23 receiving
//   Error=0                   see JobError
//   Start=2024-05-10 14:30:00 local start time (time of reception)
//   DestName=Ann Archer       one line per text of the record; a missing line is a null text
//   ...
//
// The numbers Timeout, Retries, RetryDelay, Resolution, TotalPages and ReceivedPages
// follow the same way. A file that lacks a job id or a known log kind is not a job.
#include <cstdint>
#include <optional>
#include <string>

#include "standins/engine/job_time.h"

// The longest text the engine keeps of each string of a job; longer ones are cut.
constexpr size_t kMaxJobText = 4095;
// Characters of the station identifier (not terminated when it fills the field).
constexpr size_t kLocalIdChars = 22;

enum JobState : uint16_t {
    kJobWaiting = 1,
    kJobSending = 2,
    kJobDone = 3,
    kJobReceiving = 23,
};

enum JobError : uint16_t {
    kJobErrorNone = 0,
    kJobErrorNoAnswer = 1,     // the number could not be reached
    kJobErrorNoDocument = 2,   // nothing to send: no readable document and no cover page
    kJobErrorCancelled = 3,    // aborted by the user
    kJobErrorReception = 4,    // a reception broke off
};

using JobText = std::optional<std::string>;

struct JobRecord {
    uint32_t jobId = 0;
    int16_t logType = 0;
    uint16_t state = 0;
    uint16_t error = 0;
    JobText destName, destFax, destPhone, subject, fromLine, banner, cover, comments, fromCompany, toCompany,
        fromFax, fromPhone, userDefined, fileList;
    std::string localId;
    int16_t timeout = 0;
    int16_t retries = 0;
    int16_t retryDelay = 0;
    JobTime start;
    int16_t resolution = 0;
    int16_t totalPages = 0;
    int16_t receivedPages = 0;
};

// The text fields of a record, for code that treats them alike.
struct JobTextField {
    const char* key;
    JobText JobRecord::*member;
};
extern const JobTextField kJobTextFields[14];

bool IsLogType(int value);

// The file form of a record, and back. False (record untouched) for a file that is not a
// job; texts are cut to their limits.
std::string FormatJobFile(const JobRecord& record);
bool ParseJobFile(const std::string& text, JobRecord& record);
