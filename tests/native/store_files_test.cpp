// The text files of the stand-ins' stores: the profile text they share, the fax engine's
// job and settings files, and the phonebook files.
#include <gtest/gtest.h>

#include "standins/common/profile_text.h"
#include "standins/engine/engine_config.h"
#include "standins/engine/job_record.h"
#include "standins/phonebook/phonebook_file.h"

TEST(ProfileTextTest, ValuesOfAnyContentComeBackAsWritten)
{
    const std::string values[] = {
        "C:\\Fax\\Outbox\\A1.fmf",     "  leading and trailing  ", "\"quoted\"", "line one\r\nline two\ttab",
        std::string("nul\0inside", 10), "back\\slash \\n not an escape", "", "=equals=", "\x7F\x01\xE9",
    };
    ProfileText profile;
    ProfileSection& section = profile.Add("Section");
    for (size_t i = 0; i < sizeof values / sizeof values[0]; ++i)
        section.Set("Key" + std::to_string(i), values[i]);
    std::string text = FormatProfileText(profile, {"a comment"});
    EXPECT_NE(std::string::npos, text.find("Key0=C:\\Fax\\Outbox\\A1.fmf\r\n")) << "paths stay readable";
    ProfileText read = ParseProfileText(text);
    ASSERT_EQ(1u, read.sections.size());
    for (size_t i = 0; i < sizeof values / sizeof values[0]; ++i) {
        const std::string* value = read.sections[0].Find("key" + std::to_string(i));
        ASSERT_NE(nullptr, value) << i;
        EXPECT_EQ(values[i], *value) << i;
    }
    EXPECT_EQ(0u, read.skippedLines);
}

TEST(ProfileTextTest, ReadsWhatAPersonWritesAndSkipsTheRest)
{
    ProfileText read = ParseProfileText(
        "Loose=before any section\n"
        "  ; comment\n# another\n"
        "[ Job ]\n"
        "  Name =  Ann Archer  \n"
        "no equals sign\n"
        "=no key\n"
        "[unclosed\n"
        "Cut=\"\\x4\"\n"
        "Tail=\"ends in \\\"\n"
        "[JOB]\n"
        "Name=second section of the same name\n");
    ASSERT_EQ(3u, read.sections.size());
    EXPECT_EQ("", read.sections[0].name);
    EXPECT_EQ("Job", read.sections[1].name);
    EXPECT_EQ("Ann Archer", *read.Find("job")->Find("NAME"));
    EXPECT_EQ("\\x4", *read.sections[1].Find("Cut")) << "a cut escape is kept as it stands";
    EXPECT_EQ("ends in \\", *read.sections[1].Find("Tail"));
    EXPECT_EQ(3u, read.skippedLines);
}

TEST(JobFileTest, EveryFieldSurvivesTheFileAndNullTextsStayNull)
{
    JobRecord job;
    job.jobId = 4000000000u;
    job.logType = 16;
    job.state = kJobReceiving;
    job.error = 4;
    job.destName = "Ann Archer";
    job.destFax = "555 0101";
    job.comments = "two\r\nlines";
    job.userDefined = "";
    job.fileList = "C:\\In\\R0001.tif";
    job.localId = std::string(22, 'L');
    job.timeout = -1;
    job.retries = 2;
    job.retryDelay = 32767;
    job.start = {2024, 2, 29, 23, 59, 59};
    job.resolution = 1;
    job.totalPages = 3;
    job.receivedPages = 2;
    JobRecord read;
    ASSERT_TRUE(ParseJobFile(FormatJobFile(job), read));
    EXPECT_EQ(job.jobId, read.jobId);
    EXPECT_EQ(job.logType, read.logType);
    EXPECT_EQ(job.state, read.state);
    EXPECT_EQ(job.error, read.error);
    for (const auto& field : kJobTextFields)
        EXPECT_EQ(job.*field.member, read.*field.member) << field.key;
    EXPECT_FALSE(read.subject.has_value());
    ASSERT_TRUE(read.userDefined.has_value()) << "an empty text is not a null one";
    EXPECT_EQ(job.localId, read.localId);
    EXPECT_EQ(job.timeout, read.timeout);
    EXPECT_EQ(job.retryDelay, read.retryDelay);
    EXPECT_EQ(FormatJobTime(job.start), FormatJobTime(read.start));
    EXPECT_EQ(job.receivedPages, read.receivedPages);
}

