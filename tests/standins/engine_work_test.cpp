// The fax engine at work through the real VOVADO32.dll: due jobs sent step by step with
// their events, failures, receptions, its document form, and its devices.
#include <sstream>

#include "engine_fixture.h"
#include "standins/tiff/tiff_document.h"
#include "tiff_test_files.h"

using namespace standintest;
using testsupport::PathExists;
using testsupport::ReadFileBytes;
using testsupport::WriteFileBytes;

namespace {
std::string Describe(const RecordedEvent& e)
{
    static const char* const kinds[] = {"?", "show", "update", "hide", "send-log", "receive-log"};
    std::ostringstream out;
    out << (e.kind <= 5 ? kinds[e.kind] : "?");
    if (e.kind == FAXEVENT_UPDATE_STATUS)
        out << " " << e.code << "=" << e.detail;
    if (e.kind == FAXEVENT_SEND_LOG || e.kind == FAXEVENT_RECEIVE_LOG)
        out << " " << e.code << " kind " << e.logType;
    if (e.kind == FAXEVENT_SHOW_STATUS)
        out << " " << e.destName;
    return out.str();
}

std::vector<std::string> Describe(const std::vector<RecordedEvent>& events)
{
    std::vector<std::string> lines;
    for (const auto& e : events)
        lines.push_back(Describe(e));
    return lines;
}
}  // namespace

TEST_F(EngineTest, ADueJobIsSentStepByStepWithStatusAndLogEvents)
{
    JobTexts texts = {"Ann Archer", "555 0101", "Archer & Sons", "Offer", m_documents.File("offer.fmf"), "", ""};
    ASSERT_TRUE(WriteFileBytes(texts.document, testfiles::MakeTiff(2)));
    DWORD id = Schedule(texts, m_now);
    DWORD later = Schedule(texts, LocalTime(2024, 5, 10, 12, 30, 0));
    ASSERT_NE(0u, id);

    std::vector<std::vector<std::string>> ticks;
    std::vector<SHORT> sendingLogOpened;
    while (Engine().FaxStandInTick(Handle())) {
        ticks.push_back(Describe(TakeEvents()));
        sendingLogOpened.push_back(Engine().FaxLogInit(Handle(), FAXLOG_SENDING));
    }
    ticks.push_back(Describe(TakeEvents()));
    std::vector<std::vector<std::string>> expected = {
        {"send-log 3 kind 1", "send-log 3 kind 1", "send-log 3 kind 2", "show Ann Archer", "update 1=30258",
         "update 4=2"},
        {"update 0=14400"},
        {"update 2=1", "update 3=50"},
        {"update 2=2", "update 3=100"},
        {"update 1=30290", "hide", "send-log 3 kind 4"},
    };
    EXPECT_EQ(expected, ticks);
    // The log of jobs in transmission opens with 0 while one is under way.
    EXPECT_EQ((std::vector<SHORT>{0, 0, 0, 0}), sendingLogOpened);
    EXPECT_EQ(1, Engine().FaxLogInit(Handle(), FAXLOG_SENDING));

    std::vector<LogEntry> sent = ReadLog(Engine(), Handle(), FAXLOG_SENT);
    ASSERT_EQ(1u, sent.size());
    EXPECT_EQ(id, sent[0].jobId);
    EXPECT_EQ(2, sent[0].totalPages);
    EXPECT_EQ(0, sent[0].error);
    EXPECT_EQ(1, Engine().FaxLogGetCount(Handle(), FAXLOG_WAITING)) << "the later job waits for its time";

    // Its time comes.
    m_now = LocalTime(2024, 5, 10, 12, 30, 0);
    Engine().FaxStandInSetClock(&m_now);
    TickUntilIdle();
    ASSERT_EQ(2u, ReadLog(Engine(), Handle(), FAXLOG_SENT).size());
    EXPECT_EQ(later, ReadLog(Engine(), Handle(), FAXLOG_SENT)[1].jobId);
}

