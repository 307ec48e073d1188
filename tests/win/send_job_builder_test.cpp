// Send jobs as the engine receives them: built from the Send Fax dialog's state, handed to
// the stand-in engine, read back from what it took over.
#include <cstdio>
#include <tuple>

#include "host/fax_app.h"
#include "host/fax_folders.h"
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
SYSTEMTIME g_now;
SYSTEMTIME FixedClock() { return g_now; }

class SendJobBuilderTest : public SendFaxTest {
protected:
    void SetUp() override
    {
        SendFaxTest::SetUp();
        LoadOnHoldText();
        g_now = {2025, 3, 0, 10, 12, 0, 0, 0};
        SetSendClock(&FixedClock);
    }
    void TearDown() override
    {
        SetSendClock(nullptr);
        SendFaxTest::TearDown();
    }

    SendJobRequest Request(std::vector<SendListRow> rows, int schedule = SCHEDULE_SEND_NOW)
    {
        SendJobRequest request;
        request.rows = std::move(rows), request.nSchedule = schedule, request.strDocument = m_document;
        request.hFaxEngine = m_engine.Handle(), request.strSubject = "Figures", request.strNotes = "See page 2";
        return request;
    }
    // Submits and reads back what the engine took over, starting from an empty queue.
    std::vector<EngineJob> Submit(const SendJobRequest& request)
    {
        m_engine.Clear();
        m_pauses.clear();
        SubmitSendJobs(request);
        return m_engine.Jobs();
    }
    // "name|fax|company|phone|start|document" of every job.
    std::vector<std::string> Summaries(const SendJobRequest& request)
    {
        std::vector<std::string> out;
        for (const EngineJob& job : Submit(request)) {
            const SEND_FAX& r = job.record;
            char start[64];
            std::snprintf(start, sizeof start, "%d-%d-%d %d:%d:%d|", r.nYear, r.nMonth, r.nDay, r.nHour, r.nMinute,
                          r.nSecond);
            out.push_back(job.destName + "|" + job.destFax + "|" + job.toCompany + "|" + job.destPhone + "|" + start +
                          job.fileList.substr(job.fileList.rfind('\\') + 1));
        }
        return out;
    }
};
}  // namespace

TEST_F(SendJobBuilderTest, OneJobPerRecipientWithItsTextsStaggeredStartAndOwnDocumentCopy)
{
    SendJobRequest request =
        Request({{kTypeHere, "", ""}, {"Ann Archer", "Acme", "555 0101"}, {"ann archer", "", "555 0101"}});
    request.bHasBook = PhoneBookStore::FindBook("Customers", &request.selectedBook);
    // Three rows, the typing row included: 30 and 90 seconds after the start; later rows get
    // their own copy of the document; the phone of the selected book's entry, names compared
    // with their case.
    EXPECT_EQ((std::vector<std::string>{"Ann Archer|555 0101|Acme|555 0100|2025-3-10 12:0:30|001123.fmf",
                                        "ann archer|555 0101|||2025-3-10 12:1:30|002123.fmf"}),
              Summaries(request));
    EXPECT_EQ(ReadFileBytes(m_document), ReadFileBytes(m_files.File("002123.fmf")));
    EXPECT_EQ((std::vector<DWORD>{5000, 5000, 5000}), m_pauses);  // after every row, the typing row too
    std::vector<EngineJob> jobs = m_engine.Jobs();
    EXPECT_EQ("Figures|See page 2||", jobs[0].subject + "|" + jobs[0].comments + "|" + jobs[0].cover + "|" +
                                          jobs[0].userDefined);
    EXPECT_EQ((std::vector<int>{2, 90, 1}),  // retries, delay, fine (not a readable engine document)
              (std::vector<int>{jobs[0].record.nRetries, jobs[0].record.nRetryDelay, jobs[0].record.Resolution}));

    // One row keeps the start and the host's document.
    EXPECT_EQ((std::vector<std::string>{"Bob|555 0202|||2025-3-10 12:0:0|abc123.fmf"}),
              Summaries(Request({{"Bob", "", "555 0202"}})));
    // Across midnight the date does not change; the placeholder with a number goes without a name.
    g_now.wHour = 23, g_now.wMinute = 59, g_now.wSecond = 50;
    EXPECT_EQ((std::vector<std::string>{"|555 0000|||2025-3-10 0:0:10|abc123.fmf",
                                        "Bob|555 0202|||2025-3-10 0:0:10|001123.fmf"}),
              Summaries(Request({{kTypeHere, "", "555 0000"}, {"Bob", "", "555 0202"}})));
    // Rows without a fax number make no job but still pause.
    EXPECT_TRUE(Submit(Request({{kTypeHere, "", ""}, {"Ann", "Acme", ""}})).empty());
    EXPECT_EQ(2u, m_pauses.size());
}

TEST_F(SendJobBuilderTest, SenderBlockAndLocalIdentifier)
{
    WriteSettingText(kSenderName, std::string(31, 'N'));  // longer than its 31-byte buffer: empty
    WriteSettingText(kSenderCompany, "Carol & Co");
    WriteSettingText(kSenderPhone, "555 0100");
    WriteSettingText(kSenderFax, "+1 425 555 0101 extension 7");  // 27 characters
    WriteSettingNumber(kDialRetries, 5);
    WriteSettingNumber(kRetryDelay, 0x1FFFF);  // only the low 16 bits count, as a signed number
    std::vector<EngineJob> jobs = Submit(Request({{"Ann", "", "555-1212"}}));
    ASSERT_EQ(1u, jobs.size());
    EXPECT_EQ("|Carol & Co|555 0100|+1 425 555 0101 extension 7",
              jobs[0].fromLine + "|" + jobs[0].fromCompany + "|" + jobs[0].fromPhone + "|" + jobs[0].fromFax);
    // No station identifier: the first 22 characters of the sender's fax, without terminator.
    EXPECT_EQ("+1 425 555 0101 extens", std::string(jobs[0].record.szLocalID, 22));
    EXPECT_EQ((std::vector<int>{5, -1}), (std::vector<int>{jobs[0].record.nRetries, jobs[0].record.nRetryDelay}));
}

