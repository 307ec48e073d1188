// Send jobs as the engine receives them: built from the Send Fax dialog's state, handed to
// the stand-in engine, read back from what it took over.
#include <string>
#include <vector>

#include "engine/engine_memory.h"
#include "engine/fax_engine.h"
#include "host/fax_app.h"
#include "host/fax_folders.h"
#include "host/shell_folders.h"
#include "phonebook/phonebook_library.h"
#include "res/resource.h"
#include "send/locale_date_time.h"
#include "send/send_job_builder.h"
#include "send/send_pause.h"
#include "send/send_schedule.h"
#include "settings/setting_names.h"
#include "settings/setting_readers.h"
#include "test_support.h"

using namespace testsupport;

namespace {

// A copy of a job as the engine took it over, with its texts.
struct ScheduledJob {
    SEND_FAX record = {};
    std::string destName, destFax, destPhone, toCompany, subject, fromLine, banner, cover, comments, fromCompany,
        fromFax, fromPhone, userDefined, fileList;
    bool held = false;
};

std::string Str(const char* text) { return text ? text : ""; }

// The job builder's own trace lines, without those of the settings store.
std::vector<std::string> JobTrace(const TraceCapture& trace)
{
    std::vector<std::string> lines;
    for (const std::string& line : trace.Lines())
        if (line.rfind("GetQORegistryValue", 0) != 0)
            lines.push_back(line);
    return lines;
}

// A time of day as the Schedule dialog leaves it: in the user's time format.
std::string LocaleTime(int hour, int minute, int second)
{
    SYSTEMTIME time = {};
    time.wHour = static_cast<WORD>(hour);
    time.wMinute = static_cast<WORD>(minute);
    time.wSecond = static_cast<WORD>(second);
    char text[80] = {};
    FormatLocalTime(&time, text, sizeof text);
    return text;
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
        m_setStore = LoadedLibraryCall<DWORD(WINAPI*)(const char*)>("VOVADO32.dll", "FaxStandInSetStoreFolder");
        m_open = LoadedLibraryCall<FAXENGINE(WINAPI*)(HWND, UINT)>("VOVADO32.dll", "FaxStandInOpen");
        m_close = LoadedLibraryCall<DWORD(WINAPI*)(FAXENGINE)>("VOVADO32.dll", "FaxStandInClose");
        m_count = LoadedLibraryCall<DWORD(WINAPI*)()>("VOVADO32.dll", "FaxStandInScheduledCount");
        m_get = LoadedLibraryCall<DWORD(WINAPI*)(DWORD, SEND_FAX**)>("VOVADO32.dll", "FaxStandInGetScheduled");
        m_clear = LoadedLibraryCall<void(WINAPI*)()>("VOVADO32.dll", "FaxStandInClearScheduled");
        m_refuse = LoadedLibraryCall<void(WINAPI*)()>("VOVADO32.dll", "FaxStandInRefuseNextSchedule");
        ASSERT_TRUE(m_setStore && m_open && m_close && m_count && m_get && m_clear && m_refuse);
        ASSERT_NE(0u, m_setStore(m_store.File("engine").c_str()));
        m_engine = m_open(nullptr, 0);
        m_clear();
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
        m_close(m_engine);
        m_setStore(nullptr);
        SettingsTest::TearDown();
    }

    SendJobRequest Request(std::vector<SendListRow> rows, int schedule = SCHEDULE_SEND_NOW)
    {
        SendJobRequest request;
        request.rows = std::move(rows);
        request.nSchedule = schedule;
        request.strDocument = m_store.File("abc123.fmf");
        request.hFaxEngine = m_engine;
        request.strSubject = "Figures";
        request.strNotes = "See page 2";
        return request;
    }

    std::vector<ScheduledJob> Scheduled()
    {
        std::vector<ScheduledJob> jobs;
        for (DWORD i = 0; i < m_count(); ++i) {
            SEND_FAX* record = nullptr;
            if (!m_get(i, &record) || !record)
                continue;
            ScheduledJob job;
            job.record = *record;
            job.destName = Str(record->szDestName);
            job.destFax = Str(record->szDestFax);
            job.destPhone = Str(record->szDestPhone);
            job.toCompany = Str(record->szToCompany);
            job.subject = Str(record->szSubject);
            job.fromLine = Str(record->szFromLine);
            job.banner = Str(record->szBanner);
            job.cover = Str(record->szCover);
            job.comments = Str(record->szComments);
            job.fromCompany = Str(record->szFromCompany);
            job.fromFax = Str(record->szFromFax);
            job.fromPhone = Str(record->szFromPhone);
            job.userDefined = Str(record->szUserDefined);
            job.fileList = Str(record->szFileList);
            FreeEngineMemory(record);
            jobs.push_back(job);
        }
        return jobs;
    }

