// Between callers' send-job records and the engine's jobs: what the engine takes over, and
// the blocks in which it hands entries back.
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "standins/engine/log_block.h"
#include "standins/engine/send_fax_job.h"

TEST(SendFaxJobTest, TakesTheCallersTextsUpToTheirLimitAndNotTheEnginesFields)
{
    std::vector<char> unterminated(kMaxJobText + 100, 'c');  // no terminator anywhere
    char name[] = "Ann Archer";
    SEND_FAX record = {};
    WriteEngineHeader(record);
    record.szDestName = name;
    record.szComments = unterminated.data();
    std::memset(record.szLocalID, 'L', sizeof record.szLocalID);  // fills the field, no terminator
    record.nYear = 2024;
    record.nRetries = 3;
    record.dwJobID = 99;
    record.nLogType = 4;
    JobRecord job = JobFromSendFax(record);
    EXPECT_EQ("Ann Archer", *job.destName);
    EXPECT_EQ(kMaxJobText, job.comments->size());
    EXPECT_FALSE(job.subject.has_value());
    EXPECT_EQ(std::string(22, 'L'), job.localId);
    EXPECT_EQ(2024, job.start.year);
    EXPECT_EQ(3, job.retries);
    EXPECT_EQ(0u, job.jobId);
    EXPECT_EQ(0, job.logType);

    EXPECT_TRUE(HasEngineHeader(record));
    SEND_FAX zero = {};
    EXPECT_FALSE(HasEngineHeader(zero));
}

TEST(LogBlockTest, RecordsCarryTheirTextsAndAZeroRecordEndsTheBlock)
{
    std::vector<JobRecord> jobs(3);
    for (size_t i = 0; i < jobs.size(); ++i) {
        jobs[i].jobId = static_cast<uint32_t>(10 + i);
        jobs[i].logType = 1;
        jobs[i].destName = "Name " + std::to_string(i);
        jobs[i].localId = "ID";
        jobs[i].totalPages = static_cast<int16_t>(i);
    }
    jobs[1].comments = std::string(kMaxJobText, 'x');
    jobs[2].userDefined = "On Hold";
    jobs[2].subject = "";
    const std::vector<const JobRecord*> listed = {&jobs[0], &jobs[1], &jobs[2]};
    size_t size = LogBlockSize(listed);
    std::vector<char> block(size, 0);
    WriteLogBlock(listed, block.data());

    const char* at = block.data();
    std::vector<SEND_FAX> records;
    for (size_t i = 0; i < jobs.size(); ++i) {
        // The record is packed: its fields are copied out before they are compared.
        SEND_FAX record;
        std::memcpy(&record, at, sizeof record);
        const uint32_t jobId = record.dwJobID;
        const size_t length = record.nRecLength;
        const char* name = record.szDestName;
        const int16_t pages = record.nTotPages;
        const char* fileList = record.szFileList;
        EXPECT_EQ(jobs[i].jobId, jobId);
        EXPECT_EQ(0u, length % sizeof(void*));
        EXPECT_TRUE(HasEngineHeader(record));
        EXPECT_STREQ(jobs[i].destName->c_str(), name);
        EXPECT_GE(name, at + sizeof(SEND_FAX));
        EXPECT_LE(name + std::strlen(name), at + length);
        EXPECT_STREQ("ID", record.szLocalID);
        EXPECT_EQ(static_cast<int16_t>(i), pages);
        EXPECT_EQ(nullptr, fileList);
        records.push_back(record);
        at += length;
    }
    EXPECT_EQ(kMaxJobText, std::strlen(records[1].szComments));
    EXPECT_STREQ("On Hold", records[2].szUserDefined);
    ASSERT_NE(nullptr, static_cast<const char*>(records[2].szSubject));
    EXPECT_STREQ("", records[2].szSubject) << "an empty text is not a null one";
    SEND_FAX end;
    ASSERT_LE(static_cast<size_t>(at - block.data()) + sizeof end, size);
    std::memcpy(&end, at, sizeof end);
    EXPECT_EQ(0u, static_cast<uint32_t>(end.dwJobID));
    EXPECT_EQ(0u, static_cast<uint32_t>(end.nRecLength));
    EXPECT_GE(LogBlockSize({}), sizeof(SEND_FAX)) << "an empty block still holds its end record";
}