TEST_F(EngineTest, TransmissionsFailForBadNumbersMissingDocumentsOnRequestAndOnAbort)
{
    std::string document = m_documents.File("doc.fmf");
    ASSERT_TRUE(WriteFileBytes(document, testfiles::MakeTiff(1)));
    DWORD badNumber = Schedule({"A", "12", "", "", document, "", ""}, m_now);
    TickUntilIdle();
    DWORD noDocument = Schedule({"B", "555 0102", "", "", m_documents.File("missing.fmf"), "", ""}, m_now);
    TickUntilIdle();
    DWORD coverOnly = Schedule({"C", "555 0103", "", "", "", "C:\\COVER~1\\GENERAL.PG", ""}, m_now);
    TickUntilIdle();
    Engine().FaxStandInFailNextTransmission();
    DWORD refused = Schedule({"D", "555 0104", "", "", document, "", ""}, m_now);
    TickUntilIdle();
    TakeEvents();

    // Abort in the middle of a transmission.
    DWORD aborted = Schedule({"E", "555 0105", "", "", document, "", ""}, m_now);
    Engine().FaxStandInTick(Handle());
    Engine().FaxStandInTick(Handle());
    EXPECT_EQ(1, Engine().FaxLogGetCount(Handle(), FAXLOG_SENDING));
    EXPECT_EQ(1u, Engine().FaxCancel(Handle(), aborted));
    TickUntilIdle();
    std::vector<std::string> afterAbort = Describe(TakeEvents());
    ASSERT_FALSE(afterAbort.empty());
    EXPECT_EQ("hide", afterAbort[afterAbort.size() - 2]);
    EXPECT_EQ("send-log 3 kind 8", afterAbort.back());

    std::vector<LogEntry> failed = ReadLog(Engine(), Handle(), FAXLOG_FAILED);
    ASSERT_EQ(4u, failed.size());
    EXPECT_EQ(badNumber, failed[0].jobId);
    EXPECT_EQ(noDocument, failed[1].jobId);
    EXPECT_EQ(refused, failed[2].jobId);
    EXPECT_EQ(aborted, failed[3].jobId);
    for (const auto& entry : failed)
        EXPECT_NE(0, entry.error) << entry.destName;
    EXPECT_NE(failed[0].error, failed[1].error) << "the reasons differ";
    std::vector<LogEntry> sent = ReadLog(Engine(), Handle(), FAXLOG_SENT);
    ASSERT_EQ(1u, sent.size());
    EXPECT_EQ(coverOnly, sent[0].jobId);
    EXPECT_EQ(1, sent[0].totalPages);
}

TEST_F(EngineTest, AnUnfinishedTransmissionStartsAgainAfterAReload)
{
    std::string document = m_documents.File("doc.fmf");
    ASSERT_TRUE(WriteFileBytes(document, testfiles::MakeTiff(3)));
    DWORD id = Schedule({"A", "555 0101", "", "", document, "", ""}, m_now);
    Engine().FaxStandInTick(Handle());
    ASSERT_EQ(1, Engine().FaxLogGetCount(Handle(), FAXLOG_SENDING));
    Reload();
    EXPECT_EQ(0, Engine().FaxLogGetCount(Handle(), FAXLOG_SENDING));
    ASSERT_EQ(1, Engine().FaxLogGetCount(Handle(), FAXLOG_WAITING));
    TickUntilIdle();
    EXPECT_EQ(id, ReadLog(Engine(), Handle(), FAXLOG_SENT).at(0).jobId);
}

TEST_F(EngineTest, ReceivedFaxesAreKeptInTheEngineFormAndReceptionsGainPagesWithTime)
{
    std::string source = m_documents.File("incoming.tif");
    ASSERT_TRUE(WriteFileBytes(source, testfiles::MakeTiff(3, true)));
    DWORD done = Engine().FaxStandInAddReceived(Handle(), "Bob Baker", "555 0200", source.c_str(), 0, 0);
    ASSERT_NE(0u, done);
    DWORD running = Engine().FaxStandInAddReceived(Handle(), "Cy", "555 0300", nullptr, 2, FAXRECEIVE_IN_PROGRESS);
    DWORD broken = Engine().FaxStandInAddReceived(Handle(), "Di", "555 0400", nullptr, 1, FAXRECEIVE_FAILED);
    EXPECT_EQ(0u, Engine().FaxStandInAddReceived(Handle(), "X", "1", m_documents.File("none.tif").c_str(), 0, 0));
    ASSERT_TRUE(WriteFileBytes(m_documents.File("text.tif"), std::string("II*\0 this is no TIFF", 20)));
    EXPECT_EQ(0u, Engine().FaxStandInAddReceived(Handle(), "X", "1", m_documents.File("text.tif").c_str(), 0, 0));

    std::vector<LogEntry> log = ReadLog(Engine(), Handle(), FAXLOG_RECEIVED);
    ASSERT_EQ(3u, log.size());
    EXPECT_EQ(done, log[0].jobId);
    EXPECT_EQ("Bob Baker", log[0].destName);
    EXPECT_EQ("555 0200", log[0].destFax);
    EXPECT_EQ(3, log[0].totalPages);
    EXPECT_EQ(m_now.wHour, log[0].start.wHour);
    std::string kept = ReadFileBytes(log[0].fileList);
    EXPECT_EQ("FF", kept.substr(0, 2));
    EXPECT_EQ(3u, tiff::CountPages(kept));
    EXPECT_EQ(FAXSTATE_RECEIVING, log[1].state);
    EXPECT_EQ(0, log[1].receivedPages);
    EXPECT_NE(0, log[2].error);
    EXPECT_EQ(broken, log[2].jobId);

    // The host hears of the three new entries, then of the first page of the reception.
    Engine().FaxStandInTick(Handle());
    std::vector<RecordedEvent> events = TakeEvents();
    ASSERT_EQ(4u, events.size());
    for (const auto& event : events) {
        EXPECT_EQ(static_cast<DWORD>(FAXEVENT_RECEIVE_LOG), event.kind);
        EXPECT_EQ(static_cast<DWORD>(FAXLOG_ENTRY_UPDATED), event.code);
    }
    EXPECT_EQ(done, events[0].jobId);
    EXPECT_EQ(running, events[3].jobId);
    EXPECT_EQ(1, ReadLog(Engine(), Handle(), FAXLOG_RECEIVED)[1].receivedPages);
    TickUntilIdle();
    LogEntry finished = ReadLog(Engine(), Handle(), FAXLOG_RECEIVED)[1];
    EXPECT_NE(FAXSTATE_RECEIVING, finished.state);
    EXPECT_EQ(2, finished.receivedPages);
}

