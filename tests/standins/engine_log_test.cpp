// The fax engine's jobs and logs through the real VOVADO32.dll: scheduling, reading the logs
// block by block, finding, deleting, cancelling, refusals and bad input, and what survives
// a reload of the library.
#include <cstring>

#include "engine/engine_memory.h"
#include "engine_fixture.h"

using namespace standintest;
using testsupport::PathExists;
using testsupport::ReadFileBytes;
using testsupport::WriteFileBytes;

namespace {
const SYSTEMTIME kLater = LocalTime(2024, 6, 1, 9, 30, 0);

JobTexts Recipient(int n)
{
    std::string tag = std::to_string(n);
    return {"Name " + tag, "555 01" + tag, "Company " + tag, "Subject " + tag, "", "", "Notes " + tag};
}
}  // namespace

TEST_F(EngineTest, ScheduledJobsComeBackInOrderWithTheirTexts)
{
    char folder[MAX_PATH] = {};
    ASSERT_GT(Engine().FaxStandInGetStoreFolder(folder, sizeof folder), 0u);
    EXPECT_STREQ(m_store.Path().c_str(), folder) << "the environment variable names the store";

    DWORD ids[3] = {};
    for (int i = 0; i < 3; ++i) {
        // The caller's record and texts are gone right after the hand-over.
        auto texts = std::make_unique<JobTexts>(Recipient(i));
        texts->comments = i == 2 ? std::string(300, 'n') + "\r\nsecond line" : texts->comments;
        SEND_FAX job = FilledJob(Engine(), Handle(), *texts, kLater);
        ids[i] = Engine().FaxSchedule(Handle(), &job);
        EXPECT_NE(0u, ids[i]);
        EXPECT_EQ(ids[i], job.dwJobID);
        std::memset(&texts->name[0], 'X', texts->name.size());
    }
    EXPECT_LT(ids[0], ids[1]);
    EXPECT_LT(ids[1], ids[2]);

    std::vector<SHORT> sizes, results;
    std::vector<LogEntry> log = ReadLog(Engine(), Handle(), FAXLOG_WAITING, &sizes, &results);
    ASSERT_EQ(3u, log.size());
    EXPECT_EQ(std::vector<SHORT>{3}, sizes);
    EXPECT_NE(FAXLOG_MORE_BLOCKS, results[0]);
    for (int i = 0; i < 3; ++i) {
        JobTexts expected = Recipient(i);
        EXPECT_EQ(ids[i], log[i].jobId);
        EXPECT_EQ(FAXLOG_WAITING, log[i].logType);
        EXPECT_EQ(expected.name, log[i].destName);
        EXPECT_EQ(expected.fax, log[i].destFax);
        EXPECT_EQ(expected.company, log[i].toCompany);
        EXPECT_EQ(expected.subject, log[i].subject);
        EXPECT_EQ(kLater.wDay, log[i].start.wDay);
        EXPECT_EQ(kLater.wMinute, log[i].start.wMinute);
        EXPECT_FALSE(log[i].hasUserDefined);
    }
    EXPECT_EQ(std::string(300, 'n') + "\r\nsecond line", log[2].comments);
    EXPECT_EQ(3, Engine().FaxLogGetCount(Handle(), FAXLOG_WAITING));
    EXPECT_EQ(0, Engine().FaxLogGetCount(Handle(), FAXLOG_SENT));

    // The control API lists what was handed over.
    ASSERT_EQ(3u, Engine().FaxStandInScheduledCount());
    SEND_FAX* scheduled = nullptr;
    ASSERT_EQ(1u, Engine().FaxStandInGetScheduled(1, &scheduled));
    EXPECT_STREQ("Name 1", scheduled->szDestName);
    FreeEngineMemory(scheduled);
    EXPECT_EQ(0u, Engine().FaxStandInGetScheduled(3, &scheduled));
    EXPECT_EQ(nullptr, scheduled);
    Engine().FaxStandInClearScheduled();
    EXPECT_EQ(0u, Engine().FaxStandInScheduledCount());
}