TEST(JobFileTest, FilesWithoutAnIdentifierOrLogKindAreNotJobsAndOddValuesAreTamed)
{
    JobRecord untouched;
    untouched.jobId = 7;
    const char* notJobs[] = {
        "",
        "[Other]\nJobID=1\nLogType=1\n",
        "[Job]\nLogType=1\n",
        "[Job]\nJobID=0\nLogType=1\n",
        "[Job]\nJobID=-5\nLogType=1\n",
        "[Job]\nJobID=4294967296\nLogType=1\n",
        "[Job]\nJobID=12abc\nLogType=1\n",
        "[Job]\nJobID=1\nLogType=3\n",
        "[Job]\nJobID=1\n",
    };
    for (const char* text : notJobs) {
        EXPECT_FALSE(ParseJobFile(text, untouched)) << text;
        EXPECT_EQ(7u, untouched.jobId);
    }
    JobRecord read;
    ASSERT_TRUE(ParseJobFile("[Job]\nJobID=9\nLogType=8\nRetries=99999\nState=x\nStart=tomorrow\nLocalID=" +
                                 std::string(40, 'i') + "\nDestName=" + std::string(5000, 'd') + "\n",
                             read));
    EXPECT_EQ(0, read.retries) << "out of range: the default";
    EXPECT_EQ(0, read.state);
    EXPECT_EQ(0, read.start.year);
    EXPECT_EQ(kLocalIdChars, read.localId.size());
    EXPECT_EQ(kMaxJobText, read.destName->size());
}

TEST(JobTimeTest, FieldsMustBeInRangeAndTimesCompareInOrder)
{
    EXPECT_TRUE(IsValidJobTime({2024, 2, 29, 0, 0, 0}));
    EXPECT_TRUE(IsValidJobTime({2000, 12, 31, 23, 59, 59}));
    EXPECT_FALSE(IsValidJobTime({2024, 1, 32, 0, 0, 0}));
    EXPECT_FALSE(IsValidJobTime({2024, 1, 0, 0, 0, 0}));
    EXPECT_FALSE(IsValidJobTime({2024, 13, 1, 0, 0, 0}));
    EXPECT_FALSE(IsValidJobTime({2024, 0, 1, 0, 0, 0}));
    EXPECT_FALSE(IsValidJobTime({2024, 1, 1, 24, 0, 0}));
    EXPECT_FALSE(IsValidJobTime({2024, 1, 1, 0, -1, 0}));
    EXPECT_FALSE(IsValidJobTime({1600, 12, 31, 0, 0, 0}));
    EXPECT_EQ(1, JobTimeSeconds({2025, 1, 1, 0, 0, 0}) - JobTimeSeconds({2024, 12, 31, 23, 59, 59}));
    EXPECT_EQ(366 * 86400, JobTimeSeconds({2024, 3, 1, 0, 0, 0}) - JobTimeSeconds({2023, 3, 1, 0, 0, 0}));
    EXPECT_EQ(365 * 86400, JobTimeSeconds({2001, 3, 1, 0, 0, 0}) - JobTimeSeconds({2000, 3, 1, 0, 0, 0}));
    EXPECT_EQ(365 * 86400, JobTimeSeconds({1901, 3, 1, 0, 0, 0}) - JobTimeSeconds({1900, 3, 1, 0, 0, 0}));
    // A held job of 29 February comes due on 1 March of a year without one.
    EXPECT_EQ(JobTimeSeconds({2025, 3, 1, 8, 0, 0}), JobTimeSeconds({2025, 2, 29, 8, 0, 0}));
    EXPECT_TRUE(IsValidJobTime({2025, 2, 29, 8, 0, 0}));
    JobTime parsed;
    EXPECT_TRUE(ParseJobTime("2024-05-10 14:30:00", parsed));
    EXPECT_EQ(14, parsed.hour);
    for (const char* bad : {"2024-05-10", "2024-05-10 14:30:00 ", "2024/05/10 14:30:00", "99999-1-1 0:0:0", "--"})
        EXPECT_FALSE(ParseJobTime(bad, parsed)) << bad;
}

