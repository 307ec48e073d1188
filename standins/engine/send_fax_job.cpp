#include "standins/engine/send_fax_job.h"

#include <cstddef>
#include <cstring>

namespace {
const size_t kTextOffsets[14] = {
    offsetof(SEND_FAX, szDestName),    offsetof(SEND_FAX, szDestFax),   offsetof(SEND_FAX, szDestPhone),
    offsetof(SEND_FAX, szSubject),     offsetof(SEND_FAX, szFromLine),  offsetof(SEND_FAX, szBanner),
    offsetof(SEND_FAX, szCover),       offsetof(SEND_FAX, szComments),  offsetof(SEND_FAX, szFromCompany),
    offsetof(SEND_FAX, szToCompany),   offsetof(SEND_FAX, szFromFax),   offsetof(SEND_FAX, szFromPhone),
    offsetof(SEND_FAX, szUserDefined), offsetof(SEND_FAX, szFileList),
};

constexpr uint8_t kFormat = 1;

JobText TextAt(const char* text)
{
    if (!text)
        return std::nullopt;
    size_t length = 0;
    while (length < kMaxJobText && text[length] != '\0')
        ++length;
    return std::string(text, length);
}
}  // namespace

char* TextPointer(const SEND_FAX& record, size_t index)
{
    char* text = nullptr;
    std::memcpy(&text, reinterpret_cast<const char*>(&record) + kTextOffsets[index], sizeof text);
    return text;
}

void SetTextPointer(SEND_FAX& record, size_t index, char* text)
{
    std::memcpy(reinterpret_cast<char*>(&record) + kTextOffsets[index], &text, sizeof text);
}

void WriteEngineHeader(SEND_FAX& record)
{
    record.bEngineHeader[0] = 'V';
    record.bEngineHeader[1] = 'F';
    record.bEngineHeader[2] = kFormat;
    record.bEngineHeader[3] = 0;
    record.bEngineHeader[4] = static_cast<uint8_t>(sizeof(SEND_FAX) & 0xFF);
    record.bEngineHeader[5] = static_cast<uint8_t>(sizeof(SEND_FAX) >> 8);
}

bool HasEngineHeader(const SEND_FAX& record)
{
    SEND_FAX expected = {};
    WriteEngineHeader(expected);
    return std::memcmp(record.bEngineHeader, expected.bEngineHeader, sizeof expected.bEngineHeader) == 0;
}

JobRecord JobFromSendFax(const SEND_FAX& record)
{
    JobRecord job;
    for (size_t i = 0; i < 14; ++i)
        job.*kJobTextFields[i].member = TextAt(TextPointer(record, i));
    size_t idLength = 0;
    while (idLength < kLocalIdChars && record.szLocalID[idLength] != '\0')
        ++idLength;
    job.localId.assign(record.szLocalID, idLength);
    job.timeout = record.nTimeout;
    job.retries = record.nRetries;
    job.retryDelay = record.nRetryDelay;
    job.start = {record.nYear, record.nMonth, record.nDay, record.nHour, record.nMinute, record.nSecond};
    job.resolution = record.Resolution;
    return job;
}

void WriteJobNumbers(const JobRecord& job, SEND_FAX& record)
{
    WriteEngineHeader(record);
    std::memset(record.szLocalID, 0, sizeof record.szLocalID);
    std::memcpy(record.szLocalID, job.localId.data(), job.localId.size() < kLocalIdChars ? job.localId.size() : kLocalIdChars);
    record.nTimeout = job.timeout;
    record.nRetries = job.retries;
    record.nRetryDelay = job.retryDelay;
    record.nYear = job.start.year;
    record.nMonth = job.start.month;
    record.nDay = job.start.day;
    record.nHour = job.start.hour;
    record.nMinute = job.start.minute;
    record.nSecond = job.start.second;
    record.Resolution = job.resolution;
    record.nTotPages = job.totalPages;
    record.nRcvPages = job.receivedPages;
    record.dwJobID = job.jobId;
    record.nLogType = job.logType;
    record.nState = job.state;
    record.nError = job.error;
}
