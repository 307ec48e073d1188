// The receive log page driven by its buttons, its list and its message: showing and
// deleting received faxes, change reports by message, and a received fax forwarded as a
// document the Send Fax dialog can take.
#include <string>
#include <vector>

#include "host/fax_folders.h"
#include "log_test_support.h"
#include "settings/setting_names.h"
#include "settings/setting_readers.h"
#include "standins/dialog_script.h"
#include "standins/tiff/tiff_document.h"
#include "tiff_test_files.h"

using namespace logtest;
using namespace testsupport;

namespace {

class RecvLogPageTest : public LogPagesTest {
protected:
    // The host's name of a received fax's document, without extension.
    static std::string InboxName(DWORD jobId)
    {
        char name[32];
        std::snprintf(name, sizeof name, "\\R%08u", static_cast<unsigned>(jobId));
        return g_strInboxDir + name;
    }
    std::string StoredDocument(DWORD jobId) const
    {
        char name[32];
        std::snprintf(name, sizeof name, "\\Received\\R%08u.tif", static_cast<unsigned>(jobId));
        return StoreFolder() + name;
    }
    std::vector<std::string> TemporaryCopies() const
    {
        char folder[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, folder);
        std::vector<std::string> names;
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((std::string(folder) + "FMF*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return names;
        do
            names.push_back(found.cFileName);
        while (FindNextFileA(search, &found));
        FindClose(search);
        return names;
    }
};

}  // namespace

TEST_F(RecvLogPageTest, ADoubleClickShowsAReceivedFaxButNotABrokenOne)
{
    ASSERT_TRUE(WriteFileBytes(Document("fax.tif"), testfiles::MakeTiff(1)));
    const DWORD good = AddReceived("Good", "555 0100", Document("fax.tif").c_str(), 0, 0);
    AddReceived("Broken", "555 0101", nullptr, 1, FAXRECEIVE_FAILED);
    OpenSheet();
    HWND page = RecvPage();
    ASSERT_EQ((std::vector<std::string>{"Complete", "Error"}), Column(page, 0));

    auto boxes = DoubleClickAnswering(page, 1, IDOK);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("There was an error receiving this document.  It cannot be viewed.", boxes[0].text);
    EXPECT_TRUE(m_requests.empty());

    EXPECT_TRUE(DoubleClickAnswering(page, 0, IDOK).empty());
    EXPECT_EQ((std::vector<HostRequest>{{WM_FAXDOC_VIEW, InboxName(good) + ".qoi"}}), m_requests);
}

TEST_F(RecvLogPageTest, DeletingAReceivedFaxTakesItsDocumentAndTellsTheHost)
{
    ASSERT_TRUE(WriteFileBytes(Document("fax.tif"), testfiles::MakeTiff(2)));
    const DWORD first = AddReceived("First", "555 0100", Document("fax.tif").c_str(), 0, 0);
    const DWORD second = AddReceived("Second", "555 0101", Document("fax.tif").c_str(), 0, 0);
    OpenSheet();
    HWND page = RecvPage();
    SelectRows(page, {1});
    auto boxes = ClickAnswering(page, IDC_RECVLOG_DELETE, IDOK);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("Are you sure you want to delete the selected log?", boxes[0].text);
    EXPECT_EQ("Delete Log", boxes[0].caption);
    EXPECT_EQ((std::vector<HostRequest>{{WM_FAXDOC_REMOVED, InboxName(second)}}), m_requests);
    EXPECT_EQ((std::vector<std::string>{"First"}), Column(page, 4));
    EXPECT_FALSE(PathExists(StoredDocument(second)));
    EXPECT_TRUE(PathExists(StoredDocument(first)));
    SEND_FAX record;
    EXPECT_FALSE(EngineJob(second, record));
}

TEST_F(RecvLogPageTest, ChangeReportsArriveByMessageToo)
{
    AddReceived("One", "555 0100", nullptr, 1, 0);
    OpenSheet();
    HWND page = RecvPage();
    char name[] = "Two";
    SEND_FAX record = {};
    record.dwJobID = 42;
    record.nLogType = FAXLOG_RECEIVED;
    record.nState = FAXSTATE_RECEIVING;
    record.nRcvPages = 2;
    record.szDestName = name;
    SendMessageA(page, WM_RECVLOG_NOTIFY, reinterpret_cast<WPARAM>(&record), FAXLOG_CHANGE_UPDATED);
    ASSERT_EQ(2u, Rows(page).size());
    EXPECT_EQ("Receiving", Rows(page)[1][0]);
    EXPECT_EQ("2", Rows(page)[1][3]);

    // Send-log entries and missing records are not the receive log's.
    record.nLogType = FAXLOG_SENT;
    record.dwJobID = 43;
    SendMessageA(page, WM_RECVLOG_NOTIFY, reinterpret_cast<WPARAM>(&record), FAXLOG_CHANGE_UPDATED);
    SendMessageA(page, WM_RECVLOG_NOTIFY, 0, FAXLOG_CHANGE_UPDATED);
    EXPECT_EQ(2u, Rows(page).size());

    record.nLogType = FAXLOG_RECEIVED;
    record.dwJobID = 42;
    SendMessageA(page, WM_RECVLOG_NOTIFY, reinterpret_cast<WPARAM>(&record), FAXLOG_CHANGE_REMOVED);
    EXPECT_EQ((std::vector<std::string>{"One"}), Column(page, 4));
}

TEST_F(RecvLogPageTest, AThreePageFaxIsForwardedAsAThreePageTiffDocument)
{
    ASSERT_TRUE(WriteFileBytes(Document("fax.tif"), testfiles::MakeTiff(3, /*bigEndian=*/true)));
    const DWORD received = AddReceived("Sender", "555 0100", Document("fax.tif").c_str(), 0, 0);
    ASSERT_EQ("FF", ReadFileBytes(StoredDocument(received)).substr(0, 2));
    const auto copiesBefore = TemporaryCopies();
    OpenSheet();
    HWND page = RecvPage();
    SelectRows(page, {0});
    std::string forwarded;
    {
        // The Send Fax dialog opens on the rewritten document; the user cancels it.
        standintest::DialogScript script({{IDC_SENDFAX_SENDLIST, [&](HWND dialog) {
                                               forwarded = ReadFileBytes(StoredDocument(received));
                                               // Only the typing row: a forwarded fax has no recipient yet.
                                               EXPECT_EQ(1, standintest::ListRowCount(dialog, IDC_SENDFAX_SENDLIST));
                                               standintest::PostClick(dialog, IDCANCEL);
                                           }}});
        Click(page, IDC_RECVLOG_FORWARD);
        ASSERT_EQ(1u, script.Done());
    }

    EXPECT_EQ("II", forwarded.substr(0, 2));
    tiff::Document document;
    ASSERT_TRUE(tiff::ReadDocument(forwarded, document));
    ASSERT_EQ(3u, document.pages.size());
    for (int page = 0; page < 3; ++page)
        EXPECT_EQ(std::string({static_cast<char>(page + 1), static_cast<char>(0xA0 + page)}),
                  document.pages[static_cast<size_t>(page)].chunks.at(0));
    EXPECT_EQ(copiesBefore, TemporaryCopies());
}

TEST_F(RecvLogPageTest, ADocumentThatCannotBeReadIsForwardedAsItIsAndTheUserTold)
{
    ASSERT_TRUE(WriteFileBytes(Document("fax.tif"), testfiles::MakeTiff(1)));
    const DWORD received = AddReceived("Sender", "555 0100", Document("fax.tif").c_str(), 0, 0);
    const std::string damaged("FF*\0\xff\xff\xff\x7f damaged", 16);
    ASSERT_TRUE(WriteFileBytes(StoredDocument(received), damaged));
    OpenSheet();
    HWND page = RecvPage();
    SelectRows(page, {0});
    {
        BoxAnswerer conversionComplaints(IDOK);
        standintest::DialogScript script({{IDC_SENDFAX_SENDLIST, [&](HWND dialog) {
                                               EXPECT_EQ(damaged, ReadFileBytes(StoredDocument(received)));
                                               standintest::PostClick(dialog, IDCANCEL);
                                           }}});
        Click(page, IDC_RECVLOG_FORWARD);
        EXPECT_EQ(1u, script.Done());
        ASSERT_FALSE(conversionComplaints.Boxes().empty());
        EXPECT_EQ("Cannot read fax file " + StoredDocument(received) + ".", conversionComplaints.Boxes()[0].text);
    }
    EXPECT_EQ(damaged, ReadFileBytes(StoredDocument(received)));
}