TEST_F(EngineTest, TwentyFiveEntriesArriveInBlocksOfTenTenAndFive)
{
    std::vector<DWORD> ids;
    for (int i = 0; i < 25; ++i)
        ids.push_back(Schedule(Recipient(i), kLater));
    std::vector<SHORT> sizes, results;
    std::vector<LogEntry> log = ReadLog(Engine(), Handle(), FAXLOG_WAITING, &sizes, &results);
    EXPECT_EQ((std::vector<SHORT>{10, 10, 5}), sizes);
    ASSERT_EQ(3u, results.size());
    EXPECT_EQ(FAXLOG_MORE_BLOCKS, results[0]);
    EXPECT_EQ(FAXLOG_MORE_BLOCKS, results[1]);
    EXPECT_NE(FAXLOG_MORE_BLOCKS, results[2]);
    ASSERT_EQ(25u, log.size());
    for (size_t i = 0; i < ids.size(); ++i)
        EXPECT_EQ(ids[i], log[i].jobId) << "entry " << i;

    // Fewer than asked for, and a log read to its end gives nothing more.
    ASSERT_EQ(1, Engine().FaxLogInit(Handle(), FAXLOG_WAITING));
    SEND_FAX* block = nullptr;
    SHORT count = 24;
    EXPECT_EQ(FAXLOG_MORE_BLOCKS, Engine().FaxLogNextBlock(Handle(), &block, &count));
    EXPECT_EQ(24, count);
    FreeEngineMemory(block);
    count = 24;
    Engine().FaxLogNextBlock(Handle(), &block, &count);
    EXPECT_EQ(1, count);
    FreeEngineMemory(block);
    count = 10;
    EXPECT_EQ(0, Engine().FaxLogNextBlock(Handle(), &block, &count));
    EXPECT_EQ(0, count);
    EXPECT_EQ(nullptr, block);
}

TEST_F(EngineTest, FindGivesACopyInGlobalMemoryAndUnknownJobsAreNotFound)
{
    DWORD id = Schedule(Recipient(7), kLater);
    CEngineMemory<SEND_FAX> found;
    ASSERT_EQ(FAXENGINE_OK, Engine().FaxLogFind(Handle(), found.Receive(), id));
    EXPECT_EQ(id, found->dwJobID);
    EXPECT_STREQ("Name 7", found->szDestName);
    EXPECT_GE(GlobalSize(GlobalHandle(found.Get())), static_cast<SIZE_T>(found->nRecLength));

    SEND_FAX* missing = reinterpret_cast<SEND_FAX*>(1);
    EXPECT_EQ(0u, Engine().FaxLogFind(Handle(), &missing, id + 1000));
    EXPECT_EQ(nullptr, missing);
    EXPECT_EQ(0u, Engine().FaxLogFind(Handle(), nullptr, id));
}

TEST_F(EngineTest, DeleteRemovesTheEntryAndItsDocumentButOnlyFromItsOwnLog)
{
    JobTexts texts = Recipient(1);
    texts.document = m_documents.File("A1.fmf");
    ASSERT_TRUE(WriteFileBytes(texts.document, "document"));
    DWORD id = Schedule(texts, kLater);
    DWORD other = Schedule(Recipient(2), kLater);

    // Waiting and in transmission are two logs: the send log deletes a held job as the
    // latter, and the engine keeps it.
    EXPECT_EQ(0u, Engine().FaxLogDelete(Handle(), id, FAXLOG_SENT));
    EXPECT_EQ(0u, Engine().FaxLogDelete(Handle(), id, FAXLOG_SENDING));
    EXPECT_EQ(2, Engine().FaxLogGetCount(Handle(), FAXLOG_WAITING));
    EXPECT_TRUE(PathExists(texts.document));

    EXPECT_EQ(1u, Engine().FaxLogDelete(Handle(), id, FAXLOG_WAITING));
    EXPECT_EQ(1, Engine().FaxLogGetCount(Handle(), FAXLOG_WAITING));
    EXPECT_FALSE(PathExists(texts.document));
    SEND_FAX* gone = nullptr;
    EXPECT_EQ(0u, Engine().FaxLogFind(Handle(), &gone, id));
    EXPECT_EQ(0u, Engine().FaxLogDelete(Handle(), id, FAXLOG_WAITING));
    EXPECT_EQ(0u, Engine().FaxLogDelete(Handle(), 0xFFFFFFF0u, FAXLOG_WAITING));

    // The host hears of the two new entries and the removal when it gives the engine time.
    EXPECT_TRUE(TakeEvents().empty());
    Engine().FaxStandInTick(Handle());
    std::vector<RecordedEvent> events = TakeEvents();
    ASSERT_EQ(3u, events.size());
    EXPECT_EQ(static_cast<DWORD>(FAXLOG_ENTRY_UPDATED), events[1].code);
    EXPECT_EQ(other, events[1].jobId);
    EXPECT_EQ(static_cast<DWORD>(FAXEVENT_SEND_LOG), events[2].kind);
    EXPECT_EQ(static_cast<DWORD>(FAXLOG_ENTRY_REMOVED), events[2].code);
    EXPECT_EQ(id, events[2].jobId);
    EXPECT_EQ(other, ReadLog(Engine(), Handle(), FAXLOG_WAITING).at(0).jobId);
}