TEST(EngineConfigTest, SettingsSurviveTheFileAndUnreadableValuesKeepTheirDefaults)
{
    EngineConfig config;
    config.nextJobId = 42;
    config.devices = {3, 1};
    config.values.Set("AutoReceive", "ON");
    EngineConfig read = ParseEngineConfig(FormatEngineConfig(config));
    EXPECT_EQ(42u, read.nextJobId);
    EXPECT_EQ((std::vector<uint32_t>{3, 1}), read.devices);
    EXPECT_EQ("ON", *read.values.Find("autoreceive"));

    read = ParseEngineConfig("[Engine]\nNextJobID=-3\nDevices=2,,x,2,70000,0,5\n");
    EXPECT_EQ(1u, read.nextJobId);
    EXPECT_EQ((std::vector<uint32_t>{2, 5}), read.devices);
    EXPECT_EQ(1u, ParseEngineConfig("[Engine]\nNextJobID=99999999999\n").nextJobId);
}

TEST(PhoneBookFileTest, EntriesKeepTheirNumbersAndNumbersAreNeverGivenTwice)
{
    PhoneBookFile book = ParsePhoneBookFile(
        "[Phonebook]\nName=Customers\n"
        "[Entry 5]\nFirstName=Five\n"
        "[Entry]\nFirstName=No number\n"
        "[Entry 5]\nFirstName=Repeated\n"
        "[Entry x]\nFirstName=Not a number\n"
        "[Entry 2]\nFirstName=Two\nLastName=Last\nCompany=Co\nPhone=P\nFax=F\n"
        "[Notes]\nFirstName=not an entry\n",
        "fallback");
    EXPECT_EQ("Customers", book.name);
    ASSERT_EQ(5u, book.entries.size());
    EXPECT_EQ(5u, book.entries[0].number);
    EXPECT_EQ(2u, book.entries[1].number);
    EXPECT_EQ("Two", book.entries[1].firstName);
    EXPECT_EQ("F", book.entries[1].fax);
    std::vector<uint32_t> later = {book.entries[2].number, book.entries[3].number, book.entries[4].number};
    EXPECT_EQ((std::vector<uint32_t>{6, 7, 8}), later) << "numberless entries get fresh numbers, in file order";
    EXPECT_EQ("No number", book.entries[2].firstName);

    // A deleted last entry's number is not handed out again, also after a round trip.
    book.entries.pop_back();
    PhoneBookFile saved = ParsePhoneBookFile(FormatPhoneBookFile(book), "fallback");
    PhoneBookEntryText added;
    added.firstName = "New";
    EXPECT_EQ(9u, saved.Add(added));
    ASSERT_NE(nullptr, saved.Find(9));
    EXPECT_EQ("New", saved.Find(9)->firstName);
    EXPECT_EQ(nullptr, saved.Find(8));
    EXPECT_EQ("fallback", ParsePhoneBookFile("[Phonebook]\nName=\n", "fallback").name);
}

TEST(PhoneBookFileTest, BookNamesBecomeFileNamesAWindowsFolderCanHold)
{
    EXPECT_EQ("Customers.pbk", PhoneBookFileName("Customers"));
    EXPECT_EQ("a_b_c_d_e_f_g_h_i_.pbk", PhoneBookFileName("a\\b/c:d*e?f\"g<h>i|"));
    EXPECT_EQ("trailing. .pbk", PhoneBookFileName("trailing. "));
    EXPECT_EQ("_.pbk", PhoneBookFileName(""));
    EXPECT_EQ("tab_.pbk", PhoneBookFileName("tab\t"));
    EXPECT_EQ("_con.pbk", PhoneBookFileName("con"));
    EXPECT_EQ("_Lpt1.old.pbk", PhoneBookFileName("Lpt1.old"));
    EXPECT_EQ("Console.pbk", PhoneBookFileName("Console"));
}
