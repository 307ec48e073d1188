#include "standins/engine/job_record.h"

#include <cstdlib>

#include "standins/common/profile_text.h"

const JobTextField kJobTextFields[14] = {
    {"DestName", &JobRecord::destName},       {"DestFax", &JobRecord::destFax},
    {"DestPhone", &JobRecord::destPhone},     {"Subject", &JobRecord::subject},
    {"FromLine", &JobRecord::fromLine},       {"Banner", &JobRecord::banner},
    {"Cover", &JobRecord::cover},             {"Comments", &JobRecord::comments},
    {"FromCompany", &JobRecord::fromCompany}, {"ToCompany", &JobRecord::toCompany},
    {"FromFax", &JobRecord::fromFax},         {"FromPhone", &JobRecord::fromPhone},
    {"UserDefined", &JobRecord::userDefined}, {"FileList", &JobRecord::fileList},
};

namespace {
struct NumberField {
    const char* key;
    int16_t JobRecord::*member;
};
const NumberField kNumberFields[] = {
    {"Timeout", &JobRecord::timeout},         {"Retries", &JobRecord::retries},
    {"RetryDelay", &JobRecord::retryDelay},   {"Resolution", &JobRecord::resolution},
    {"TotalPages", &JobRecord::totalPages},   {"ReceivedPages", &JobRecord::receivedPages},
};

// A whole decimal number within the range, nothing else on the line.
bool ParseWhole(const std::string& text, long long low, long long high, long long& value)
{
    if (text.empty() || text.size() > 12)
        return false;
    char* end = nullptr;
    long long v = std::strtoll(text.c_str(), &end, 10);
    if (*end != '\0' || v < low || v > high)
        return false;
    value = v;
    return true;
}

std::string Cut(const std::string& text, size_t limit) { return text.size() > limit ? text.substr(0, limit) : text; }
}  // namespace

bool IsLogType(int value) { return value == 1 || value == 2 || value == 4 || value == 8 || value == 16; }

std::string FormatJobFile(const JobRecord& record)
{
    ProfileText profile;
    ProfileSection& job = profile.Add("Job");
    job.Set("JobID", std::to_string(record.jobId));
    job.Set("LogType", std::to_string(record.logType));
    job.Set("State", std::to_string(record.state));
    job.Set("Error", std::to_string(record.error));
    job.Set("Start", FormatJobTime(record.start));
    for (const auto& field : kNumberFields)
        job.Set(field.key, std::to_string(record.*field.member));
    job.Set("LocalID", record.localId);
    for (const auto& field : kJobTextFields)
        if (const JobText& text = record.*field.member)
            job.Set(field.key, *text);
    return FormatProfileText(profile, {"A job of the fax engine."});
}

bool ParseJobFile(const std::string& text, JobRecord& record)
{
    ProfileText profile = ParseProfileText(text);
    const ProfileSection* job = profile.Find("Job");
    if (!job)
        return false;
    JobRecord parsed;
    long long value = 0;
    const std::string* id = job->Find("JobID");
    if (!id || !ParseWhole(*id, 1, 0xFFFFFFFFll, value))
        return false;
    parsed.jobId = static_cast<uint32_t>(value);
    const std::string* kind = job->Find("LogType");
    if (!kind || !ParseWhole(*kind, 1, 16, value) || !IsLogType(static_cast<int>(value)))
        return false;
    parsed.logType = static_cast<int16_t>(value);
    if (const std::string* state = job->Find("State"); state && ParseWhole(*state, 0, 0xFFFF, value))
        parsed.state = static_cast<uint16_t>(value);
    if (const std::string* error = job->Find("Error"); error && ParseWhole(*error, 0, 0xFFFF, value))
        parsed.error = static_cast<uint16_t>(value);
    if (const std::string* start = job->Find("Start"))
        ParseJobTime(*start, parsed.start);
    for (const auto& field : kNumberFields)
        if (const std::string* number = job->Find(field.key); number && ParseWhole(*number, -32768, 32767, value))
            parsed.*field.member = static_cast<int16_t>(value);
    if (const std::string* localId = job->Find("LocalID"))
        parsed.localId = Cut(*localId, kLocalIdChars);
    for (const auto& field : kJobTextFields)
        if (const std::string* found = job->Find(field.key))
            parsed.*field.member = Cut(*found, kMaxJobText);
    record = std::move(parsed);
    return true;
}
