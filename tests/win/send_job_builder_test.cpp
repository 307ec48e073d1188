// Send jobs as the engine receives them: built from the Send Fax dialog's state, handed to
// the stand-in engine, read back from what it took over.
#include <string>
#include <vector>

#include "host/fax_app.h"
#include "host/fax_folders.h"
#include "host/shell_folders.h"
#include "phonebook/phonebook_library.h"
#include "registry_backup.h"
#include "res/resource.h"
#include "send/locale_date_time.h"
#include "send/send_job_builder.h"
#include "send/send_pause.h"
#include "send/send_schedule.h"
#include "settings/setting_names.h"
#include "settings/setting_readers.h"
#include "send_fax_fixture.h"

using namespace sendfaxtest;
using namespace testsupport;

namespace {

// The job builder's own trace lines, without those of the settings store.
std::vector<std::string> JobTrace(const TraceCapture& trace)
{
    std::vector<std::string> lines;
    for (const std::string& line : trace.Lines())
        if (line.rfind("GetQORegistryValue", 0) != 0)
            lines.push_back(line);
    return lines;
}

SYSTEMTIME g_now;
SYSTEMTIME FixedClock() { return g_now; }

struct PauseCounter {
    std::vector<DWORD> pauses;
    int clearConversionAfter = -1;  // clears "Converting Low Res Fax" after this many pauses
};

void CountPause(DWORD ms, void* context)
{
    auto* counter = static_cast<PauseCounter*>(context);
    counter->pauses.push_back(ms);
    if (static_cast<int>(counter->pauses.size()) == counter->clearConversionAfter)
        WriteSettingNumber(kConvertingLowResFax, 0);
}

class SendJobBuilderTest : public SettingsTest {
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        ComputeFaxFolderPaths();
        LoadOnHoldText();
        DetectTimeMode();
        DetectDateOrder();
        g_now = {};
        g_now.wYear = 2025;
        g_now.wMonth = 3;
        g_now.wDay = 10;
        g_now.wHour = 12;
        SetSendClock(&FixedClock);
        SetSendPauseHook(&CountPause, &m_pauses);
        g_bNotifyOnCompletion = 0;
        ASSERT_TRUE(WriteFileBytes(m_store.File("abc123.fmf"), std::string("FF*\0document", 12)));
    }
    void TearDown() override
    {
        SetSendPauseHook(nullptr, nullptr);
        SetSendClock(nullptr);
        g_bNotifyOnCompletion = 0;
        SettingsTest::TearDown();
    }

    SendJobRequest Request(std::vector<SendListRow> rows, int schedule = SCHEDULE_SEND_NOW)
    {
        SendJobRequest request;
        request.rows = std::move(rows);
        request.nSchedule = schedule;
        request.strDocument = m_store.File("abc123.fmf");
        request.hFaxEngine = m_engine.Handle();
        request.strSubject = "Figures";
        request.strNotes = "See page 2";
        return request;
    }
    // Submits and reads back what the engine took over, starting from an empty queue.
    std::vector<EngineJob> Submit(const SendJobRequest& request)
    {
        m_engine.Clear();
        SubmitSendJobs(request);
        return m_engine.Jobs();
    }

    TempFolder m_store;
    StandInEngine m_engine{m_store.File("engine")};
    PauseCounter m_pauses;
};

void ExpectStart(const EngineJob& job, int year, int month, int day, int hour, int minute, int second)
{
    const SEND_FAX& r = job.record;
    EXPECT_EQ((std::vector<int>{year, month, day, hour, minute, second}),
              (std::vector<int>{r.nYear, r.nMonth, r.nDay, r.nHour, r.nMinute, r.nSecond}));
}

}  // namespace