TEST_F(SendJobBuilderTest, TheScheduleChoiceSetsTheStart)
{
    WriteSettingNumber(kEnableOffpeak, 1);
    WriteSettingText(kOffpeakStart, "20:00:00");
    WriteSettingText(kOffpeakStop, "07:00:00");
    SYSTEMTIME quarterTo = {2000, 1, 0, 1, 13, 45, 10, 0};
    char time[80] = {};
    FormatLocalTime(&quarterTo, time, sizeof time);  // as the Schedule dialog leaves it
    // choice (0: the settings'), "After Offpeak", the hour now (at a quarter past), the start
    const int cases[][3] = {{0, 0, 12}, {0, 0, 6}, {0, 1, 12}, {SCHEDULE_SEND_LATER, 0, 12}};
    const char* const starts[] = {
        "2025-3-10 20:0:0",   // off peak, before the window: when it opens
        "2025-3-10 20:0:0",   // the window that opened last evening is not seen
        "2025-3-10 12:15:0",  // "After Offpeak" makes the settings' choice Send Now
        "2026-7-4 13:45:10",
    };
    for (size_t i = 0; i < 4; ++i) {
        WriteSettingNumber(kAfterOffpeak, static_cast<DWORD>(cases[i][1]));
        g_now.wHour = static_cast<WORD>(cases[i][2]), g_now.wMinute = 15;
        SendJobRequest request = Request({{"Ann", "", "555 0101"}}, cases[i][0]);
        request.strSchedDate = "07/04/2026", request.strSchedTime = time;
        EXPECT_EQ((std::vector<std::string>{std::string("Ann|555 0101|||") + starts[i] + "|abc123.fmf"}),
                  Summaries(request));
    }
    // Held: marked, and a year ahead that stays when held again.
    EXPECT_EQ("On Hold", Submit(Request({{"Ann", "", "555 0101"}}, SCHEDULE_HOLD)).at(0).userDefined);
    SEND_FAX record = {};
    record.nYear = 2024;
    FillSendSchedule(&record, SCHEDULE_HOLD, "", "");
    FillSendSchedule(&record, SCHEDULE_HOLD, "", "");
    EXPECT_EQ(2025, record.nYear);
}

TEST_F(SendJobBuilderTest, RefusedJobsAreShownOnlyWhenNotifyIsOnAndTheOthersStillGo)
{
    std::string seen;
    OnNextActivation answer(
        [](HWND box, void* context) {
            *static_cast<std::string*>(context) = WindowText(box) + ": " + MessageBoxText(box);
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        },
        &seen);
    for (int notify : {0, 1}) {
        g_bNotifyOnCompletion = notify;
        STANDIN_CALL(FaxStandInRefuseNextSchedule)();
        EXPECT_EQ((std::vector<std::string>{"Bob|555 0202|||2025-3-10 12:0:20|001123.fmf"}),
                  Summaries(Request({{"Ann", "", "555 0101"}, {"Bob", "", "555 0202"}})));
        EXPECT_EQ(notify ? "Fax Notification: Fax Transmission Error." : "", seen);
    }
}

TEST_F(SendJobBuilderTest, FaxNumbersGoToTheEngineAsDialedFromTheCurrentLocation)
{
    const std::string locations = "Software\\Microsoft\\Windows\\CurrentVersion\\Telephony\\Locations";
    const std::string country = "Software\\Microsoft\\Windows\\CurrentVersion\\Telephony\\Country List\\1";
    const std::string office = locations + "\\Location1";
    RegistryTreeBackup keepLocations(HKEY_LOCAL_MACHINE, locations);
    RegistryTreeBackup keepCountry(HKEY_LOCAL_MACHINE, country);
    DeleteRegistryTree(HKEY_LOCAL_MACHINE, locations.c_str());
    for (auto& [key, name, number] : std::vector<std::tuple<std::string, const char*, DWORD>>{
             {locations, "CurrentID", 1}, {office, "ID", 1}, {office, "Country", 1}, {office, "Flags", 0},
             {country, "CountryCode", 1}})
        WriteRegistryDword(HKEY_LOCAL_MACHINE, key.c_str(), name, number);
    for (auto& [key, name, text] : std::vector<std::tuple<std::string, const char*, const char*>>{
             {office, "AreaCode", "425"}, {office, "OutsideAccess", "9,"}, {country, "SameAreaRule", "G"},
             {country, "LongDistanceRule", "1FG"}, {country, "InternationalRule", "011EFG"}})
        WriteRegistryString(HKEY_LOCAL_MACHINE, key.c_str(), name, text);
    std::vector<EngineJob> jobs = Submit(Request({{"Ann", "", "555-1212"}, {"Bob", "", "~555 3434"}}));
    ASSERT_EQ(2u, jobs.size());
    EXPECT_EQ("9,5551212", jobs[0].destFax);
    EXPECT_EQ("555 3434", jobs[1].destFax);
}
