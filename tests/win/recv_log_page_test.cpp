// The receive log page's own actions: showing and deleting received faxes, and a received
// fax forwarded as a document the Send Fax dialog can take.
#include <cstdio>
#include <string>
#include <vector>

#include "host/fax_folders.h"
#include "log_test_support.h"
#include "standins/dialog_script.h"
#include "standins/tiff/tiff_document.h"
#include "tiff_test_files.h"

using namespace logtest;
using namespace testsupport;

namespace {

class RecvLogPageTest : public LogPagesTest {
protected:
    // The engine's copy of a received fax's document.
    std::string StoredDocument(DWORD jobId) const
    {
        char name[40];
        std::snprintf(name, sizeof name, "\\Received\\R%08u.tif", static_cast<unsigned>(jobId));
        return StoreFolder() + name;
    }
    // The host's name of it, without extension.
    static std::string InboxName(DWORD jobId)
    {
        char name[32];
        std::snprintf(name, sizeof name, "\\R%08u", static_cast<unsigned>(jobId));
        return g_strInboxDir + name;
    }
};

}  // namespace

TEST_F(RecvLogPageTest, ADoubleClickShowsAReceivedFaxAndDeleteTakesItsDocument)
{
    ASSERT_TRUE(WriteFileBytes(Document("fax.tif"), testfiles::MakeTiff(2)));
    const DWORD first = AddReceived("First", "555 0100", Document("fax.tif").c_str(), 0, 0);
    const DWORD second = AddReceived("Second", "555 0101", Document("fax.tif").c_str(), 0, 0);
    OpenSheet();
    HWND page = RecvPage();
    EXPECT_TRUE(DoubleClickAnswering(page, 0).empty());
    SelectRows(page, {1});
    auto boxes = ClickAnswering(page, IDC_RECVLOG_DELETE, IDOK);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("Are you sure you want to delete the selected log?", boxes[0].text);
    EXPECT_EQ((std::vector<HostRequest>{{WM_FAXDOC_VIEW, InboxName(first) + ".qoi"},
                                        {WM_FAXDOC_REMOVED, InboxName(second)}}),
              m_requests);
    EXPECT_EQ((std::vector<std::string>{"First"}), Column(page, 4));
    EXPECT_FALSE(PathExists(StoredDocument(second)));
    EXPECT_TRUE(PathExists(StoredDocument(first)));
    EXPECT_EQ((std::vector<DWORD>{first}), Remaining({first, second}));
}

TEST_F(RecvLogPageTest, AFaxIsForwardedAsATiffDocumentOrAsItIsWhenItCannotBeRead)
{
    const std::string damaged("FF*\0\xff\xff\xff\x7f damaged", 16);
    for (bool readable : {true, false}) {
        ASSERT_TRUE(WriteFileBytes(Document("fax.tif"), testfiles::MakeTiff(3, /*bigEndian=*/true)));
        const DWORD received = AddReceived("Sender", "555 0100", Document("fax.tif").c_str(), 0, 0);
        const std::string stored = StoredDocument(received);
        ASSERT_EQ("FF", ReadFileBytes(stored).substr(0, 2));
        ASSERT_TRUE(readable || WriteFileBytes(stored, damaged));
        OpenSheet();
        HWND page = RecvPage();
        SelectRows(page, {0});
        std::string forwarded;
        BoxAnswerer complaints(IDOK);
        // The Send Fax dialog opens on the document; the user cancels it.
        standintest::DialogScript script({{IDC_SENDFAX_SENDLIST, [&](HWND dialog) {
                                               forwarded = ReadFileBytes(stored);
                                               // Only the typing row: a forwarded fax has no recipient yet.
                                               EXPECT_EQ(1, standintest::ListRowCount(dialog, IDC_SENDFAX_SENDLIST));
                                               standintest::PostClick(dialog, IDCANCEL);
                                           }}});
        Click(page, IDC_RECVLOG_FORWARD);
        ASSERT_EQ(1u, script.Done());
        m_sheet.reset();
        FaxLogDelete(m_engine, received, FAXLOG_RECEIVED);
        if (!readable) {
            EXPECT_EQ(damaged, forwarded);
            ASSERT_FALSE(complaints.Boxes().empty());
            EXPECT_EQ("Cannot read fax file " + stored + ".", complaints.Boxes()[0].text);
            continue;
        }
        EXPECT_TRUE(complaints.Boxes().empty());
        EXPECT_EQ("II", forwarded.substr(0, 2));
        tiff::Document document;
        ASSERT_TRUE(tiff::ReadDocument(forwarded, document));
        ASSERT_EQ(3u, document.pages.size());
        for (size_t p = 0; p < 3; ++p)
            EXPECT_EQ(std::string({static_cast<char>(p + 1), static_cast<char>(0xA0 + p)}),
                      document.pages[p].chunks.at(0));
    }
}