TEST_F(SendJobBuilderTest, OneJobPerRecipientWithStaggeredStartsAndDocumentCopies)
{
    TraceCapture trace;
    std::vector<EngineJob> jobs =
        Submit(Request({{kTypeHere, "", ""}, {"Ann Smith", "Acme", "555-1212"}, {"Bob Jones", "", "555-3434"}}));
    ASSERT_EQ(2u, jobs.size());
    EXPECT_EQ("Ann Smith", jobs[0].destName);
    EXPECT_EQ("555-1212", jobs[0].destFax);
    EXPECT_EQ("Acme", jobs[0].toCompany);
    EXPECT_EQ("", jobs[0].destPhone);
    EXPECT_EQ("Figures", jobs[0].subject);
    EXPECT_EQ("See page 2", jobs[0].comments);
    EXPECT_EQ("", jobs[0].cover);
    EXPECT_EQ("", jobs[0].userDefined);
    EXPECT_EQ("From:%s %x To:%r|Date:%d Time %t|Page %c of %p", jobs[0].banner);
    EXPECT_EQ(2, jobs[0].record.nRetries);
    EXPECT_EQ(90, jobs[0].record.nRetryDelay);
    EXPECT_EQ(1, jobs[0].record.Resolution);  // not a readable engine document: fine
    EXPECT_EQ("Bob Jones", jobs[1].destName);

    // Three rows, the typing row included: 30 and 90 seconds after the start.
    ExpectStart(jobs[0], 2025, 3, 10, 12, 0, 30);
    ExpectStart(jobs[1], 2025, 3, 10, 12, 1, 30);

    // Later rows get their own copy of the document.
    EXPECT_EQ(m_store.File("001123.fmf"), jobs[0].fileList);
    EXPECT_EQ(m_store.File("002123.fmf"), jobs[1].fileList);
    EXPECT_EQ(std::string("FF*\0document", 12), ReadFileBytes(m_store.File("002123.fmf")));

    // Five seconds after every row, the typing row included.
    EXPECT_EQ((std::vector<DWORD>{5000, 5000, 5000}), m_pauses.pauses);

    // Twenty trace lines per job, in order.
    std::vector<std::string> lines = JobTrace(trace);
    ASSERT_EQ(40u, lines.size());
    const char* starts[] = {"SEND_FAX: located at ", "  szDestName at ", "  szDestFax at ", "  szToCompany at ",
                            "  szSubject at ", "  szFromLine at ", "  szBanner at ", "  szCover at ",
                            "  szComments at ", "  szFromCompany at ", "  szFromFax at ", "  szFromPhone at ",
                            "  szUserDefined at ", "  szLocalID at ", "  nTimeout = ", "  Date: ", "  Time: ",
                            "  Resolution = ", "  szFileList at ", "  nTotPages = "};
    for (size_t i = 0; i < 20; ++i)
        EXPECT_EQ(0u, lines[i].rfind(starts[i], 0)) << lines[i];
    EXPECT_NE(std::string::npos, lines[1].find(" points to Ann Smith at "));
    EXPECT_NE(std::string::npos, lines[12].find(" points to (null) at 0."));
    EXPECT_EQ("  nTimeout = " + std::to_string(jobs[0].record.nTimeout) + ", nRetries = 2, nRetryDelay = 90.\n",
              lines[14]);
    EXPECT_EQ("  Date: 3 / 10 / 2025.\n", lines[15]);
    EXPECT_EQ("  Time: 12 : 0 : 30.\n", lines[16]);
    EXPECT_EQ("  Resolution = 1.\n", lines[17]);
    EXPECT_EQ('\n', lines[19].back());
}

TEST_F(SendJobBuilderTest, OneRowKeepsTheStartAndTheHostsDocumentTwoRowsStartLaterAcrossMidnight)
{
    std::vector<EngineJob> jobs = Submit(Request({{"Ann Smith", "Acme", "555-1212"}}));
    ASSERT_EQ(1u, jobs.size());
    ExpectStart(jobs[0], 2025, 3, 10, 12, 0, 0);
    EXPECT_EQ(m_store.File("abc123.fmf"), jobs[0].fileList);
    EXPECT_EQ(1u, m_pauses.pauses.size());

    g_now.wHour = 23;
    g_now.wMinute = 59;
    g_now.wSecond = 50;
    jobs = Submit(Request({{kTypeHere, "", "555-0000"}, {"Ann", "", "555-1212"}}));
    ASSERT_EQ(2u, jobs.size());
    EXPECT_EQ("", jobs[0].destName);  // the placeholder with a fax number: sent without a name
    ExpectStart(jobs[0], 2025, 3, 10, 0, 0, 10);  // the date does not change
    ExpectStart(jobs[1], 2025, 3, 10, 0, 0, 10);
}

TEST_F(SendJobBuilderTest, RowsWithoutAFaxNumberMakeNoJobButStillPause)
{
    TraceCapture trace;
    EXPECT_EQ(0u, Submit(Request({{kTypeHere, "", ""}, {"Ann", "Acme", ""}})).size());
    EXPECT_TRUE(JobTrace(trace).empty());
    EXPECT_EQ(2u, m_pauses.pauses.size());

    m_pauses.pauses.clear();
    EXPECT_EQ(0u, Submit(Request({})).size());
    EXPECT_TRUE(m_pauses.pauses.empty());
}