TEST_F(EngineTest, CreateWritesTheEngineFormOfEveryPageFromEitherByteOrder)
{
    for (bool bigEndian : {false, true}) {
        std::string source = m_documents.File(bigEndian ? "mm.tif" : "ii.tif");
        std::string target = m_documents.File(bigEndian ? "mm.fmf" : "ii.fmf");
        ASSERT_TRUE(WriteFileBytes(source, testfiles::MakeTiff(3, bigEndian, 98)));
        EXPECT_EQ(1u, Engine().FaxCreate(Handle(), source.c_str(), target.c_str(), 0));
        std::string written = ReadFileBytes(target);
        ASSERT_EQ("FF*", written.substr(0, 3));
        tiff::Document document;
        ASSERT_TRUE(tiff::ReadDocument(written, document));
        ASSERT_EQ(3u, document.pages.size());
        for (size_t p = 0; p < 3; ++p) {
            ASSERT_EQ(1u, document.pages[p].chunks.size());
            EXPECT_EQ(std::string({static_cast<char>(p + 1), static_cast<char>(0xA0 + p)}), document.pages[p].chunks[0]);
            EXPECT_EQ(98u, document.pages[p].VerticalResolution());
        }
    }
    std::string target = m_documents.File("bad.fmf");
    // A directory that claims more entries than the file holds.
    ASSERT_TRUE(WriteFileBytes(m_documents.File("bad.tif"), std::string("MM\0*\0\0\0\x08\xFF\xFF", 10)));
    EXPECT_EQ(0u, Engine().FaxCreate(Handle(), m_documents.File("bad.tif").c_str(), target.c_str(), 0));
    EXPECT_EQ(0u, Engine().FaxCreate(Handle(), m_documents.File("none.tif").c_str(), target.c_str(), 0));
    EXPECT_FALSE(PathExists(target));
    EXPECT_EQ(0u, Engine().FaxCreate(Handle(), nullptr, target.c_str(), 0));
    EXPECT_EQ(0u, Engine().FaxCreate(Handle(), target.c_str(), nullptr, 0));
}

TEST_F(EngineTest, DevicesComeAndGoOnThePortsTheEngineAccepts)
{
    DWORD ports[] = {3, 4};
    Engine().FaxStandInSetDevices(ports, 2);
    EXPECT_EQ(0u, Engine().FaxEnumDevices(Handle()));
    EXPECT_EQ(FAXENGINE_OK, Engine().FaxAddDevice(Handle(), 3));
    EXPECT_EQ(FAXENGINE_OK, Engine().FaxAddDevice(Handle(), 3)) << "adding twice keeps one";
    EXPECT_EQ(0u, Engine().FaxAddDevice(Handle(), 5));
    EXPECT_EQ(0u, Engine().FaxAddDevice(Handle(), 0));
    EXPECT_EQ(1u, Engine().FaxEnumDevices(Handle()));
    EXPECT_EQ(1u, Engine().FaxRemoveDevice(Handle(), 3));
    EXPECT_EQ(0u, Engine().FaxRemoveDevice(Handle(), 3));
    EXPECT_EQ(0u, Engine().FaxEnumDevices(Handle()));
    Engine().FaxStandInSetDevices(nullptr, 0);
    EXPECT_EQ(FAXENGINE_OK, Engine().FaxAddDevice(Handle(), 9)) << "every port once the list is cleared";

    EXPECT_EQ(1u, Engine().FaxSetConfig(Handle(), "AutoReceive", "OFF"));
    EXPECT_EQ(0u, Engine().FaxSetConfig(Handle(), "", "ON"));
    EXPECT_EQ(0u, Engine().FaxSetConfig(Handle(), "Auto\nReceive", "ON"));
    EXPECT_EQ(0u, Engine().FaxSetConfig(Handle(), "AutoReceive", nullptr));
    char value[8] = {};
    EXPECT_EQ(3u, Engine().FaxStandInGetConfig("autoreceive", value, sizeof value));
    EXPECT_STREQ("OFF", value);
    EXPECT_EQ(0u, Engine().FaxStandInGetConfig("Speaker", value, sizeof value));
    EXPECT_EQ(4u, Engine().FaxStandInCallCount("FaxSetConfig"));
    EXPECT_EQ(5u, Engine().FaxStandInCallCount("FaxAddDevice"));
}