    TempFolder m_store;
    PauseCounter m_pauses;
    FAXENGINE m_engine = 0;
    DWORD(WINAPI* m_setStore)(const char*) = nullptr;
    FAXENGINE(WINAPI* m_open)(HWND, UINT) = nullptr;
    DWORD(WINAPI* m_close)(FAXENGINE) = nullptr;
    DWORD(WINAPI* m_count)() = nullptr;
    DWORD(WINAPI* m_get)(DWORD, SEND_FAX**) = nullptr;
    void(WINAPI* m_clear)() = nullptr;
    void(WINAPI* m_refuse)() = nullptr;
};

const char kTypeHere[] = "<Type Here>";

void ExpectStart(const ScheduledJob& job, int year, int month, int day, int hour, int minute, int second)
{
    EXPECT_EQ(year, job.record.nYear);
    EXPECT_EQ(month, job.record.nMonth);
    EXPECT_EQ(day, job.record.nDay);
    EXPECT_EQ(hour, job.record.nHour);
    EXPECT_EQ(minute, job.record.nMinute);
    EXPECT_EQ(second, job.record.nSecond);
}

}  // namespace

TEST_F(SendJobBuilderTest, OneJobPerRecipientWithStaggeredStartsAndDocumentCopies)
{
    TraceCapture trace;
    SubmitSendJobs(Request({{kTypeHere, "", ""}, {"Ann Smith", "Acme", "555-1212"}, {"Bob Jones", "", "555-3434"}}));

    std::vector<ScheduledJob> jobs = Scheduled();
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
    EXPECT_EQ("\n", lines[19].substr(lines[19].size() - 1));
}

TEST_F(SendJobBuilderTest, SingleRowKeepsTheStartAndTheHostsDocument)
{
    SubmitSendJobs(Request({{"Ann Smith", "Acme", "555-1212"}}));
    std::vector<ScheduledJob> jobs = Scheduled();
    ASSERT_EQ(1u, jobs.size());
    ExpectStart(jobs[0], 2025, 3, 10, 12, 0, 0);
    EXPECT_EQ(m_store.File("abc123.fmf"), jobs[0].fileList);
    EXPECT_EQ(1u, m_pauses.pauses.size());
}

TEST_F(SendJobBuilderTest, TypingRowAndOneRecipientStartTwentySecondsLaterAcrossMidnight)
{
    g_now.wHour = 23;
    g_now.wMinute = 59;
    g_now.wSecond = 50;
    SubmitSendJobs(Request({{kTypeHere, "", "555-0000"}, {"Ann", "", "555-1212"}}));
    std::vector<ScheduledJob> jobs = Scheduled();
    ASSERT_EQ(2u, jobs.size());
    EXPECT_EQ("", jobs[0].destName);  // the placeholder with a fax number: sent without a name
    ExpectStart(jobs[0], 2025, 3, 10, 0, 0, 10);  // the date does not change
    ExpectStart(jobs[1], 2025, 3, 10, 0, 0, 10);
}