TEST_F(EngineTest, CancelFailsWaitingJobsAndNothingElse)
{
    DWORD waiting = Schedule(Recipient(1), kLater);
    EXPECT_EQ(1u, Engine().FaxCancel(Handle(), waiting));
    std::vector<LogEntry> failed = ReadLog(Engine(), Handle(), FAXLOG_FAILED);
    ASSERT_EQ(1u, failed.size());
    EXPECT_EQ(waiting, failed[0].jobId);
    EXPECT_NE(0, failed[0].error);
    EXPECT_EQ(0, Engine().FaxLogGetCount(Handle(), FAXLOG_WAITING));
    EXPECT_EQ(0u, Engine().FaxCancel(Handle(), waiting)) << "a failed job has nothing to abort";
    EXPECT_EQ(0u, Engine().FaxCancel(Handle(), 0));
}

TEST_F(EngineTest, RefusesOnRequestAndRejectsBadInputWithDefinedResults)
{
    Engine().FaxStandInRefuseNextSchedule();
    EXPECT_EQ(0u, Schedule(Recipient(1), kLater));
    EXPECT_NE(0u, Schedule(Recipient(1), kLater)) << "only the next one is refused";

    SEND_FAX zero = {};
    EXPECT_EQ(0u, Engine().FaxSchedule(Handle(), &zero)) << "a record the engine did not initialise";
    EXPECT_EQ(0u, Engine().FaxSchedule(Handle(), nullptr));
    JobTexts noNumber = Recipient(2);
    noNumber.fax.clear();
    EXPECT_EQ(0u, Schedule(noNumber, kLater));
    EXPECT_EQ(0u, Schedule(Recipient(3), LocalTime(2024, 13, 1, 0, 0, 0)));
    EXPECT_EQ(0u, Schedule(Recipient(3), LocalTime(2024, 1, 32, 0, 0, 0)));
    EXPECT_EQ(0u, Schedule(Recipient(3), LocalTime(2024, 1, 1, 24, 0, 0)));
    SEND_FAX nullTexts = {};
    Engine().FaxInitSendStruct(Handle(), &nullTexts);
    EXPECT_EQ(0u, Engine().FaxSchedule(Handle(), &nullTexts)) << "no number to dial";
    EXPECT_EQ(1, Engine().FaxLogGetCount(Handle(), FAXLOG_WAITING));

    // A handle the engine did not give out.
    FAXENGINE stranger = Handle() + 77;
    SEND_FAX job = FilledJob(Engine(), Handle(), Recipient(4), kLater);
    EXPECT_EQ(0u, Engine().FaxSchedule(stranger, &job));
    EXPECT_EQ(0u, Engine().FaxSchedule(0, &job));
    EXPECT_EQ(0u, Engine().FaxInitSendStruct(0, &job));
    EXPECT_GE(Engine().FaxLogInit(0, FAXLOG_WAITING), FAXLOG_INIT_FIRST_FAILURE);
    EXPECT_LT(Engine().FaxLogGetCount(stranger, FAXLOG_WAITING), 1);
    SEND_FAX* block = reinterpret_cast<SEND_FAX*>(1);
    SHORT count = 10;
    EXPECT_EQ(0, Engine().FaxLogNextBlock(stranger, &block, &count));
    EXPECT_EQ(nullptr, block);
    EXPECT_EQ(0, count);
    EXPECT_EQ(0u, Engine().FaxCancel(stranger, 1));
    EXPECT_EQ(0u, Engine().FaxAddDevice(stranger, 1));

    // Log kinds that do not exist.
    for (SHORT kind : {0, 3, 32, -1}) {
        EXPECT_GE(Engine().FaxLogInit(Handle(), kind), FAXLOG_INIT_FIRST_FAILURE) << kind;
        EXPECT_LT(Engine().FaxLogGetCount(Handle(), kind), 1) << kind;
        EXPECT_EQ(0u, Engine().FaxLogDelete(Handle(), 1, kind));
    }
    // Blocks from a log that was never opened on this handle, or with nothing wanted.
    FAXENGINE second = Engine().FaxStandInOpen(nullptr, 0);
    count = 10;
    EXPECT_EQ(0, Engine().FaxLogNextBlock(second, &block, &count));
    EXPECT_EQ(0, count);
    Engine().FaxStandInClose(second);
    ASSERT_EQ(1, Engine().FaxLogInit(Handle(), FAXLOG_WAITING));
    count = 0;
    EXPECT_EQ(0, Engine().FaxLogNextBlock(Handle(), &block, &count));
    EXPECT_EQ(0, Engine().FaxLogNextBlock(Handle(), nullptr, &count));
    EXPECT_EQ(0, Engine().FaxLogNextBlock(Handle(), &block, nullptr));
}

