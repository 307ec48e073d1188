// Ageing the logs as FaxDLL_OnRefreshLogs does it: which entries go, to the second, which
// settings say so, and what goes with an entry (the host's document, the working files).
#include <string>
#include <vector>

#include "host/fax_folders.h"
#include "logs/refresh_logs.h"
#include "log_test_support.h"
#include "settings/setting_names.h"
#include "settings/setting_readers.h"

using namespace logtest;
using namespace testsupport;

namespace {

class LogAgeingTest : public LogPagesTest {};

}  // namespace

TEST_F(LogAgeingTest, SentAndFailedFaxesGoWhenTheirDaysHaveRunOutAndImpossibleDatesStay)
{
    // No "Delete Sent Days": thirty days (the boundary to the second is the age rule's own test).
    WriteJobs({At(Job(1, FAXLOG_SENT), 2025, 2, 7, 12, 0, 0),
               At(Job(2, FAXLOG_SENT), 2025, 2, 9, 12, 0, 0),
               At(Job(3, FAXLOG_FAILED), 2024, 12, 31, 23, 59, 59),
               At(Job(4, FAXLOG_WAITING), 2020, 1, 1, 0, 0, 0),   // waiting jobs never age
               At(Job(5, FAXLOG_RECEIVED), 2020, 1, 1, 0, 0, 0),  // nor does the receive log without days
               At(Job(6, FAXLOG_SENT), 2024, 2, 30), At(Job(7, FAXLOG_SENT), 2024, 13, 1)});  // impossible: kept
    RefreshFaxLogs(&m_host, m_engine);
    EXPECT_EQ((std::vector<DWORD>{2, 4, 5, 6, 7}), Remaining({1, 2, 3, 4, 5, 6, 7}));

    WriteSettingNumber(kDeleteSentDays, 0);
    RefreshFaxLogs(&m_host, m_engine);
    EXPECT_EQ((std::vector<DWORD>{4, 5}), Remaining({2, 4, 5}));
}

TEST_F(LogAgeingTest, TheDaysAndTheSwitchesComeFromTheSettings)
{
    WriteJobs({At(Job(1, FAXLOG_SENT), 2025, 3, 3, 12, 0, 0), At(Job(2, FAXLOG_RECEIVED), 2025, 3, 8, 12, 0, 0),
               At(Job(3, FAXLOG_RECEIVED), 2025, 3, 9, 12, 0, 1)});
    WriteSettingNumber(kDeleteSentDays, 7);
    WriteSettingNumber(kDeleteRecvDays, 1);
    WriteSettingNumber(kDeleteSentFaxes, 0);
    WriteSettingNumber(kDeleteReceivedFaxes, 0);
    RefreshFaxLogs(&m_host, m_engine);
    EXPECT_EQ((std::vector<DWORD>{1, 2, 3}), Remaining({1, 2, 3}));

    // A switch that is not a number counts as on, like a missing one.
    WriteSettingText(kDeleteSentFaxes, "off");
    WriteSettingNumber(kDeleteReceivedFaxes, 1);
    RefreshFaxLogs(&m_host, m_engine);
    EXPECT_EQ((std::vector<DWORD>{3}), Remaining({1, 2, 3}));
}

TEST_F(LogAgeingTest, AReceptionInProgressIsNeverAged)
{
    SetNow(2024, 1, 1, 0, 0, 0);
    const DWORD coming = AddReceived("Coming", "555 0300", nullptr, 3, FAXRECEIVE_IN_PROGRESS);
    const DWORD done = AddReceived("Done", "555 0301", nullptr, 3, 0);
    SetNow(2025, 3, 10, 12, 0, 0);
    WriteSettingNumber(kDeleteRecvDays, 1);
    CDRecvLog recvLog;
    recvLog.hFaxEngine = m_engine;
    DWORD count = 99;
    recvLog.AgeLogs(&count);
    EXPECT_EQ(1u, count);
    EXPECT_EQ((std::vector<DWORD>{coming}), Remaining({coming, done}));
}

TEST_F(LogAgeingTest, AnAgedEntryTakesItsWorkingFilesAndTellsTheHost)
{
    const std::string sentDocument = Document("A1.fmf");
    const std::string failedDocument = Document("B2.fmf");
    for (const char* name : {"A1.fmf", "A1.tif", "A1.LRS", "A1.qoi", "B2.fmf"})
        ASSERT_TRUE(WriteFileBytes(Document(name), "x"));
    // A working file that cannot be deleted stays behind; the entry goes all the same.
    ASSERT_TRUE(CreateDirectoryA(Document("B2.tif").c_str(), nullptr));
    ASSERT_TRUE(WriteFileBytes(Document("B2.tif\\kept"), "x"));
    WriteJobs({At(Job(1, FAXLOG_SENT, "Ann Archer", sentDocument), 2024, 1, 1),
               At(Job(2, FAXLOG_FAILED, "Ann Archer", failedDocument), 2024, 1, 1), At(Job(3, FAXLOG_SENT), 2024, 1, 1)});

    CDSendLog sendLog;
    sendLog.hFaxEngine = m_engine;
    sendLog.pHostWnd = &m_host;
    DWORD count = 0;
    TraceCapture trace;
    sendLog.AgeLogs(&count);
    EXPECT_EQ(3u, count);
    EXPECT_TRUE(trace.Contains("DeleteLogEntry - cannot delete " + Document("B2.tif") + " (error 5).\n"));
    EXPECT_EQ((std::vector<HostRequest>{{WM_FAXDOC_REMOVED, g_strSentDir + "\\A1"},
                                        {WM_FAXDOC_REMOVED, g_strOutboxDir + "\\B2"}}),
              m_requests);
    EXPECT_FALSE(PathExists(Document("A1.tif")));
    EXPECT_FALSE(PathExists(Document("A1.LRS")));
    EXPECT_TRUE(PathExists(Document("B2.tif\\kept")));
    // The host keeps its own shown copy; the engine took the document itself.
    EXPECT_TRUE(PathExists(Document("A1.qoi")));
    EXPECT_FALSE(PathExists(sentDocument));
}