TEST_F(SendJobBuilderTest, RowsWithoutAFaxNumberMakeNoJobButStillPause)
{
    TraceCapture trace;
    SubmitSendJobs(Request({{kTypeHere, "", ""}, {"Ann", "Acme", ""}}));
    EXPECT_EQ(0u, Scheduled().size());
    EXPECT_TRUE(JobTrace(trace).empty());
    EXPECT_EQ(2u, m_pauses.pauses.size());

    m_pauses.pauses.clear();
    SubmitSendJobs(Request({}));
    EXPECT_EQ(0u, Scheduled().size());
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
    SubmitSendJobs(Request({{"Ann", "", "555-1212"}}));
    std::vector<ScheduledJob> jobs = Scheduled();
    ASSERT_EQ(1u, jobs.size());
    EXPECT_EQ("Carol", jobs[0].fromLine);
    EXPECT_EQ("Carol & Co", jobs[0].fromCompany);
    EXPECT_EQ("555 0100", jobs[0].fromPhone);
    EXPECT_EQ("+1 425 555 0101 extension 7", jobs[0].fromFax);
    // No station identifier: the first 22 characters of the sender's fax, without terminator.
    EXPECT_EQ("+1 425 555 0101 extens", std::string(jobs[0].record.szLocalID, 22));
    EXPECT_EQ(5, jobs[0].record.nRetries);
    EXPECT_EQ(-1, jobs[0].record.nRetryDelay);

    m_clear();
    WriteSettingText(kSenderFaxId, "12345");
    SubmitSendJobs(Request({{"Ann", "", "555-1212"}}));
    jobs = Scheduled();
    ASSERT_EQ(1u, jobs.size());
    EXPECT_EQ(std::string("12345\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 22), std::string(jobs[0].record.szLocalID, 22));

    // A sender text longer than its 31-byte buffer cannot be read: empty.
    m_clear();
    WriteSettingText(kSenderName, std::string(31, 'N'));
    SubmitSendJobs(Request({{"Ann", "", "555-1212"}}));
    jobs = Scheduled();
    ASSERT_EQ(1u, jobs.size());
    EXPECT_EQ("", jobs[0].fromLine);
}

TEST_F(SendJobBuilderTest, CoverPageGoesAsItsFileInTheCoverFolder)
{
    ASSERT_EQ(1, CreateDirectoryPath(g_strCoverPageDir.c_str()));
    std::string coverFile = g_strCoverPageDir + "\\urgent.pg";
    ASSERT_TRUE(WriteFileBytes(coverFile, "cover"));
    SendJobRequest request = Request({{"Ann", "", "555-1212"}});
    request.bCoverPage = 1;
    request.nCoverPage = 2;
    SubmitSendJobs(request);
    std::vector<ScheduledJob> jobs = Scheduled();
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
    struct Case {
        int hour;
        int wantHour;
    } const cases[] = {{21, 21}, {12, 20}, {6, 20}};
    for (const Case& c : cases) {
        m_clear();
        g_now.wHour = static_cast<WORD>(c.hour);
        g_now.wMinute = 15;
        SubmitSendJobs(Request({{"Ann", "", "555-1212"}}, 0));
        std::vector<ScheduledJob> jobs = Scheduled();
        ASSERT_EQ(1u, jobs.size());
        ExpectStart(jobs[0], 2025, 3, 10, c.wantHour, c.hour == c.wantHour ? 15 : 0, 0);
    }
    // "After Offpeak" on (or missing) makes the settings' choice Send Now.
    m_clear();
    WriteSettingNumber(kAfterOffpeak, 1);
    g_now.wHour = 12;
    SubmitSendJobs(Request({{"Ann", "", "555-1212"}}, 0));
    std::vector<ScheduledJob> jobs = Scheduled();
    ASSERT_EQ(1u, jobs.size());
    ExpectStart(jobs[0], 2025, 3, 10, 12, 15, 0);
}

TEST_F(SendJobBuilderTest, SendLaterTakesTheTypedDateWithinTheYearLimits)
{
    struct Case {
        const char* date;
        int wantYear, wantMonth, wantDay;
    } const cases[] = {
        {"07/04/2026", 2026, 7, 4}, {"07/04/2050", 2038, 7, 4}, {"07/04/1960", 1970, 7, 4}, {"junk", 2000, 3, 10},
    };
    for (const Case& c : cases) {
        m_clear();
        SendJobRequest request = Request({{"Ann", "", "555-1212"}}, SCHEDULE_SEND_LATER);
        request.strSchedDate = c.date;
        request.strSchedTime = LocaleTime(13, 45, 10);
        SubmitSendJobs(request);
        std::vector<ScheduledJob> jobs = Scheduled();
        if (c.wantYear > 2037 || c.wantYear < 1971) {
            // The engine may refuse a start it cannot keep; the record handed over is checked
            // through FillSendSchedule below.
            SEND_FAX record = {};
            FillSendSchedule(&record, SCHEDULE_SEND_LATER, c.date, LocaleTime(13, 45, 10).c_str());
            EXPECT_EQ(c.wantYear, record.nYear) << c.date;
            EXPECT_EQ(c.wantMonth, record.nMonth) << c.date;
            EXPECT_EQ(13, record.nHour);
            continue;
        }
        ASSERT_EQ(1u, jobs.size()) << c.date;
        ExpectStart(jobs[0], c.wantYear, c.wantMonth, c.wantDay, 13, 45, 10);
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

    SubmitSendJobs(Request({{"Ann", "", "555-1212"}}, SCHEDULE_HOLD));
    std::vector<ScheduledJob> jobs = Scheduled();
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
        m_refuse();
        SubmitSendJobs(Request({{"Ann", "", "555-1212"}}));
        EXPECT_FALSE(answer.Fired());
        EXPECT_EQ(0u, Scheduled().size());

        g_bNotifyOnCompletion = 1;
        m_refuse();
        SubmitSendJobs(Request({{"Ann", "", "555-1212"}, {"Bob", "", "555-3434"}}));
        EXPECT_TRUE(answer.Fired());
    }
    EXPECT_EQ("Fax Transmission Error.", seen.text);
    EXPECT_EQ("Fax Notification", seen.caption);
    // The walk goes on after a refusal.
    std::vector<ScheduledJob> jobs = Scheduled();
    ASSERT_EQ(1u, jobs.size());
    EXPECT_EQ("Bob", jobs[0].destName);
}

TEST_F(SendJobBuilderTest, WaitsWhileAnotherComponentConverts)
{
    WriteSettingNumber(kConvertingLowResFax, 1);
    m_pauses.clearConversionAfter = 2;
    SubmitSendJobs(Request({{"Ann", "", "555-1212"}}));
    EXPECT_EQ((std::vector<DWORD>{5000, 5000, 5000}), m_pauses.pauses);  // two polls and the row's pause
    EXPECT_EQ(1u, Scheduled().size());
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
    SubmitSendJobs(request);
    EXPECT_EQ("FF*", ReadFileBytes(m_store.File("scan.fmf")).substr(0, 3));
    // The resolution was read before the document existed: fine.
    std::vector<ScheduledJob> jobs = Scheduled();
    ASSERT_EQ(1u, jobs.size());
    EXPECT_EQ(1, jobs[0].record.Resolution);

    // Sent again now that it exists in the engine's form: standard.
    m_clear();
    SubmitSendJobs(request);
    jobs = Scheduled();
    ASSERT_EQ(1u, jobs.size());
    EXPECT_EQ(0, jobs[0].record.Resolution);
}

TEST_F(SendJobBuilderTest, RecipientPhoneComesFromTheSelectedPhonebook)
{
    TempFolder books;
    auto setBooks = LoadedLibraryCall<DWORD(WINAPI*)(const char*)>("ReDiZazu.dll", "PhoneBookStandInSetStoreFolder");
    ASSERT_NE(nullptr, setBooks);
    ASSERT_TRUE(WriteFileBytes(books.File("Customers.pbk"),
                               "[Phonebook]\r\nName=Customers\r\n\r\n"
                               "[Entry 1]\r\nFirstName=Ann\r\nLastName=Smith\r\nPhone=555 0001\r\nFax=555-9999\r\n\r\n"
                               "[Entry 2]\r\nFirstName=Ann\r\nLastName=Smith\r\nPhone=555 0002\r\nFax=555-1212\r\n\r\n"
                               "[Entry 3]\r\nFirstName=Ann\r\nLastName=Smith\r\nPhone=555 0003\r\nFax=555-1212\r\n"));
    ASSERT_NE(0u, setBooks(books.Path().c_str()));
    LONG cursor = -1;
    PHONEBOOK_ID book = {};
    GetNextPhoneBookID(&cursor, &book);
    ASSERT_TRUE(GetNextPhoneBookID(&cursor, &book));

    SendJobRequest request = Request({{"Ann Smith", "", "555-1212"}, {"ann smith", "", "555-1212"}});
    request.bHasBook = true;
    request.selectedBook = book;
    SubmitSendJobs(request);
    std::vector<ScheduledJob> jobs = Scheduled();
    ASSERT_EQ(2u, jobs.size());
    EXPECT_EQ("555 0002", jobs[0].destPhone);  // the first entry whose name and fax match
    EXPECT_EQ("", jobs[1].destPhone);          // names compare with their case
    setBooks(nullptr);
}