TEST_F(EngineTest, JobsDevicesAndSettingsSurviveAReloadOfTheLibrary)
{
    DWORD pending = Schedule(Recipient(1), kLater);
    SEND_FAX held = FilledJob(Engine(), Handle(), Recipient(2), LocalTime(2025, 6, 1, 9, 30, 0));
    char onHold[] = "On Hold";
    held.szUserDefined = onHold;
    DWORD heldId = Engine().FaxSchedule(Handle(), &held);
    ASSERT_NE(0u, heldId);
    ASSERT_EQ(FAXENGINE_OK, Engine().FaxAddDevice(Handle(), 3));
    ASSERT_EQ(1u, Engine().FaxSetConfig(Handle(), "AutoReceive", "ON"));

    Reload();

    std::vector<LogEntry> log = ReadLog(Engine(), Handle(), FAXLOG_WAITING);
    ASSERT_EQ(2u, log.size());
    EXPECT_EQ(pending, log[0].jobId);
    EXPECT_EQ("Name 1", log[0].destName);
    EXPECT_FALSE(log[0].hasUserDefined);
    EXPECT_EQ(heldId, log[1].jobId);
    EXPECT_EQ("On Hold", log[1].userDefined);
    EXPECT_EQ(2025, log[1].start.wYear);
    DWORD port = 0;
    EXPECT_EQ(1u, Engine().FaxStandInGetActiveDevices(&port, 1));
    EXPECT_EQ(3u, port);
    char value[8] = {};
    EXPECT_EQ(2u, Engine().FaxStandInGetConfig("AutoReceive", value, sizeof value));
    EXPECT_STREQ("ON", value);
    EXPECT_EQ(0u, Engine().FaxStandInGetConfig("AutoReceive", value, 2)) << "too small a buffer";
    // Identifiers are not given twice, even after a reload.
    EXPECT_GT(Schedule(Recipient(3), kLater), heldId);
}

TEST_F(EngineTest, StoreFilesThatAreNotJobsAreSkippedAndLeftAlone)
{
    DWORD id = Schedule(Recipient(1), kLater);
    std::string jobs = m_store.File("Jobs");
    const std::string junk[] = {
        std::string("\x00\xFF\x10garbage", 10),
        "[Job]\r\nLogType=1\r\nDestFax=1\r\n",                // no identifier
        "[Job]\r\nJobID=999\r\nLogType=3\r\n",                // a log kind that does not exist
        "[Job]\r\nJobID=99999999999\r\nLogType=1\r\n",        // an identifier out of range
        "[Job]\r\nJobID=500\r\nLogType=8\r\nStart=2024-02-30 99:00:00\r\nDestName=" + std::string(9000, 'x') + "\r\n",
    };
    for (size_t i = 0; i < sizeof junk / sizeof junk[0]; ++i)
        ASSERT_TRUE(WriteFileBytes(jobs + "\\J9000000" + std::to_string(i) + ".job", junk[i]));

    Reload();

    std::vector<LogEntry> waiting = ReadLog(Engine(), Handle(), FAXLOG_WAITING);
    ASSERT_EQ(1u, waiting.size());
    EXPECT_EQ(id, waiting[0].jobId);
    // The readable one with odd values is listed with its text cut.
    std::vector<LogEntry> failed = ReadLog(Engine(), Handle(), FAXLOG_FAILED);
    ASSERT_EQ(1u, failed.size());
    EXPECT_EQ(500u, failed[0].jobId);
    EXPECT_EQ(4095u, failed[0].destName.size());
    EXPECT_EQ(junk[0], ReadFileBytes(jobs + "\\J90000000.job"));
}