TEST_F(SendJobBuilderTest, SenderBlockAndLocalIdentifier)
{
    WriteSettingText(kSenderName, "Carol");
    WriteSettingText(kSenderCompany, "Carol & Co");
    WriteSettingText(kSenderPhone, "555 0100");
    WriteSettingText(kSenderFax, "+1 425 555 0101 extension 7");  // 27 characters
    WriteSettingNumber(kDialRetries, 5);
    WriteSettingNumber(kRetryDelay, 0x1FFFF);  // only the low 16 bits count, as a signed number
    std::vector<EngineJob> jobs = Submit(Request({{"Ann", "", "555-1212"}}));
    ASSERT_EQ(1u, jobs.size());
    EXPECT_EQ("Carol", jobs[0].fromLine);
    EXPECT_EQ("Carol & Co", jobs[0].fromCompany);
    EXPECT_EQ("555 0100", jobs[0].fromPhone);
    EXPECT_EQ("+1 425 555 0101 extension 7", jobs[0].fromFax);
    // No station identifier: the first 22 characters of the sender's fax, without terminator.
    EXPECT_EQ("+1 425 555 0101 extens", std::string(jobs[0].record.szLocalID, 22));
    EXPECT_EQ(5, jobs[0].record.nRetries);
    EXPECT_EQ(-1, jobs[0].record.nRetryDelay);

    WriteSettingText(kSenderFaxId, "12345");
    WriteSettingText(kSenderName, std::string(31, 'N'));  // longer than its 31-byte buffer: empty
    jobs = Submit(Request({{"Ann", "", "555-1212"}}));
    ASSERT_EQ(1u, jobs.size());
    EXPECT_EQ(std::string("12345\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 22), std::string(jobs[0].record.szLocalID, 22));
    EXPECT_EQ("", jobs[0].fromLine);
}

TEST_F(SendJobBuilderTest, CoverPageGoesAsItsShortPathInTheCoverFolder)
{
    ASSERT_EQ(1, CreateDirectoryPath(g_strCoverPageDir.c_str()));
    std::string coverFile = g_strCoverPageDir + "\\urgent.pg";
    ASSERT_TRUE(WriteFileBytes(coverFile, "cover"));
    SendJobRequest request = Request({{"Ann", "", "555-1212"}});
    request.bCoverPage = 1;
    request.nCoverPage = 2;
    std::vector<EngineJob> jobs = Submit(request);
    ASSERT_EQ(1u, jobs.size());
    char shortPath[MAX_PATH] = {};
    GetShortPathNameA(coverFile.c_str(), shortPath, MAX_PATH);
    EXPECT_EQ(shortPath, jobs[0].cover);
    DeleteFileA(coverFile.c_str());
}

TEST_F(SendJobBuilderTest, OffPeakFromTheSettingsByTheClock)
{
    WriteSettingNumber(kEnableOffpeak, 1);
    WriteSettingNumber(kAfterOffpeak, 0);
    WriteSettingText(kOffpeakStart, "20:00:00");
    WriteSettingText(kOffpeakStop, "07:00:00");
    for (int hour : {21, 12, 6}) {
        g_now.wHour = static_cast<WORD>(hour);
        g_now.wMinute = 15;
        std::vector<EngineJob> jobs = Submit(Request({{"Ann", "", "555-1212"}}, 0));
        ASSERT_EQ(1u, jobs.size());
        if (hour == 21)
            ExpectStart(jobs[0], 2025, 3, 10, 21, 15, 0);  // inside the window: now
        else
            ExpectStart(jobs[0], 2025, 3, 10, 20, 0, 0);  // the window that opened last evening is not seen
    }
    // "After Offpeak" on makes the settings' choice Send Now.
    WriteSettingNumber(kAfterOffpeak, 1);
    g_now.wHour = 12;
    std::vector<EngineJob> jobs = Submit(Request({{"Ann", "", "555-1212"}}, 0));
    ASSERT_EQ(1u, jobs.size());
    ExpectStart(jobs[0], 2025, 3, 10, 12, 15, 0);
}

TEST_F(SendJobBuilderTest, SendLaterTakesTheTypedDateWithinTheYearLimits)
{
    SYSTEMTIME quarterTo = {};
    quarterTo.wHour = 13;
    quarterTo.wMinute = 45;
    quarterTo.wSecond = 10;
    char time[80] = {};
    FormatLocalTime(&quarterTo, time, sizeof time);  // as the Schedule dialog leaves it
    SendJobRequest request = Request({{"Ann", "", "555-1212"}}, SCHEDULE_SEND_LATER);
    request.strSchedDate = "07/04/2026";
    request.strSchedTime = time;
    std::vector<EngineJob> jobs = Submit(request);
    ASSERT_EQ(1u, jobs.size());
    ExpectStart(jobs[0], 2026, 7, 4, 13, 45, 10);

    // The engine may refuse a start it cannot keep: the others are checked on the record.
    struct Case {
        const char* date;
        int wantYear, wantMonth;
    } const cases[] = {{"07/04/2050", 2038, 7}, {"07/04/1960", 1970, 7}, {"junk", 2000, 3}};
    for (const Case& c : cases) {
        SEND_FAX record = {};
        FillSendSchedule(&record, SCHEDULE_SEND_LATER, c.date, time);
        EXPECT_EQ(c.wantYear, record.nYear) << c.date;
        EXPECT_EQ(c.wantMonth, record.nMonth) << c.date;
        EXPECT_EQ(13, record.nHour) << c.date;
    }
}

TEST_F(SendJobBuilderTest, HoldMovesTheYearOnceAndMarksTheJob)
{
    SEND_FAX record = {};
    record.nYear = 2024;
    record.nMonth = 5;
    record.nDay = 10;
    FillSendSchedule(&record, SCHEDULE_HOLD, "", "");
    EXPECT_EQ(2025, record.nYear);
    ASSERT_NE(nullptr, record.szUserDefined);
    EXPECT_STREQ("On Hold", record.szUserDefined);
    FillSendSchedule(&record, SCHEDULE_HOLD, "", "");  // already held: the year stays
    EXPECT_EQ(2025, record.nYear);
    EXPECT_EQ(5, record.nMonth);
    FillSendSchedule(&record, SCHEDULE_SEND_NOW, "", "");  // released by another choice
    EXPECT_EQ(nullptr, record.szUserDefined);
    EXPECT_EQ(2025, record.nYear);
    EXPECT_EQ(12, record.nHour);

    std::vector<EngineJob> jobs = Submit(Request({{"Ann", "", "555-1212"}}, SCHEDULE_HOLD));
    ASSERT_EQ(1u, jobs.size());
    EXPECT_EQ("On Hold", jobs[0].userDefined);
}

TEST_F(SendJobBuilderTest, RefusedJobsAreShownOnlyWhenNotifyIsOn)
{
    struct Seen {
        std::string text, caption;
    } seen;
    {
        OnNextActivation answer(
            [](HWND box, void* context) {
                auto* s = static_cast<Seen*>(context);
                s->text = MessageBoxText(box);
                s->caption = WindowText(box);
                PostMessageA(box, WM_COMMAND, IDOK, 0);
            },
            &seen);
        STANDIN_CALL(FaxStandInRefuseNextSchedule)();
        EXPECT_EQ(0u, Submit(Request({{"Ann", "", "555-1212"}})).size());
        EXPECT_FALSE(answer.Fired());

        g_bNotifyOnCompletion = 1;
        STANDIN_CALL(FaxStandInRefuseNextSchedule)();
        std::vector<EngineJob> jobs = Submit(Request({{"Ann", "", "555-1212"}, {"Bob", "", "555-3434"}}));
        EXPECT_TRUE(answer.Fired());
        // The walk goes on after a refusal.
        ASSERT_EQ(1u, jobs.size());
        EXPECT_EQ("Bob", jobs[0].destName);
    }
    EXPECT_EQ("Fax Transmission Error.", seen.text);
    EXPECT_EQ("Fax Notification", seen.caption);
}

TEST_F(SendJobBuilderTest, WaitsWhileAnotherComponentConverts)
{
    WriteSettingNumber(kConvertingLowResFax, 1);
    m_pauses.clearConversionAfter = 2;
    EXPECT_EQ(1u, Submit(Request({{"Ann", "", "555-1212"}})).size());
    EXPECT_EQ((std::vector<DWORD>{5000, 5000, 5000}), m_pauses.pauses);  // two polls and the row's pause
}

TEST_F(SendJobBuilderTest, MissingDocumentIsMadeFromItsTifAndLowResolutionIsStandard)
{
    // A little-endian TIFF whose vertical resolution is 98 dots per inch.
    std::string tif = std::string("II*\0\x08\0\0\0", 8) + std::string("\x01\0", 2) +
                      std::string("\x1B\x01\x05\0\x01\0\0\0\x1A\0\0\0", 12) + std::string("\0\0\0\0", 4) +
                      std::string("\x62\0\0\0\x01\0\0\0", 8);
    ASSERT_TRUE(WriteFileBytes(m_store.File("scan.tif"), tif));
    SendJobRequest request = Request({{"Ann", "", "555-1212"}});
    request.strDocument = m_store.File("scan.fmf");
    std::vector<EngineJob> jobs = Submit(request);
    EXPECT_EQ("FF*", ReadFileBytes(m_store.File("scan.fmf")).substr(0, 3));
    // The resolution was read before the document existed: fine.
    ASSERT_EQ(1u, jobs.size());
    EXPECT_EQ(1, jobs[0].record.Resolution);

    // Sent again now that it exists in the engine's form: standard.
    jobs = Submit(request);
    ASSERT_EQ(1u, jobs.size());
    EXPECT_EQ(0, jobs[0].record.Resolution);
}

TEST_F(SendJobBuilderTest, RecipientPhoneComesFromTheSelectedPhonebook)
{
    PhoneBookStore books;
    ASSERT_TRUE(books.WriteBook("Customers", {{"Ann", "Smith", "", "555 0001", "555-9999"},
                                              {"Ann", "Smith", "", "555 0002", "555-1212"},
                                              {"Ann", "Smith", "", "555 0003", "555-1212"}}));
    SendJobRequest request = Request({{"Ann Smith", "", "555-1212"}, {"ann smith", "", "555-1212"}});
    request.bHasBook = PhoneBookStore::FindBook("Customers", &request.selectedBook);
    ASSERT_TRUE(request.bHasBook);
    std::vector<EngineJob> jobs = Submit(request);
    ASSERT_EQ(2u, jobs.size());
    EXPECT_EQ("555 0002", jobs[0].destPhone);  // the first entry whose name and fax match
    EXPECT_EQ("", jobs[1].destPhone);          // names compare with their case
}

TEST_F(SendJobBuilderTest, FaxNumbersGoToTheEngineAsDialedFromTheCurrentLocation)
{
    const char locations[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Telephony\\Locations";
    const char country[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Telephony\\Country List\\1";
    RegistryTreeBackup keepLocations(HKEY_LOCAL_MACHINE, locations);
    RegistryTreeBackup keepCountry(HKEY_LOCAL_MACHINE, country);
    DeleteRegistryTree(HKEY_LOCAL_MACHINE, locations);
    const std::string office = std::string(locations) + "\\Location1";
    WriteRegistryDword(HKEY_LOCAL_MACHINE, locations, "CurrentID", 1);
    WriteRegistryDword(HKEY_LOCAL_MACHINE, office.c_str(), "ID", 1);
    WriteRegistryString(HKEY_LOCAL_MACHINE, office.c_str(), "AreaCode", "425");
    WriteRegistryDword(HKEY_LOCAL_MACHINE, office.c_str(), "Country", 1);
    WriteRegistryDword(HKEY_LOCAL_MACHINE, office.c_str(), "Flags", 0);
    WriteRegistryString(HKEY_LOCAL_MACHINE, office.c_str(), "OutsideAccess", "9,");
    WriteRegistryDword(HKEY_LOCAL_MACHINE, country, "CountryCode", 1);
    WriteRegistryString(HKEY_LOCAL_MACHINE, country, "SameAreaRule", "G");
    WriteRegistryString(HKEY_LOCAL_MACHINE, country, "LongDistanceRule", "1FG");
    WriteRegistryString(HKEY_LOCAL_MACHINE, country, "InternationalRule", "011EFG");
    std::vector<EngineJob> jobs = Submit(Request({{"Ann", "", "555-1212"}, {"Bob", "", "~555 3434"}}));
    ASSERT_EQ(2u, jobs.size());
    EXPECT_EQ("9,5551212", jobs[0].destFax);
    EXPECT_EQ("555 3434", jobs[1].destFax);
}
